#pragma once
// The search over the navigation tree's nodes: the found objects' keys go to the object list,
// which shows exactly them until the search is ended.

#include <functional>
#include <string_view>
#include <vector>

#include "platform/clock.h"
#include "snapshot/records.h"

namespace orvane {

struct SearchOptions {
  bool processes = true;
  bool threads = true;
  bool windows = true;
  bool caseSensitive = false;
  bool exact = false;
};

// What the search needs of the main window.
class SearchTarget {
 public:
  virtual ~SearchTarget() = default;
  // Every node of the navigation tree in index order (depth first), folded or not.
  virtual void ForEachNode(
      const std::function<void(std::string_view text, const ObjectKey& key)>& each) = 0;
  // Turns the object list into the found objects, in tree order and possibly none, under a
  // heading that quotes the text as searched; an earlier result is replaced.
  virtual void ShowSearchResult(std::string_view searchedText,
                                const std::vector<ObjectKey>& found) = 0;
};

// Whether a node matches. Both texts are already lower-cased when the search ignores case.
bool SearchMatches(std::string_view nodeText, int32_t kind, std::string_view searchText,
                   const SearchOptions& options);

// Runs the search and hands its result to the target.
void RunSearch(SearchTarget& target, Locale& locale, std::string_view text,
               const SearchOptions& options);

}  // namespace orvane
