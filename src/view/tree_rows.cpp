#include "view/tree_rows.h"

#include <algorithm>

namespace orvane {

std::vector<int> RowsToRepaint(const std::vector<TreeRowShape>& before,
                               const std::vector<TreeRowShape>& after,
                               const std::vector<uintptr_t>& refilled) {
  std::vector<int> rows;
  const std::size_t count = std::max(before.size(), after.size());
  for (std::size_t i = 0; i < count; ++i) {
    const bool changed =
        i >= before.size() || i >= after.size() || !(before[i] == after[i]) ||
        std::find(refilled.begin(), refilled.end(), after[i].item) != refilled.end();
    if (changed) rows.push_back(static_cast<int>(i));
  }
  return rows;
}

}  // namespace orvane
