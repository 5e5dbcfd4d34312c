#include "view/tree_rows.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(TreeRows, MovesTheRowsThatMovedTogetherAndRepaintsOnlyWhatChanged) {
  using Rows = std::vector<TreeRowShape>;
  const Rows view{{1, 0b1011}, {2, 0b1000}, {3, 0b1000}, {4, 0b0000}};
  struct Case {
    const char* what;
    Rows after;
    std::vector<uintptr_t> refilled;
    RowShift shift;
    std::vector<int> repaint;
  } cases[] = {
      {"nothing in view changed", view, {7}, {}, {}},
      {"a refilled item in view", view, {2}, {}, {1}},
      {"a row removed: the two below move up one",
       {{1, 0b1011}, {3, 0b1000}, {4, 0b0000}},
       {},
       {2, 2, -1},
       {3}},
      {"a row inserted: the rows below move down one, the last out of view",
       {{1, 0b1011}, {9, 0b1000}, {2, 0b1000}, {3, 0b1000}},
       {},
       {1, 2, 1},
       {1}},
      {"a refilled row in the moving band breaks it",
       {{1, 0b1011}, {3, 0b1000}, {4, 0b0000}},
       {4},
       {},
       {1, 2, 3}},
      {"a row appended below the last",
       {{1, 0b1011}, {2, 0b1000}, {3, 0b1000}, {4, 0b1000}, {5, 0b0000}},
       {},
       {},
       {3, 4}},
      {"a row gained its first child",
       {{1, 0b1011}, {2, 0b1001}, {3, 0b1000}, {4, 0}},
       {},
       {},
       {1}},
      {"the view scrolled by one row",
       {{2, 0b1000}, {3, 0b1000}, {4, 0b0000}, {5, 0b0000}},
       {},
       {1, 3, -1},
       {3}},
      {"the view emptied", {}, {}, {}, {0, 1, 2, 3}},
  };
  for (const Case& c : cases) {
    const TreeRepaint plan = PlanRepaint(view, c.after, c.refilled);
    EXPECT_EQ(plan.shift.first, c.shift.first) << c.what;
    EXPECT_EQ(plan.shift.count, c.shift.count) << c.what;
    EXPECT_EQ(plan.shift.by, c.shift.by) << c.what;
    EXPECT_EQ(plan.rows, c.repaint) << c.what;
  }
}

}  // namespace
}  // namespace orvane
