#pragma once
// The navigation tree as a portable model: nodes with a key copy, a text and a state image,
// under their parent in order. Every change is reported to a TreeControl, which the Win32
// TreeView adapter implements.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "snapshot/records.h"
#include "view/key_index.h"

namespace orvane {

struct NodeContent {
  std::string text;
  int32_t stateImage = 0;

  bool operator==(const NodeContent&) const = default;
};

// A node of the model; the model owns it, and links it to its parent and siblings.
struct TreeNode {
  ObjectKey key{};  // copied when the node is added, never refreshed
  NodeContent content;
  TreeNode* parent = nullptr;  // null at the top level
  // Children in order, as a list: removing one of thousands of siblings shifts nothing.
  TreeNode* firstChild = nullptr;
  TreeNode* lastChild = nullptr;
  TreeNode* previous = nullptr;     // sibling
  TreeNode* next = nullptr;         // sibling
  uintptr_t controlItem = 0;        // free for the control adapter (its item handle)
  TreeNode* sameKeyNext = nullptr;  // kept by the model's key index

  bool HasChildren() const { return firstChild != nullptr; }
};

class TreeControl {
 public:
  virtual ~TreeControl() = default;
  // node has just been added as the last child of node.parent (the last top-level node when
  // parent is null), with its content.
  virtual void NodeAdded(TreeNode& node) = 0;
  // node, with any children, is about to leave the model.
  virtual void NodeRemoved(TreeNode& node) = 0;
  // node's content has changed.
  virtual void NodeRefilled(TreeNode& node) = 0;
};

class TreeModel {
 public:
  // control: not owned, must outlive the model.
  explicit TreeModel(TreeControl& control) : control_(control) {}
  TreeModel(const TreeModel&) = delete;
  TreeModel& operator=(const TreeModel&) = delete;

  // Appends a node under parent (at the top level when parent is null).
  TreeNode& AddNode(TreeNode* parent, const ObjectKey& key, NodeContent content);
  // Deletes node and its children.
  void DeleteNode(TreeNode& node);
  // Deletes every node.
  void Clear();
  // The control hears of it only when the content differs: most modifications (a thread's
  // priority, a window's place) leave the node as it is.
  void RefillNode(TreeNode& node, NodeContent content);

  // The first node in depth-first order (a node, its children, then its next sibling) whose
  // key equals key by KeyEquals, or null.
  TreeNode* FindFirst(const ObjectKey& key) const;

  std::size_t NodeCount() const { return nodeCount_; }

  // Every node in depth-first order, which is the tree control's index order.
  template <typename F>
  void ForEachNode(F&& each) const {
    const TreeNode* node = top_.firstChild;
    while (node != nullptr) {
      each(*node);
      if (node->firstChild != nullptr) {
        node = node->firstChild;
        continue;
      }
      while (node != nullptr && node->next == nullptr) node = node->parent;
      if (node != nullptr) node = node->next;
    }
  }

 private:
  // Unindexes node and its children and gives them back to the pool.
  void Release(TreeNode& node);

  TreeControl& control_;  // not owned
  // Stands above the top-level nodes, which keep a null parent.
  TreeNode top_;
  // Every node ever made, at a fixed address; released ones are reused, so nodes made and
  // removed every second come neither from nor back to the heap.
  std::deque<TreeNode> pool_;
  std::vector<TreeNode*> released_;
  KeyChainIndex<TreeNode> index_;
  std::size_t nodeCount_ = 0;
};

}  // namespace orvane
