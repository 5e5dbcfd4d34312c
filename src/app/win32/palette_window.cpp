#include "app/win32/palette_window.h"

#include <windowsx.h>

namespace orvane::win32 {

namespace {

COLORREF PaletteColour() {
  return static_cast<COLORREF>(kPaletteColour);
}

}  // namespace

void PaletteWindow::Create(HWND bar, const Palette& palette, HIMAGELIST glyphs24,
                           HIMAGELIST glyphs32, std::function<void(Command)> onCommand) {
  palette_ = &palette;
  glyphs24_ = glyphs24;
  glyphs32_ = glyphs32;
  brush_.Reset(::CreateSolidBrush(PaletteColour()));
  winui::Panel::Create({.parent = bar, .background = PaletteColour()});
  int id = 1;
  for (const PaletteButton& button : palette.buttons) {
    shown_.push_back(&button);
    auto tool = std::make_unique<winui::ToolButton>();
    tool->Create({.parent = *this,
                  .id = id++,
                  .images = glyphs32_,
                  .image = button.glyph,
                  .background = PaletteColour(),
                  .hint = std::string(button.hint)});
    const Command command = button.command;
    tool->onClick = [onCommand, command] { onCommand(command); };
    buttons_.push_back(std::move(tool));
  }
  LayOut(PaletteLayout::kLarge, true);
}

void PaletteWindow::SetScale(int dpi, HIMAGELIST glyphs24, HIMAGELIST glyphs32) {
  dpi_ = dpi;
  glyphs24_ = glyphs24;
  glyphs32_ = glyphs32;
}

void PaletteWindow::LayOut(PaletteLayout layout, bool docked) {
  layout_ = layout;
  docked_ = docked;
  const int grip = docked ? GripWidth() : 0;
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    const ButtonPlace place = PlaceButton(*shown_[i], static_cast<int32_t>(i), layout, dpi_);
    winui::ToolButton& button = *buttons_[i];
    button.SetImage(layout == PaletteLayout::kLarge ? glyphs32_ : glyphs24_, shown_[i]->glyph);
    button.SetCaption(std::string(place.caption));
    button.Move(grip + place.left, place.top, place.size, place.size);
  }
  const int32_t size = ButtonSize(layout, dpi_);
  Move(RectInParent().left, RectInParent().top,
       grip + PaletteWidth(static_cast<int32_t>(buttons_.size()), layout, dpi_), size);
  Invalidate();
}

winui::ToolButton* PaletteWindow::Button(std::string_view name) {
  for (std::size_t i = 0; i < shown_.size(); ++i) {
    if (shown_[i]->name == name) return buttons_[i].get();
  }
  return nullptr;
}

bool PaletteWindow::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  if (docked_ && msg == WM_LBUTTONDOWN && GET_X_LPARAM(lp) < GripWidth()) {
    POINT at{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    ::ClientToScreen(*this, &at);
    drag.Begin(*this, at);
    result = 0;
    return true;
  }
  if (drag.Handle(*this, msg, lp)) {
    result = 0;
    return true;
  }
  if (msg == WM_SETCURSOR && docked_ && LOWORD(lp) == HTCLIENT) {
    POINT at;
    ::GetCursorPos(&at);
    ::ScreenToClient(*this, &at);
    if (at.x < GripWidth()) {
      ::SetCursor(::LoadCursor(nullptr, IDC_SIZEALL));
      result = TRUE;
      return true;
    }
  }
  if (winui::HandleOwnPaint(*this, msg, wp, result, [this](HDC dc) { Paint(dc); })) return true;
  return winui::Panel::OnMessage(msg, wp, lp, result);
}

void PaletteWindow::Paint(HDC dc) {
  const RECT r = ClientRect();
  ::FillRect(dc, &r, brush_);
  if (!docked_) return;
  // Two raised ridges, as docking toolbars mark the handle they are dragged by.
  const int ridgeWidth = Scale(3, dpi_);
  for (int x : {Scale(2, dpi_), Scale(5, dpi_)}) {
    RECT ridge{x, Scale(2, dpi_), x + ridgeWidth, r.bottom - Scale(2, dpi_)};
    ::DrawEdge(dc, &ridge, BDR_RAISEDINNER, BF_RECT);
  }
}

}  // namespace orvane::win32
