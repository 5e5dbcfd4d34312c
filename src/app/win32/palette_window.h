#pragma once
// A tool palette: a panel of flat buttons, glyph above caption in the large layout and glyph
// alone in the small one, sized to its buttons.

#include <functional>
#include <memory>
#include <vector>

#include "app/palettes.h"
#include "winui/panel.h"
#include "winui/tool_button.h"

namespace orvane::win32 {

class PaletteWindow : public winui::Panel {
 public:
  // glyphs24 and glyphs32: the small and large layouts' glyph strips (not owned).
  void Create(HWND bar, const Palette& palette, HIMAGELIST glyphs24, HIMAGELIST glyphs32,
              std::function<void(Command)> onCommand);

  // Places the buttons for the layout and sizes the palette to them.
  void LayOut(PaletteLayout layout);
  PaletteLayout CurrentLayout() const { return layout_; }
  const Palette& Definition() const { return *palette_; }
  // The button with this component name, or nullptr (buttons not built yet are absent).
  winui::ToolButton* Button(std::string_view name);
  std::size_t ButtonCount() const { return buttons_.size(); }

 private:
  const Palette* palette_ = nullptr;  // not owned: static data
  HIMAGELIST glyphs24_ = nullptr;     // not owned
  HIMAGELIST glyphs32_ = nullptr;     // not owned
  std::vector<const PaletteButton*> shown_;
  std::vector<std::unique_ptr<winui::ToolButton>> buttons_;  // owned, in the order of shown_
  PaletteLayout layout_ = PaletteLayout::kLarge;
};

}  // namespace orvane::win32
