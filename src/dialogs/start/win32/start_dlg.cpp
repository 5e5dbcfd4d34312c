#include "dialogs/start/win32/start_dlg.h"

#include "winui/file_dialogs.h"

namespace orvane::win32 {

namespace {

enum ControlId : int { kRunLabel = 100, kExePath, kRun, kBrowse, kClearList };
constexpr char kPlaceholder[] = "executable";

}  // namespace

StartDlg::StartDlg(Files& files, ProgramStarter& starter, std::string historyPath)
    : starter_(starter), history_(files, std::move(historyPath)) {
  history_.Load();
}

void StartDlg::Create(HWND owner) {
  DialogBase::Create({.owner = owner,
                      .caption = "Start Program",
                      .width = 360,
                      .height = 62,
                      .x = 320,
                      .y = 406,
                      .style = WS_POPUP | WS_CAPTION | WS_SYSMENU,
                      .exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST});
}

void StartDlg::OnCreate() {
  labelFont_ = winui::MakeFont("MS Sans Serif", -13);
  runLabel_.Create({.parent = *this,
                    .id = kRunLabel,
                    .x = 8,
                    .y = 7,
                    .width = 30,
                    .height = 16,
                    .text = "Run:",
                    .font = labelFont_});
  exePath_.Create({.parent = *this, .id = kExePath, .x = 40, .y = 4, .width = 312, .height = 160});
  exePath_.onSelChange = [this](int index) { history_.Select(index); };
  // Typed text is neither run nor kept: once the box shows something else than the chosen
  // entry, Run starts nothing rather than a program the box does not show.
  exePath_.onEditChange = [this] { history_.Select(-1); };
  constexpr int kTop = 32;
  run_.Create(
      {.parent = *this, .id = kRun, .x = 12, .y = kTop, .width = 75, .height = 25, .text = "Run"},
      true);
  run_.onClick = [this] { RunClick(); };
  browse_.Create({.parent = *this,
                  .id = kBrowse,
                  .x = 99,
                  .y = kTop,
                  .width = 75,
                  .height = 25,
                  .text = "Browse"});
  browse_.onClick = [this] { BrowseClick(); };
  clearList_.Create({.parent = *this,
                     .id = kClearList,
                     .x = 186,
                     .y = kTop,
                     .width = 75,
                     .height = 25,
                     .text = "Clear List"});
  clearList_.onClick = [this] { ClearListClick(); };
  cancel_.Create({.parent = *this,
                  .id = IDCANCEL,
                  .x = 273,
                  .y = kTop,
                  .width = 75,
                  .height = 25,
                  .text = "Cancel"});
  ShowHistory();
}

void StartDlg::FormShow() {
  Show();
  ::SetForegroundWindow(*this);
}

void StartDlg::ShowHistory() {
  exePath_.Clear();
  for (const std::string& entry : history_.Entries()) exePath_.Add(entry);
  if (history_.Selected() >= 0)
    exePath_.Select(history_.Selected());
  else
    exePath_.SetText(kPlaceholder);
}

void StartDlg::RunClick() {
  history_.Run(starter_);
}

void StartDlg::BrowseClick() {
  const auto path =
      winui::ChooseOpenFile({.owner = *this, .filter = kProgramFilter, .defaultExtension = "exe"});
  if (path) ProgramChosen(*path);
}

void StartDlg::ProgramChosen(const std::string& path) {
  ChangeHistory([&] { history_.Add(path); });
}

void StartDlg::ClearListClick() {
  ChangeHistory([&] { history_.Clear(); });
}

void StartDlg::ChangeHistory(const std::function<void()>& change) {
  // The list follows the history also when saving it failed and the error goes on up.
  struct Refresh {
    StartDlg& dialog;
    ~Refresh() { dialog.ShowHistory(); }
  } refresh{*this};
  change();
}

}  // namespace orvane::win32
