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

// Whether a comes before b among the same parent's children.
bool SiblingPrecedes(const TreeNode* a, const TreeNode* b) {
  for (const TreeNode* at = a->next; at != nullptr; at = at->next) {
    if (at == b) return true;
  }
  return false;
}

}  // namespace

TreeNode& TreeModel::AddNode(TreeNode* parent, const ObjectKey& key, NodeContent content) {
  TreeNode* node;
  if (released_.empty()) {
    node = &pool_.emplace_back();
  } else {
    node = released_.back();
    released_.pop_back();
  }
  node->key = key;
  node->content = std::move(content);
  node->parent = parent;
  TreeNode& above = parent != nullptr ? *parent : top_;
  node->previous = above.lastChild;
  (above.lastChild != nullptr ? above.lastChild->next : above.firstChild) = node;
  above.lastChild = node;
  index_.Insert(node);
  ++nodeCount_;
  control_.NodeAdded(*node);
  return *node;
}

void TreeModel::Release(TreeNode& node) {
  while (TreeNode* child = node.firstChild) {
    node.firstChild = child->next;
    Release(*child);
  }
  index_.Erase(&node);
  --nodeCount_;
  // The text's buffer stays with the node for its next use.
  node.content.text.clear();
  node.content.stateImage = 0;
  node.parent = node.firstChild = node.lastChild = node.previous = node.next = nullptr;
  node.controlItem = 0;
  released_.push_back(&node);
}

void TreeModel::DeleteNode(TreeNode& node) {
  control_.NodeRemoved(node);
  TreeNode& above = node.parent != nullptr ? *node.parent : top_;
  (node.previous != nullptr ? node.previous->next : above.firstChild) = node.next;
  (node.next != nullptr ? node.next->previous : above.lastChild) = node.previous;
  Release(node);
}

void TreeModel::Clear() {
  while (TreeNode* last = top_.lastChild) DeleteNode(*last);
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
  auto precedes = [](const TreeNode* a, const TreeNode* b) {
    const auto pa = PathTo(a);
    const auto pb = PathTo(b);
    std::size_t depth = 0;
    while (depth < pa.size() && depth < pb.size() && pa[depth] == pb[depth]) ++depth;
    if (depth == pa.size()) return true;  // a is b's ancestor (or b itself)
    if (depth == pb.size()) return false;
    return SiblingPrecedes(pa[depth], pb[depth]);
  };
  for (TreeNode* other = first->sameKeyNext; other != nullptr; other = other->sameKeyNext) {
    if (precedes(other, first)) first = other;
  }
  return first;
}

}  // namespace orvane
