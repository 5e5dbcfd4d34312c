#pragma once
// The main window's menu bar as data, built from the command table: each menu's items in order,
// with the caption, the key shown beside it, the id that choosing it sends and whether it starts
// checked. The Win32 side only turns this into a menu.

#include <cstdint>
#include <string_view>
#include <vector>

#include "app/command_table.h"

namespace orvane {

struct MenuItem {
  // An '&' stands before the access letter, which is unique within its menu.
  std::string_view caption;
  std::string_view shortcut{};  // the key shown at the right, such as "Ctrl+I"; empty: none
  int32_t id = 0;               // 0 for a separator or a submenu
  bool checked = false;         // at start, before the workspace is restored
  std::vector<MenuItem> submenu{};
};

// The menu bar: File, Edit, View, Settings, Help. An item without caption is a separator.
std::vector<MenuItem> MainMenu();

// The access letter of a caption, upper-cased: the character after its first single '&'
// ("&&" stands for the ampersand itself); 0 when there is none.
char AccessLetter(std::string_view caption);

}  // namespace orvane
