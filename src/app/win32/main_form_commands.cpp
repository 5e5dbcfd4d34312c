// The main window's menus, keys and palettes, and the commands they run.
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "app/win32/main_form.h"
#include "res/resource.h"

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

HMENU MainForm::BuildMenu() {
  HMENU bar = AppendItems(CreateMenu(), MainMenu());
  std::vector<ACCEL> keys;
  for (const CommandRow& row : CommandTable()) {
    if (const std::optional<Shortcut> key = ParseShortcut(row.shortcut)) {
      const BYTE flags = FVIRTKEY | (key->control ? FCONTROL : 0);
      keys.push_back({flags, key->virtualKey, static_cast<WORD>(row.id)});
    }
  }
  accelerators_ = CreateAcceleratorTableA(keys.data(), static_cast<int>(keys.size()));
  return bar;
}

bool MainForm::MenuChecked(int id) const {
  return (GetMenuState(menu_, static_cast<UINT>(id), MF_BYCOMMAND) & MF_CHECKED) != 0;
}

void MainForm::SetMenuChecked(int id, bool checked) {
  CheckMenuItem(menu_, static_cast<UINT>(id), MF_BYCOMMAND | (checked ? MF_CHECKED : 0));
}

bool MainForm::OnCommand(int id, int, HWND) {
  // Only the command table's ids are commands; the rest are the controls' own.
  if (FindCommand(id) == nullptr) return false;
  if (id >= kMenuCommand) {
    RunCommand(static_cast<Command>(id - kMenuCommand));
    return true;
  }
  if (id >= kMenuShowPalette) {
    ShowPaletteClick(static_cast<PaletteId>(id - kMenuShowPalette));
    return true;
  }
  switch (id) {
    case kMenuExit:
      MenuExitClick();
      return true;
    case kMenuResetWorkspace:
      MenuResetWorkspaceClick();
      return true;
    case kMenuShowObjectInfo:
      ShowObjectInfo1Click();
      return true;
    case kMenuShowNavigationTree:
      ShowNavigationTree1Click();
      return true;
    case kMenuAddTrayIcon:
      Addtraybaricon1Click();
      return true;
    case kMenuTrapCtrlAltDel:
    case kMenuTrapCtrlAltShift:
    case kMenuTrapShiftShift:
      TrapCTRLALTDEL1Click(id);
      return true;
    case kMenuHelp:
      Help1Click();
      return true;
    default:
      return false;
  }
}

void MainForm::RunCommand(Command command) {
  switch (command) {
    case Command::kGeneralRefresh:
      ToolGeneral0RefreshClick();
      return;
    case Command::kGeneralSearch:
      services_.dialogs.search.FormShow();
      return;
    case Command::kGeneralPrint:
      services_.dialogs.printReport.FormShow();
      return;
    case Command::kGeneralLog:
      services_.dialogs.log.FormShow();
      return;
    case Command::kComputerRestart:
      services_.dialogs.autorun.FormShow();
      return;
    case Command::kComputerRun:
      services_.dialogs.start.FormShow();
      return;
    case Command::kAbout1:
      services_.dialogs.about.FormShow();
      return;
    default:
      services_.commands.Run(command);
  }
}

void MainForm::ShowObjectInfo1Click() {
  const bool show = !MenuChecked(kMenuShowObjectInfo);
  SetMenuChecked(kMenuShowObjectInfo, show);
  viewObjectInfoRE_.Show(show);
  splitter1_.Show(show);
  rightCenter_.Layout().Apply();
}

void MainForm::ShowNavigationTree1Click() {
  const bool show = !MenuChecked(kMenuShowNavigationTree);
  SetMenuChecked(kMenuShowNavigationTree, show);
  viewObjectTreeTV_.Show(show);
  splitter2_.Show(show);
  dockCenter_.Layout().Apply();
}

}  // namespace orvane::win32
