#include "app/list_sort.h"

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

TEST(ListSort, PriorityNumberReadsTwoCharactersAfterTheParenthesis) {
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

}  // namespace
}  // namespace orvane
