#pragma once
// The snapshot source over the tool-help snapshots, window enumeration and the system figures.

#include <windows.h>

#include <array>

#include "snapshot/snapshot_source.h"

namespace orvane::win32 {

// Where a window's title is read: 62 characters and the terminator, as the record keeps.
using WindowTitleBuffer = std::array<char, 63>;

// Fills entry from a top-level window, its title in title; false when the window was destroyed
// since it was enumerated, before or while it was read.
bool ReadTopLevelWindow(HWND hwnd, WindowTitleBuffer& title, WindowEntry& entry);

// A process's base priority as Windows reports it, from the number the system's snapshot gave:
// under Wine, detected once, that number is the priority class's and is translated.
int32_t ProcessBasePriority(int32_t reported);

class ToolhelpSource : public SnapshotSource {
 public:
  void EnumProcesses(const std::function<void(const ProcessEntry&)>& each) override;
  void EnumThreads(const std::function<void(const ThreadEntry&)>& each) override;
  void EnumWindows(const std::function<void(const WindowEntry&)>& each) override;
  MemoryFigures Memory() override;
  std::string ComputerName() override;
  std::string UserName() override;
  uint32_t CurrentProcessId() override;
  uint32_t ProcessorCount() override;
  uint32_t OwnPriorityClass() override;
  void SetOwnPriorityClass(uint32_t priorityClass) override;
};

}  // namespace orvane::win32
