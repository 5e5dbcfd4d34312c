#include "platform/win32/object_control.h"

#include <windows.h>

#include <vector>

#include "platform/win32/handles.h"

namespace orvane::win32 {

namespace {

// PROCESS_ALL_ACCESS as the NT 4 and 2000 headers define it: newer headers widen it, and
// older systems refuse an access mask they do not know.
constexpr DWORD kProcessAllAccess = 0x1F0FFF;

HANDLE Handle(ProcessToken process) {
  return reinterpret_cast<HANDLE>(process);
}

Rect RectOf(const RECT& r) {
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

RECT PrimaryWorkArea() {
  RECT area{};
  ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  return area;
}

BOOL CALLBACK AddMonitor(HMONITOR, HDC, LPRECT bounds, LPARAM list) {
  reinterpret_cast<std::vector<Rect>*>(list)->push_back(RectOf(*bounds));
  return TRUE;
}

}  // namespace

std::optional<ProcessToken> Win32ObjectControl::OpenProcess(uint32_t processId) {
  HANDLE process = ::OpenProcess(kProcessAllAccess, FALSE, processId);
  if (process == nullptr) return std::nullopt;
  return reinterpret_cast<ProcessToken>(process);
}

void Win32ObjectControl::TerminateProcess(ProcessToken process, uint32_t exitCode) {
  ::TerminateProcess(Handle(process), exitCode);
}

uint32_t Win32ObjectControl::GetPriorityClass(ProcessToken process) {
  return ::GetPriorityClass(Handle(process));
}

void Win32ObjectControl::SetPriorityClass(ProcessToken process, uint32_t priorityClass) {
  ::SetPriorityClass(Handle(process), priorityClass);
}

void Win32ObjectControl::CloseProcess(ProcessToken process) {
  ::CloseHandle(Handle(process));
}

void Win32ObjectControl::ShowWindow(uint32_t window, ShowCommand command) {
  ::ShowWindow(WordHandle(window), static_cast<int>(command));
}

void Win32ObjectControl::PostClose(uint32_t window) {
  ::PostMessageA(WordHandle(window), WM_CLOSE, 0, 0);
}

bool Win32ObjectControl::IsWindowOf(uint32_t window, uint32_t processId) {
  const HWND hwnd = WordHandle(window);
  DWORD owner = 0;
  return ::IsWindow(hwnd) && ::GetWindowThreadProcessId(hwnd, &owner) != 0 && owner == processId;
}

std::optional<WindowPlace> Win32ObjectControl::PlaceOf(uint32_t window) {
  const HWND hwnd = WordHandle(window);
  if (!::IsWindow(hwnd)) return std::nullopt;
  WindowPlace place;
  place.minimised = ::IsIconic(hwnd) != FALSE;
  RECT r{};
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  if (place.minimised && ::GetWindowPlacement(hwnd, &placement)) {
    // A minimised window's own rectangle is the icon's; the restored one is what comes back.
    // It is in work-area coordinates, but for tool windows.
    r = placement.rcNormalPosition;
    if ((::GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) == 0) {
      const RECT area = PrimaryWorkArea();
      ::OffsetRect(&r, area.left, area.top);
    }
  } else {
    ::GetWindowRect(hwnd, &r);
  }
  place.rect = RectOf(r);
  return place;
}

ScreenLayout Win32ObjectControl::Screen() {
  ScreenLayout screen;
  ::EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&screen.monitors));
  screen.primaryWorkArea = RectOf(PrimaryWorkArea());
  return screen;
}

void Win32ObjectControl::PlaceWindow(uint32_t window, const Rect& rect, bool restore) {
  const HWND hwnd = WordHandle(window);
  if (restore) ::ShowWindowAsync(hwnd, SW_RESTORE);
  ::SetWindowPos(hwnd, nullptr, rect.left, rect.top, rect.width, rect.height,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS);
}

}  // namespace orvane::win32
