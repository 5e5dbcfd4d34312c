#pragma once
// Every command of the main window in one table: the id that its menu item, key or palette
// button sends, its handler, its place in the menu bar with its caption, and its key. The menu,
// the accelerator table, the dispatch and the test drivers read it; a new command is a row here
// and its handler.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace orvane {

// The handlers that palette buttons, menu items and keys run; each one's row names it and gives
// its menu item and key.
enum class Command : int32_t {
  // Object commands: ObjectCommands handles them.
  kProcessStop,
  kProcessInc,
  kProcessDec,
  kProcessShow,
  kProcessHide,
  kProcessMax,
  kProcessMin,
  kProcessNorm,
  kWindowClose,
  kWindowShow,
  kWindowHide,
  kWindowMax,
  kWindowMin,
  kWindowNorm,
  kStop1,
  kShow1,
  kHide1,
  kAskBefore1,
  // The main window's own handlers.
  kGeneralRefresh,
  // Handlers that open a tool dialog.
  kComputerRun,      // the run-program dialog
  kComputerRestart,  // the startup-entries manager
  kGeneralSearch,
  kGeneralPrint,
  kGeneralLog,
  kAbout1,
};
constexpr int32_t kCommandCount = static_cast<int32_t>(Command::kAbout1) + 1;

// The ids the commands send: the main window's own items, then one per palette toggle, then one
// per Command. Test drivers and tools send them from outside, so they stay as they are.
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
  kMenuShowProcessDetails,
  kMenuPerformance,
  kMenuFindWindow,
  kMenuMoveOnScreen,
  kMenuStopTree,
  kMenuCopy,
  kMenuPauseUpdates,
  kMenuHighlightChanges,
  kMenuShowPalette = 200,  // + PaletteId
  kMenuCommand = 1000,     // + Command
};

constexpr int32_t CommandId(Command command) {
  return kMenuCommand + static_cast<int32_t>(command);
}

struct CommandRow {
  int32_t id = 0;              // 0 for a separator
  std::string_view handler{};  // the handler's name, such as "Stop1Click"
  // The menu it sits in, as a path of captions such as "&View > &Palettes"; empty: it is on
  // the palettes only.
  std::string_view menu{};
  std::string_view caption{};   // '&' before the access letter, which is unique within its menu
  std::string_view shortcut{};  // its key as the menu shows it, such as "Ctrl+I"; empty: none
  bool checked = false;         // at start, before the workspace is restored
};

constexpr std::string_view kMenuPathSeparator = " > ";

// In menu order, each menu's items and separators in turn, then the palettes' own commands.
std::span<const CommandRow> CommandTable();
// The row that sends id; nullptr for an id that no command sends.
const CommandRow* FindCommand(int32_t id);
// The row that runs command; an empty row for a value outside the enumeration.
const CommandRow& RowOf(Command command);

// A key as an accelerator table takes it: a Windows virtual-key code (a letter's or a digit's
// is its character, upper case), with or without Ctrl or Shift.
struct Shortcut {
  uint16_t virtualKey = 0;
  bool control = false;
  bool shift = false;
  friend bool operator==(const Shortcut&, const Shortcut&) = default;
};
constexpr uint16_t kVirtualKeyDelete = 0x2E;
constexpr uint16_t kVirtualKeyF1 = 0x70;  // F2 to F12 follow

// The key of a shortcut text: "Del", "F1" to "F12", or "Ctrl+" and a capital letter or a digit;
// "Shift+" before "Del" or a function key; nullopt for any other text, the empty one included.
std::optional<Shortcut> ParseShortcut(std::string_view text);

// The menu item whose check mark holds a workspace setting (app/workspace.h).
enum class SettingItem;
int32_t SettingMenuId(SettingItem item);

}  // namespace orvane
