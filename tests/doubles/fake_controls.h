#pragma once
// In-memory doubles of the tree and list controls. Each mirrors what a real control would hold
// from the notifications alone, so tests can check that the notifications are enough.

#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "view/list_model.h"
#include "view/tree_model.h"

namespace orvane::testing {

class FakeTreeControl : public TreeControl {
 public:
  struct Item {
    uintptr_t parent = 0;
    std::string text;
    int32_t stateImage = 0;
    std::vector<uintptr_t> children;
  };
  std::map<uintptr_t, Item> items;  // by the handle given to each node
  std::vector<uintptr_t> topLevel;
  int32_t added = 0, removed = 0, refilled = 0;

  void NodeAdded(TreeNode& node) override {
    ++added;
    node.controlItem = nextItem_++;
    const uintptr_t parent = node.parent != nullptr ? node.parent->controlItem : 0;
    items[node.controlItem] = Item{parent, node.content.text, node.content.stateImage, {}};
    (parent != 0 ? items.at(parent).children : topLevel).push_back(node.controlItem);
  }
  void NodeRemoved(TreeNode& node) override {
    ++removed;
    const uintptr_t parent = items.at(node.controlItem).parent;
    auto& siblings = parent != 0 ? items.at(parent).children : topLevel;
    std::erase(siblings, node.controlItem);
    Drop(node.controlItem);
  }
  void NodeRefilled(TreeNode& node) override {
    ++refilled;
    Item& item = items.at(node.controlItem);
    item.text = node.content.text;
    item.stateImage = node.content.stateImage;
  }

  // The mirrored tree as indented lines "text [image]", depth first.
  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    for (uintptr_t item : topLevel) Render(item, 0, lines);
    return lines;
  }

 private:
  void Drop(uintptr_t item) {
    for (uintptr_t child : items.at(item).children) Drop(child);
    items.erase(item);
  }
  void Render(uintptr_t item, int depth, std::vector<std::string>& lines) const {
    const Item& i = items.at(item);
    lines.push_back(std::string(static_cast<std::size_t>(depth) * 2, ' ') + i.text + " [" +
                    std::to_string(i.stateImage) + "]");
    for (uintptr_t child : i.children) Render(child, depth + 1, lines);
  }

  uintptr_t nextItem_ = 1;
};

class FakeListControl : public ListControl {
 public:
  std::vector<RowCells> rows;
  int32_t added = 0, removed = 0, refilled = 0, moved = 0;

  void RowAdded(std::size_t index, const ListRow& row) override {
    ++added;
    rows.insert(rows.begin() + static_cast<std::ptrdiff_t>(index), row.cells);
  }
  void RowRemoved(std::size_t index) override {
    ++removed;
    rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(index));
  }
  void RowRefilled(std::size_t index, const ListRow& row) override {
    ++refilled;
    rows.at(index) = row.cells;
  }
  void RowMoved(std::size_t from, std::size_t to) override {
    ++moved;
    RowCells row = rows.at(from);
    rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(from));
    rows.insert(rows.begin() + static_cast<std::ptrdiff_t>(to), row);
  }

  std::vector<std::string> Captions() const {
    std::vector<std::string> captions;
    for (const RowCells& row : rows) captions.push_back(row.caption);
    return captions;
  }
};

}  // namespace orvane::testing
