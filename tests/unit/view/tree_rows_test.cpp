#include "view/tree_rows.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(TreeRows, RepaintsOnlyTheRowsWhoseShapeOrContentChanged) {
  using Rows = std::vector<TreeRowShape>;
  const Rows view{{1, 0b1011}, {2, 0b1000}, {3, 0b0000}};
  struct Case {
    const char* what;
    Rows after;
    std::vector<uintptr_t> refilled;
    std::vector<int> repaint;
  } cases[] = {
      {"nothing in view changed", view, {7}, {}},
      {"a refilled item in view", view, {2}, {1}},
      {"a row removed: the rows below move up", {{1, 0b1011}, {3, 0b0000}}, {}, {1, 2}},
      {"a row appended below the last",
       {{1, 0b1011}, {2, 0b1000}, {3, 0b1000}, {4, 0b0000}},
       {},
       {2, 3}},
      {"a row gained its first child", {{1, 0b1011}, {2, 0b1001}, {3, 0b0000}}, {}, {1}},
      {"selection moved", {{1, 0b1111}, {2, 0b1000}, {3, 0b0000}}, {}, {0}},
      {"the view scrolled by one row", {{2, 0b1000}, {3, 0b0000}, {4, 0b0000}}, {}, {0, 1, 2}},
      {"the view emptied", {}, {}, {0, 1, 2}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RowsToRepaint(view, c.after, c.refilled), c.repaint) << c.what;
  }
}

}  // namespace
}  // namespace orvane
