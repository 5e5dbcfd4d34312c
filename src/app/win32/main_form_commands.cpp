// The main window's menus, keys and palettes, and the commands they run.
#include <iterator>

#include "app/win32/main_form.h"
#include "app/win32/res/resource.h"

namespace orvane::win32 {

namespace {

int CommandId(Command command) {
  return kMenuCommand + static_cast<int>(command);
}

int PaletteMenuId(PaletteId id) {
  return kMenuShowPalette + static_cast<int>(id);
}

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

void MainForm::CreatePalettes() {
  glyphs24_ = winui::ImageList::FromResource(IDB_PALETTE_GLYPHS_24, 24);
  glyphs32_ = winui::ImageList::FromResource(IDB_PALETTE_GLYPHS_32, 32);
  for (const Palette& palette : Palettes()) {
    const auto index = static_cast<std::size_t>(palette.id);
    // Until palettes can be dragged, the Common palette lives in the big bar and the others
    // appear in the top bar when the View menu shows them.
    sites_[index] = palette.id == PaletteId::kCommon ? DockSite::kDockBig : DockSite::kDockTop;
    palettes_[index].Create(BarOf(sites_[index]), palette, glyphs24_, glyphs32_,
                            [this](Command command) { RunCommand(command); });
  }
}

winui::Panel& MainForm::BarOf(DockSite site) {
  switch (site) {
    case DockSite::kDockTop:
      return dockTop_;
    case DockSite::kDockBottom:
      return dockBottom_;
    default:
      return dockBig_;
  }
}

void MainForm::ArrangeBar(DockSite site) {
  winui::Panel& bar = BarOf(site);
  bool any = false;
  int left = 0;
  for (std::size_t i = 0; i < palettes_.size(); ++i) {
    if (sites_[i] != site || !palettes_[i].IsVisible()) continue;
    any = true;
    const int32_t height = site == DockSite::kDockBig ? 51 : kDockBarHeight;
    palettes_[i].LayOut(LayoutFor(height, false));
    const RECT r = palettes_[i].RectInParent();
    palettes_[i].Move(left, 0, r.right - r.left, r.bottom - r.top);
    left += r.right - r.left;
  }
  if (site != DockSite::kDockBig) {
    layout_.SetSize(bar, any ? kDockBarHeight : kDockBarEmptyHeight);
    layout_.Apply();
  }
}

void MainForm::ArrangeBars() {
  ArrangeBar(DockSite::kDockBig);
  ArrangeBar(DockSite::kDockTop);
  ArrangeBar(DockSite::kDockBottom);
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

void MainForm::ShowPaletteClick(PaletteId id) {
  const int item = PaletteMenuId(id);
  const bool show = !MenuChecked(item);
  SetMenuChecked(item, show);
  PaletteOf(id).Show(show);
  ArrangeBar(sites_[static_cast<std::size_t>(id)]);
}

void MainForm::MenuResetWorkspaceClick() {
  // Only the Common palette, in the big bar with large buttons; the four others hidden and
  // their View items unchecked so that every check mark matches its palette.
  for (PaletteId id :
       {PaletteId::kGeneral, PaletteId::kProcess, PaletteId::kWindow, PaletteId::kComputer}) {
    PaletteOf(id).Show(false);
    SetMenuChecked(PaletteMenuId(id), false);
  }
  ArrangeBars();
  if (!MenuChecked(kMenuShowObjectInfo)) ShowObjectInfo1Click();
  dockCenter_.Layout().SetSize(viewObjectTreeTV_, kDefaultTreeWidth);
  dockCenter_.Layout().Apply();
  rightCenter_.Layout().SetSize(viewObjectInfoRE_, kDefaultInfoHeight);
  rightCenter_.Layout().Apply();
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
