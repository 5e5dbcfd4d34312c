#include "app/presentation.h"

#include <gtest/gtest.h>

#include "doubles/fake_controls.h"
#include "doubles/fake_platform.h"

namespace orvane {
namespace {

using Lines = std::vector<std::string>;

ObjectKey KeyOf(int32_t kind, uint32_t id) {
  ObjectKey key{kind, 0, 0, id, kind >= kKindThread ? id : 0, kind == kKindWindow ? id : 0};
  return key;
}

class SortTest : public ::testing::Test {
 protected:
  testing::FakeListControl control;
  ListModel list{control};
  testing::FakeLocale locale;

  void Add(int32_t kind, std::string caption, Lines subItems = {}) {
    list.AddRow(KeyOf(kind, static_cast<uint32_t>(list.RowCount() + 1)),
                RowCells{std::move(caption), std::move(subItems), 0, 0});
  }
  Lines Captions() const { return control.Captions(); }
};

TEST(Presentation, HeadingsAndColumnsByLevel) {
  EXPECT_EQ(ListHeading(kKindComputer, "WORKSTATION", ""),
            "Processes running on the computer \"WORKSTATION\"");
  EXPECT_EQ(ListHeading(kKindProcess, "notepad.exe", ""),
            "Threads owned by the process \"notepad.exe\"");
  EXPECT_EQ(ListHeading(kKindThread, "1234", "notepad.exe"),
            "Windows created by thread \"1234\" owned by the process \"notepad.exe\"");
  EXPECT_EQ(ListHeading(kKindWindow, "x", "y"), std::nullopt);
  EXPECT_EQ(ListHeading(kKindRoot, "x", "y"), std::nullopt);

  ASSERT_EQ(ColumnsFor(kKindComputer).size(), 3u);
  EXPECT_EQ(ColumnsFor(kKindComputer)[2].caption, "Executable");
  EXPECT_EQ(ColumnsFor(kKindComputer)[1].width, 120);
  ASSERT_EQ(ColumnsFor(kKindProcess).size(), 2u);
  EXPECT_EQ(ColumnsFor(kKindProcess)[1].width, 100);
  ASSERT_EQ(ColumnsFor(kKindThread).size(), 7u);
  EXPECT_EQ(ColumnsFor(kKindThread)[6].caption, "Top");
  EXPECT_TRUE(ColumnsFor(kKindWindow).empty());
}

TEST(Presentation, PriorityNumberReadsTwoCharactersAfterTheParenthesis) {
  EXPECT_EQ(PriorityNumber("Normal (8)"), 8);
  EXPECT_EQ(PriorityNumber("Realtime (24)"), 24);
  EXPECT_EQ(PriorityNumber("High (13)"), 13);
  EXPECT_EQ(PriorityNumber("Odd (123)"), 12);  // only two characters are read
  EXPECT_EQ(PriorityNumber("None"), 0);
  EXPECT_EQ(PriorityNumber("Cut ("), 0);
  EXPECT_EQ(PriorityNumber("(x)"), 0);
}

TEST_F(SortTest, PriorityDescendingAndStable) {
  Add(kKindProcess, "idle.exe", {"Idle (4)", ""});
  Add(kKindProcess, "first.exe", {"Normal (8)", ""});
  Add(kKindProcess, "rt.exe", {"Realtime (24)", ""});
  Add(kKindProcess, "second.exe", {"Normal (8)", ""});
  Add(kKindProcess, "high.exe", {"High (13)", ""});
  SortListByColumn(list, 1, locale);
  EXPECT_EQ(Captions(), (Lines{"rt.exe", "high.exe", "first.exe", "second.exe", "idle.exe"}));
  const int moves = control.moved;
  SortListByColumn(list, 1, locale);
  EXPECT_EQ(control.moved, moves) << "no direction toggle: a second click moves nothing";
}

TEST_F(SortTest, CaptionIgnoresCaseAndThreadIdsSortAsText) {
  Add(kKindProcess, "beta");
  Add(kKindProcess, "Alpha");
  Add(kKindProcess, "gamma");
  SortListByColumn(list, 0, locale);
  EXPECT_EQ(Captions(), (Lines{"Alpha", "beta", "gamma"}));

  testing::FakeListControl threadsControl;
  ListModel threads(threadsControl);
  threads.AddRow(KeyOf(kKindThread, 1), RowCells{"200", {"8"}, 0, 0});
  threads.AddRow(KeyOf(kKindThread, 2), RowCells{"1000", {"8"}, 0, 0});
  SortListByColumn(threads, 0, locale);
  EXPECT_EQ(threadsControl.Captions(), (Lines{"1000", "200"}));
  SortListByColumn(threads, 1, locale);  // "Priority" of threads: never reordered
  EXPECT_EQ(threadsControl.Captions(), (Lines{"1000", "200"}));
}

TEST_F(SortTest, WindowColumnsBeyondTheThirdSortByTitle) {
  Add(kKindWindow, "b", {"Normal", "Visible", "10"});
  Add(kKindWindow, "A", {"Normal", "Hidden", "20"});
  SortListByColumn(list, 2, locale);  // "Visible": pairs of windows are never reordered
  EXPECT_EQ(Captions(), (Lines{"b", "A"}));
  SortListByColumn(list, 4, locale);  // "Height" sorts by the title
  EXPECT_EQ(Captions(), (Lines{"A", "b"}));
}

TEST_F(SortTest, ExecutableAscendingLowerCased) {
  Add(kKindProcess, "x", {"Normal (8)", "c:\\Zed\\x.exe"});
  Add(kKindProcess, "y", {"Normal (8)", "C:\\apps\\y.exe"});
  Add(kKindProcess, "z", {"Normal (8)", "c:\\apps\\y.exe"});
  SortListByColumn(list, 2, locale);
  EXPECT_EQ(Captions(), (Lines{"y", "z", "x"}));
}

TEST(Presentation, InformationBoxByRowKind) {
  testing::FakeLocale locale;
  KnownPrograms programs(locale);
  ListRow process;
  process.key = KeyOf(kKindProcess, 1);
  process.cells = {"notepad.exe", {"Normal (8)", "c:\\windows\\notepad.exe"}, 0, 0};
  const auto lines = InfoLinesFor(process, programs);
  ASSERT_TRUE(lines.has_value());
  ASSERT_EQ(lines->size(), 2u);
  EXPECT_EQ((*lines)[0], "c:\\windows\\notepad.exe");
  EXPECT_EQ((*lines)[1], programs.DescribeProgram("c:\\windows\\notepad.exe"));

  ListRow shortRow;  // a process row without its cells yet
  shortRow.key = KeyOf(kKindProcess, 2);
  EXPECT_EQ(InfoLinesFor(shortRow, programs)->at(0), "");

  ListRow thread;
  thread.key = KeyOf(kKindThread, 3);
  EXPECT_EQ(InfoLinesFor(thread, programs), std::vector<std::string>{});
  ListRow computer;
  computer.key = KeyOf(kKindComputer, 0);
  EXPECT_EQ(InfoLinesFor(computer, programs), std::nullopt);
}

TEST(Presentation, StartUpRulesAndLogoPlace) {
  EXPECT_EQ(LogoLeft(600, 233), 620 - 233);
  EXPECT_EQ(LogoLeft(610, 233), 620 - 233);
  EXPECT_EQ(LogoLeft(911, 233), 911 - 233 + 10);

  EXPECT_TRUE(AppliesSingleInstanceRule({}));
  EXPECT_TRUE(AppliesSingleInstanceRule({"notray"}));
  EXPECT_FALSE(AppliesSingleInstanceRule({"stop", "notepad.exe"}));
  EXPECT_TRUE(OpensCommandLineDialog({"notray", "x"}));
  EXPECT_FALSE(OpensCommandLineDialog({"notray"}));
  // Any first word with a second argument: the dialog carries out or reports it.
  EXPECT_TRUE(OpensCommandLineDialog({"stop", "x"}));
  EXPECT_TRUE(OpensCommandLineDialog({"NOTRAY", "x", "3"}));
  EXPECT_FALSE(OpensCommandLineDialog({"stop"}));
  EXPECT_FALSE(OpensCommandLineDialog({}));
}

TEST(Presentation, AStartInPlaceOfTheTaskManagerIsAPlainStart) {
  const struct {
    std::vector<std::string> arguments;
    bool asTaskManager;  // also: the single-instance rule applies, no command-line dialog
  } cases[] = {
      {{"C:\\Windows\\system32\\taskmgr.exe"}, true},
      // Current versions of Windows add a switch, or more.
      {{"C:\\Windows\\system32\\taskmgr.exe", "/4"}, true},
      {{"C:\\Windows\\system32\\taskmgr.exe", "/4", "x"}, true},
      {{"c:\\WINDOWS\\System32\\TaskMgr.EXE", "/7"}, true},
      {{"D:\\other folder\\taskmgr.exe", "/4"}, true},
      {{"C:/Windows/System32/taskmgr.exe", "/4"}, true},
      // Quoted, when the quotes reach the argument; without a folder or an extension.
      {{"\"C:\\Program Files\\taskmgr.exe\"", "/4"}, true},
      {{" \"taskmgr.exe\" "}, true},
      {{"taskmgr", "/4"}, true},
      // Anything else keeps its own rule: a command for the dialog, or a plain start.
      {{"C:\\Windows\\system32\\taskmgr.exe.bak", "/4"}, false},
      {{"C:\\Windows\\system32\\mytaskmgr.exe", "/4"}, false},
      {{"C:\\taskmgr.exe\\notray", "x"}, false},
      {{"notray", "C:\\Windows\\system32\\taskmgr.exe"}, false},
      {{"", "/4"}, false},
      {{"\"\"", "/4"}, false},
  };
  for (const auto& c : cases) {
    std::string name;
    for (const std::string& a : c.arguments) name += "[" + a + "]";
    SCOPED_TRACE(name);
    EXPECT_EQ(StartsAsTaskManager(c.arguments), c.asTaskManager);
    EXPECT_EQ(AppliesSingleInstanceRule(c.arguments), c.asTaskManager || c.arguments.size() < 2);
    EXPECT_EQ(OpensCommandLineDialog(c.arguments), !c.asTaskManager && c.arguments.size() >= 2);
  }
}

}  // namespace
}  // namespace orvane
