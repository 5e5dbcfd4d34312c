#pragma once
// The snapshot source over the tool-help snapshots, window enumeration and the system figures.

#include "snapshot/platform.h"

namespace orvane::win32 {

class ToolhelpSource : public SnapshotSource {
 public:
  void EnumProcesses(const std::function<void(const ProcessEntry&)>& each) override;
  void EnumThreads(const std::function<void(const ThreadEntry&)>& each) override;
  void EnumWindows(const std::function<void(const WindowEntry&)>& each) override;
  MemoryFigures Memory() override;
  std::string ComputerName() override;
  std::string UserName() override;
  uint32_t CurrentProcessId() override;
  uint32_t OwnPriorityClass() override;
  void SetOwnPriorityClass(uint32_t priorityClass) override;
};

}  // namespace orvane::win32
