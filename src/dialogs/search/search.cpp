#include "dialogs/search/search.h"

#include <array>

namespace orvane {

namespace {

struct ProcessColumn {
  const char* caption;
  int width;
};
constexpr std::array<ProcessColumn, 3> kResultColumns{
    {{"Process Name", 200}, {"Priority", 100}, {"Executable", 100}}};

}  // namespace

std::string SearchHeading(std::string_view searchText) {
  std::string heading = "Search results for \"";
  heading.append(searchText).append("\"  (click \"Refresh\" to end search)");
  return heading;
}

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
  target.ClearList();
  PinnedKeys& pinned = target.Pinned();
  pinned.clear();
  pinned.push_back(kSearchPlaceholderKey);

  const std::string searchText = options.caseSensitive ? std::string(text) : locale.Lower(text);
  target.ForEachNode([&](std::string_view nodeText, const ObjectKey& key) {
    const bool matches = options.caseSensitive
                             ? SearchMatches(nodeText, key.kind, searchText, options)
                             : SearchMatches(locale.Lower(nodeText), key.kind, searchText, options);
    if (matches) pinned.push_back(key);
  });

  target.SetHeading(SearchHeading(searchText));
  while (target.ColumnCount() < static_cast<int>(kResultColumns.size())) {
    target.AddColumn("", 50);
  }
  for (std::size_t i = 0; i < kResultColumns.size(); ++i) {
    target.SetColumn(static_cast<int>(i), kResultColumns[i].caption, kResultColumns[i].width);
  }
}

}  // namespace orvane
