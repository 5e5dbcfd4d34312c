#include "dialogs/log/win32/log_dlg.h"

namespace orvane::win32 {

namespace {

// Below the text: the event boxes and the buttons.
constexpr int kPanelHeight = 97;

struct EventBox {
  const char* caption;
  uint8_t bit;
};
constexpr std::array<EventBox, 6> kEventBoxes{{{"P&rocess Add/Remove", kLogProcess},
                                               {"&Thread Add/Remove", kLogThread},
                                               {"&Window Add/Remove", kLogWindow},
                                               {"Process &Change", kLogProcessMod},
                                               {"Thread C&hange", kLogThreadMod},
                                               {"Window Ch&ange", kLogWindowMod}}};

enum ControlId : int { kDisp = 100, kEvents, kBoxes, kClear = kBoxes + 6 };

}  // namespace

LogDlg::LogDlg(RecordSink& sink, Clock& clock, Files& files)
    : files_(files), listener_(buffer_, clock) {
  sink.Register(&listener_);
}

void LogDlg::Create(HWND owner) {
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
  font_ = winui::MakeFixedFont("Courier", Px(-8));
  disp_.Create({.parent = *this, .id = kDisp, .font = font_});
  events_.Create({.parent = *this, .id = kEvents, .text = " Events to log "});
  // Made row by row, the order in which Tab visits them: the two boxes of a row side by side.
  for (const std::size_t i : {0u, 3u, 1u, 4u, 2u, 5u}) {
    boxes_[i].Create(
        {.parent = *this, .id = kBoxes + static_cast<int>(i), .text = kEventBoxes[i].caption});
    boxes_[i].onClick = [this] { EventBoxClick(); };
  }
  clear_.Create({.parent = *this, .id = kClear, .text = "C&lear Log"});
  clear_.onClick = [this] { ClearClick(); };
  strip_.Create(*this, *this, {.printWidth = 70, .gap = 6});
  const RECT client = ClientRect();
  Place(client.right, client.bottom);
}

void LogDlg::OnSize(int width, int height) {
  if (strip_.IsCreated()) Place(width, height);
}

void LogDlg::Place(int width, int height) {
  const int panel = height - Px(kPanelHeight);
  disp_.Move(0, 0, width, panel);
  events_.Move(Px(8), panel + Px(4), Px(288), Px(kPanelHeight - 10));
  for (std::size_t i = 0; i < boxes_.size(); ++i) {
    const int column = static_cast<int>(i / 3);
    const int row = static_cast<int>(i % 3);
    boxes_[i].Move(Px(16 + column * 144), panel + Px(22 + row * 22), Px(138), Px(20));
  }
  clear_.Move(width - Px(80), panel + Px(10), Px(75), strip_.Height());
  strip_.Place(width - strip_.Width() - Px(5), height - strip_.Height() - Px(8));
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

void LogDlg::SaveTo(const std::string& path) {
  buffer_.Flush();
  WriteLines(files_, path, disp_.Lines());
}

void LogDlg::PrintOn(HDC printer, const std::string& jobTitle) {
  buffer_.Flush();
  disp_.Print(printer, jobTitle);
}

void LogDlg::ClearClick() {
  buffer_.Flush();
  const auto& lines = disp_.Lines();
  disp_.SetLines(ClearedLog(lines.empty() ? std::nullopt : std::optional(lines.front())));
}

}  // namespace orvane::win32
