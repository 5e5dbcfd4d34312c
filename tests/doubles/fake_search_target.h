#pragma once
// An in-memory double of what the search needs of the main window: the tree's nodes as a list,
// and the list's pinned keys, heading and columns as plain values.

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "dialogs/search/search.h"

namespace orvane::testing {

class FakeSearchTarget : public SearchTarget {
 public:
  struct Node {
    std::string text;
    ObjectKey key;
  };
  std::vector<Node> nodes;  // in the tree's index order
  PinnedKeys pinned;
  std::string heading = "Processes running on the computer";
  std::vector<std::pair<std::string, int>> columns;
  int clears = 0;

  void ClearList() override { ++clears; }
  PinnedKeys& Pinned() override { return pinned; }
  void ForEachNode(const std::function<void(std::string_view, const ObjectKey&)>& each) override {
    for (const Node& n : nodes) each(n.text, n.key);
  }
  void SetHeading(const std::string& text) override { heading = text; }
  int ColumnCount() override { return static_cast<int>(columns.size()); }
  void AddColumn(const std::string& caption, int width) override {
    columns.emplace_back(caption, width);
  }
  void SetColumn(int index, const std::string& caption, int width) override {
    columns.at(static_cast<std::size_t>(index)) = {caption, width};
  }
};

}  // namespace orvane::testing
