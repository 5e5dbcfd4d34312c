#pragma once
// The search over the navigation tree's nodes: the found objects' keys become the list
// filter's pinned keys, so the object list shows exactly them until the search is ended.

#include <functional>
#include <string>
#include <string_view>

#include "platform/clock.h"
#include "snapshot/records.h"
#include "view/list_filter.h"

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
  // Empties the object list at once.
  virtual void ClearList() = 0;
  virtual PinnedKeys& Pinned() = 0;
  // Every node of the navigation tree in index order (depth first), folded or not.
  virtual void ForEachNode(
      const std::function<void(std::string_view text, const ObjectKey& key)>& each) = 0;
  virtual void SetHeading(const std::string& heading) = 0;
  virtual int ColumnCount() = 0;
  virtual void AddColumn(const std::string& caption, int width) = 0;
  virtual void SetColumn(int index, const std::string& caption, int width) = 0;
};

// Put first into the pinned keys: it equals no object's key (every real root has rootId 0),
// so a search that finds nothing leaves the list empty rather than unfiltered.
constexpr ObjectKey kSearchPlaceholderKey{kKindRoot, 1, 0, 0, 0, 0};

// The object list's heading while a search result shows.
std::string SearchHeading(std::string_view searchText);

// Whether a node matches. Both texts are already lower-cased when the search ignores case.
bool SearchMatches(std::string_view nodeText, int32_t kind, std::string_view searchText,
                   const SearchOptions& options);

// Runs the search and turns the list into its result.
void RunSearch(SearchTarget& target, Locale& locale, std::string_view text,
               const SearchOptions& options);

}  // namespace orvane
