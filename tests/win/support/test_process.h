#pragma once
// Starts the test helper program (a process with a known window and threads) and ends it.

#include <windows.h>

#include <functional>
#include <string>

namespace orvane::testing {

// The directory of the running test executable, with a trailing backslash.
std::string TestDirectory();

// Pumps this thread's messages until done() holds or the time runs out; returns done().
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 10000);

// The first top-level window of the process with this window class, or null.
HWND FindTopWindow(DWORD pid, const char* className);

// The process's open handles, from the system's handle table (Wine answers
// GetProcessHandleCount with 0); -1 when the table cannot be read.
int HandleCountOf(DWORD pid);

// The tray companion's window, or null.
HWND CompanionWindow();
// Asks every running companion to close, as the program does, and waits until each has ended.
void CloseCompanion();

class TestProcess {
 public:
  // exe: full path of a copy of the helper (default: test_window.exe beside the tests); busy:
  // threads that spin, beside the idle ones; childTitle: the title of a helper that this one
  // starts as its child (none when empty), which the test ends itself.
  explicit TestProcess(const std::string& title, int threads = 2, bool hidden = false,
                       const std::string& exe = "", int busy = 0,
                       const std::string& childTitle = "");
  ~TestProcess();
  TestProcess(const TestProcess&) = delete;
  TestProcess& operator=(const TestProcess&) = delete;

  DWORD pid() const { return info_.dwProcessId; }
  DWORD mainThreadId() const { return info_.dwThreadId; }
  HANDLE handle() const { return info_.hProcess; }
  HWND window() const { return window_; }
  // Waits for the process to end; its exit code, or STILL_ACTIVE on time-out.
  DWORD WaitExit(DWORD timeoutMs = 10000);

 private:
  PROCESS_INFORMATION info_{};  // handles owned
  HWND window_ = nullptr;       // not owned
};

}  // namespace orvane::testing
