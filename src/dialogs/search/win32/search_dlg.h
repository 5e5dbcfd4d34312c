#pragma once
// "Search": finds objects by the text of their tree nodes and turns the object list into the
// found objects until the search is ended from the main window.

#include <windows.h>

#include "dialogs/search/search.h"
#include "platform/clock.h"
#include "winui/button.h"
#include "winui/dialog_base.h"
#include "winui/static_controls.h"

namespace orvane::win32 {

class SearchDlg : public winui::DialogBase {
 public:
  // Neither is owned; both must outlive the dialog.
  SearchDlg(SearchTarget& target, Locale& locale) : target_(target), locale_(locale) {}

  // Creates the window, hidden.
  void Create(HWND owner);
  // Unchecks and hides "Threads" and "Windows", then shows the window.
  void FormShow();

  // Handlers, public so that tests can drive the dialog as a person would.
  void ExactClick();
  void SearchClick();

  winui::Edit& Key() { return key_; }
  winui::CheckBox& Processes() { return processes_; }
  winui::CheckBox& Threads() { return threads_; }
  winui::CheckBox& Windows() { return windows_; }
  winui::CheckBox& Case() { return case_; }
  winui::CheckBox& Exact() { return exact_; }

 protected:
  void OnCreate() override;
  void OnOk() override { SearchClick(); }

 private:
  SearchTarget& target_;  // not owned
  Locale& locale_;        // not owned

  winui::Label keyLabel_;
  winui::Edit key_;
  winui::GroupBox objectType_;
  winui::CheckBox processes_;
  winui::CheckBox threads_;
  winui::CheckBox windows_;
  winui::GroupBox options_;
  winui::CheckBox case_;
  winui::CheckBox exact_;
  winui::Button search_;
  winui::Button cancel_;
};

}  // namespace orvane::win32
