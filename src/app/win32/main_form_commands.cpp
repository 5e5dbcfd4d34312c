// The commands that the main window's menu items, keys and palettes run.
#include "app/win32/main_form.h"

#include <cctype>
#include <string>
#include <vector>

namespace orvane::win32 {

namespace {

// Edit boxes and rich-text boxes copy their own selection with Ctrl+C.
bool IsEditControl(HWND window) {
  char name[32] = {};
  if (!window || !GetClassNameA(window, name, sizeof name)) return false;
  std::string lower(name);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower == "edit" || lower.starts_with("richedit");
}

// The code WM_COMMAND carries for a command that came from the accelerator table.
constexpr int kFromAccelerator = 1;

}  // namespace

bool MainForm::MenuChecked(int id) const {
  return (GetMenuState(menu_, static_cast<UINT>(id), MF_BYCOMMAND) & MF_CHECKED) != 0;
}

void MainForm::SetMenuChecked(int id, bool checked) {
  CheckMenuItem(menu_, static_cast<UINT>(id), MF_BYCOMMAND | (checked ? MF_CHECKED : 0));
}

bool MainForm::OnCommand(int id, int code, HWND) {
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
    case kMenuShowProcessDetails:
      ShowProcessDetails1Click();
      return true;
    case kMenuHighlightChanges:
      HighlightChanges1Click();
      return true;
    case kMenuPerformance:
      services_.dialogs.performance.FormShow();
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
    case kMenuFindWindow:
      services_.dialogs.findWindow.FormShow();
      return true;
    case kMenuMoveOnScreen:
      services_.commands.MoveOnScreen1Click();
      return true;
    case kMenuStopTree:
      services_.commands.StopTree1Click();
      return true;
    case kMenuPauseUpdates:
      PauseUpdates1Click();
      return true;
    case kMenuCopy:
      // The key in the information box copies its text, as it always has; the menu item copies
      // the rows wherever the focus is.
      if (HWND focus = GetFocus(); code == kFromAccelerator && IsEditControl(focus)) {
        ::SendMessageA(focus, WM_COPY, 0, 0);
      } else {
        Copy1Click();
      }
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

void MainForm::Copy1Click() {
  std::vector<std::size_t> selected;
  for (int i = viewObjectListLV_.NextSelected(); i >= 0; i = viewObjectListLV_.NextSelected(i))
    selected.push_back(static_cast<std::size_t>(i));
  services_.objectList.CopyRows(selected, services_.clipboard);
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

void MainForm::ShowProcessDetails1Click() {
  const bool show = !MenuChecked(kMenuShowProcessDetails);
  SetMenuChecked(kMenuShowProcessDetails, show);
  services_.objectList.ShowDetails(show);
}

void MainForm::HighlightChanges1Click() {
  const bool on = !MenuChecked(kMenuHighlightChanges);
  SetMenuChecked(kMenuHighlightChanges, on);
  services_.objectList.HighlightChanges(on);
}

}  // namespace orvane::win32
