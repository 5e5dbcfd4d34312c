#pragma once
// The seam to the platform's process and window control, used by the object operations.
// One Win32 adapter (platform/win32/object_control.h) and an in-memory double for native tests.

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/rect.h"

namespace orvane {

// An open process as the adapter hands it out; only the adapter knows what it stands for.
using ProcessToken = std::uintptr_t;

// The platform's show commands that the window operations and program starts use.
enum class ShowCommand : int32_t {
  kHide = 0,           // SW_HIDE
  kShowNormal = 1,     // SW_SHOWNORMAL
  kShowMaximized = 3,  // SW_SHOWMAXIMIZED
  kShow = 5,           // SW_SHOW
  kMinimize = 6,       // SW_MINIMIZE
  kRestore = 9,        // SW_RESTORE
};

// Where a top-level window is: the rectangle it has when not minimised, on the screen.
struct WindowPlace {
  Rect rect;
  bool minimised = false;
};

// The monitors' rectangles, and the primary monitor's work area (the part the task bar leaves).
struct ScreenLayout {
  std::vector<Rect> monitors;
  Rect primaryWorkArea;
};

class ObjectControl {
 public:
  virtual ~ObjectControl() = default;
  // The process opened with all access and no inheritance; nullopt when it cannot be opened
  // (it has ended, or access is denied). Every token returned must be closed.
  virtual std::optional<ProcessToken> OpenProcess(uint32_t processId) = 0;
  virtual void TerminateProcess(ProcessToken process, uint32_t exitCode) = 0;
  // 0 when the query fails.
  virtual uint32_t GetPriorityClass(ProcessToken process) = 0;
  virtual void SetPriorityClass(ProcessToken process, uint32_t priorityClass) = 0;
  virtual void CloseProcess(ProcessToken process) = 0;
  // window is a handle as records carry it (a 32-bit word).
  virtual void ShowWindow(uint32_t window, ShowCommand command) = 0;
  // Posts WM_CLOSE (wParam 0, lParam 0) without waiting for the window.
  virtual void PostClose(uint32_t window) = 0;
  // The window still exists and belongs to the process.
  virtual bool IsWindowOf(uint32_t window, uint32_t processId) = 0;
  // nullopt when there is no such window.
  virtual std::optional<WindowPlace> PlaceOf(uint32_t window) = 0;
  virtual ScreenLayout Screen() = 0;
  // Restores the window first when restore is set, then gives it rect. Neither step waits for
  // the window's thread, which may not be answering.
  virtual void PlaceWindow(uint32_t window, const Rect& rect, bool restore) = 0;
};

}  // namespace orvane
