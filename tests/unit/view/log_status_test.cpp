#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "doubles/fake_platform.h"
#include "doubles/fake_view_outputs.h"
#include "unit/view/view_records.h"
#include "view/log_listener.h"
#include "view/status_listener.h"

namespace orvane {
namespace {

using testing::Computer;
using testing::Process;
using testing::Root;
using testing::Send;
using testing::Thread;
using testing::Window;
using Lines = std::vector<std::string>;

class LogListenerTest : public ::testing::Test {
 protected:
  testing::FakeLogOutput out;
  testing::FakeClock clock;
  LogListener log{out, clock};
  const std::string T = "07.12.2026 21:43:00";

  void Cycle(const std::vector<uint32_t>& pids) {
    Send(log, Root());
    Send(log, Computer("HOST"));
    for (uint32_t pid : pids) {
      Send(log, Process(pid, "p" + std::to_string(pid) + ".exe"));
      Send(log, Thread(pid, pid * 10));
      Send(log, Window(pid, pid * 10, pid * 100, "win" + std::to_string(pid)));
    }
  }
};

TEST_F(LogListenerTest, FirstCycleWritesOnlyTheStartLinesAndFlagsZeroNothingMore) {
  log.LogFlags = 63;
  Cycle({1});
  EXPECT_EQ(out.lines, (Lines{"Log started at HOST\t" + T, ""}));

  testing::FakeLogOutput quiet;
  LogListener silent(quiet, clock);
  for (int i = 0; i < 4; ++i) {
    Send(silent, Root());
    Send(silent, Computer("HOST"));
    Send(silent, Process(static_cast<uint32_t>(i + 1), "x.exe", 8 + i));
  }
  EXPECT_EQ(quiet.lines, (Lines{"Log started at HOST\t" + T, ""}));
  EXPECT_EQ(silent.LogStartCountdown, 0);
}

TEST_F(LogListenerTest, CreatedFromTheSecondCycleAndRemovedWithTabs) {
  log.LogFlags = kLogProcess | kLogThread | kLogWindow;
  Cycle({1});
  out.lines.clear();
  Cycle({1, 2});
  EXPECT_EQ(out.lines, (Lines{"Process created p2.exe\t" + T, "Thread created  20 " + T,
                              "Window created  win2\t" + T}));
  EXPECT_EQ(log.LogStartCountdown, 0);
  out.lines.clear();
  Cycle({1});
  Cycle({1});
  Cycle({1});  // created in cycle 2, absent from 3 and 4: removed at the start of 5
  EXPECT_EQ(out.lines, (Lines{"Process removed p2.exe\t" + T, "Thread removed  20\t" + T,
                              "Window removed  win2\t" + T}));
  // Clearing the log text does not restart the countdown; the computer is tracked now.
  out.lines.clear();
  Cycle({1});
  EXPECT_TRUE(out.lines.empty());
}

TEST_F(LogListenerTest, EachBitEnablesOnlyItsLines) {
  log.LogFlags = kLogThread;
  Cycle({1});
  Cycle({1, 2});
  EXPECT_EQ(out.lines.back(), "Thread created  20 " + T);
  EXPECT_EQ(out.lines.size(), 3u);
  log.LogFlags = kLogThreadMod;
  Send(log, Thread(2, 20, 9));
  Send(log, Process(2, "p2.exe", 13));
  EXPECT_EQ(out.lines.size(), 4u);
}

TEST_F(LogListenerTest, ModifiedHeadsArePaddedToColumn42) {
  log.LogFlags = kLogProcessMod | kLogThreadMod | kLogWindowMod;
  Send(log, Process(1, "notepad.exe"));
  Send(log, Thread(1, 4000000000u));
  Send(log, Window(1, 10, 5, "short"));
  const std::string longTitle(50, 'x');
  Send(log, Window(1, 10, 6, longTitle));
  out.lines.clear();
  Send(log, Process(1, "notepad.exe", 13));
  Send(log, Thread(1, 4000000000u, 15));
  Send(log, Window(1, 10, 5, "short", 1));
  Send(log, Window(1, 10, 6, longTitle, 0));
  ASSERT_EQ(out.lines.size(), 4u);
  EXPECT_EQ(out.lines[0], "Process modified notepad.exe" + std::string(14, ' ') + T);
  EXPECT_EQ(out.lines[1], "Thread modified  4000000000" + std::string(15, ' ') + T);
  EXPECT_EQ(out.lines[2], "Window modified  short" + std::string(20, ' ') + T);
  EXPECT_EQ(out.lines[3], "Window modified  " + longTitle + T);
}

TEST(StatusListener, PanelsAtEachComputerRecordCountProcessesOfTheLastCycle) {
  testing::FakeStatusPanels panels;
  StatusListener status(panels);
  EXPECT_EQ(panels.panels[0], "");
  Send(status, Root());
  Send(status, Computer("HOST", 37, 134, 5));
  EXPECT_EQ(panels.panels[0], "Running Processes: 0");
  EXPECT_EQ(panels.panels[1], "Memory Usage: 37% (Total: 134mb)");
  EXPECT_EQ(panels.panels[2], "Cpu Usage: 5%");
  Send(status, Process(1, "a.exe"));
  Send(status, Process(2, "b.exe"));
  Send(status, Thread(1, 10));
  Send(status, Window(1, 10, 5, "w"));
  EXPECT_EQ(status.ProcessCount(), 2);
  EXPECT_EQ(status.TrackedCount(), 2u);  // neither root, computer, threads nor windows

  Send(status, Root());
  Send(status, Computer("HOST", 40, 134, 7));
  EXPECT_EQ(panels.panels[0], "Running Processes: 2");
  EXPECT_EQ(panels.panels[2], "Cpu Usage: 7%");
  Send(status, Process(1, "a.exe"));
  Send(status, Root());  // b.exe goes here, a.exe at the next start
  Send(status, Root());
  Send(status, Computer());
  EXPECT_EQ(panels.panels[0], "Running Processes: 0");
  EXPECT_EQ(status.ProcessCount(), 0);
}

}  // namespace
}  // namespace orvane
