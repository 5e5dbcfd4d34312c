// The main window's menus, keys and palettes, and the commands they run.
#include <iterator>

#include "app/win32/main_form.h"
#include "app/win32/res/resource.h"

namespace orvane::win32 {

namespace {

void AppendCommand(HMENU menu, Command command, const char* caption) {
  AppendMenuA(menu, MF_STRING, static_cast<UINT_PTR>(CommandId(command)), caption);
}

}  // namespace

HMENU MainForm::BuildMenu() {
  HMENU bar = CreateMenu();
  HMENU file = CreatePopupMenu();
  AppendMenuA(file, MF_STRING, kMenuExit, "E&xit");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");

  HMENU edit = CreatePopupMenu();
  AppendCommand(edit, Command::kStop1, "&Stop\tDel");
  AppendCommand(edit, Command::kProcessInc, "&Increase\tCtrl+I");
  AppendCommand(edit, Command::kProcessDec, "&Decrease\tCtrl+D");
  AppendCommand(edit, Command::kShow1, "S&how\tCtrl+S");
  AppendCommand(edit, Command::kHide1, "&Hide\tCtrl+H");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(edit), "&Edit");

  HMENU view = CreatePopupMenu();
  AppendMenuA(view, MF_STRING, kMenuResetWorkspace, "Reset &Workspace");
  AppendCommand(view, Command::kGeneralRefresh, "&Refresh\tF5");
  AppendCommand(view, Command::kGeneralSearch, "&Search\tF3");
  AppendCommand(view, Command::kGeneralLog, "&Log Events");
  AppendCommand(view, Command::kGeneralPrint, "&Print Objects");
  AppendMenuA(view, MF_SEPARATOR, 0, nullptr);
  HMENU views = CreatePopupMenu();
  AppendMenuA(views, MF_STRING | MF_CHECKED, kMenuShowObjectInfo, "Show Object Info");
  AppendMenuA(views, MF_STRING | MF_CHECKED, kMenuShowNavigationTree, "Show Navigation Tree");
  AppendMenuA(view, MF_POPUP, reinterpret_cast<UINT_PTR>(views), "&Views");
  HMENU palettes = CreatePopupMenu();
  for (PaletteId id : {PaletteId::kCommon, PaletteId::kComputer, PaletteId::kProcess,
                       PaletteId::kWindow, PaletteId::kGeneral}) {
    AppendMenuA(palettes, MF_STRING | MF_CHECKED, static_cast<UINT_PTR>(PaletteMenuId(id)),
                std::string(PaletteById(id).menuCaption).c_str());
  }
  AppendMenuA(view, MF_POPUP, reinterpret_cast<UINT_PTR>(palettes), "&Palettes");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(view), "&View");

  HMENU settings = CreatePopupMenu();
  AppendMenuA(settings, MF_STRING | MF_CHECKED,
              static_cast<UINT_PTR>(CommandId(Command::kAskBefore1)), "Ask before terminate");
  AppendMenuA(settings, MF_STRING | MF_CHECKED, kMenuAddTrayIcon, "Add traybar icon");
  AppendMenuA(settings, MF_STRING, kMenuTrapCtrlAltDel, "Trap CTRL ALT DEL");
  AppendMenuA(settings, MF_STRING, kMenuTrapCtrlAltShift, "Trap CTRL ALT SHIFT");
  AppendMenuA(settings, MF_STRING, kMenuTrapShiftShift, "Trap LEFTSHIFT RIGHTSHIFT");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(settings), "&Settings");

  HMENU help = CreatePopupMenu();
  AppendMenuA(help, MF_STRING, kMenuHelp, "&Help\tF1");
  AppendCommand(help, Command::kAbout1, "&About");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), "&Help");

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
      searchDlg_->FormShow();
      return;
    case Command::kGeneralPrint:
      printReportDlg_->FormShow();
      return;
    case Command::kGeneralLog:
      logDlg_->FormShow();
      return;
    case Command::kComputerRestart:
      autorunDlg_->FormShow();
      return;
    case Command::kComputerRun:
      startDlg_->FormShow();
      return;
    case Command::kAbout1:
      aboutDlg_->FormShow();
      return;
    default:
      commands_.Run(command);
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

bool MainForm::Host::NavigationTreeFocused() {
  return GetFocus() == static_cast<HWND>(form_.viewObjectTreeTV_);
}

std::vector<SelectedRow> MainForm::Host::SelectedRows() {
  std::vector<SelectedRow> rows;
  winui::ListView& list = form_.viewObjectListLV_;
  for (int i = list.NextSelected(); i >= 0; i = list.NextSelected(i)) {
    if (const ListRow* row = form_.listControl_.RowAt(i)) {
      rows.push_back(SelectedRowOf(*row, form_.listListener_, form_.lastMainWindows_));
    }
  }
  return rows;
}

bool MainForm::Host::AskBeforeTerminate() {
  return form_.MenuChecked(CommandId(Command::kAskBefore1));
}

void MainForm::Host::SetAskBeforeTerminate(bool checked) {
  form_.SetMenuChecked(CommandId(Command::kAskBefore1), checked);
}

}  // namespace orvane::win32
