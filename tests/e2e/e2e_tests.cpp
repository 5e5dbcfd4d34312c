// The built program started as a person would start it: the single-instance rule between
// processes, and the main window coming forward when it is resized.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "e2e/program.h"
#include "win/support/test_process.h"

namespace orvane {
namespace {

// The program starts the tray companion when "tray.dat" is missing (and "notray" deletes it).
// A companion left running would keep this run's output open, and the test runner with it.
class CompanionEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    const std::string path = testing::TestDirectory() + "tray.dat";
    if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
      std::ofstream(path, std::ios::binary).write("\0\0\0\0", 4);
    }
  }
  void TearDown() override { testing::CloseCompanion(); }
};
const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new CompanionEnvironment);

using testing::FindTopWindow;
using testing::Program;
using testing::PumpUntil;

DWORD OwnerOf(HWND hwnd) {
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  return pid;
}

TEST(SingleInstance, ASecondPlainStartEndsAtOnceAndLeavesTheFirstAlone) {
  Program first;
  ASSERT_TRUE(first.Started());
  const HWND window = first.WaitMainWindow();
  ASSERT_NE(window, nullptr);

  for (const char* arguments : {"", "notray"}) {
    SCOPED_TRACE(std::string("arguments \"") + arguments + "\"");
    Program second(arguments);
    ASSERT_TRUE(second.Started());
    EXPECT_EQ(second.WaitExit(15000), 0u) << "the second instance is still running";
    EXPECT_TRUE(first.Running());
    EXPECT_TRUE(IsWindow(window));
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(OwnerOf(window), first.Pid());
    EXPECT_EQ(first.WaitMainWindow(1000), window);
  }
}

TEST(SingleInstance, StartedInPlaceOfTheTaskManagerItRunsAsAPlainStart) {
  // Current versions of Windows add a switch: no command for the command-line dialog, which
  // would hide the main window at its first tick.
  for (const char* arguments :
       {"C:\\windows\\system32\\taskmgr.exe", "C:\\windows\\system32\\taskmgr.exe /4"}) {
    SCOPED_TRACE(arguments);
    Program program(arguments);
    ASSERT_TRUE(program.Started());
    const HWND window = program.WaitMainWindow();
    ASSERT_NE(window, nullptr);
    PumpUntil([] { return false; }, 1500);
    EXPECT_TRUE(program.Running());
    EXPECT_TRUE(IsWindowVisible(window));
  }
}

TEST(SingleInstance, TwoArgumentsRunBesideARunningInstance) {
  Program first;
  ASSERT_TRUE(first.Started());
  ASSERT_NE(first.WaitMainWindow(), nullptr);

  Program second("one two");
  ASSERT_TRUE(second.Started());
  const HWND window = second.WaitMainWindow();
  ASSERT_NE(window, nullptr) << "the second instance shows no main window";
  EXPECT_EQ(OwnerOf(window), second.Pid());
  // Still there after the first instance's message loop would have ended it.
  PumpUntil([] { return false; }, 1500);
  EXPECT_TRUE(second.Running());
  EXPECT_TRUE(first.Running());
  EXPECT_TRUE(IsWindow(window));
}

// A window of the test's own that takes the foreground away from the program.
class Foreground {
 public:
  Foreground() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "OrvaneE2eForeground";
    RegisterClassA(&wc);
    hwnd_ = CreateWindowExA(0, wc.lpszClassName, "Foreground", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0,
                            0, 300, 200, nullptr, nullptr, wc.hInstance, nullptr);
  }
  ~Foreground() {
    if (hwnd_) DestroyWindow(hwnd_);
  }
  Foreground(const Foreground&) = delete;
  Foreground& operator=(const Foreground&) = delete;

  HWND hwnd() const { return hwnd_; }
  bool Take() {
    SetForegroundWindow(hwnd_);
    return PumpUntil([&] { return GetForegroundWindow() == hwnd_; }, 5000);
  }

 private:
  HWND hwnd_ = nullptr;
};

// Whether the top-level window a is in front of b in the stacking order.
bool InFront(HWND a, HWND b) {
  for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
    if (w == a) return true;
    if (w == b) return false;
  }
  return false;
}

// Ctrl+Alt+Del's Task Manager, with the program running: the user sees the running one.
TEST(SingleInstance, ASecondStartInPlaceOfTheTaskManagerBringsTheFirstForward) {
  Program first;
  ASSERT_TRUE(first.Started());
  const HWND window = first.WaitMainWindow();
  ASSERT_NE(window, nullptr);
  ShowWindow(window, SW_MINIMIZE);
  ASSERT_TRUE(PumpUntil([&] { return IsIconic(window) != FALSE; }, 5000));

  // Any other second start ends silently.
  Program plain;
  ASSERT_TRUE(plain.Started());
  EXPECT_EQ(plain.WaitExit(15000), 0u);
  PumpUntil([] { return false; }, 500);
  EXPECT_TRUE(IsIconic(window));

  // Minimised: restored and activated. Then behind another window: activated.
  Foreground other;
  for (const char* arguments :
       {"C:\\Windows\\system32\\taskmgr.exe /4", "\"C:\\WINDOWS\\System32\\TaskMgr.exe\""}) {
    SCOPED_TRACE(arguments);
    Program second(arguments);
    ASSERT_TRUE(second.Started());
    EXPECT_EQ(second.WaitExit(15000), 0u) << "the second instance is still running";
    EXPECT_TRUE(PumpUntil([&] { return GetForegroundWindow() == window; }, 5000))
        << "foreground is " << GetForegroundWindow();
    EXPECT_FALSE(IsIconic(window));
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_TRUE(InFront(window, other.hwnd()));
    EXPECT_TRUE(first.Running());
    ASSERT_TRUE(other.Take());
    SetWindowPos(other.hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  }
}

TEST(FormResize, ResizingOrRestoringBringsTheMainWindowForward) {
  Program program;
  ASSERT_TRUE(program.Started());
  const HWND window = program.WaitMainWindow();
  ASSERT_NE(window, nullptr);
  Foreground other;
  ASSERT_NE(other.hwnd(), nullptr);

  // Without a resize the program leaves the foreground where it is, through a few ticks.
  ASSERT_TRUE(other.Take());
  PumpUntil([] { return false; }, 2500);
  EXPECT_EQ(GetForegroundWindow(), other.hwnd());

  // A new size alone, with no activation asked for.
  RECT rect{};
  GetWindowRect(window, &rect);
  SetWindowPos(window, nullptr, 0, 0, rect.right - rect.left - 40, rect.bottom - rect.top - 30,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_TRUE(PumpUntil([&] { return GetForegroundWindow() == window; }, 5000))
      << "foreground is " << GetForegroundWindow();

  // Minimised, with the foreground elsewhere, then restored without activation.
  ShowWindow(window, SW_MINIMIZE);
  ASSERT_TRUE(PumpUntil([&] { return IsIconic(window) != FALSE; }, 5000));
  ASSERT_TRUE(other.Take());
  ShowWindow(window, SW_SHOWNOACTIVATE);
  EXPECT_TRUE(PumpUntil([&] { return GetForegroundWindow() == window; }, 5000))
      << "foreground is " << GetForegroundWindow();
  EXPECT_TRUE(program.Running());
}

}  // namespace
}  // namespace orvane
