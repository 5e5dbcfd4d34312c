// The Settings menu's tray items and the Help menu.

#include "app/win32/main_form.h"

namespace orvane::win32 {

void MainForm::Addtraybaricon1Click() {}

void MainForm::TrapCTRLALTDEL1Click(int) {}

void MainForm::Help1Click() {}

}  // namespace orvane::win32
