// "workspace.dat": restored when the main window is created, written when it closes.
#include <vector>

#include "app/win32/main_form.h"
#include "platform/error.h"
#include "winui/error_box.h"

namespace orvane::win32 {

void MainForm::RestoreWorkspace() {
  const std::optional<Workspace> read = ReadWorkspace(services_.files);
  if (!read) {
    MenuResetWorkspaceClick();
    return;
  }
  // The monitors may have changed since the file was written: what would show on none of them
  // comes onto the nearest.
  const std::vector<Rect> monitors = MonitorWorkAreas();
  const ScreenFacts screen = bars_.Screen(monitors);
  // Every palette shows at start, as its View item is checked; the file hides those it records
  // hidden.
  for (const Palette& palette : Palettes()) bars_.Arrangement().SetVisible(palette.id, true);
  // Each step on its own: one that fails (a "tray.dat" that cannot be written) is reported and
  // the rest of the start-up still runs.
  for (const RestoreStep& step : RestoreSteps(KeepReachable(*read, screen)))
    winui::Guarded([&] { ApplyRestoreStep(step); });
}

// The palette steps only arrange: the windows take their final place and visibility once, when
// the bars show again, so a palette that ends hidden is never shown (a floating one would flash,
// and under Wine each hide of a top-level window waits for a window manager).
void MainForm::ApplyRestoreStep(const RestoreStep& step) {
  const PalettePlacement& place = bars_.Arrangement().Of(step.palette);
  switch (step.action) {
    case RestoreAction::kSetWindowRect:
      Move(step.rect.left, step.rect.top, step.rect.width, step.rect.height);
      return;
    case RestoreAction::kHideDockBars:
    case RestoreAction::kShowDockBars: {
      const bool show = step.action == RestoreAction::kShowDockBars;
      for (HWND bar : {dockBig_.Handle(), dockTop_.Handle(), dockBottom_.Handle()})
        ShowWindow(bar, show ? SW_SHOW : SW_HIDE);
      if (show) bars_.ApplyArrangement();
      return;
    }
    case RestoreAction::kFloat:
      bars_.Arrangement().Float(step.palette, place.left, place.top);
      return;
    case RestoreAction::kDock:
      bars_.Arrangement().Dock(step.palette, step.site, place.left, place.top);
      return;
    case RestoreAction::kLayOutButtons:
      return;
    case RestoreAction::kHidePalette:
      bars_.Arrangement().SetVisible(step.palette, false);
      SetMenuChecked(PaletteMenuId(step.palette), false);
      return;
    case RestoreAction::kSetDockedPosition:
    case RestoreAction::kSetFloatingPosition:
      bars_.Arrangement().SetPosition(step.palette, step.rect.left, step.rect.top);
      return;
    case RestoreAction::kSetTreeWidth:
      dockCenter_.Layout().SetSize(viewObjectTreeTV_, step.value);
      dockCenter_.Layout().Apply();
      return;
    case RestoreAction::kSetInfoHeight:
      rightCenter_.Layout().SetSize(viewObjectInfoRE_, step.value);
      rightCenter_.Layout().Apply();
      return;
    case RestoreAction::kSetCheck: {
      const int item = SettingMenuId(step.item);
      // The view items show or hide their view with the check mark, as their clicks do.
      if (step.item == SettingItem::kShowNavigationTree) {
        if (MenuChecked(item) != step.checked) ShowNavigationTree1Click();
      } else if (step.item == SettingItem::kShowObjectInfo) {
        if (MenuChecked(item) != step.checked) ShowObjectInfo1Click();
      } else {
        SetMenuChecked(item, step.checked);
      }
      return;
    }
    case RestoreAction::kApplyTraps:
      TrapCTRLALTDEL1Click(0);
      return;
  }
}

void MainForm::SaveWorkspace() {
  Workspace workspace;
  // Closed from the taskbar while minimised, the window is off the screen; its restored place
  // is the one to keep.
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  const RECT window = IsIconic(*this) && GetWindowPlacement(*this, &placement)
                          ? placement.rcNormalPosition
                          : WindowRect();
  workspace.window = {window.left, window.top, window.right - window.left,
                      window.bottom - window.top};
  for (const Palette& palette : Palettes()) {
    workspace.palettes[static_cast<std::size_t>(palette.id)] = bars_.PlacementNow(palette.id);
  }
  WorkspaceSettings& s = workspace.settings;
  s.treeWidth = dockCenter_.Layout().GetSize(viewObjectTreeTV_);
  s.infoHeight = rightCenter_.Layout().GetSize(viewObjectInfoRE_);
  s.askBeforeTerminate = MenuChecked(CommandId(Command::kAskBefore1));
  s.showNavigationTree = MenuChecked(kMenuShowNavigationTree);
  s.showObjectInfo = MenuChecked(kMenuShowObjectInfo);
  s.addTrayIcon = MenuChecked(kMenuAddTrayIcon);
  s.trapCtrlAltDel = MenuChecked(kMenuTrapCtrlAltDel);
  s.trapCtrlAltShift = MenuChecked(kMenuTrapCtrlAltShift);
  s.trapLeftShiftRightShift = MenuChecked(kMenuTrapShiftShift);
  try {
    WriteWorkspace(services_.files, workspace);
  } catch (const Error&) {
    // The program closes all the same; the whole-file replace left the old file as it was.
  }
}

}  // namespace orvane::win32
