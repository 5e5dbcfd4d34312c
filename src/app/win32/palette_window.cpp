#include "app/win32/palette_window.h"

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
  LayOut(PaletteLayout::kLarge);
}

void PaletteWindow::LayOut(PaletteLayout layout) {
  layout_ = layout;
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    const ButtonPlace place = PlaceButton(*shown_[i], static_cast<int32_t>(i), layout);
    winui::ToolButton& button = *buttons_[i];
    button.SetImage(layout == PaletteLayout::kLarge ? glyphs32_ : glyphs24_, shown_[i]->glyph);
    button.SetCaption(std::string(place.caption));
    button.Move(place.left, place.top, place.size, place.size);
  }
  const int32_t size = ButtonSize(layout);
  Move(RectInParent().left, RectInParent().top,
       PaletteWidth(static_cast<int32_t>(buttons_.size()), layout), size);
}

winui::ToolButton* PaletteWindow::Button(std::string_view name) {
  for (std::size_t i = 0; i < shown_.size(); ++i) {
    if (shown_[i]->name == name) return buttons_[i].get();
  }
  return nullptr;
}

}  // namespace orvane::win32
