#include "dialogs/search/search.h"

#include <string>

namespace orvane {

bool SearchMatches(std::string_view nodeText, int32_t kind, std::string_view searchText,
                   const SearchOptions& options) {
  const bool textMatches = options.exact ? nodeText == searchText
                                         : !searchText.empty() && !nodeText.empty() &&
                                               nodeText.find(searchText) != std::string_view::npos;
  if (!textMatches) return false;
  switch (kind) {
    case kKindProcess:
      return options.processes;
    case kKindThread:
      return options.threads;
    case kKindWindow:
      return options.windows;
    default:  // the computer, and the root, never
      return false;
  }
}

void RunSearch(SearchTarget& target, Locale& locale, std::string_view text,
               const SearchOptions& options) {
  const std::string searchText = options.caseSensitive ? std::string(text) : locale.Lower(text);
  std::vector<ObjectKey> found;
  target.ForEachNode([&](std::string_view nodeText, const ObjectKey& key) {
    const bool matches = options.caseSensitive
                             ? SearchMatches(nodeText, key.kind, searchText, options)
                             : SearchMatches(locale.Lower(nodeText), key.kind, searchText, options);
    if (matches) found.push_back(key);
  });
  target.ShowSearchResult(searchText, found);
}

}  // namespace orvane
