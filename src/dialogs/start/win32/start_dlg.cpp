#include "dialogs/start/win32/start_dlg.h"

#include "winui/file_dialogs.h"

namespace orvane::win32 {

namespace {

enum ControlId : int { kRunLabel = 100, kExePath, kRun, kBrowse, kClearList };
constexpr char kPlaceholder[] = "executable";

constexpr winui::LayoutRow kLayout[] = {
    {kRunLabel, 8, 7, 30, 16, "R&un:"},
    {kExePath, 40, 4, 312, 160},  // the height with the list dropped down
    {kRun, 12, 32, 75, 25, "&Run"},
    {kBrowse, 99, 32, 75, 25, "&Browse"},
    {kClearList, 186, 32, 75, 25, "C&lear List"},
    {IDCANCEL, 273, 32, 75, 25, "Cancel"},
};

consteval const winui::LayoutRow& Row(int id) {
  return winui::RowOf(kLayout, id);
}

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
  labelFont_ = winui::MakeFont("MS Sans Serif", Px(-13));
  runLabel_.Create(Row(kRunLabel).Args(*this, labelFont_), true);
  exePath_.Create(Row(kExePath).Args(*this));
  exePath_.onSelChange = [this](int index) { history_.Select(index); };
  // Typed text is neither run nor kept: once the box shows something else than the chosen
  // entry, Run starts nothing rather than a program the box does not show.
  exePath_.onEditChange = [this] { history_.Select(-1); };
  run_.Create(Row(kRun).Args(*this), true);
  run_.onClick = [this] { RunClick(); };
  // Enter presses Run, not the dialog manager's IDOK (which would only hide the dialog).
  SendMessage(DM_SETDEFID, kRun);
  browse_.Create(Row(kBrowse).Args(*this));
  browse_.onClick = [this] { BrowseClick(); };
  clearList_.Create(Row(kClearList).Args(*this));
  clearList_.onClick = [this] { ClearListClick(); };
  cancel_.Create(Row(IDCANCEL).Args(*this));
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
