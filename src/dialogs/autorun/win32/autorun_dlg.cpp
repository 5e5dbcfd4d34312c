#include "dialogs/autorun/win32/autorun_dlg.h"

#include "res/resource.h"
#include "winui/file_dialogs.h"

namespace orvane::win32 {

namespace {

enum ControlId : int {
  kList = 100,
  kRun,
  kAdd,
  kRemove,
  kCommandPanel,
  kCommandEdit,
  kOk,
  kCancel
};

constexpr int kButtonWidth = 97;
constexpr int kButtonHeight = 25;
constexpr int kStripHeight = kButtonHeight + 8;

// The object icons' process and system-process pictures stand for the two marks.
constexpr int kStateImages[2] = {3, 4};

}  // namespace

AutorunDlg::AutorunDlg(Registry& registry, Files& files, Locale& locale,
                       const KnownPrograms& programs)
    : entries_(registry, files, boxes_, starter_, locale, programs) {}

void AutorunDlg::Create(HWND owner) {
  DialogBase::Create({.owner = owner,
                      .caption = "Started by Windows at boot",
                      .width = 311,
                      .height = 248,
                      .outerSize = true,
                      .x = 355,
                      .y = 320,
                      .style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME,
                      .exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST});
  // Boxes and started programs belong to this window, which stays on top of the main one.
  boxes_.SetOwner(*this);
  starter_.SetOwner(*this);
}

void AutorunDlg::OnCreate() {
  stateImages_ = winui::ImageList::FromResource(IDB_VIEW_OBJECT_ICONS);
  list_.Create({.parent = *this, .id = kList, .style = LVS_SINGLESEL | LVS_NOSORTHEADER});
  list_.SetStateImages(stateImages_);
  list_.AddColumn("Executable", Px(100));
  for (const StartupEntry& entry : entries_.Rows()) InsertRow(entry);

  run_.Create({.parent = *this, .id = kRun, .text = "&Run"});
  run_.onClick = [this] { RunClick(); };
  add_.Create({.parent = *this, .id = kAdd, .text = "&Add Program"});
  add_.onClick = [this] { AddProgramClick(); };
  remove_.Create({.parent = *this, .id = kRemove, .text = "R&emove Program"});
  remove_.onClick = [this] { RemoveProgramClick(); };

  commandPanel_.Create({.parent = *this, .id = kCommandPanel, .visible = false});
  commandEdit_.Create({.parent = commandPanel_, .id = kCommandEdit});
  ok_.Create({.parent = commandPanel_, .id = kOk, .text = "&OK"});
  ok_.onClick = [this] { OkClick(); };
  cancel_.Create({.parent = commandPanel_, .id = kCancel, .text = "Cancel"});
  cancel_.onClick = [this] { CancelClick(); };
  commandPanel_.onResize = [this](int width, int) {
    const int buttons = width - Px(2 * (75 + 4));
    commandEdit_.Move(Px(4), Px(6), buttons - Px(8), Px(21));
    ok_.Move(buttons, Px(4), Px(75), Px(kButtonHeight));
    cancel_.Move(buttons + Px(79), Px(4), Px(75), Px(kButtonHeight));
  };
  Relayout();
}

void AutorunDlg::OnSize(int width, int height) {
  if (cancel_.Handle()) Place(width, height);
}

void AutorunDlg::Place(int width, int height) {
  const int stripHeight = Px(kStripHeight);
  const int buttonWidth = Px(kButtonWidth);
  const int buttonHeight = Px(kButtonHeight);
  const int panel = commandShown_ ? stripHeight : 0;
  const int strip = height - panel - stripHeight;
  list_.Move(0, 0, width, strip);
  list_.SetColumnWidth(0, LVSCW_AUTOSIZE_USEHEADER);
  run_.Move(Px(4), strip + Px(4), buttonWidth, buttonHeight);
  add_.Move((width - buttonWidth) / 2, strip + Px(4), buttonWidth, buttonHeight);
  remove_.Move(width - buttonWidth - Px(4), strip + Px(4), buttonWidth, buttonHeight);
  commandPanel_.Move(0, height - panel, width, stripHeight);
}

void AutorunDlg::InsertRow(const StartupEntry& entry) {
  list_.Insert({.text = entry.command, .stateImage = kStateImages[entry.systemMark]});
}

void AutorunDlg::FormShow() {
  Show();
  ::SetForegroundWindow(*this);
}

void AutorunDlg::RunClick() {
  entries_.Run(list_.NextSelected());
}

void AutorunDlg::AddProgramClick() {
  const auto path = winui::ChooseOpenFile({.owner = *this, .filter = "Program|*.exe"});
  if (path) ShowCommandPanel(*path);
}

void AutorunDlg::ShowCommandPanel(const std::string& path) {
  commandEdit_.SetText(path);
  commandShown_ = true;
  commandPanel_.Show();
  Relayout();
  commandEdit_.Focus();
}

void AutorunDlg::HideCommandPanel() {
  commandShown_ = false;
  commandPanel_.Hide();
  Relayout();
}

void AutorunDlg::Relayout() {
  const RECT client = ClientRect();
  Place(client.right, client.bottom);
  // The buttons move in one go with the list; without this, the strip stays blank until the
  // window is next painted whole.
  ::RedrawWindow(*this, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void AutorunDlg::OkClick() {
  HideCommandPanel();
  if (entries_.Add(commandEdit_.GetText())) InsertRow(entries_.Rows().back());
}

void AutorunDlg::CancelClick() {
  HideCommandPanel();
}

void AutorunDlg::RemoveProgramClick() {
  const int index = list_.NextSelected();
  if (entries_.Remove(index)) list_.Delete(index);
}

void AutorunDlg::OnOk() {
  if (commandShown_) OkClick();
}

void AutorunDlg::OnCancel() {
  if (commandShown_) {
    CancelClick();
  } else {
    End(IDCANCEL);
  }
}

}  // namespace orvane::win32
