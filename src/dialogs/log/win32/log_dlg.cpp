#include "dialogs/log/win32/log_dlg.h"

#include "winui/file_dialogs.h"
#include "winui/printing.h"

namespace orvane::win32 {

namespace {

constexpr int kStripHeight = 97;

struct EventBox {
  const char* caption;
  uint8_t bit;
};
constexpr std::array<EventBox, 6> kEventBoxes{{{"Process Add/Remove", kLogProcess},
                                               {"Thread Add/Remove", kLogThread},
                                               {"Window Add/Remove", kLogWindow},
                                               {"Process Change", kLogProcessMod},
                                               {"Thread Change", kLogThreadMod},
                                               {"Window Change", kLogWindowMod}}};

enum ControlId : int { kDisp = 100, kEvents, kBoxes, kClear = kBoxes + 6, kPrint, kSave };

}  // namespace

LogDlg::LogDlg(RecordSink& sink, Clock& clock, Files& files)
    : files_(files), listener_(buffer_, clock) {
  sink.Register(&listener_);
}

void LogDlg::Create(HWND owner) {
  owner_ = owner;
  DialogBase::Create({.owner = owner,
                      .caption = "Log events",
                      .width = 554,
                      .height = 436,
                      .outerSize = true,
                      .x = 247,
                      .y = 173,
                      .style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME,
                      .exStyle = WS_EX_TOPMOST});
}

void LogDlg::OnCreate() {
  font_ = winui::MakeFixedFont("Courier", -8);
  disp_.Create({.parent = *this, .id = kDisp, .font = font_});
  events_.Create({.parent = *this, .id = kEvents, .text = " Events to log "});
  for (std::size_t i = 0; i < boxes_.size(); ++i) {
    boxes_[i].Create(
        {.parent = *this, .id = kBoxes + static_cast<int>(i), .text = kEventBoxes[i].caption});
    boxes_[i].onClick = [this] { EventBoxClick(); };
  }
  clear_.Create({.parent = *this, .id = kClear, .text = "Clear Log"});
  clear_.onClick = [this] { ClearClick(); };
  print_.Create({.parent = *this, .id = kPrint, .text = "Print"});
  print_.onClick = [this] { PrintClick(); };
  save_.Create({.parent = *this, .id = kSave, .text = "Save To File"});
  save_.onClick = [this] { SaveClick(); };
  cancel_.Create({.parent = *this, .id = IDCANCEL, .text = "Cancel"});
  const RECT client = ClientRect();
  Place(client.right, client.bottom);
}

void LogDlg::OnSize(int width, int height) {
  if (cancel_.Handle()) Place(width, height);
}

void LogDlg::Place(int width, int height) {
  const int strip = height - kStripHeight;
  disp_.Move(0, 0, width, strip);
  events_.Move(8, strip + 4, 288, kStripHeight - 10);
  for (std::size_t i = 0; i < boxes_.size(); ++i) {
    const int column = static_cast<int>(i / 3);
    const int row = static_cast<int>(i % 3);
    boxes_[i].Move(16 + column * 144, strip + 22 + row * 22, 138, 20);
  }
  constexpr int kButtonHeight = 25;
  const int bottom = height - kButtonHeight - 8;
  clear_.Move(width - 80, strip + 10, 75, kButtonHeight);
  cancel_.Move(width - 80, bottom, 75, kButtonHeight);
  save_.Move(width - 171, bottom, 85, kButtonHeight);
  print_.Move(width - 247, bottom, 70, kButtonHeight);
}

void LogDlg::FormShow() {
  Show();
  ::SetForegroundWindow(*this);
}

void LogDlg::EventBoxClick() {
  uint8_t flags = 0;
  for (std::size_t i = 0; i < boxes_.size(); ++i) {
    if (boxes_[i].IsChecked()) flags |= kEventBoxes[i].bit;
  }
  listener_.LogFlags = flags;
}

void LogDlg::SaveClick() {
  const auto path = winui::ChooseTextFileToSave(*this);
  if (path) SaveTo(*path);
}

void LogDlg::SaveTo(const std::string& path) {
  buffer_.Flush();
  WriteLines(files_, path, disp_.Lines());
}

void LogDlg::PrintClick() {
  buffer_.Flush();
  winui::PrinterDc printer = winui::ChoosePrinter(*this);
  if (printer) disp_.Print(printer.Get(), JobTitle());
}

std::string LogDlg::JobTitle() const {
  return "Printed by " + winui::Window(owner_).GetText();
}

void LogDlg::ClearClick() {
  buffer_.Flush();
  const auto& lines = disp_.Lines();
  disp_.SetLines(ClearedLog(lines.empty() ? std::nullopt : std::optional(lines.front())));
}

}  // namespace orvane::win32
