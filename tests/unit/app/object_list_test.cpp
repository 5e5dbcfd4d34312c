// The object list over the real listeners and models, with its frame as plain values: the level
// a tree node chooses, headings and columns, a search result and its end, the information box
// and the sort.
#include "app/object_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "doubles/fake_clipboard.h"
#include "doubles/fake_controls.h"
#include "doubles/fake_list_frame.h"
#include "doubles/fake_object_control.h"
#include "doubles/fake_platform.h"
#include "unit/view/view_records.h"
#include "view/list_listener.h"
#include "view/tree_listener.h"

namespace orvane {
namespace {

using testing::Send;
using Lines = std::vector<std::string>;
using Columns = std::vector<testing::FakeListFrame::Column>;

constexpr ObjectKey kComputer{kKindComputer, 0, 0, 0, 0, 0};
constexpr ObjectKey kNotepad{kKindProcess, 0, 0, 1, 0, 0};
constexpr ObjectKey kCalc{kKindProcess, 0, 0, 2, 0, 0};
constexpr ObjectKey kThread{kKindThread, 0, 0, 1, 20, 0};
constexpr ObjectKey kWindow{kKindWindow, 0, 0, 1, 20, 500};

const Columns kProcessColumns{{"Process Name", 150}, {"Priority", 120}, {"Executable", 200}};
const Columns kThreadColumns{{"Thread ID", 100}, {"Priority", 100}};
const Columns kWindowColumns{
    {"Window Title", 200}, {"WindowState", 100}, {"Visible", 100}, {"Width", 60},
    {"Height", 60},        {"Left", 60},         {"Top", 60}};
const Columns kSearchColumns{{"Process Name", 200}, {"Priority", 100}, {"Executable", 100}};

class ObjectListTest : public ::testing::Test {
 protected:
  ObjectListTest() {
    sink.Register(&treeListener);
    sink.Register(&filter);
  }

  // One snapshot cycle: notepad (pid 1) with thread 20 and its window, and calc (pid 2).
  void Cycle() {
    Send(sink, testing::Root());
    Send(sink, testing::Computer());
    Send(sink, testing::Process(1, "notepad.exe"));
    Send(sink, testing::Process(2, "calc.exe"));
    Send(sink, testing::Thread(1, 20));
    Send(sink, testing::Thread(2, 30));
    Send(sink, testing::Window(1, 20, 500, "Untitled - Notepad"));
  }
  const TreeNode* Node(const ObjectKey& key) const { return tree.FindFirst(key); }
  std::vector<ObjectKey> Pinned() const { return filter.pinnedKeys.keys(); }
  Lines Rows() const { return listControl.Captions(); }

  testing::FakeLocale locale;
  KnownPrograms programs{locale};
  testing::FakeTreeControl treeControl;
  TreeModel tree{treeControl};
  TreeListener treeListener{tree, programs};
  testing::FakeListControl listControl;
  ListModel rows{listControl};
  ListListener listListener{rows, programs};
  ListFilter filter{listListener};
  RecordSink sink;
  testing::FakeListFrame frame;
  ObjectList objects{{filter, listListener, treeListener, tree, rows, programs, locale, frame}};
};

bool SameKeys(const std::vector<ObjectKey>& a, const std::vector<ObjectKey>& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), KeyEquals);
}

TEST_F(ObjectListTest, TheWindowOpensUnderNameWithItsFirstInformation) {
  objects.ShowFirst();
  EXPECT_EQ(frame.heading, "Name");
  EXPECT_EQ(frame.columns, (Columns{{"Name", 150}}));
  EXPECT_EQ(frame.info, (Lines{"Object Information",
                               "Select an object from the list above, to view more detailed "
                               "information it."}));
  EXPECT_EQ(objects.Heading(), "Name");
  EXPECT_EQ(objects.SavedHeading(), "");
  // Refresh before any level has been chosen puts back the empty saved heading.
  objects.Refresh();
  EXPECT_EQ(frame.heading, "");
}

TEST_F(ObjectListTest, ANodeChoosesItsLevelHeadingAndColumnsAndAWindowChoosesItsThread) {
  Cycle();
  const TreeNode& odd = tree.AddNode(nullptr, {kKindRoot, 0, 0, 0, 0, 0}, {"odd", 0});
  const TreeNode& lone = tree.AddNode(nullptr, {kKindWindow, 0, 0, 9, 9, 9}, {"lone", 0});
  const std::string threadHeading =
      "Windows created by thread \"20\" owned by the process \"notepad.exe\"";
  const struct {
    const TreeNode* node;
    const TreeNode* level;
    std::string heading;
    Columns columns;
  } cases[] = {
      {Node(kComputer), Node(kComputer), "Processes running on the computer \"WORKSTATION\"",
       kProcessColumns},
      {Node(kNotepad), Node(kNotepad), "Threads owned by the process \"notepad.exe\"",
       kThreadColumns},
      {Node(kThread), Node(kThread), threadHeading, kWindowColumns},
      {Node(kWindow), Node(kThread), threadHeading, kWindowColumns},
      // Kinds without a level keep the heading and show no columns; a window without a thread
      // above it stays chosen.
      {&odd, &odd, threadHeading, {}},
      {&lone, &lone, threadHeading, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.node->content.text);
    frame.selected = nullptr;
    objects.ChooseLevel(c.node);
    EXPECT_EQ(frame.selected, c.level == c.node ? nullptr : c.level);
    EXPECT_TRUE(KeyEquals(filter.currentKey, c.level->key));
    EXPECT_EQ(frame.heading, c.heading);
    EXPECT_EQ(objects.SavedHeading(), c.heading);
    EXPECT_EQ(objects.Heading(), c.heading);
    EXPECT_EQ(frame.columns, c.columns);
    Lines captions;
    for (const auto& column : c.columns) captions.push_back(column.first);
    EXPECT_EQ(objects.ColumnCaptions(), captions);
  }
}

TEST_F(ObjectListTest, TheShownLevelKeepsItsRowsAndAnotherWaitsForTheNextCycle) {
  Cycle();
  ASSERT_EQ(Rows(), (Lines{"notepad.exe", "calc.exe"}));
  objects.ChooseLevel(Node(kComputer));
  EXPECT_EQ(Rows(), (Lines{"notepad.exe", "calc.exe"}));
  EXPECT_EQ(frame.quietCalls, 0);

  objects.ChooseLevel(Node(kNotepad));
  EXPECT_EQ(Rows(), Lines{});
  EXPECT_EQ(frame.quietCalls, 1);
  Cycle();
  EXPECT_EQ(Rows(), Lines{"20"});
  objects.ChooseLevel(Node(kNotepad));
  EXPECT_EQ(Rows(), Lines{"20"});
  EXPECT_EQ(&objects.Rows(), &rows);
}

TEST_F(ObjectListTest, ASearchResultShowsTheFoundObjectsUntilRefreshOrATreeClick) {
  Cycle();
  objects.ShowFirst();
  objects.ChooseLevel(Node(kComputer));
  const std::string levelHeading = frame.heading;
  const std::string searchHeading =
      "Search results for \"note\"  (click \"Refresh\" to end search)";

  RunSearch(objects, locale, "Note", {});
  EXPECT_TRUE(objects.ShowsSearchResult());
  EXPECT_EQ(Rows(), Lines{}) << "emptied at once";
  EXPECT_TRUE(SameKeys(Pinned(), {kSearchPlaceholderKey, kNotepad, kWindow}));
  EXPECT_EQ(frame.heading, searchHeading);
  EXPECT_EQ(objects.SavedHeading(), levelHeading);
  EXPECT_EQ(frame.columns, kSearchColumns);
  Cycle();
  EXPECT_EQ(Rows(), (Lines{"notepad.exe", "Untitled - Notepad"}));

  // A new search replaces the last; one that finds nothing leaves the list empty.
  RunSearch(objects, locale, "nothing", {});
  EXPECT_TRUE(SameKeys(Pinned(), {kSearchPlaceholderKey}));
  Cycle();
  EXPECT_EQ(Rows(), Lines{});

  // A list of one column gets three; one of seven keeps its fourth to seventh.
  frame.columns = {{"Name", 150}};
  RunSearch(objects, locale, "Note", {});
  EXPECT_EQ(frame.columns, kSearchColumns);
  frame.columns.assign(7, {"Other", 60});
  RunSearch(objects, locale, "x\xe9\xff\x01 long text of any length and content", {});
  ASSERT_EQ(frame.columns.size(), 7u);
  EXPECT_EQ(Columns(frame.columns.begin(), frame.columns.begin() + 3), kSearchColumns);
  EXPECT_EQ(frame.columns[6], (testing::FakeListFrame::Column{"Other", 60}));

  // Refresh: both views empty, the level's heading back, its children after the next cycle.
  objects.Refresh();
  EXPECT_FALSE(objects.ShowsSearchResult());
  EXPECT_EQ(frame.heading, levelHeading);
  EXPECT_EQ(Rows(), Lines{});
  EXPECT_TRUE(treeControl.items.empty());
  EXPECT_EQ(frame.columns.size(), 7u) << "the columns stay";
  Cycle();
  EXPECT_EQ(Rows(), (Lines{"notepad.exe", "calc.exe"}));

  // A tree click without a node ends the search and changes nothing else.
  RunSearch(objects, locale, "calc", {});
  objects.ChooseLevel(nullptr);
  EXPECT_FALSE(objects.ShowsSearchResult());
  EXPECT_EQ(frame.heading, "Search results for \"calc\"  (click \"Refresh\" to end search)");
  Cycle();
  EXPECT_EQ(Rows(), (Lines{"notepad.exe", "calc.exe"}));

  // A click on the level shown ends it too, and the level comes back whole.
  RunSearch(objects, locale, "calc", {});
  Cycle();
  EXPECT_EQ(Rows(), Lines{"calc.exe"});
  objects.ChooseLevel(Node(kComputer));
  EXPECT_FALSE(objects.ShowsSearchResult());
  EXPECT_EQ(frame.heading, levelHeading);
  EXPECT_EQ(frame.columns, kProcessColumns);
  EXPECT_EQ(Rows(), Lines{});
  Cycle();
  EXPECT_EQ(Rows(), (Lines{"notepad.exe", "calc.exe"}));
}

TEST_F(ObjectListTest, TheDetailsAddTheirFourColumnsToTheProcessesAndTheSearchResultOnly) {
  const Columns details{{"PID", 60}, {"CPU", 50}, {"Memory", 90}, {"Threads", 60}};
  const auto with = [&](Columns columns) {
    columns.insert(columns.end(), details.begin(), details.end());
    return columns;
  };
  Cycle();
  objects.ShowFirst();
  objects.ChooseLevel(Node(kComputer));
  objects.ShowDetails(true);
  EXPECT_EQ(frame.columns, with(kProcessColumns));
  objects.ShowDetails(false);
  EXPECT_EQ(frame.columns, kProcessColumns);

  // Not at another level; on again, the computer level and a search result have them.
  objects.ChooseLevel(Node(kNotepad));
  objects.ShowDetails(true);
  EXPECT_EQ(frame.columns, kThreadColumns);
  objects.ChooseLevel(Node(kComputer));
  EXPECT_EQ(frame.columns, with(kProcessColumns));
  RunSearch(objects, locale, "note", {});
  EXPECT_EQ(frame.columns, with(kSearchColumns));
  objects.ShowDetails(false);
  EXPECT_EQ(frame.columns.size(), 7u) << "a search result keeps its other columns, as ever";
  Cycle();
  EXPECT_EQ(Rows(), (Lines{"notepad.exe", "Untitled - Notepad"})) << "the rows stay";
}

TEST_F(ObjectListTest, TheFigureColumnsShowEachCyclesFiguresAndSortLargestFirst) {
  testing::FakeClock clock;
  ObjectList detailed{
      {filter, listListener, treeListener, tree, rows, programs, locale, frame, &clock}};
  Cycle();
  detailed.ChooseLevel(Node(kComputer));
  Cycle();
  ASSERT_EQ(Rows(), (Lines{"notepad.exe", "calc.exe"}));
  // Two cycles a second apart on two processors: calc used half a second, notepad none.
  ProcessFigureBuilder builder;
  const auto cycle = [&](uint32_t tick, uint64_t calcTime) {
    builder.Begin(tick, 2);
    builder.Add(1, {.threadCount = 3, .createTime = 5, .privateBytes = 4096000}, "notepad.exe");
    builder.Add(2, {.threadCount = 1, .createTime = 6, .userTime = calcTime, .privateBytes = 1024},
                "calc.exe");
    builder.End(tick);
    detailed.FiguresArrived(builder.Table());
  };
  frame.rowsInView = {&rows.Row(0), &rows.Row(1)};
  cycle(1000, 0);
  cycle(2000, 5000000);
  EXPECT_TRUE(frame.redrawnCells.empty()) << "no figure columns without the details";
  EXPECT_EQ(detailed.DetailCell(rows.Row(1), 4), "") << "nor their texts";

  // Each cycle repaints the cells that change: calc's CPU share (25.0 in the cycle before, as
  // the list painted it, 50.0 now); notepad's figures stay.
  detailed.ShowDetails(true);
  cycle(3000, 10000000);
  cycle(4000, 20000000);
  EXPECT_EQ(frame.redrawnCells, (std::vector<std::pair<std::string, int>>{{"calc.exe", 4}}));
  const ListRow& calc = rows.Row(1);
  EXPECT_EQ(detailed.DetailCell(calc, 3), "2");
  EXPECT_EQ(detailed.DetailCell(calc, 4), "50.0");
  EXPECT_EQ(detailed.DetailCell(calc, 5), "1 K");
  EXPECT_EQ(detailed.DetailCell(calc, 6), "1");
  EXPECT_EQ(detailed.DetailCell(calc, 2), "") << "not a figure column";

  // CPU and Memory sort largest first; Process Name keeps its rule.
  detailed.SortByColumn(4);
  EXPECT_EQ(Rows(), (Lines{"calc.exe", "notepad.exe"}));
  detailed.SortByColumn(5);
  EXPECT_EQ(Rows(), (Lines{"notepad.exe", "calc.exe"}));
  detailed.SortByColumn(0);
  EXPECT_EQ(Rows(), (Lines{"calc.exe", "notepad.exe"}));

  // The information box adds the process's details after an empty line.
  detailed.RowClicked(0);
  ASSERT_TRUE(frame.info && frame.info->size() > 3u);
  const Lines& info = *frame.info;
  EXPECT_EQ(info[2], "");
  EXPECT_EQ(info[3].rfind("PID 2, parent ", 0), 0u) << info[3];
}

TEST_F(ObjectListTest, AFoundWindowShowsItsThreadsLevelThenItsRowAsEachArrives) {
  const PointedWindow notepad{500, 1, 20};
  const auto cycleAndEnd = [&] {
    Cycle();
    objects.CycleEnded();
  };
  Cycle();
  objects.ChooseLevel(Node(kComputer));
  Cycle();

  // Another level shown: the thread is selected and its level shown at once, the row after the
  // next cycle.
  objects.RevealWindow(notepad);
  EXPECT_EQ(frame.selected, Node(kThread));
  EXPECT_TRUE(KeyEquals(filter.currentKey, kThread));
  EXPECT_EQ(frame.heading, "Windows created by thread \"20\" owned by the process \"notepad.exe\"");
  EXPECT_EQ(frame.selectedRow, -1);
  frame.info = std::nullopt;
  cycleAndEnd();
  EXPECT_EQ(Rows(), Lines{"Untitled - Notepad"});
  EXPECT_EQ(frame.selectedRow, 0);
  EXPECT_EQ(frame.info, Lines{}) << "described as a click on the row describes it";

  // The level shown already: the row at once; a later cycle selects nothing more.
  frame.selectedRow = -1;
  objects.RevealWindow(notepad);
  EXPECT_EQ(frame.selectedRow, 0);
  frame.selectedRow = -1;
  cycleAndEnd();
  EXPECT_EQ(frame.selectedRow, -1);

  // A window that the tree does not know yet: shown when its records come.
  const PointedWindow fresh{600, 3, 40};
  objects.RevealWindow(fresh);
  objects.CycleEnded();
  EXPECT_EQ(frame.selectedRow, -1);
  const auto cycleWithFresh = [&] {
    Cycle();
    Send(sink, testing::Process(3, "fresh.exe"));
    Send(sink, testing::Thread(3, 40));
    Send(sink, testing::Window(3, 40, 600, "Fresh"));
    objects.CycleEnded();
  };
  cycleWithFresh();
  EXPECT_TRUE(KeyEquals(filter.currentKey, {kKindThread, 0, 0, 3, 40, 0}));
  cycleWithFresh();
  EXPECT_EQ(Rows(), Lines{"Fresh"});
  EXPECT_EQ(frame.selectedRow, 0);

  // One that never comes is given up after its cycles; a choice of level gives it up at once.
  objects.ChooseLevel(Node(kComputer));
  objects.RevealWindow({700, 4, 50});
  for (int i = 0; i < kRevealCycles; ++i) cycleAndEnd();
  frame.selected = nullptr;
  Send(sink, testing::Process(4, "late.exe"));
  Send(sink, testing::Thread(4, 50));
  objects.CycleEnded();
  EXPECT_EQ(frame.selected, nullptr);
  objects.RevealWindow({800, 5, 60});
  objects.ChooseLevel(Node(kNotepad));
  Send(sink, testing::Process(5, "later.exe"));
  Send(sink, testing::Thread(5, 60));
  objects.CycleEnded();
  EXPECT_EQ(frame.selected, nullptr);
  EXPECT_TRUE(KeyEquals(filter.currentKey, kNotepad));
}

TEST_F(ObjectListTest, AWindowOnNoMonitorIsOffScreenInTheInformationBox) {
  testing::FakeObjectControl control;
  control.screen = {{{0, 0, 1024, 768}}, {0, 0, 1024, 740}};
  control.places = {{500, {{-5000, -5000, 400, 300}, false}}, {501, {{10, 10, 40, 30}, false}}};
  ObjectList placed{
      {filter, listListener, treeListener, tree, rows, programs, locale, frame, nullptr, &control}};
  rows.AddRow(kWindow, {"lost", {}, 0, 0});
  rows.AddRow({kKindWindow, 0, 0, 1, 20, 501}, {"seen", {}, 0, 0});
  rows.AddRow({kKindWindow, 0, 0, 1, 20, 502}, {"gone", {}, 0, 0});
  const Lines expected[] = {{"Off screen"}, {}, {}};
  for (int index = 0; index < 3; ++index) {
    placed.RowClicked(index);
    EXPECT_EQ(frame.info, expected[index]) << index;
  }
  objects.RowClicked(0);
  EXPECT_EQ(frame.info, Lines{}) << "nothing is judged without the windows' places";
}

TEST_F(ObjectListTest, CopyPutsTheRowsOnTheClipboardAsTheyShowWithTheirFigures) {
  testing::FakeClock clock;
  testing::FakeClipboard clipboard;
  ObjectList detailed{
      {filter, listListener, treeListener, tree, rows, programs, locale, frame, &clock}};
  Cycle();
  detailed.ChooseLevel(Node(kComputer));
  Cycle();
  ProcessFigureBuilder builder;
  builder.Begin(1000, 1);
  builder.Add(2, {.threadCount = 1, .createTime = 6, .privateBytes = 1024}, "calc.exe");
  builder.End(1000);
  detailed.FiguresArrived(builder.Table());
  const std::vector<std::size_t> calc{1};

  ASSERT_TRUE(detailed.CopyRows(calc, clipboard));
  detailed.ShowDetails(true);
  ASSERT_TRUE(detailed.CopyRows(calc, clipboard));
  EXPECT_EQ(clipboard.texts,
            (Lines{"Process Name\tPriority\tExecutable\r\n"
                   "calc.exe\tNormal (8)\tc:\\windows\\calc.exe\r\n",
                   "Process Name\tPriority\tExecutable\tPID\tCPU\tMemory\tThreads\r\n"
                   "calc.exe\tNormal (8)\tc:\\windows\\calc.exe\t2\t\t1 K\t1\r\n"}));

  // A refused clipboard is reported; a list without columns copies nothing.
  clipboard.refuse = true;
  EXPECT_FALSE(detailed.CopyRows({}, clipboard));
  clipboard.refuse = false;
  frame.columns.clear();
  EXPECT_FALSE(detailed.CopyRows({}, clipboard));
  EXPECT_EQ(clipboard.texts.size(), 2u);
}

TEST_F(ObjectListTest, TheInformationBoxByRowKindAndTheSort) {
  auto add = [&](const ObjectKey& key, RowCells cells) { rows.AddRow(key, std::move(cells)); };
  add(kNotepad, {"notepad.exe", {"Normal (8)", "c:\\windows\\notepad.exe"}, 0, 0});
  add(kCalc, {"calc.exe", {}, 0, 0});  // a process row without its cells yet
  add(kThread, {"20", {"8"}, 0, 0});
  add(kComputer, {"WORKSTATION", {}, 0, 0});
  const struct {
    int index;
    std::optional<Lines> info;  // nullopt: the box is left as it is
  } cases[] = {
      {0, Lines{"c:\\windows\\notepad.exe",
                std::string(programs.DescribeProgram("c:\\windows\\notepad.exe"))}},
      {1, Lines{"", std::string(programs.DescribeProgram(""))}},
      {2, Lines{}},
      {3, std::nullopt},
      {-1, std::nullopt},
      {4, std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.index);
    frame.info = std::nullopt;
    objects.RowClicked(c.index);
    EXPECT_EQ(frame.info, c.info);
  }

  objects.SortByColumn(0);
  EXPECT_EQ(Rows(), (Lines{"20", "calc.exe", "notepad.exe", "WORKSTATION"}));
  EXPECT_EQ(frame.quietCalls, 1);
}

TEST_F(ObjectListTest, AWindowThatDoesNotRespondSaysSoForItsRowAndItsProcesssRow) {
  const auto cycle = [&](uint8_t hung, uint32_t mainWindow) {
    Send(sink, testing::Root());
    Send(sink, testing::Computer());
    Send(sink, testing::Process(1, "notepad.exe", 8, "c:\\windows\\", mainWindow));
    Send(sink, testing::Thread(1, 20));
    WindowRecord window = testing::Window(1, 20, 500, "Untitled - Notepad");
    window.hung = hung;
    Send(sink, window);
    WindowRecord other = testing::Window(1, 20, 501, "Other");
    other.hung = 1;
    Send(sink, other);
  };
  const std::string path = "c:\\windows\\notepad.exe";
  const Lines process{path, std::string(programs.DescribeProgram(path))};
  Lines hungProcess = process;
  hungProcess.push_back("Not responding");
  const struct {
    uint8_t hung;
    uint32_t mainWindow;
    Lines processInfo, windowInfo;
  } cases[] = {
      {1, 500, hungProcess, Lines{"Not responding"}},
      {0, 500, process, Lines{}},
      {1, 0, process, Lines{"Not responding"}},  // no main window known
      {0, 501, hungProcess, Lines{}},            // the other window is the main one
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.mainWindow + c.hung);
    cycle(c.hung, c.mainWindow);
    objects.ChooseLevel(Node(kComputer));
    cycle(c.hung, c.mainWindow);
    objects.RowClicked(0);
    EXPECT_EQ(frame.info, c.processInfo);
    objects.ChooseLevel(Node(kThread));
    cycle(c.hung, c.mainWindow);
    objects.RowClicked(0);
    EXPECT_EQ(frame.info, c.windowInfo);
  }
}

}  // namespace
}  // namespace orvane
