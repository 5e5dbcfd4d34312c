// The main window's side of the tool dialogs.
#include "app/win32/main_form.h"

namespace orvane::win32 {

void MainForm::CreateDialogs() {
  logDlg_->Create(*this);
  searchDlg_->Create(*this);
  printReportDlg_->Create(*this);
  autorunDlg_->Create(*this);
  cmdLineDlg_->Create(*this);
  startDlg_->Create(*this);
  aboutDlg_->Create(*this);
}

}  // namespace orvane::win32
