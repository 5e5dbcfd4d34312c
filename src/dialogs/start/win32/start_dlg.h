#pragma once
// "Start Program": runs a program chosen from the history of the programs chosen so far.
// Made hidden at start-up, when it loads the history; it stays open after a start until the
// user presses Cancel.

#include <windows.h>

#include <functional>
#include <string>

#include "dialogs/start/start.h"
#include "platform/files.h"
#include "platform/program_start.h"
#include "winui/button.h"
#include "winui/combo_box.h"
#include "winui/dialog_base.h"
#include "winui/gdi.h"
#include "winui/static_controls.h"

namespace orvane::win32 {

class StartDlg : public winui::DialogBase {
 public:
  // Loads the history from historyPath ("start.dat" in the program's directory). files and
  // starter are not owned and must outlive the dialog.
  StartDlg(Files& files, ProgramStarter& starter, std::string historyPath);

  // Creates the window, hidden, showing the history with its last entry selected.
  void Create(HWND owner);
  // Shows the window, or brings it forward when it is shown.
  void FormShow();

  // Handlers, public so that tests can drive the dialog as a person would.
  void RunClick();
  void BrowseClick();
  void ClearListClick();
  // What Browse does with the file the user chose: appends it, selects it and saves.
  void ProgramChosen(const std::string& path);

  winui::ComboBox& ExePath() { return exePath_; }
  winui::Button& Run() { return run_; }
  const RunHistory& History() const { return history_; }

 protected:
  void OnCreate() override;

 private:
  // Puts the history into the list and its selection into the box, after any change, even
  // one whose saving failed.
  void ShowHistory();
  void ChangeHistory(const std::function<void()>& change);

  ProgramStarter& starter_;  // not owned
  RunHistory history_;

  winui::Font labelFont_;
  winui::Label runLabel_;
  winui::ComboBox exePath_;
  winui::Button run_;
  winui::Button browse_;
  winui::Button clearList_;
  winui::Button cancel_;
};

}  // namespace orvane::win32
