#include "app/command_table.h"

#include <algorithm>
#include <array>

#include "app/palettes.h"
#include "app/workspace.h"

namespace orvane {

namespace {

constexpr CommandRow Row(int32_t id, std::string_view handler, std::string_view menu = {},
                         std::string_view caption = {}, std::string_view shortcut = {}) {
  return {id, handler, menu, caption, shortcut};
}

constexpr CommandRow Row(Command command, std::string_view handler, std::string_view menu = {},
                         std::string_view caption = {}, std::string_view shortcut = {}) {
  return Row(CommandId(command), handler, menu, caption, shortcut);
}

constexpr CommandRow Checked(CommandRow row) {
  row.checked = true;
  return row;
}

// Edit: "Stop" has the S and "Hide" the H, so "Show" takes its W and "Stop Tree" its T. View:
// "Palettes" keeps the P, so "Print Objects" takes its O and "Performance" its F. Settings: the
// three traps by the word that tells them apart. Every toggle starts checked but the traps and the
// details.
constexpr std::array kRows{
    Row(kMenuExit, "MenuExitClick", "&File", "E&xit"),

    Row(Command::kStop1, "Stop1Click", "&Edit", "&Stop", "Del"),
    Row(kMenuStopTree, "StopTree1Click", "&Edit", "Stop &Tree", "Shift+Del"),
    Row(Command::kProcessInc, "ToolProcess0IncClick", "&Edit", "&Increase", "Ctrl+I"),
    Row(Command::kProcessDec, "ToolProcess0DecClick", "&Edit", "&Decrease", "Ctrl+D"),
    Row(Command::kShow1, "Show1Click", "&Edit", "Sho&w", "Ctrl+S"),
    Row(Command::kHide1, "Hide1Click", "&Edit", "&Hide", "Ctrl+H"),
    Row(kMenuFindWindow, "FindWindow1Click", "&Edit", "&Find Window", "Ctrl+F"),
    Row(kMenuMoveOnScreen, "MoveOnScreen1Click", "&Edit", "&Move On Screen", "Ctrl+M"),
    Row(kMenuCopy, "Copy1Click", "&Edit", "&Copy", "Ctrl+C"),

    Row(kMenuResetWorkspace, "MenuResetWorkspaceClick", "&View", "Reset &Workspace"),
    Row(Command::kGeneralRefresh, "ToolGeneral0RefreshClick", "&View", "&Refresh", "F5"),
    Row(kMenuPauseUpdates, "PauseUpdates1Click", "&View", "Pa&use Updates", "F6"),
    Row(Command::kGeneralSearch, "ToolGeneral0SearchClick", "&View", "&Search", "F3"),
    Row(Command::kGeneralLog, "ToolGeneral0LogClick", "&View", "&Log Events"),
    Row(Command::kGeneralPrint, "ToolGeneral0PrintClick", "&View", "Print &Objects"),
    Row(kMenuPerformance, "Performance1Click", "&View", "Per&formance"),
    CommandRow{.menu = "&View"},  // a separator
    Checked(
        Row(kMenuShowObjectInfo, "ShowObjectInfo1Click", "&View > &Views", "Show &Object Info")),
    Checked(Row(kMenuShowNavigationTree, "ShowNavigationTree1Click", "&View > &Views",
                "Show &Navigation Tree")),
    Row(kMenuShowProcessDetails, "ShowProcessDetails1Click", "&View > &Views",
        "Show Process &Details"),
    Row(kMenuHighlightChanges, "HighlightChanges1Click", "&View > &Views", "&Highlight Changes"),
    Checked(Row(PaletteMenuId(PaletteId::kCommon), "ShowCommonPalette1Click", "&View > &Palettes",
                "Show &Common Palette")),
    Checked(Row(PaletteMenuId(PaletteId::kComputer), "ShowComputerPalette1Click",
                "&View > &Palettes", "Show C&omputer Palette")),
    Checked(Row(PaletteMenuId(PaletteId::kProcess), "ShowProcessPalette1Click", "&View > &Palettes",
                "Show &Process Palette")),
    Checked(Row(PaletteMenuId(PaletteId::kWindow), "ShowWindowPalette1Click", "&View > &Palettes",
                "Show &Window Palette")),
    Checked(Row(PaletteMenuId(PaletteId::kGeneral), "ShowGeneralPalette1Click", "&View > &Palettes",
                "Show &General Palette")),

    Checked(Row(Command::kAskBefore1, "Askbefore1Click", "&Settings", "&Ask before terminate")),
    Checked(Row(kMenuAddTrayIcon, "Addtraybaricon1Click", "&Settings", "Add traybar &icon")),
    // One handler for the three, told apart by the item that runs it.
    Row(kMenuTrapCtrlAltDel, "TrapCTRLALTDEL1Click", "&Settings", "Trap CTRL ALT &DEL"),
    Row(kMenuTrapCtrlAltShift, "TrapCTRLALTDEL1Click", "&Settings", "Trap CTRL ALT &SHIFT"),
    Row(kMenuTrapShiftShift, "TrapCTRLALTDEL1Click", "&Settings", "Trap &LEFTSHIFT RIGHTSHIFT"),

    Row(kMenuHelp, "Help1Click", "&Help", "&Help", "F1"),
    Row(Command::kAbout1, "About1Click", "&Help", "&About"),

    // On the palettes only.
    Row(Command::kProcessStop, "ToolProcess0StopClick"),
    Row(Command::kProcessShow, "ToolProcess0ShowClick"),
    Row(Command::kProcessHide, "ToolProcess0HideClick"),
    Row(Command::kProcessMax, "ToolProcess0MaxClick"),
    Row(Command::kProcessMin, "ToolProcess0MinClick"),
    Row(Command::kProcessNorm, "ToolProcess0NormClick"),
    Row(Command::kWindowClose, "ToolWindow0CloseClick"),
    Row(Command::kWindowShow, "ToolWindow0ShowClick"),
    Row(Command::kWindowHide, "ToolWindow0HideClick"),
    Row(Command::kWindowMax, "ToolWindow0MaxClick"),
    Row(Command::kWindowMin, "ToolWindow0MinClick"),
    Row(Command::kWindowNorm, "ToolWindow0NormClick"),
    Row(Command::kComputerRun, "ToolComputer0RunClick"),
    Row(Command::kComputerRestart, "ToolComputer0RestartClick"),
};

}  // namespace

std::span<const CommandRow> CommandTable() {
  return kRows;
}

const CommandRow* FindCommand(int32_t id) {
  if (id == 0) return nullptr;  // a separator's
  const auto found = std::ranges::find(kRows, id, &CommandRow::id);
  return found == kRows.end() ? nullptr : &*found;
}

const CommandRow& RowOf(Command command) {
  static constexpr CommandRow kNone{};
  const CommandRow* row = FindCommand(CommandId(command));
  return row ? *row : kNone;
}

std::optional<Shortcut> ParseShortcut(std::string_view text) {
  if (text.starts_with("Shift+")) {
    std::optional<Shortcut> key = ParseShortcut(text.substr(6));
    if (!key || key->control || key->shift) return std::nullopt;
    key->shift = true;
    return key;
  }
  if (text == "Del") return Shortcut{kVirtualKeyDelete};
  if (text.size() == 6 && text.starts_with("Ctrl+")) {
    const char key = text[5];
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9'))
      return Shortcut{static_cast<uint16_t>(key), true};
    return std::nullopt;
  }
  if (text.size() < 2 || text.size() > 3 || text[0] != 'F' || text[1] == '0') return std::nullopt;
  int number = 0;
  for (char digit : text.substr(1)) {
    if (digit < '0' || digit > '9') return std::nullopt;
    number = number * 10 + (digit - '0');
  }
  if (number > 12) return std::nullopt;
  return Shortcut{static_cast<uint16_t>(kVirtualKeyF1 + number - 1)};
}

int32_t SettingMenuId(SettingItem item) {
  switch (item) {
    case SettingItem::kAskBeforeTerminate:
      return CommandId(Command::kAskBefore1);
    case SettingItem::kShowNavigationTree:
      return kMenuShowNavigationTree;
    case SettingItem::kShowObjectInfo:
      return kMenuShowObjectInfo;
    case SettingItem::kCtrlAltDelTrap:
      return kMenuTrapCtrlAltDel;
    case SettingItem::kCtrlAltShiftTrap:
      return kMenuTrapCtrlAltShift;
    case SettingItem::kLeftShiftRightShiftTrap:
      return kMenuTrapShiftShift;
  }
  return 0;
}

}  // namespace orvane
