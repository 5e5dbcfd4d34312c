#include "platform/win32/object_control.h"

#include <windows.h>

#include "platform/win32/handles.h"

namespace orvane::win32 {

namespace {

// PROCESS_ALL_ACCESS as the NT 4 and 2000 headers define it: newer headers widen it, and
// older systems refuse an access mask they do not know.
constexpr DWORD kProcessAllAccess = 0x1F0FFF;

HANDLE Handle(ProcessToken process) {
  return reinterpret_cast<HANDLE>(process);
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

}  // namespace orvane::win32
