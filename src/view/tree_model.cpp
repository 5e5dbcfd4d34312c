#include "view/tree_model.h"

#include <algorithm>
#include <utility>

namespace orvane {

namespace {

std::vector<const TreeNode*> PathTo(const TreeNode* node) {
  std::vector<const TreeNode*> path;
  for (; node != nullptr; node = node->parent) path.push_back(node);
  std::reverse(path.begin(), path.end());
  return path;
}

std::size_t PositionAmong(const std::vector<std::unique_ptr<TreeNode>>& siblings,
                          const TreeNode* node) {
  for (std::size_t i = 0; i < siblings.size(); ++i) {
    if (siblings[i].get() == node) return i;
  }
  return siblings.size();
}

}  // namespace

TreeNode& TreeModel::AddNode(TreeNode* parent, const ObjectKey& key, NodeContent content) {
  auto node = std::make_unique<TreeNode>();
  node->key = key;
  node->content = std::move(content);
  node->parent = parent;
  TreeNode& added = *node;
  (parent != nullptr ? parent->children : topLevel_).push_back(std::move(node));
  index_.Insert(&added);
  ++nodeCount_;
  control_.NodeAdded(added);
  return added;
}

std::vector<std::unique_ptr<TreeNode>>& TreeModel::SiblingsOf(const TreeNode& node) {
  return node.parent != nullptr ? node.parent->children : topLevel_;
}

void TreeModel::Unindex(TreeNode& node) {
  for (auto& child : node.children) Unindex(*child);
  index_.Erase(&node);
  --nodeCount_;
}

void TreeModel::DeleteNode(TreeNode& node) {
  control_.NodeRemoved(node);
  Unindex(node);
  auto& siblings = SiblingsOf(node);
  siblings.erase(siblings.begin() + static_cast<std::ptrdiff_t>(PositionAmong(siblings, &node)));
}

void TreeModel::RefillNode(TreeNode& node, NodeContent content) {
  // A window that moved or a process whose priority changed keeps its node as it was.
  if (content == node.content) return;
  node.content = std::move(content);
  control_.NodeRefilled(node);
}

TreeNode* TreeModel::FindFirst(const ObjectKey& key) const {
  TreeNode* first = index_.Head(key);
  if (first == nullptr || first->sameKeyNext == nullptr) return first;
  // Equal keys on several nodes: rare, so order them by walking their paths.
  auto precedes = [this](const TreeNode* a, const TreeNode* b) {
    const auto pa = PathTo(a);
    const auto pb = PathTo(b);
    std::size_t depth = 0;
    while (depth < pa.size() && depth < pb.size() && pa[depth] == pb[depth]) ++depth;
    if (depth == pa.size()) return true;  // a is b's ancestor (or b itself)
    if (depth == pb.size()) return false;
    const auto& siblings = pa[depth]->parent != nullptr ? pa[depth]->parent->children : topLevel_;
    return PositionAmong(siblings, pa[depth]) < PositionAmong(siblings, pb[depth]);
  };
  for (TreeNode* other = first->sameKeyNext; other != nullptr; other = other->sameKeyNext) {
    if (precedes(other, first)) first = other;
  }
  return first;
}

}  // namespace orvane
