#include "view/tree_listener.h"

#include <utility>

#include "platform/error.h"
#include "view/fill.h"

namespace orvane {

bool TreeListener::Created(const TrackedObject& object) {
  NodeContent content;
  if (object.key.kind == kKindComputer) {
    FillTreeNode(object, content, programs_);
    tree_.AddNode(nullptr, object.key, std::move(content));
    return true;
  }
  if (tree_.FindFirst(object.key) != nullptr) throw Error("TreeNode added twice");
  ObjectKey parentKey = object.key;
  --parentKey.kind;  // the path words stay; KeyEquals then compares one word fewer
  TreeNode* parent = tree_.FindFirst(parentKey);
  // The root, and threads and windows of processes that have no node, end here every cycle.
  if (parent == nullptr) return false;
  FillTreeNode(object, content, programs_);
  tree_.AddNode(parent, object.key, std::move(content));
  return true;
}

bool TreeListener::Removed(const TrackedObject& object) {
  TreeNode* node = tree_.FindFirst(object.key);
  if (node == nullptr) throw Error("TreeNode remove not found");
  if (node->HasChildren()) return false;
  tree_.DeleteNode(*node);
  return true;
}

void TreeListener::Modified(const TrackedObject& object) {
  // The node shows what the object showed before: a change it does not show (a priority, a
  // place) spares the search, which at thousands of nodes costs a cache miss or two. Threads,
  // the most of them, show only their key.
  if (object.key.kind == kKindThread) return;
  if (const std::optional<TrackedObject> before = Previous()) {
    if (!TreeNodeMayDiffer(*before, object)) return;
  }
  TreeNode* node = tree_.FindFirst(object.key);
  if (node == nullptr) throw Error("TreeNode mod not found");
  NodeContent content;
  FillTreeNode(object, content, programs_);
  tree_.RefillNode(*node, std::move(content));
}

}  // namespace orvane
