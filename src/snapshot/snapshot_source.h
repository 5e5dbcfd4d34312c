#pragma once
// The seam to the platform's snapshots of processes, threads and windows, and to the figures of
// the computer and of the program's own process. One Win32 adapter per way of taking them
// (snapshot/win32) and an in-memory double for native tests.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

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

// What the system's process list holds about a process beside its name; zero where a source
// has none.
struct ProcessCounters {
  uint32_t parentProcessId = 0;
  uint32_t threadCount = 0;
  uint32_t handleCount = 0;
  uint64_t createTime = 0;    // 100 ns units since 1601, UTC; 0 unknown
  uint64_t kernelTime = 0;    // 100 ns units
  uint64_t userTime = 0;      // 100 ns units
  uint64_t privateBytes = 0;  // the commit charge
  uint64_t workingSet = 0;    // bytes
};

struct ProcessEntry {
  uint32_t processId = 0;
  int32_t basePriority = 0;  // as Windows reports it, under Wine too
  std::string_view exeFile;  // as the snapshot reports it; valid during the callback
  ProcessCounters counters;
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
  // The system counts the window's thread as not responding; asked of visible windows only.
  bool hung = false;
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
  virtual uint32_t ProcessorCount() = 0;  // logical processors, at least 1
  virtual uint32_t OwnPriorityClass() = 0;
  virtual void SetOwnPriorityClass(uint32_t priorityClass) = 0;
};

}  // namespace orvane
