#pragma once
// The command-line dialog: a one-line message and "Cancel" over the hidden main window while
// the countdown runs; then the program ends. Made at start-up, shown only for a command line.

#include <windows.h>

#include <string>
#include <vector>

#include "dialogs/cmdline/cmdline.h"
#include "winui/button.h"
#include "winui/dialog_base.h"
#include "winui/gdi.h"
#include "winui/static_controls.h"

namespace orvane::win32 {

class CmdLineDlg : public winui::DialogBase, private CmdLineHost {
 public:
  // None is owned; all must outlive the dialog.
  explicit CmdLineDlg(CmdLineServices services) : run_(*this, services) {}

  // Creates the window, hidden; owner is the main window, whose title becomes the caption.
  void Create(HWND owner);
  // Starts the countdown for these arguments (those after the program name) and shows it.
  void FormShow(const std::vector<std::string>& arguments);

  // Handlers, public so that tests can drive the dialog as a person would.
  void TimerTimer() { run_.Tick(); }
  void CancelClick() { EndProgram(); }

  const CmdLineRun& Run() const { return run_; }
  winui::Label& Msg() { return msg_; }
  winui::Button& Cancel() { return cancel_; }

 protected:
  void OnCreate() override;
  void OnTimer(UINT_PTR id) override;

 private:
  void SetMessage(const std::string& text) override { msg_.SetText(text); }
  void HideCancel() override { cancel_.Hide(); }
  void HideMainWindow() override { ::ShowWindow(owner_, SW_HIDE); }
  void EndProgram() override { ::PostQuitMessage(0); }

  CmdLineRun run_;
  HWND owner_ = nullptr;  // not owned

  winui::Font font_;
  winui::Label msg_;
  winui::Button cancel_;
};

}  // namespace orvane::win32
