#include "win/support/test_process.h"

#include <stdexcept>

namespace orvane::testing {

std::string TestDirectory() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string dir(path);
  return dir.substr(0, dir.rfind('\\') + 1);
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > timeoutMs) return false;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return true;
}

namespace {

struct Search {
  DWORD pid;
  const char* className;
  HWND found;
};

BOOL CALLBACK FindWindowOf(HWND hwnd, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  char cls[64] = {};
  GetClassNameA(hwnd, cls, sizeof cls);
  if (pid == search->pid && std::string(cls) == search->className) {
    search->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

HWND FindTopWindow(DWORD pid, const char* className) {
  Search search{pid, className, nullptr};
  EnumWindows(FindWindowOf, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

TestProcess::TestProcess(const std::string& title, int threads, bool hidden,
                         const std::string& exe) {
  const std::string program = exe.empty() ? TestDirectory() + "test_window.exe" : exe;
  std::string command = "\"" + program + "\" \"" + title + "\" " + std::to_string(threads) +
                        (hidden ? " hidden" : "");
  STARTUPINFOA si{};
  si.cb = sizeof si;
  if (!CreateProcessA(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &si, &info_)) {
    throw std::runtime_error("cannot start " + program + " (error " +
                             std::to_string(GetLastError()) + ")");
  }
  WaitForInputIdle(info_.hProcess, 10000);
  // Under Wine the wait can return between the window's creation and its showing.
  PumpUntil([&] {
    window_ = FindTopWindow(info_.dwProcessId, "OrvaneTestWindow");
    return window_ && (hidden || IsWindowVisible(window_));
  });
}

TestProcess::~TestProcess() {
  if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
    TerminateProcess(info_.hProcess, 99);
    WaitForSingleObject(info_.hProcess, 5000);
  }
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
}

DWORD TestProcess::WaitExit(DWORD timeoutMs) {
  WaitForSingleObject(info_.hProcess, timeoutMs);
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(info_.hProcess, &code);
  return code;
}

}  // namespace orvane::testing
