#include "app/focus_cycle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

namespace orvane {
namespace {

TEST(FocusCycle, TabGoesRoundTheShownPanesBothWays) {
  struct Case {
    std::vector<char> shown;
    int current;
    bool backwards;
    int expected;
  };
  const std::array<Case, 12> cases{{
      {{true, true, true}, 0, false, 1},
      {{true, true, true}, 2, false, 0},  // round to the tree
      {{true, true, true}, 0, true, 2},   // Shift+Tab from the tree: the information box
      {{true, true, true}, 1, true, 0},
      {{false, true, true}, 2, false, 1},   // the hidden tree is skipped
      {{false, true, false}, 1, false, 1},  // one pane shown: focus stays
      {{true, true, true}, -1, false, 0},   // focus elsewhere: the first pane
      {{true, true, false}, -1, true, 1},   // ... or the last shown one
      {{false, false, false}, 0, false, -1},
      {{true, true, true}, 7, false, 0},  // a current out of range counts as none
      {{true, true, true}, -5, true, 2},
      {{}, -1, false, -1},
  }};
  for (const Case& c : cases) {
    const std::vector<bool> flags(c.shown.begin(), c.shown.end());
    bool shown[3]{};
    std::copy(flags.begin(), flags.end(), shown);
    EXPECT_EQ(NextFocusPane({shown, flags.size()}, c.current, c.backwards), c.expected)
        << "current " << c.current << (c.backwards ? " backwards" : "");
  }
}

}  // namespace
}  // namespace orvane
