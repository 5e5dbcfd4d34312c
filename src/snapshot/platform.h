#pragma once
// Seams to the platform services that the collector and the computer figures need.
// Each has one Win32 adapter (snapshot/win32) and an in-memory double for native tests.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// Priority classes, as the platform numbers them.
constexpr uint32_t kIdlePriorityClass = 0x40;
constexpr uint32_t kBelowNormalPriorityClass = 0x4000;
constexpr uint32_t kNormalPriorityClass = 0x20;
constexpr uint32_t kAboveNormalPriorityClass = 0x8000;
constexpr uint32_t kHighPriorityClass = 0x80;
constexpr uint32_t kRealtimePriorityClass = 0x100;

// Wine's process snapshots number a process's priority class (1 idle, 2 normal, 3 high,
// 4 realtime, 5 below normal, 6 above normal) where Windows gives its threads' base priority.
// The base priority Windows gives for the class so numbered; any other number as it comes.
constexpr int32_t BasePriorityOfClassNumber(int32_t number) {
  constexpr int32_t kBasePriority[] = {4, 8, 13, 24, 6, 10};
  return number >= 1 && number <= 6 ? kBasePriority[number - 1] : number;
}

struct ProcessEntry {
  uint32_t processId = 0;
  int32_t basePriority = 0;  // as Windows reports it, under Wine too
  std::string_view exeFile;  // as the snapshot reports it; valid during the callback
};

struct ThreadEntry {
  uint32_t ownerProcessId = 0;
  uint32_t threadId = 0;
  int32_t basePriority = 0;
};

struct WindowEntry {
  uint32_t handle = 0;
  uint32_t processId = 0;
  uint32_t threadId = 0;
  std::string_view title;  // valid during the callback
  int32_t left = 0, top = 0, right = 0, bottom = 0;
  bool visible = false;
  bool iconic = false;
  bool zoomed = false;
};

struct MemoryFigures {
  uint64_t totalPhys = 0;   // bytes
  uint32_t memoryLoad = 0;  // percent
};

// Processes, threads and top-level windows in the platform's enumeration order, and the
// figures of the computer and of the program's own process.
class SnapshotSource {
 public:
  virtual ~SnapshotSource() = default;
  // Each returns without a call when the snapshot cannot be taken or has no first entry.
  virtual void EnumProcesses(const std::function<void(const ProcessEntry&)>& each) = 0;
  virtual void EnumThreads(const std::function<void(const ThreadEntry&)>& each) = 0;
  virtual void EnumWindows(const std::function<void(const WindowEntry&)>& each) = 0;

  virtual MemoryFigures Memory() = 0;
  virtual std::string ComputerName() = 0;  // empty when the call fails
  virtual std::string UserName() = 0;
  virtual uint32_t CurrentProcessId() = 0;
  virtual uint32_t OwnPriorityClass() = 0;
  virtual void SetOwnPriorityClass(uint32_t priorityClass) = 0;
};

// The key under each root whose string values name the programs Windows starts at log-on.
constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// kLocalMachine32 is HKEY_LOCAL_MACHINE in the registry's 32-bit view, which 64-bit Windows
// keeps apart (under WOW6432Node) and also starts programs from; kLocalMachine64 is its 64-bit
// view, where the system's own programs look, whichever build reads it. Elsewhere both are the
// same registry as kLocalMachine.
enum class RegistryRoot { kCurrentUser, kLocalMachine, kLocalMachine32, kLocalMachine64 };

// One value of a key as the enumeration gives it. Values of types other than REG_SZ and
// REG_EXPAND_SZ are listed too, with isText false and empty text, so a caller that lists
// only text values skips them without having to read them.
struct RegistryValue {
  std::string name;
  bool isText = false;
  std::string text;  // the whole data of a text value, up to its first terminator
};

// Key paths are below the root, components separated by "\"; names and paths compare
// without regard to letter case, as the registry does.
class Registry {
 public:
  virtual ~Registry() = default;
  // A missing key or value, or one of another type, gives nullopt.
  virtual std::optional<std::string> ReadString(RegistryRoot root, std::string_view key,
                                                std::string_view name) = 0;
  virtual std::optional<uint32_t> ReadDword(RegistryRoot root, std::string_view key,
                                            std::string_view name) = 0;
  // Whether the key holds a value of that name, of any type.
  virtual bool HasValue(RegistryRoot root, std::string_view key, std::string_view name) = 0;
  // Writes a REG_SZ value into an existing key, replacing one of the same name. The key is
  // never created: false when it is missing or the write is refused.
  virtual bool WriteString(RegistryRoot root, std::string_view key, std::string_view name,
                           std::string_view data) = 0;
  // True when the value was there and is gone; a missing key or value is not an error.
  virtual bool DeleteValue(RegistryRoot root, std::string_view key, std::string_view name) = 0;
  // The key's values and subkey names in the registry's enumeration order; a missing key
  // gives an empty list.
  virtual std::vector<RegistryValue> EnumValues(RegistryRoot root, std::string_view key) = 0;
  virtual std::vector<std::string> EnumSubkeys(RegistryRoot root, std::string_view key) = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual uint32_t TickCount() = 0;  // milliseconds, wrapping
  virtual void Sleep(uint32_t milliseconds) = 0;
  // The current local date and time as the user's regional settings render them,
  // date and time separated by one blank.
  virtual std::string NowText() = 0;
};

class Locale {
 public:
  virtual ~Locale() = default;
  // The platform's locale-aware lower-casing of 8-bit ANSI text.
  virtual std::string Lower(std::string_view text) = 0;
};

}  // namespace orvane
