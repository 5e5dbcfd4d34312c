#pragma once
// An in-memory double of what the search needs of the main window: the tree's nodes as a list,
// and the last result handed over.

#include <functional>
#include <string>
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
  std::string searched;
  std::vector<ObjectKey> found;
  int results = 0;  // results handed over

  void ForEachNode(const std::function<void(std::string_view, const ObjectKey&)>& each) override {
    for (const Node& n : nodes) each(n.text, n.key);
  }
  void ShowSearchResult(std::string_view searchedText,
                        const std::vector<ObjectKey>& keys) override {
    ++results;
    searched = searchedText;
    found = keys;
  }
};

}  // namespace orvane::testing
