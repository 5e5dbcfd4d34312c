// Starting programs and opening documents through the real WinExec and shell under Wine.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>

#include "platform/win32/program_start.h"
#include "win/support/test_process.h"

namespace orvane {
namespace {

using testing::PumpUntil;
using testing::TestDirectory;

// Waits for the helper's window with this title and ends its process; false when no such
// window appeared.
bool EndHelperWithTitle(const char* title) {
  HWND window = nullptr;
  PumpUntil([&] { return (window = FindWindowA("OrvaneTestWindow", title)) != nullptr; });
  if (!window) return false;
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid);
  if (!process) return false;
  TerminateProcess(process, 99);
  WaitForSingleObject(process, 5000);
  CloseHandle(process);
  return true;
}

// While alive, closes every dialog box of this process from a second thread and counts them,
// so a box that a failed start might show neither blocks the test nor goes unseen.
class BoxWatcher {
 public:
  BoxWatcher() : thread_(CreateThread(nullptr, 0, &BoxWatcher::Watch, this, 0, nullptr)) {}
  ~BoxWatcher() {
    stop_ = true;
    WaitForSingleObject(thread_, 5000);
    CloseHandle(thread_);
  }
  BoxWatcher(const BoxWatcher&) = delete;
  BoxWatcher& operator=(const BoxWatcher&) = delete;
  int boxes() const { return boxes_; }

 private:
  static BOOL CALLBACK CloseBox(HWND window, LPARAM param) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    char cls[16] = {};
    GetClassNameA(window, cls, sizeof cls);
    if (pid == GetCurrentProcessId() && std::string(cls) == "#32770" && IsWindowVisible(window)) {
      ++reinterpret_cast<BoxWatcher*>(param)->boxes_;
      PostMessageA(window, WM_CLOSE, 0, 0);
    }
    return TRUE;
  }
  static DWORD WINAPI Watch(LPVOID param) {
    auto* self = static_cast<BoxWatcher*>(param);
    while (!self->stop_) {
      EnumWindows(CloseBox, reinterpret_cast<LPARAM>(param));
      Sleep(20);
    }
    return 0;
  }

  std::atomic<bool> stop_{false};
  std::atomic<int> boxes_{0};
  HANDLE thread_;  // owned
};

TEST(ProgramStarterWin, StartsTheHelperByCommandLineAndThroughTheShell) {
  win32::Win32ProgramStarter starter;
  // A bare name is found in the program's own directory, as "tray.exe" is.
  EXPECT_TRUE(starter.StartCommand("test_window.exe \"Orvane started by command\" 1",
                                   ShowCommand::kShowNormal));
  EXPECT_TRUE(EndHelperWithTitle("Orvane started by command"));

  EXPECT_TRUE(starter.OpenDocument(TestDirectory() + "test_window.exe",
                                   "\"Orvane opened by the shell\" 1", TestDirectory(),
                                   ShowCommand::kShowNormal));
  EXPECT_TRUE(EndHelperWithTitle("Orvane opened by the shell"));
}

TEST(ProgramStarterWin, AMissingProgramOrDocumentFailsWithoutABox) {
  win32::Win32ProgramStarter starter;
  BoxWatcher watcher;
  const std::string missing = TestDirectory() + "no_such_program.exe";
  EXPECT_FALSE(starter.StartCommand(missing, ShowCommand::kShowNormal));
  EXPECT_FALSE(starter.StartCommand("", ShowCommand::kShowNormal));
  EXPECT_FALSE(starter.OpenDocument(missing, "", "", ShowCommand::kShowNormal));
  EXPECT_FALSE(starter.OpenDocument("help\\no_such_index.html", "", "", ShowCommand::kShowNormal));
  EXPECT_EQ(watcher.boxes(), 0);
}

}  // namespace
}  // namespace orvane
