#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "doubles/fake_controls.h"
#include "doubles/fake_platform.h"
#include "doubles/fake_view_outputs.h"
#include "platform/error.h"
#include "snapshot/record_sink.h"
#include "unit/view/view_records.h"
#include "view/fill.h"
#include "view/list_filter.h"
#include "view/list_listener.h"
#include "view/log_listener.h"
#include "view/tree_listener.h"

namespace orvane {
namespace {

using testing::Computer;
using testing::Process;
using testing::Root;
using testing::Send;
using testing::Thread;
using testing::Window;
using Lines = std::vector<std::string>;

struct FakeWindowSpec {
  uint32_t hwnd;
  std::string title;
};
struct FakeThreadSpec {
  uint32_t tid;
  std::vector<FakeWindowSpec> windows;
};
struct FakeProcessSpec {
  uint32_t pid;
  std::string file;
  std::vector<FakeThreadSpec> threads;
  uint32_t mainWindow = 0;
  std::string caption;  // the file name when empty
};

// Counts the offers to Removed, to see how many passes ClearAll takes.
class CountingTreeListener : public TreeListener {
 public:
  using TreeListener::TreeListener;
  int32_t removedOffers = 0;

 protected:
  bool Removed(const TrackedObject& object) override {
    ++removedOffers;
    return TreeListener::Removed(object);
  }
};

class TreeListTest : public ::testing::Test {
 protected:
  testing::FakeLocale locale;
  KnownPrograms programs{locale};
  testing::FakeTreeControl treeControl;
  TreeModel tree{treeControl};
  CountingTreeListener treeListener{tree, programs};
  testing::FakeListControl listControl;
  ListModel list{listControl};
  ListListener listListener{list, programs};
  ListFilter filter{listListener};
  RecordSink sink;

  TreeListTest() {
    sink.Register(&treeListener);
    sink.Register(&filter);
  }

  void Cycle(const std::vector<FakeProcessSpec>& processes) {
    Send(sink, Root());
    Send(sink, Computer("HOST"));
    for (const FakeProcessSpec& p : processes) {
      ProcessRecord r = Process(p.pid, p.file, 8, "c:\\bin\\", p.mainWindow);
      if (!p.caption.empty()) CopyText(r.caption, p.caption);
      Send(sink, r);
    }
    for (const FakeProcessSpec& p : processes) {
      for (const FakeThreadSpec& t : p.threads) Send(sink, Thread(p.pid, t.tid, 10));
    }
    for (const FakeProcessSpec& p : processes) {
      for (const FakeThreadSpec& t : p.threads) {
        for (const FakeWindowSpec& w : t.windows) Send(sink, Window(p.pid, t.tid, w.hwnd, w.title));
      }
    }
  }

  void ExpectMirrorsAgree() {
    // The control, fed only by notifications, shows what the models hold.
    EXPECT_EQ(treeControl.items.size(), tree.NodeCount());
    ASSERT_EQ(listControl.rows.size(), list.RowCount());
    for (std::size_t i = 0; i < list.RowCount(); ++i) {
      EXPECT_EQ(listControl.rows[i].caption, list.Row(i).cells.caption);
    }
  }
};

const FakeProcessSpec kEditor{7, "edit.exe", {{70, {{700, "Doc - Edit"}}}, {71, {}}}, 0, ""};
const FakeProcessSpec kCsrss{3, "csrss.exe", {{30, {}}}, 0, ""};

TEST_F(TreeListTest, FirstCycleBuildsTheTreeAndTheComputersChildrenInTheList) {
  Cycle({kCsrss, kEditor});
  EXPECT_EQ(treeControl.Lines(),
            (Lines{"HOST [2]", "  csrss.exe [4]", "    30 [5]", "  edit.exe [3]", "    70 [5]",
                   "      Doc - Edit [6]", "    71 [5]"}));
  ASSERT_EQ(list.RowCount(), 2u);
  const RowCells& row = list.Row(1).cells;
  EXPECT_EQ(row.caption, "edit.exe");
  EXPECT_EQ(row.subItems, (std::vector<std::string>{"Normal (8)", "c:\\bin\\edit.exe"}));
  EXPECT_EQ(row.stateImage, 3);
  EXPECT_EQ(row.smallImage, 1);
  EXPECT_EQ(list.Row(0).cells.stateImage, 4);
  ExpectMirrorsAgree();

  // Threads and windows rows, through the filter.
  filter.currentKey = Process(7, "").key;
  listListener.ClearAll();
  EXPECT_EQ(list.RowCount(), 0u);
  Cycle({kCsrss, kEditor});
  EXPECT_EQ(listControl.Captions(), (Lines{"70", "71"}));
  EXPECT_EQ(list.Row(0).cells.subItems, (std::vector<std::string>{"10"}));
  EXPECT_EQ(list.Row(0).cells.smallImage, 2);
  filter.currentKey = Thread(7, 70).key;
  listListener.ClearAll();
  WindowRecord moved = Window(7, 70, 700, "Doc - Edit", 0);
  moved.left = -8;
  moved.visible = 0;
  Send(sink, Root());
  Send(sink, moved);
  ASSERT_EQ(list.RowCount(), 1u);
  EXPECT_EQ(list.Row(0).cells.subItems,
            (std::vector<std::string>{"Minimized", "Invisible", "400", "300", "-8", "20"}));
  EXPECT_EQ(list.Row(0).cells.smallImage, 4);
  ExpectMirrorsAgree();
}

TEST_F(TreeListTest, AnEndedProcessLeavesTheListAtOnceAndTheTreeBottomUp) {
  Cycle({kCsrss, kEditor});
  Cycle({kCsrss, kEditor});
  Cycle({kCsrss});
  EXPECT_EQ(list.RowCount(), 2u);
  Cycle({kCsrss});  // removals at this start: the row, and the leaves of the branch
  EXPECT_EQ(listControl.Captions(), Lines{"csrss.exe"});
  EXPECT_EQ(treeControl.Lines(),
            (Lines{"HOST [2]", "  csrss.exe [4]", "    30 [5]", "  edit.exe [3]", "    70 [5]"}));
  Cycle({kCsrss});
  EXPECT_EQ(treeControl.Lines(),
            (Lines{"HOST [2]", "  csrss.exe [4]", "    30 [5]", "  edit.exe [3]"}));
  Cycle({kCsrss});
  EXPECT_EQ(treeControl.Lines(), (Lines{"HOST [2]", "  csrss.exe [4]", "    30 [5]"}));
  EXPECT_EQ(treeListener.TrackedCount(), 3u);
  ExpectMirrorsAgree();
}

TEST_F(TreeListTest, ANewProcessGetsItsWholeBranchInTheCycleItAppears) {
  Cycle({kCsrss});
  Cycle({kCsrss, kEditor});
  EXPECT_EQ(tree.NodeCount(), 7u);
  EXPECT_EQ(listControl.Captions(), (Lines{"csrss.exe", "edit.exe"}));
}

TEST_F(TreeListTest, ThreadsOfAnUnsentProcessNeverGetANodeAndRaiseNothing) {
  for (int cycle = 0; cycle < 3; ++cycle) {
    Send(sink, Root());
    Send(sink, Computer("HOST"));
    EXPECT_NO_THROW(Send(sink, Thread(99, 990)));
    EXPECT_NO_THROW(Send(sink, Window(99, 990, 9900, "tray")));
  }
  EXPECT_EQ(treeControl.Lines(), Lines{"HOST [2]"});
  EXPECT_EQ(treeListener.TrackedCount(), 1u);
}

TEST_F(TreeListTest, RowsAndNodesKeepTheirKeyCopyWhileTheirTextsRefresh) {
  FakeProcessSpec editor = kEditor;
  Cycle({editor});
  const int32_t addedBefore = treeControl.added;
  editor.mainWindow = 700;
  editor.caption = "Doc - Edit";
  Cycle({editor});
  EXPECT_EQ(treeControl.added, addedBefore);
  EXPECT_EQ(treeControl.refilled, 1);
  ASSERT_EQ(list.RowCount(), 1u);
  EXPECT_EQ(list.Row(0).cells.caption, "Doc - Edit");
  EXPECT_EQ(list.Row(0).key.windowHandle, 0u);  // made before the main window was known
  EXPECT_EQ(tree.FindFirst(Process(7, "").key)->key.windowHandle, 0u);
  EXPECT_EQ(treeControl.Lines()[1], "  Doc - Edit [3]");

  // A rebuild picks the handle up.
  listListener.ClearAll();
  Cycle({editor});
  EXPECT_EQ(list.Row(0).key.windowHandle, 700u);
  ExpectMirrorsAgree();
}

TEST_F(TreeListTest, AModificationThatLeavesANodeOrARowAsItIsReachesNoControl) {
  filter.currentKey = Process(7, "").key;
  Cycle({kEditor});
  const int32_t treeRefills = treeControl.refilled;
  const int32_t listRefills = listControl.refilled;
  auto cycle = [&](int32_t priority70, uint32_t mainWindow) {
    Send(sink, Root());
    Send(sink, Computer("HOST"));
    Send(sink, Process(7, "edit.exe", 8, "c:\\bin\\", mainWindow));
    Send(sink, Thread(7, 70, priority70));
    Send(sink, Thread(7, 71, 10));
    Send(sink, Window(7, 70, 700, "Doc - Edit"));
  };
  // A thread's priority shows in its row, not in its node.
  cycle(12, 0);
  EXPECT_EQ(treeControl.refilled, treeRefills);
  EXPECT_EQ(listControl.refilled, listRefills + 1);
  EXPECT_EQ(list.Row(0).cells.subItems, (std::vector<std::string>{"12"}));
  // A process's main window shows nowhere.
  filter.currentKey = Computer().key;
  listListener.ClearAll();
  cycle(12, 0);
  const int32_t listRefillsAtComputer = listControl.refilled;
  cycle(12, 700);
  EXPECT_EQ(treeControl.refilled, treeRefills);
  EXPECT_EQ(listControl.refilled, listRefillsAtComputer);
  ExpectMirrorsAgree();
}

TEST_F(TreeListTest, AWindowThatStopsRespondingIsAModificationWithItsOwnImageBothWays) {
  testing::FakeLogOutput out;
  testing::FakeClock clock;
  LogListener log{out, clock};
  log.LogFlags = kLogWindowMod;
  sink.Register(&log);
  filter.currentKey = Thread(7, 70).key;
  const auto cycle = [&](uint8_t hung) {
    Send(sink, Root());
    Send(sink, Computer("HOST"));
    Send(sink, Process(7, "edit.exe"));
    Send(sink, Thread(7, 70));
    WindowRecord window = Window(7, 70, 700, "Doc - Edit");
    window.hung = hung;
    Send(sink, window);
  };
  cycle(0);
  const struct {
    uint8_t hung;
    int32_t image;
    std::size_t logLines;  // the start lines, then one line per change
  } steps[] = {{0, kWindowImage, 2},
               {1, kHungWindowImage, 3},
               {1, kHungWindowImage, 3},
               {0, kWindowImage, 4}};
  for (const auto& step : steps) {
    SCOPED_TRACE(static_cast<int>(step.hung));
    cycle(step.hung);
    EXPECT_EQ(tree.FindFirst(Window(7, 70, 700, "").key)->content.stateImage, step.image);
    ASSERT_EQ(list.RowCount(), 1u);
    EXPECT_EQ(list.Row(0).cells.stateImage, step.image);
    ASSERT_EQ(out.lines.size(), step.logLines);
    EXPECT_TRUE(step.logLines == 2 || out.lines.back().starts_with("Window modified  Doc - Edit"));
  }
  ExpectMirrorsAgree();
}

// Each row as caption and mark: "+" new, "-" removed and kept to be seen, "" neither.
std::vector<std::pair<std::string, std::string>> MarkedRows(const ListModel& list) {
  std::vector<std::pair<std::string, std::string>> rows;
  for (std::size_t i = 0; i < list.RowCount(); ++i) {
    const ListRow& row = list.Row(i);
    const RowChange change = row.mark.change;
    rows.emplace_back(row.cells.caption, change == RowChange::kCreated   ? "+"
                                         : change == RowChange::kRemoved ? "-"
                                                                         : "");
  }
  return rows;
}

TEST_F(TreeListTest, HighlightedRowsOfNewObjectsLastTwoCyclesAndOfRemovedOnesTwoMore) {
  const FakeProcessSpec a{1, "a.exe", {}, 0, ""}, b{2, "b.exe", {}, 0, ""},
      c{3, "c.exe", {}, 0, ""};
  listListener.HighlightChanges(true);
  using Rows = std::vector<std::pair<std::string, std::string>>;
  const struct {
    std::vector<FakeProcessSpec> processes;
    Rows rows;
  } cycles[] = {
      {{a, b}, {{"a.exe", ""}, {"b.exe", ""}}},  // the list's first fill marks nothing
      {{a, b, c}, {{"a.exe", ""}, {"b.exe", ""}, {"c.exe", "+"}}},
      {{a, c}, {{"a.exe", ""}, {"b.exe", ""}, {"c.exe", "+"}}},  // b absent: gone next cycle
      {{a, c}, {{"a.exe", ""}, {"b.exe", "-"}, {"c.exe", ""}}},
      {{a, b, c}, {{"a.exe", ""}, {"b.exe", "-"}, {"c.exe", ""}, {"b.exe", "+"}}},  // again
      {{a, b, c}, {{"a.exe", ""}, {"c.exe", ""}, {"b.exe", "+"}}},
      {{a, b, c}, {{"a.exe", ""}, {"c.exe", ""}, {"b.exe", ""}}},
  };
  for (std::size_t i = 0; i < std::size(cycles); ++i) {
    SCOPED_TRACE(i);
    Cycle(cycles[i].processes);
    EXPECT_EQ(MarkedRows(list), cycles[i].rows);
    ExpectMirrorsAgree();
  }

  // A kept row is for the eye only: lookups pass it by, so its object's next removal is no error.
  Cycle({a, c});
  Cycle({a, c});
  EXPECT_EQ(MarkedRows(list), (Rows{{"a.exe", ""}, {"c.exe", ""}, {"b.exe", "-"}}));
  EXPECT_EQ(list.FindFirst(Process(2, "").key), nullptr);
  EXPECT_EQ(list.MarkedRows(), 1u);

  // Another level or Refresh empties the list whole; the refill marks nothing.
  listListener.ClearAll();
  EXPECT_EQ(list.RowCount(), 0u);
  EXPECT_EQ(list.MarkedRows(), 0u);
  Cycle({a, c});
  Cycle({a, b, c});
  EXPECT_EQ(MarkedRows(list), (Rows{{"a.exe", ""}, {"c.exe", ""}, {"b.exe", "+"}}));

  // Off: the marks go at once, and removals take their rows at once again. (A new object's
  // removal is found a cycle later than a known one's.)
  for (int i = 0; i < 3; ++i) Cycle({a, c});
  ASSERT_EQ(MarkedRows(list), (Rows{{"a.exe", ""}, {"c.exe", ""}, {"b.exe", "-"}}));
  listListener.HighlightChanges(false);
  EXPECT_EQ(MarkedRows(list), (Rows{{"a.exe", ""}, {"c.exe", ""}}));
  Cycle({a});
  Cycle({a});
  EXPECT_EQ(MarkedRows(list), (Rows{{"a.exe", ""}}));
  ExpectMirrorsAgree();
}

TEST_F(TreeListTest, ClearAllEmptiesAFourLevelTreeInFourPassesAndTheNextCycleRebuilds) {
  Cycle({kEditor});  // computer, process, two threads, one window
  treeListener.removedOffers = 0;
  treeListener.ClearAll();
  EXPECT_EQ(tree.NodeCount(), 0u);
  EXPECT_EQ(treeListener.TrackedCount(), 0u);
  EXPECT_EQ(treeListener.removedOffers, 5 + 3 + 2 + 1);  // one level per pass
  EXPECT_TRUE(treeControl.items.empty());
  Cycle({kEditor});
  EXPECT_EQ(tree.NodeCount(), 5u);
  ExpectMirrorsAgree();
}

TEST_F(TreeListTest, ConsistencyErrorsCarryTheirTextsAndLeaveTheStore) {
  auto expectError = [](auto&& action, const std::string& text) {
    try {
      action();
      ADD_FAILURE() << "no error, expected " << text;
    } catch (const Error& e) {
      EXPECT_EQ(std::string(e.what()), text);
    }
  };
  Cycle({kEditor});
  // A node made behind the listener's back.
  tree.AddNode(tree.FindFirst(Process(7, "").key), Thread(7, 72).key, {});
  expectError([&] { Send(sink, Thread(7, 72)); }, "TreeNode added twice");
  EXPECT_EQ(treeListener.TrackedCount(), 5u);

  tree.DeleteNode(*tree.FindFirst(Window(7, 70, 700, "").key));
  expectError([&] { Send(sink, Window(7, 70, 700, "renamed")); }, "TreeNode mod not found");
  expectError([&] { treeListener.ClearAll(); }, "TreeNode remove not found");

  list.DeleteRow(*list.FindFirst(Process(7, "").key));
  expectError([&] { listListener.ClearAll(); }, "list rem not found");
  EXPECT_EQ(listListener.TrackedCount(), 1u);  // the root went, the process stays
}

TEST(ListModel, FindsTheFirstRowInListOrderAfterMovesAndRemovals) {
  testing::FakeListControl control;
  ListModel list(control);
  const ObjectKey a = Process(1, "").key;
  const ObjectKey b = Process(2, "").key;
  list.AddRow(a, RowCells{"a1", {}, 0, 0});
  list.AddRow(b, RowCells{"b", {}, 0, 0});
  list.AddRow(a, RowCells{"a2", {}, 0, 0});
  EXPECT_EQ(list.FindFirst(a)->cells.caption, "a1");
  list.MoveRow(2, 0);
  list.MoveRow(2, 1);
  EXPECT_EQ(control.Captions(), (Lines{"a2", "b", "a1"}));
  EXPECT_EQ(list.FindFirst(a)->cells.caption, "a2");
  list.DeleteRow(*list.FindFirst(b));
  EXPECT_EQ(list.FindAll(a).size(), 2u);
  list.DeleteRow(*list.FindFirst(a));
  EXPECT_EQ(control.Captions(), Lines{"a1"});
  EXPECT_EQ(list.PositionOf(*list.FindFirst(a)), 0u);
}

TEST(TreeModel, FindsTheFirstNodeInDepthFirstOrder) {
  testing::FakeTreeControl control;
  TreeModel tree(control);
  const ObjectKey computer = Computer().key;
  TreeNode& first = tree.AddNode(nullptr, computer, NodeContent{"first", 2});
  TreeNode& second = tree.AddNode(nullptr, computer, NodeContent{"second", 2});
  const ObjectKey p = Process(1, "").key;
  tree.AddNode(&second, p, NodeContent{"under second", 3});
  TreeNode& underFirst = tree.AddNode(&first, p, NodeContent{"under first", 3});
  tree.AddNode(&underFirst, Thread(1, 7).key, NodeContent{"deep", 5});
  std::vector<std::string> walk;
  tree.ForEachNode([&](const TreeNode& node) { walk.push_back(node.content.text); });
  EXPECT_EQ(walk,
            (std::vector<std::string>{"first", "under first", "deep", "second", "under second"}));
  EXPECT_EQ(tree.FindFirst(computer), &first);
  EXPECT_EQ(tree.FindFirst(p), &underFirst);
  tree.DeleteNode(first);  // with its child
  EXPECT_EQ(tree.FindFirst(computer), &second);
  EXPECT_EQ(tree.FindFirst(p)->content.text, "under second");
  EXPECT_EQ(tree.NodeCount(), 2u);
  EXPECT_EQ(control.Lines(), (Lines{"second [2]", "  under second [3]"}));
}

}  // namespace
}  // namespace orvane
