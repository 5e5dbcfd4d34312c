#include "app/main_menu.h"

#include <algorithm>
#include <cctype>

namespace orvane {

namespace {

// The submenu of items captioned caption, made at the end of items when there is none yet.
std::vector<MenuItem>& SubmenuOf(std::vector<MenuItem>& items, std::string_view caption) {
  auto found = std::ranges::find_if(items, [caption](const MenuItem& item) {
    return item.id == 0 && !item.caption.empty() && item.caption == caption;
  });
  if (found == items.end()) found = items.insert(items.end(), MenuItem{.caption = caption});
  return found->submenu;
}

}  // namespace

std::vector<MenuItem> MainMenu() {
  std::vector<MenuItem> bar;
  for (const CommandRow& row : CommandTable()) {
    if (row.menu.empty()) continue;  // on the palettes only
    std::vector<MenuItem>* items = &bar;
    for (std::string_view path = row.menu; !path.empty();) {
      const std::size_t end = path.find(kMenuPathSeparator);
      items = &SubmenuOf(*items, path.substr(0, end));
      path = end == std::string_view::npos ? "" : path.substr(end + kMenuPathSeparator.size());
    }
    items->push_back(
        {.caption = row.caption, .shortcut = row.shortcut, .id = row.id, .checked = row.checked});
  }
  return bar;
}

char AccessLetter(std::string_view caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] != '&') {
      return static_cast<char>(std::toupper(static_cast<unsigned char>(caption[i + 1])));
    }
    ++i;  // "&&"
  }
  return 0;
}

}  // namespace orvane
