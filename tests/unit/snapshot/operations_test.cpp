#include "snapshot/operations.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "doubles/fake_object_control.h"
#include "snapshot/snapshot_source.h"

namespace orvane {
namespace {

using testing::FakeObjectControl;
using Strings = std::vector<std::string>;

ObjectKey Process(uint32_t pid, uint32_t mainWindow = 0) {
  return {kKindProcess, 0, 0, pid, 0, mainWindow};
}
ObjectKey Thread(uint32_t pid, uint32_t tid) {
  return {kKindThread, 0, 0, pid, tid, 0};
}
ObjectKey Window(uint32_t pid, uint32_t tid, uint32_t handle) {
  return {kKindWindow, 0, 0, pid, tid, handle};
}

using Op = void (*)(ObjectControl&, const ObjectKey*);

TEST(PriorityStepping, FollowsTheFourLevelTableWithFoldedClasses) {
  struct Row {
    uint32_t current;
    std::optional<uint32_t> raised, lowered;
  };
  const Row table[] = {
      {kIdlePriorityClass, kNormalPriorityClass, kIdlePriorityClass},
      {kBelowNormalPriorityClass, kNormalPriorityClass, kIdlePriorityClass},
      {kNormalPriorityClass, kHighPriorityClass, kIdlePriorityClass},
      {kAboveNormalPriorityClass, kRealtimePriorityClass, kNormalPriorityClass},
      {kHighPriorityClass, kRealtimePriorityClass, kNormalPriorityClass},
      {kRealtimePriorityClass, std::nullopt, kHighPriorityClass},
      {0, std::nullopt, std::nullopt},       // a failed query
      {0x1234, std::nullopt, std::nullopt},  // a class outside the table
  };
  for (const Row& row : table) {
    SCOPED_TRACE(FakeObjectControl::Hex(row.current));
    FakeObjectControl up, down;
    up.processes[7] = down.processes[7] = row.current;
    const ObjectKey p = Process(7);
    ProcessInc(up, &p);
    ProcessDec(down, &p);

    auto expected = [](const std::optional<uint32_t>& next) {
      Strings actions{"open 7", "get 7"};
      if (next) actions.push_back("set 7 " + FakeObjectControl::Hex(*next));
      actions.push_back("close 7");
      return actions;
    };
    EXPECT_EQ(up.actions, expected(row.raised));
    EXPECT_EQ(down.actions, expected(row.lowered));
  }
}

TEST(ProcessOperations, StopTerminatesWithExitCodeOneAndClosesEveryHandle) {
  FakeObjectControl control;
  control.processes = {{7, kNormalPriorityClass}, {8, kHighPriorityClass}};
  const ObjectKey a = Process(7), b = Process(8);
  ProcessStop(control, &a);
  ProcessInc(control, &b);
  ProcessDec(control, &b);
  EXPECT_EQ(control.exitCodes, (std::map<uint32_t, uint32_t>{{7, 1}}));
  EXPECT_EQ(control.OpenCount(), 0u);
  EXPECT_EQ(control.actions.front(), "open 7");
  EXPECT_EQ(control.actions[1], "terminate 7 1");
  EXPECT_EQ(control.actions[2], "close 7");
}

TEST(ProcessOperations, AProcessThatCannotBeOpenedIsLeftAloneSilently) {
  FakeObjectControl control;  // no process can be opened: ended, or access denied
  const ObjectKey gone = Process(99);
  for (Op op : {ProcessStop, ProcessInc, ProcessDec}) op(control, &gone);
  EXPECT_EQ(control.actions, Strings(3, "open-failed 99"));
}

TEST(ProcessOperations, MainWindowOperationsNeedALinkedMainWindow) {
  const Op ops[] = {ProcessShow, ProcessHide, ProcessMax, ProcessMin, ProcessNorm};
  FakeObjectControl unlinked;
  const ObjectKey firstCycle = Process(7, 0);
  for (Op op : ops) op(unlinked, &firstCycle);
  EXPECT_TRUE(unlinked.actions.empty());

  FakeObjectControl linked;
  const ObjectKey later = Process(7, 0x80001234u);  // a handle word with the high bit set
  for (Op op : ops) op(linked, &later);
  EXPECT_EQ(linked.actions, (Strings{"show 0x80001234 5", "show 0x80001234 0", "show 0x80001234 3",
                                     "show 0x80001234 6", "show 0x80001234 9"}));
}

TEST(WindowOperations, UseTheGivenShowCommandsAndPostClose) {
  FakeObjectControl control;
  const ObjectKey w = Window(7, 8, 0x2002);
  for (Op op : {WindowClose, WindowShow, WindowHide, WindowMax, WindowMin, WindowNorm})
    op(control, &w);
  EXPECT_EQ(control.actions, (Strings{"post-close 0x2002", "show 0x2002 5", "show 0x2002 0",
                                      "show 0x2002 3", "show 0x2002 6", "show 0x2002 9"}));
}

TEST(Operations, IgnoreRecordsOfTheWrongKindTheEmptyTrayKeyAndNull) {
  const Op processOps[] = {ProcessStop, ProcessInc, ProcessDec, ProcessShow,
                           ProcessHide, ProcessMax, ProcessMin, ProcessNorm};
  const Op windowOps[] = {WindowClose, WindowShow, WindowHide, WindowMax, WindowMin, WindowNorm};
  FakeObjectControl control;
  control.processes[7] = kNormalPriorityClass;

  const ObjectKey thread = Thread(7, 8);
  const ObjectKey window = Window(7, 8, 0x2002);
  const ObjectKey process = Process(7, 0x2002);
  const ObjectKey trayKeyNeverSeen{};  // all zero: kind 0
  const ObjectKey computer{kKindComputer, 0, 0, 0, 0, 0};
  const ObjectKey windowWithoutHandle = Window(7, 8, 0);

  for (const ObjectKey* key :
       {&thread, &window, &trayKeyNeverSeen, &computer, static_cast<const ObjectKey*>(nullptr)}) {
    for (Op op : processOps) op(control, key);
  }
  for (const ObjectKey* key : {&thread, &process, &trayKeyNeverSeen, &computer,
                               &windowWithoutHandle, static_cast<const ObjectKey*>(nullptr)}) {
    for (Op op : windowOps) op(control, key);
  }
  EXPECT_TRUE(control.actions.empty()) << control.actions.front();
}

// A primary monitor with a task bar along its bottom, and a second monitor to its left.
const ScreenLayout kTwoMonitors{{{0, 0, 1024, 768}, {-1280, -100, 1280, 1024}}, {0, 0, 1024, 740}};

TEST(MoveOnScreen, AWindowOnNoMonitorGoesToThePrimaryWorkAreaKeepingItsSize) {
  constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
  constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
  const ScreenLayout noMonitor{{}, {0, 0, 1024, 740}};
  const ScreenLayout noWorkArea{kTwoMonitors.monitors, {0, 0, 0, 740}};
  const ScreenLayout areaOffTheMonitors{kTwoMonitors.monitors, {5000, 0, 1024, 740}};
  const struct {
    const char* what;
    Rect window;
    const ScreenLayout& screen;
    std::optional<Rect> placed;  // nullopt: left where it is
  } cases[] = {
      {"on the primary", {100, 120, 400, 300}, kTwoMonitors, std::nullopt},
      {"one pixel on it", {-399, -299, 400, 300}, kTwoMonitors, std::nullopt},
      {"on the second, at negative places", {-900, 50, 400, 300}, kTwoMonitors, std::nullopt},
      {"far off", {-5000, -5000, 400, 300}, kTwoMonitors, Rect{0, 0, 400, 300}},
      {"just past the right edge", {1024, 10, 400, 300}, kTwoMonitors, Rect{0, 0, 400, 300}},
      {"just below", {10, 768, 400, 300}, kTwoMonitors, Rect{0, 0, 400, 300}},
      {"in the gap above the primary", {10, -300, 400, 300}, kTwoMonitors, Rect{0, 0, 400, 300}},
      {"larger than the work area", {3000, 0, 2000, 900}, kTwoMonitors, Rect{0, 0, 1024, 740}},
      {"no area, its corner on screen", {50, 50, 0, 0}, kTwoMonitors, std::nullopt},
      {"no area, off screen", {5000, 50, 0, -5}, kTwoMonitors, Rect{0, 0, 0, 0}},
      {"edges past 32 bits", {kMax, kMax, kMax, kMax}, kTwoMonitors, Rect{0, 0, 1024, 740}},
      {"the lowest corner", {kMin, kMin, 400, 300}, kTwoMonitors, Rect{0, 0, 400, 300}},
      {"no monitor known", {-5000, -5000, 400, 300}, noMonitor, std::nullopt},
      {"a work area without width", {-5000, -5000, 400, 300}, noWorkArea, std::nullopt},
      {"a work area on no monitor", {-5000, -5000, 400, 300}, areaOffTheMonitors, std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(OnScreenPlace(c.window, c.screen), c.placed);
  }
}

TEST(Operations, ReadOnlyTheKeyOfAFullRecord) {
  FakeObjectControl control;
  ProcessRecord record{};
  record.key = Process(7, 0x3003);
  CopyText(record.caption, "Untitled - Notepad");
  ProcessMin(control, &record.key);
  EXPECT_EQ(control.actions, Strings{"show 0x3003 6"});
}

}  // namespace
}  // namespace orvane
