#pragma once
// The built program started as a separate process, as a person starts it.

#include <windows.h>

#include <string>

#include "win/support/test_process.h"

namespace orvane::testing {

// One orvn2k.exe process, ended whatever happens to its owner.
class Program {
 public:
  explicit Program(const std::string& arguments = "") {
    const std::string exe = TestDirectory() + "orvn2k.exe";
    std::string command = "\"" + exe + "\"" + (arguments.empty() ? "" : " " + arguments);
    STARTUPINFOA si{};
    si.cb = sizeof si;
    started_ = CreateProcessA(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                              nullptr, &si, &info_) != FALSE;
  }
  ~Program() {
    if (!started_) return;
    if (Running()) {
      TerminateProcess(info_.hProcess, 1);
      WaitForSingleObject(info_.hProcess, 10000);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
  }
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  bool Started() const { return started_; }
  DWORD Pid() const { return info_.dwProcessId; }
  bool Running() const { return WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT; }

  // The process's main window once it exists, or null after the time-out.
  HWND WaitMainWindow(DWORD timeoutMs = 20000) const {
    HWND found = nullptr;
    PumpUntil(
        [&] {
          found = FindTopWindow(info_.dwProcessId, "TMainForm");
          return found != nullptr && IsWindowVisible(found);
        },
        timeoutMs);
    return found;
  }

  // The exit code once the process has ended, or STILL_ACTIVE after the time-out.
  DWORD WaitExit(DWORD timeoutMs) const {
    DWORD code = STILL_ACTIVE;
    PumpUntil([&] { return !Running(); }, timeoutMs);
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
  }

 private:
  PROCESS_INFORMATION info_{};  // handles owned
  bool started_ = false;
};

}  // namespace orvane::testing
