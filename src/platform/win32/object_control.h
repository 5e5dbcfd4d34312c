#pragma once
// The process and window control seam over OpenProcess, TerminateProcess, the priority-class
// calls, ShowWindow, PostMessageA, GetWindowThreadProcessId, and the window placement and monitor
// queries.

#include "platform/object_control.h"

namespace orvane::win32 {

class Win32ObjectControl : public ObjectControl {
 public:
  std::optional<ProcessToken> OpenProcess(uint32_t processId) override;
  void TerminateProcess(ProcessToken process, uint32_t exitCode) override;
  uint32_t GetPriorityClass(ProcessToken process) override;
  void SetPriorityClass(ProcessToken process, uint32_t priorityClass) override;
  void CloseProcess(ProcessToken process) override;
  void ShowWindow(uint32_t window, ShowCommand command) override;
  void PostClose(uint32_t window) override;
  bool IsWindowOf(uint32_t window, uint32_t processId) override;
  std::optional<WindowPlace> PlaceOf(uint32_t window) override;
  ScreenLayout Screen() override;
  void PlaceWindow(uint32_t window, const Rect& rect, bool restore) override;
};

}  // namespace orvane::win32
