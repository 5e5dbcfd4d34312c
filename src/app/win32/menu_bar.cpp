#include "app/win32/menu_bar.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "app/command_table.h"
#include "app/main_menu.h"

namespace orvane::win32 {

namespace {

// Appends the items to menu, each submenu as a popup menu of its own; returns menu.
HMENU AppendItems(HMENU menu, std::span<const MenuItem> items) {
  for (const MenuItem& item : items) {
    if (item.caption.empty()) {
      AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    } else if (!item.submenu.empty()) {
      AppendMenuA(menu, MF_POPUP,
                  reinterpret_cast<UINT_PTR>(AppendItems(CreatePopupMenu(), item.submenu)),
                  std::string(item.caption).c_str());
    } else {
      std::string text(item.caption);
      if (!item.shortcut.empty()) text.append("\t").append(item.shortcut);
      AppendMenuA(menu, MF_STRING | (item.checked ? MF_CHECKED : 0), static_cast<UINT_PTR>(item.id),
                  text.c_str());
    }
  }
  return menu;
}

static_assert(kVirtualKeyDelete == VK_DELETE && kVirtualKeyF1 == VK_F1);

}  // namespace

HMENU BuildMenuBar() {
  return AppendItems(CreateMenu(), MainMenu());
}

HACCEL BuildAccelerators() {
  std::vector<ACCEL> keys;
  for (const CommandRow& row : CommandTable()) {
    if (const std::optional<Shortcut> key = ParseShortcut(row.shortcut)) {
      const BYTE flags = FVIRTKEY | (key->control ? FCONTROL : 0) | (key->shift ? FSHIFT : 0);
      keys.push_back({flags, key->virtualKey, static_cast<WORD>(row.id)});
    }
  }
  return CreateAcceleratorTableA(keys.data(), static_cast<int>(keys.size()));
}

}  // namespace orvane::win32
