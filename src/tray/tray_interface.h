#pragma once
// What the main program and its tray companion must agree on: the companion's names, its
// Run value, and "tray.dat", which carries the traps from the Settings menu to the companion.
// Both programs include this header.

#include <cstdint>
#include <string>
#include <string_view>

#include "snapshot/records.h"

namespace orvane {

class Files;
class Registry;

// The companion's executable file name and window title (kTrayExeName, kTrayWindowTitle) come
// from snapshot/records.h, where the collector looks for them.
// The window class and title of the program's main window, which the companion and a start
// in place of the task manager bring to the front; the class name alone is too common.
constexpr std::string_view kMainWindowClass = "TMainForm";
constexpr std::string_view kMainWindowTitle = "Orvane 2000 Professional";
// The program's executable, beside the companion.
constexpr std::string_view kProgramExeName = "orvn2k.exe";
// The companion's settings file, beside both programs.
constexpr std::string_view kTrayDataFile = "tray.dat";
// The companion's value in the Run key: the program's directory followed by kTrayExeName.
constexpr std::string_view kTrayRunValue = "Orvane2000Tray";

// The content of "tray.dat": one bit for each trap of the Settings menu.
using TrapMask = int32_t;
constexpr TrapMask kNoTraps = 0;
constexpr TrapMask kTrapCtrlAltDel = 1;
constexpr TrapMask kTrapCtrlAltShift = 2;
constexpr TrapMask kTrapShiftShift = 4;
constexpr TrapMask kAllTraps = kTrapCtrlAltDel | kTrapCtrlAltShift | kTrapShiftShift;

// The three trap check marks.
struct TrapChecks {
  bool ctrlAltDel = false;
  bool ctrlAltShift = false;
  bool shiftShift = false;
  bool operator==(const TrapChecks&) const = default;
};

TrapMask TrapMaskOf(const TrapChecks& checks);
// Bits other than the three traps are ignored.
TrapChecks TrapChecksOf(TrapMask mask);

// The file's bytes: the mask as a signed 32-bit little-endian integer.
std::string EncodeTrapMask(TrapMask mask);
// The mask in exactly four bytes. Anything else, or a value with a bit other than the three
// traps, is a damaged file and means no traps.
TrapMask DecodeTrapMask(std::string_view bytes);

// The text of the error raised when the Run value cannot be written.
std::string FailedToSetDataText();
// Writes the Run value, appDirectory followed by kTrayExeName, under HKEY_LOCAL_MACHINE; where
// that is refused (a standard user may not change that key) under HKEY_CURRENT_USER, which
// Windows also starts at logon. False only when both are refused.
bool RegisterTrayAtLogon(Registry& registry, std::string_view appDirectory);
// Removes the Run value from both keys, wherever an earlier registration put it. Silent.
void UnregisterTrayAtLogon(Registry& registry);

// Replaces the file with the encoded mask; raises orvane::Error as Files::WriteAll does.
void WriteTrapMask(Files& files, std::string_view path, TrapMask mask);
// The mask in the file; kNoTraps when it is missing, cannot be read or is damaged.
TrapMask ReadTrapMask(Files& files, std::string_view path);

}  // namespace orvane
