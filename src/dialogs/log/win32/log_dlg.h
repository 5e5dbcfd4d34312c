#pragma once
// "Log events": the text area the event log is written to, the six boxes that choose what is
// logged, and saving, printing and clearing the log. Made at start-up before the first cycle
// and kept until exit; Cancel only hides it, and logging goes on while it is hidden.

#include <windows.h>

#include <array>
#include <string>

#include "dialogs/log/log.h"
#include "dialogs/win32/print_save_strip.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "snapshot/record_sink.h"
#include "view/log_listener.h"
#include "winui/button.h"
#include "winui/dialog_base.h"
#include "winui/gdi.h"
#include "winui/line_view.h"

namespace orvane::win32 {

class LogDlg : public winui::DialogBase, public PrintSaveTarget {
 public:
  // Makes the log listener and registers it with the sink, after the listeners already there.
  // None is owned; all must outlive the dialog.
  LogDlg(RecordSink& sink, Clock& clock, Files& files);

  // Creates the window, hidden; owner is the main window, whose title names print jobs.
  void Create(HWND owner);
  // Shows the window, or brings it forward when it is shown.
  void FormShow();
  // The cycle has delivered its last record: its lines reach the text area in one append.
  void CycleEnded() { buffer_.Flush(); }

  // Handlers, public so that tests can drive the dialog as a person would.
  void EventBoxClick();
  void ClearClick();
  void SaveTo(const std::string& path) override;

  LogListener& Listener() { return listener_; }
  // Where the listener's lines go until the cycle ends.
  LogOutput& Output() { return buffer_; }
  winui::LineView& Disp() { return disp_; }
  // The six boxes in the order of their bits: Process, Thread, Window, then the changes.
  winui::CheckBox& EventBox(std::size_t bit) { return boxes_.at(bit); }

 protected:
  void OnCreate() override;
  void OnSize(int width, int height) override;
  // Enter belongs to the text: no button is pressed and the dialog stays.
  void OnOk() override {}

 private:
  void PrintOn(HDC printer, const std::string& jobTitle) override;
  void Place(int width, int height);

  Files& files_;  // not owned
  LogBuffer buffer_{
      [this](std::vector<std::string>&& lines) { disp_.AppendLines(std::move(lines)); }};
  LogListener listener_;

  winui::Font font_;
  winui::LineView disp_;
  winui::GroupBox events_;
  std::array<winui::CheckBox, 6> boxes_;
  winui::Button clear_;
  PrintSaveStrip strip_;
};

}  // namespace orvane::win32
