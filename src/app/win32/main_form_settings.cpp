// The Settings menu's tray items and the Help menu.

#include "app/win32/main_form.h"

namespace orvane::win32 {

TrayMenuChecks MainForm::TrayChecks() const {
  return {MenuChecked(kMenuAddTrayIcon),
          {MenuChecked(kMenuTrapCtrlAltDel), MenuChecked(kMenuTrapCtrlAltShift),
           MenuChecked(kMenuTrapShiftShift)}};
}

void MainForm::SetTrayChecks(const TrayMenuChecks& checks) {
  SetMenuChecked(kMenuAddTrayIcon, checks.trayIcon);
  SetMenuChecked(kMenuTrapCtrlAltDel, checks.traps.ctrlAltDel);
  SetMenuChecked(kMenuTrapCtrlAltShift, checks.traps.ctrlAltShift);
  SetMenuChecked(kMenuTrapShiftShift, checks.traps.shiftShift);
}

void MainForm::Addtraybaricon1Click() {
  TrayMenuChecks checks = TrayChecks();
  services_.traySettings.AddTrayIconClick(checks);
  SetTrayChecks(checks);
}

void MainForm::TrapCTRLALTDEL1Click(int item) {
  TrayMenuChecks checks = TrayChecks();
  // The inverted mark stays even when "tray.dat" cannot be written.
  bool start = false;
  try {
    start = services_.traySettings.TrapClick(checks, TrapOfMenuId(item));
  } catch (...) {
    SetTrayChecks(checks);
    throw;
  }
  SetTrayChecks(checks);
  StartCompanionLater(start);
}

void MainForm::Help1Click() {
  services_.traySettings.OpenHelp();
}

}  // namespace orvane::win32
