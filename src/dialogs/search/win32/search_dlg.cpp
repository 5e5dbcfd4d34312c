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
  keyLabel_.Create({.parent = *this,
                    .id = kKeyLabel,
                    .x = 8,
                    .y = 8,
                    .width = 234,
                    .height = 14,
                    .text = "Search for:"});
  key_.Create({.parent = *this, .id = kKey, .x = 8, .y = 24, .width = 234, .height = 21});
  objectType_.Create({.parent = *this,
                      .id = kObjectType,
                      .x = 8,
                      .y = 52,
                      .width = 114,
                      .height = 80,
                      .text = "Object Type"});
  processes_.Create({.parent = *this,
                     .id = kProcesses,
                     .x = 16,
                     .y = 68,
                     .width = 100,
                     .height = 18,
                     .text = "Processes"});
  threads_.Create({.parent = *this,
                   .id = kThreads,
                   .x = 16,
                   .y = 88,
                   .width = 100,
                   .height = 18,
                   .text = "Threads"});
  windows_.Create({.parent = *this,
                   .id = kWindows,
                   .x = 16,
                   .y = 108,
                   .width = 100,
                   .height = 18,
                   .text = "Windows"});
  options_.Create({.parent = *this,
                   .id = kOptions,
                   .x = 128,
                   .y = 52,
                   .width = 114,
                   .height = 80,
                   .text = "Options"});
  case_.Create({.parent = *this,
                .id = kCase,
                .x = 136,
                .y = 68,
                .width = 100,
                .height = 18,
                .text = "Case sensitive"});
  exact_.Create({.parent = *this,
                 .id = kExact,
                 .x = 136,
                 .y = 88,
                 .width = 100,
                 .height = 18,
                 .text = "Exact match"});
  exact_.onClick = [this] { ExactClick(); };
  search_.Create(
      {.parent = *this, .id = IDOK, .x = 86, .y = 140, .width = 75, .height = 25, .text = "Search"},
      true);
  cancel_.Create({.parent = *this,
                  .id = IDCANCEL,
                  .x = 167,
                  .y = 140,
                  .width = 75,
                  .height = 25,
                  .text = "Cancel"});
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
