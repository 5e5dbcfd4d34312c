#include "view/tree_rows.h"

#include <algorithm>

namespace orvane {

TreeRepaint PlanRepaint(const std::vector<TreeRowShape>& before,
                        const std::vector<TreeRowShape>& after,
                        const std::vector<uintptr_t>& refilled) {
  const int shownBefore = static_cast<int>(before.size());
  const int shownAfter = static_cast<int>(after.size());
  auto isRefilled = [&](int row) {
    return std::find(refilled.begin(), refilled.end(), after[row].item) != refilled.end();
  };
  // Whether row (after) shows what row - by showed before.
  auto same = [&](int row, int by) {
    const int was = row - by;
    return was >= 0 && was < shownBefore && before[was] == after[row] && !isRefilled(row);
  };

  TreeRepaint plan;
  for (int by = -shownBefore + 1; by < shownAfter; ++by) {
    if (by == 0) continue;
    for (int row = 0; row < shownAfter;) {
      if (same(row, 0) || !same(row, by)) {
        ++row;
        continue;
      }
      int end = row;
      while (end < shownAfter && !same(end, 0) && same(end, by)) ++end;
      if (end - row > plan.shift.count) plan.shift = {row - by, end - row, by};
      row = end;
    }
  }
  if (plan.shift.count < 2) plan.shift = {};

  const int moved = plan.shift.first + plan.shift.by;  // the band's first row after the move
  for (int row = 0; row < std::max(shownBefore, shownAfter); ++row) {
    const bool inBand = row >= moved && row < moved + plan.shift.count;
    if (inBand || (row < shownAfter && same(row, 0))) continue;
    plan.rows.push_back(row);
  }
  return plan;
}

}  // namespace orvane
