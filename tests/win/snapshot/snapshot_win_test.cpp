// The snapshot engine against the real services under Wine: tool-help snapshots, window
// enumeration, and the hand-over to a thread with a message loop.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/win32/handles.h"
#include "snapshot/collector.h"
#include "snapshot/info_thread.h"
#include "snapshot/win32/toolhelp_source.h"
#include "snapshot/win32/window_dispatcher.h"
#include "win/support/real_collector.h"
#include "win/support/test_process.h"

namespace orvane {
namespace {

using testing::PumpUntil;
using testing::TestDirectory;
using testing::TestProcess;

using testing::Recording;

class SnapshotWin : public testing::RealCollectorTest {};

TEST_F(SnapshotWin, TheRealSourceSeesAHelperProcessItsThreadsAndItsWindow) {
  TestProcess helper("Orvane probe window", 3);
  ASSERT_NE(helper.window(), nullptr);

  Recording first = Cycle();
  const auto processes = first.Of<ProcessRecord>(kKindProcess, helper.pid());
  ASSERT_EQ(processes.size(), 1u);
  EXPECT_EQ(FieldText(processes[0].fileName), "test_window.exe");
  EXPECT_EQ(FieldText(processes[0].caption), "test_window.exe") << "first cycle: file name";
  EXPECT_EQ(processes[0].mainWindow(), 0u);
  EXPECT_EQ(processes[0].basePriority, 8) << "the normal class as Windows numbers it";

  const auto threads = first.Of<ThreadRecord>(kKindThread, helper.pid());
  EXPECT_GE(threads.size(), 4u);  // the main thread and three idle ones
  EXPECT_TRUE(std::any_of(threads.begin(), threads.end(), [&](const ThreadRecord& t) {
    return t.key.threadId == helper.mainThreadId();
  }));

  const auto windows = first.Of<WindowRecord>(kKindWindow, helper.pid());
  auto window = std::find_if(windows.begin(), windows.end(), [&](const WindowRecord& w) {
    return w.key.windowHandle == win32::HandleWord(helper.window());
  });
  ASSERT_NE(window, windows.end());
  EXPECT_EQ(FieldText(window->title), "Orvane probe window");
  EXPECT_EQ(window->key.threadId, helper.mainThreadId());
  EXPECT_EQ(window->visible, 1);
  EXPECT_EQ(window->showState, kShowNormal);
  EXPECT_EQ(window->width, 400);
  EXPECT_EQ(window->height, 300);

  const auto second = Cycle().Of<ProcessRecord>(kKindProcess, helper.pid());
  ASSERT_EQ(second.size(), 1u);
  EXPECT_EQ(FieldText(second[0].caption), "Orvane probe window");
  EXPECT_EQ(win32::WordHandle(second[0].mainWindow()), helper.window());
}

TEST_F(SnapshotWin, TheComputerRecordCarriesRealFigures) {
  const auto computer = Cycle().Of<ComputerRecord>(kKindComputer).at(0);
  EXPECT_GT(computer.memoryTotal, 0u);
  EXPECT_LE(computer.memoryLoad, 100u);
  EXPECT_EQ(computer.osCode, 5) << "Wine presents a modern NT-family system";
  EXPECT_GE(computer.cpuLoad, 0);
  EXPECT_LE(computer.cpuLoad, 100);
  EXPECT_FALSE(FieldText(computer.computerName).empty());
  EXPECT_FALSE(FieldText(computer.userName).empty());
  EXPECT_EQ(GetPriorityClass(GetCurrentProcess()), static_cast<DWORD>(NORMAL_PRIORITY_CLASS))
      << "the estimate restores the own priority class";
}

TEST_F(SnapshotWin, OwnProcessIsNotSentButItsThreadsAndWindowsAre) {
  HWND own = CreateWindowA("STATIC", "Own test window", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50,
                           300, 200, nullptr, nullptr, nullptr, nullptr);
  Recording out = Cycle();
  const DWORD pid = GetCurrentProcessId();
  EXPECT_TRUE(out.Of<ProcessRecord>(kKindProcess, pid).empty());
  EXPECT_FALSE(out.Of<ThreadRecord>(kKindThread, pid).empty());
  const auto windows = out.Of<WindowRecord>(kKindWindow, pid);
  EXPECT_TRUE(std::any_of(windows.begin(), windows.end(), [&](const WindowRecord& w) {
    return win32::WordHandle(w.key.windowHandle) == own && FieldText(w.title) == "Own test window";
  }));
  DestroyWindow(own);
}

TEST_F(SnapshotWin, TheTrayCompanionSetsTheSharedValues) {
  // The helper under the companion's name, in a folder of its own beside the real companion.
  const std::string folder = TestDirectory() + "fake_tray";
  const std::string trayExe = folder + "\\tray.exe";
  CreateDirectoryA(folder.c_str(), nullptr);
  ASSERT_TRUE(CopyFileA((TestDirectory() + "test_window.exe").c_str(), trayExe.c_str(), FALSE));
  {
    TestProcess trayProcess("ORVANE2000TRAYWINDOW", 1, false, trayExe);
    ASSERT_NE(trayProcess.window(), nullptr);
    Recording out = Cycle();
    EXPECT_TRUE(out.Of<ProcessRecord>(kKindProcess, trayProcess.pid()).empty());
    EXPECT_FALSE(out.Of<ThreadRecord>(kKindThread, trayProcess.pid()).empty());
    EXPECT_EQ(tray.TrayRunning, 1);
    const ObjectKey key = tray.TrayWindowKey.Load();
    EXPECT_EQ(key.kind, kKindWindow);
    EXPECT_EQ(key.processId, trayProcess.pid());
    EXPECT_EQ(win32::WordHandle(key.windowHandle), trayProcess.window());
  }
  Cycle();
  EXPECT_EQ(tray.TrayRunning, 0);
  EXPECT_EQ(tray.TrayWindowKey.Load().kind, kKindWindow) << "the key is never cleared";
  DeleteFileA(trayExe.c_str());
  RemoveDirectoryA(folder.c_str());
}

TEST_F(SnapshotWin, InfoThreadDeliversWholeCyclesToTheGuiThreadAndDropsWakesDuringOne) {
  win32::WindowDispatcher dispatcher;
  RecordSink sink;
  Recording receiver;
  sink.Register(&receiver);
  DWORD deliveredOn = 0;
  struct ThreadProbe : RecordReceiver {
    DWORD* on;
    void RecordArrived(const void*, int32_t) override { *on = GetCurrentThreadId(); }
  } probe;
  probe.on = &deliveredOn;
  sink.Register(&probe);

  InfoThread thread(collector, dispatcher);
  thread.SetSink(&sink);
  ASSERT_TRUE(thread.Wake());
  EXPECT_FALSE(thread.Wake()) << "a wake-up during the cycle starts nothing";
  ASSERT_TRUE(PumpUntil([&] { return thread.CyclesCompleted() == 1 && !thread.Busy(); }));
  EXPECT_EQ(thread.CyclesCompleted(), 1u);
  EXPECT_EQ(deliveredOn, GetCurrentThreadId());

  ASSERT_GE(receiver.records.size(), 3u);
  std::vector<int32_t> kinds;
  for (const auto& r : receiver.records) kinds.push_back(static_cast<int32_t>(r[0]));
  EXPECT_EQ(kinds[0], kKindRoot);
  EXPECT_EQ(kinds[1], kKindComputer);
  EXPECT_TRUE(std::is_sorted(kinds.begin(), kinds.end())) << "processes, threads, windows";
  EXPECT_FALSE(receiver.Of<ThreadRecord>(kKindThread, GetCurrentProcessId()).empty());

  const std::size_t oneCycle = receiver.records.size();
  ASSERT_TRUE(thread.Wake());
  ASSERT_TRUE(PumpUntil([&] { return thread.CyclesCompleted() == 2 && !thread.Busy(); }));
  EXPECT_GT(receiver.records.size(), oneCycle + 2);
}

TEST(SnapshotWindowsWin, ShowStatesReadFromTheStyleAgreeWithTheQueriesAndDestroyedWindowsDrop) {
  struct Case {
    const char* title;
    int show;
  } cases[] = {{"Orvane state normal", SW_SHOWNORMAL},
               {"Orvane state hidden", SW_HIDE},
               {"Orvane state minimised", SW_SHOWMINIMIZED},
               {"Orvane state maximised", SW_SHOWMAXIMIZED},
               {"Orvane state hidden minimised", SW_MINIMIZE}};
  std::vector<HWND> windows;
  for (const Case& c : cases) {
    HWND w = CreateWindowA("STATIC", c.title, WS_OVERLAPPEDWINDOW, 60, 60, 300, 200, nullptr,
                           nullptr, nullptr, nullptr);
    ShowWindow(w, c.show);
    if (c.show == SW_MINIMIZE) ShowWindow(w, SW_HIDE);
    windows.push_back(w);
  }
  int seen = 0;
  win32::ToolhelpSource source;
  source.EnumWindows([&](const WindowEntry& e) {
    for (HWND w : windows) {
      if (e.handle != win32::HandleWord(w)) continue;
      ++seen;
      EXPECT_EQ(e.visible, IsWindowVisible(w) != FALSE) << e.title;
      EXPECT_EQ(e.iconic, IsIconic(w) != FALSE) << e.title;
      EXPECT_EQ(e.zoomed, IsZoomed(w) != FALSE) << e.title;
    }
  });
  EXPECT_EQ(seen, 5);

  // Destroyed between the enumeration and the reading of its text: left out, rather than read
  // as a window of thread 0 with no title.
  win32::WindowTitleBuffer title{};
  WindowEntry entry;
  ASSERT_TRUE(win32::ReadTopLevelWindow(windows[0], title, entry));
  EXPECT_EQ(entry.title, "Orvane state normal");
  EXPECT_EQ(entry.processId, GetCurrentProcessId());
  for (HWND w : windows) DestroyWindow(w);
  EXPECT_FALSE(win32::ReadTopLevelWindow(windows[0], title, entry));
}

}  // namespace
}  // namespace orvane
