#pragma once
// The main window's menu bar as data: each menu's items in order, with the caption, the key
// shown beside it, the id that choosing it sends and whether it starts checked. The Win32 side
// only turns this into a menu.

#include <cstdint>
#include <span>
#include <string_view>

#include "app/command_ids.h"
#include "app/palettes.h"

namespace orvane {

// Menu item ids: the main window's own items, then one per command handler and one per
// palette toggle.
enum MenuId : int32_t {
  kMenuExit = 100,
  kMenuResetWorkspace,
  kMenuShowObjectInfo,
  kMenuShowNavigationTree,
  kMenuAddTrayIcon,
  kMenuTrapCtrlAltDel,
  kMenuTrapCtrlAltShift,
  kMenuTrapShiftShift,
  kMenuHelp,
  kMenuShowPalette = 200,  // + PaletteId
  kMenuCommand = 1000,     // + Command
};

constexpr int32_t CommandId(Command command) {
  return kMenuCommand + static_cast<int32_t>(command);
}

constexpr int32_t PaletteMenuId(PaletteId id) {
  return kMenuShowPalette + static_cast<int32_t>(id);
}

struct MenuItem {
  // An '&' stands before the access letter, which is unique within its menu.
  std::string_view caption;
  std::string_view shortcut{};  // the key shown at the right, such as "Ctrl+I"; empty: none
  int32_t id = 0;               // 0 for a separator or a submenu
  bool checked = false;         // at start, before the workspace is restored
  std::span<const MenuItem> submenu{};
};

// The menu bar: File, Edit, View, Settings, Help. An item without caption is a separator.
std::span<const MenuItem> MainMenu();

// The access letter of a caption, upper-cased: the character after its first single '&'
// ("&&" stands for the ampersand itself); 0 when there is none.
char AccessLetter(std::string_view caption);

}  // namespace orvane
