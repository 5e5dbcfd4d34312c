#pragma once
// "Started by Windows at boot": the programs that Windows starts at log-on, with "Run",
// "Add Program" and "Remove Program". The list is built once, when the dialog is made at
// start-up; hiding the window loses nothing.

#include <windows.h>

#include <string>

#include "dialogs/autorun/autorun.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/registry.h"
#include "platform/win32/message_boxes.h"
#include "platform/win32/program_start.h"
#include "view/known_programs.h"
#include "winui/button.h"
#include "winui/dialog_base.h"
#include "winui/image_list.h"
#include "winui/list_view.h"
#include "winui/panel.h"
#include "winui/static_controls.h"

namespace orvane::win32 {

class AutorunDlg : public winui::DialogBase {
 public:
  // Builds the list. None is owned; all must outlive the dialog.
  AutorunDlg(Registry& registry, Files& files, Locale& locale, const KnownPrograms& programs);

  // Creates the window, hidden.
  void Create(HWND owner);
  // Shows the window, or brings it forward when it is shown.
  void FormShow();

  // Handlers, public so that tests can drive the dialog as a person would.
  void RunClick();
  void AddProgramClick();
  void OkClick();
  void CancelClick();
  void RemoveProgramClick();
  // What "Add Program" does once a file was chosen: the panel shows with its path.
  void ShowCommandPanel(const std::string& path);

  const StartupEntries& Entries() const { return entries_; }
  winui::ListView& List() { return list_; }
  winui::Panel& CommandPanel() { return commandPanel_; }
  winui::Edit& CommandEdit() { return commandEdit_; }
  bool CommandPanelShown() const { return commandShown_; }

 protected:
  void OnCreate() override;
  void OnSize(int width, int height) override;
  void OnOk() override;
  void OnCancel() override;

 private:
  void Place(int width, int height);
  void Relayout();
  void InsertRow(const StartupEntry& entry);
  void HideCommandPanel();

  Win32MessageBoxes boxes_;
  Win32ProgramStarter starter_;
  StartupEntries entries_;
  bool commandShown_ = false;

  winui::ImageList stateImages_;
  winui::ListView list_;
  winui::Button run_;
  winui::Button add_;
  winui::Button remove_;
  winui::Panel commandPanel_;
  winui::Edit commandEdit_;
  winui::Button ok_;
  winui::Button cancel_;
};

}  // namespace orvane::win32
