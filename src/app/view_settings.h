#pragma once
// "details.dat", beside "workspace.dat": whether the list shows the processes' figures, and
// where the Performance window was. A file of its own, so that "workspace.dat" keeps its format
// for the programs that read it.

#include <cstdint>
#include <string>
#include <string_view>

#include "app/workspace.h"
#include "platform/files.h"

namespace orvane {

constexpr char kViewSettingsFile[] = "details.dat";

struct ViewSettings {
  bool processDetails = false;     // View > Views > "Show Process Details"
  bool performancePlaced = false;  // the Performance window's place below was kept
  Rect performance{};              // its window's place on the screen
  bool highlightChanges = false;   // View > Views > "Highlight Changes"
  bool operator==(const ViewSettings&) const = default;
};

// The file's 24 bytes: a version (1), the flags (1 details, 2 placed, 8 highlight; a file from
// before the highlight has no 8 and reads as off), then left, top, width
// and height, each a signed 32-bit little-endian integer.
std::string EncodeViewSettings(const ViewSettings& settings);
// Anything but a whole file of this version with no unknown flag, or a placed window of no
// size, is damaged and gives the defaults.
ViewSettings DecodeViewSettings(std::string_view bytes);

// The defaults when the file is missing, cannot be read or is damaged.
ViewSettings ReadViewSettings(Files& files);
// Replaces the file whole; raises orvane::Error as Files::WriteAll does.
void WriteViewSettings(Files& files, const ViewSettings& settings);

}  // namespace orvane
