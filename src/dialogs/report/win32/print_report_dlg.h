#pragma once
// "Print Object List": the object list as it stands when the dialog opens, as a plain-text
// report that the user may edit, print or save.

#include <windows.h>

#include <string>

#include "dialogs/report/report.h"
#include "dialogs/win32/print_save_strip.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "winui/dialog_base.h"
#include "winui/gdi.h"
#include "winui/rich_edit.h"

namespace orvane::win32 {

class PrintReportDlg : public winui::DialogBase, public PrintSaveTarget {
 public:
  // None is owned; all must outlive the dialog.
  PrintReportDlg(ReportSource& source, Clock& clock, Files& files)
      : source_(source), clock_(clock), files_(files) {}

  // Creates the window, hidden; owner is the main window, whose title names print jobs.
  void Create(HWND owner);
  // Builds the report and shows the window; one already shown keeps its report.
  void FormShow();

  void SaveTo(const std::string& path) override;

  winui::RichEdit& Report() { return report_; }

 protected:
  void OnCreate() override;
  void OnSize(int width, int height) override;
  // Enter belongs to the text: no button is pressed and the dialog stays.
  void OnOk() override {}

 private:
  void PrintOn(HDC printer, const std::string& jobTitle) override;
  void BuildReport();

  ReportSource& source_;  // not owned
  Clock& clock_;          // not owned
  Files& files_;          // not owned

  winui::Font font_;
  winui::RichEdit report_;
  PrintSaveStrip strip_;
};

}  // namespace orvane::win32
