#include "snapshot/process_tree.h"

#include <unordered_map>
#include <unordered_set>
#include <utility>

namespace orvane {

std::vector<uint32_t> DescendantsFirst(const ProcessFigureTable& table,
                                       std::span<const uint32_t> roots, uint32_t spared) {
  // The table is in id order, so each list of children is too.
  std::unordered_map<uint32_t, std::vector<uint32_t>> children;
  for (const ProcessFigures& process : table.All()) {
    if (const ProcessFigures* parent = table.ParentOf(process))
      children[parent->processId].push_back(process.processId);
  }
  static const std::vector<uint32_t> kNone;
  auto childrenOf = [&](uint32_t pid) -> const std::vector<uint32_t>& {
    const auto found = children.find(pid);
    return found == children.end() ? kNone : found->second;
  };

  std::vector<uint32_t> order;
  // Seen on the way down, so that a process reached twice (or a loop of unknown ages) is
  // taken once.
  std::unordered_set<uint32_t> seen;
  if (spared != 0) seen.insert(spared);
  // Depth first without recursion: a process leaves the stack once all its children have.
  std::vector<std::pair<uint32_t, std::size_t>> stack;
  for (const uint32_t root : roots) {
    if (!seen.insert(root).second) continue;
    stack.emplace_back(root, 0);
    while (!stack.empty()) {
      auto& [pid, next] = stack.back();
      const std::vector<uint32_t>& below = childrenOf(pid);
      if (next < below.size()) {
        const uint32_t child = below[next++];
        if (seen.insert(child).second) stack.emplace_back(child, 0);
        continue;
      }
      order.push_back(pid);
      stack.pop_back();
    }
  }
  return order;
}

}  // namespace orvane
