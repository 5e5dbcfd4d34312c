#include "dialogs/search/win32/search_dlg.h"

namespace orvane::win32 {

namespace {

enum ControlId : int {
  kKeyLabel = 100,
  kKey,
  kObjectType,
  kProcesses,
  kThreads,
  kWindows,
  kOptions,
  kCase,
  kExact
};

constexpr winui::LayoutRow kLayout[] = {
    {kKeyLabel, 8, 8, 234, 14, "Search &for:"},   {kKey, 8, 24, 234, 21},
    {kObjectType, 8, 52, 114, 80, "Object Type"}, {kProcesses, 16, 68, 100, 18, "&Processes"},
    {kThreads, 16, 88, 100, 18, "&Threads"},      {kWindows, 16, 108, 100, 18, "&Windows"},
    {kOptions, 128, 52, 114, 80, "Options"},      {kCase, 136, 68, 100, 18, "&Case sensitive"},
    {kExact, 136, 88, 100, 18, "E&xact match"},   {IDOK, 86, 140, 75, 25, "&Search"},
    {IDCANCEL, 167, 140, 75, 25, "Cancel"},
};

consteval const winui::LayoutRow& Row(int id) {
  return winui::RowOf(kLayout, id);
}

}  // namespace

void SearchDlg::Create(HWND owner) {
  DialogBase::Create({.owner = owner,
                      .caption = "Search",
                      .width = 250,
                      .height = 172,
                      .x = 233,
                      .y = 529,
                      .style = WS_POPUP | WS_CAPTION | WS_SYSMENU,
                      .exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST});
}

void SearchDlg::OnCreate() {
  keyLabel_.Create(Row(kKeyLabel).Args(*this), true);
  key_.Create(Row(kKey).Args(*this));
  objectType_.Create(Row(kObjectType).Args(*this));
  processes_.Create(Row(kProcesses).Args(*this));
  threads_.Create(Row(kThreads).Args(*this));
  windows_.Create(Row(kWindows).Args(*this));
  options_.Create(Row(kOptions).Args(*this));
  case_.Create(Row(kCase).Args(*this));
  exact_.Create(Row(kExact).Args(*this));
  exact_.onClick = [this] { ExactClick(); };
  search_.Create(Row(IDOK).Args(*this), true);
  cancel_.Create(Row(IDCANCEL).Args(*this));
  processes_.SetChecked(true);
  threads_.SetChecked(true);
  windows_.SetChecked(true);
}

void SearchDlg::FormShow() {
  threads_.SetChecked(false);
  threads_.Hide();
  windows_.SetChecked(false);
  windows_.Hide();
  Show();
  ::SetForegroundWindow(*this);
  key_.Focus();
}

void SearchDlg::ExactClick() {
  if (exact_.IsChecked()) case_.SetChecked(true);
}

void SearchDlg::SearchClick() {
  const SearchOptions options{.processes = processes_.IsChecked(),
                              .threads = threads_.IsChecked(),
                              .windows = windows_.IsChecked(),
                              .caseSensitive = case_.IsChecked(),
                              .exact = exact_.IsChecked()};
  RunSearch(target_, locale_, key_.GetText(), options);
  Hide();
}

}  // namespace orvane::win32
