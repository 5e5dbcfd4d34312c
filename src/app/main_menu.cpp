#include "app/main_menu.h"

#include <array>
#include <cctype>

namespace orvane {

namespace {

constexpr std::array kFile{
    MenuItem{.caption = "E&xit", .id = kMenuExit},
};

// "Stop" has the S and "Hide" the H, so "Show" takes its W.
constexpr std::array kEdit{
    MenuItem{.caption = "&Stop", .shortcut = "Del", .id = CommandId(Command::kStop1)},
    MenuItem{.caption = "&Increase", .shortcut = "Ctrl+I", .id = CommandId(Command::kProcessInc)},
    MenuItem{.caption = "&Decrease", .shortcut = "Ctrl+D", .id = CommandId(Command::kProcessDec)},
    MenuItem{.caption = "Sho&w", .shortcut = "Ctrl+S", .id = CommandId(Command::kShow1)},
    MenuItem{.caption = "&Hide", .shortcut = "Ctrl+H", .id = CommandId(Command::kHide1)},
};

constexpr std::array kViews{
    MenuItem{.caption = "Show &Object Info", .id = kMenuShowObjectInfo, .checked = true},
    MenuItem{.caption = "Show &Navigation Tree", .id = kMenuShowNavigationTree, .checked = true},
};

constexpr std::array kPaletteToggles{
    MenuItem{.caption = "Show &Common Palette",
             .id = PaletteMenuId(PaletteId::kCommon),
             .checked = true},
    MenuItem{.caption = "Show C&omputer Palette",
             .id = PaletteMenuId(PaletteId::kComputer),
             .checked = true},
    MenuItem{.caption = "Show &Process Palette",
             .id = PaletteMenuId(PaletteId::kProcess),
             .checked = true},
    MenuItem{.caption = "Show &Window Palette",
             .id = PaletteMenuId(PaletteId::kWindow),
             .checked = true},
    MenuItem{.caption = "Show &General Palette",
             .id = PaletteMenuId(PaletteId::kGeneral),
             .checked = true},
};

// "Palettes" keeps the P, so "Print Objects" takes its O.
constexpr std::array kView{
    MenuItem{.caption = "Reset &Workspace", .id = kMenuResetWorkspace},
    MenuItem{.caption = "&Refresh", .shortcut = "F5", .id = CommandId(Command::kGeneralRefresh)},
    MenuItem{.caption = "&Search", .shortcut = "F3", .id = CommandId(Command::kGeneralSearch)},
    MenuItem{.caption = "&Log Events", .id = CommandId(Command::kGeneralLog)},
    MenuItem{.caption = "Print &Objects", .id = CommandId(Command::kGeneralPrint)},
    MenuItem{},
    MenuItem{.caption = "&Views", .submenu = kViews},
    MenuItem{.caption = "&Palettes", .submenu = kPaletteToggles},
};

// The three traps by the word that tells them apart.
constexpr std::array kSettings{
    MenuItem{
        .caption = "&Ask before terminate", .id = CommandId(Command::kAskBefore1), .checked = true},
    MenuItem{.caption = "Add traybar &icon", .id = kMenuAddTrayIcon, .checked = true},
    MenuItem{.caption = "Trap CTRL ALT &DEL", .id = kMenuTrapCtrlAltDel},
    MenuItem{.caption = "Trap CTRL ALT &SHIFT", .id = kMenuTrapCtrlAltShift},
    MenuItem{.caption = "Trap &LEFTSHIFT RIGHTSHIFT", .id = kMenuTrapShiftShift},
};

constexpr std::array kHelp{
    MenuItem{.caption = "&Help", .shortcut = "F1", .id = kMenuHelp},
    MenuItem{.caption = "&About", .id = CommandId(Command::kAbout1)},
};

constexpr std::array kBar{
    MenuItem{.caption = "&File", .submenu = kFile},
    MenuItem{.caption = "&Edit", .submenu = kEdit},
    MenuItem{.caption = "&View", .submenu = kView},
    MenuItem{.caption = "&Settings", .submenu = kSettings},
    MenuItem{.caption = "&Help", .submenu = kHelp},
};

}  // namespace

std::span<const MenuItem> MainMenu() {
  return kBar;
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
