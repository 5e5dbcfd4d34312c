#include "dialogs/cmdline/win32/cmd_line_dlg.h"

namespace orvane::win32 {

namespace {

constexpr UINT_PTR kTimer = 1;
constexpr UINT kTimerInterval = 1000;

enum ControlId : int { kMsg = 100, kCancel };

}  // namespace

void CmdLineDlg::Create(HWND owner) {
  owner_ = owner;
  DialogBase::Create({.owner = owner,
                      .caption = "",
                      .width = 346,
                      .height = 70,
                      .x = 363,
                      .y = 365,
                      .style = WS_POPUP | WS_CAPTION | WS_SYSMENU,
                      .exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST});
}

void CmdLineDlg::OnCreate() {
  font_ = winui::MakeFont("MS Sans Serif", Px(-13));
  // The blanks keep the label's width for the longer messages that follow; one line, which
  // a wrap at the blanks would push the message's end off.
  msg_.Create({.parent = *this,
               .id = kMsg,
               .x = Px(8),
               .y = Px(8),
               .width = Px(330),
               .height = Px(18),
               .text = std::string(kCmdLineFirstMessage) + std::string(40, ' '),
               .style = SS_LEFTNOWORDWRAP,
               .font = font_});
  // Not IDCANCEL: the close box and Escape only hide the dialog, "Cancel" ends the program.
  cancel_.Create({.parent = *this,
                  .id = kCancel,
                  .x = Px(136),
                  .y = Px(36),
                  .width = Px(75),
                  .height = Px(25),
                  .text = "Cancel"});
  cancel_.onClick = [this] { CancelClick(); };
}

void CmdLineDlg::FormShow(const std::vector<std::string>& arguments) {
  SetTimer(kTimer, kTimerInterval);
  SetText(winui::Window(owner_).GetText());
  run_.FormShow(arguments);
  Show();
}

void CmdLineDlg::OnTimer(UINT_PTR id) {
  if (id == kTimer) TimerTimer();
}

}  // namespace orvane::win32
