// The main window's menus, keys and palettes, and the commands they run.
#include <iterator>
#include <span>
#include <string>

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

}  // namespace

HMENU MainForm::BuildMenu() {
  HMENU bar = AppendItems(CreateMenu(), MainMenu());
  const BYTE control = FVIRTKEY | FCONTROL;
  ACCEL keys[] = {
      {FVIRTKEY, VK_DELETE, static_cast<WORD>(CommandId(Command::kStop1))},
      {control, 'I', static_cast<WORD>(CommandId(Command::kProcessInc))},
      {control, 'D', static_cast<WORD>(CommandId(Command::kProcessDec))},
      {control, 'S', static_cast<WORD>(CommandId(Command::kShow1))},
      {control, 'H', static_cast<WORD>(CommandId(Command::kHide1))},
      {FVIRTKEY, VK_F5, static_cast<WORD>(CommandId(Command::kGeneralRefresh))},
      {FVIRTKEY, VK_F3, static_cast<WORD>(CommandId(Command::kGeneralSearch))},
      {FVIRTKEY, VK_F1, static_cast<WORD>(kMenuHelp)},
  };
  accelerators_ = CreateAcceleratorTableA(keys, static_cast<int>(std::size(keys)));
  return bar;
}

bool MainForm::MenuChecked(int id) const {
  return (GetMenuState(menu_, static_cast<UINT>(id), MF_BYCOMMAND) & MF_CHECKED) != 0;
}

void MainForm::SetMenuChecked(int id, bool checked) {
  CheckMenuItem(menu_, static_cast<UINT>(id), MF_BYCOMMAND | (checked ? MF_CHECKED : 0));
}

bool MainForm::OnCommand(int id, int, HWND) {
  if (id >= kMenuCommand) {
    RunCommand(static_cast<Command>(id - kMenuCommand));
    return true;
  }
  if (id >= kMenuShowPalette && id < kMenuShowPalette + 5) {
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
