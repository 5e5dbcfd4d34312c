#pragma once
// A tool palette: a panel of flat buttons, glyph above caption in the large layout and glyph
// alone in the small one, sized to its buttons. Docked, a grip strip at its left drags it.

#include <functional>
#include <memory>
#include <vector>

#include "app/docking.h"
#include "app/palettes.h"
#include "app/win32/palette_dock.h"
#include "winui/gdi.h"
#include "winui/panel.h"
#include "winui/tool_button.h"

namespace orvane::win32 {

class PaletteWindow : public winui::Panel {
 public:
  // glyphs24 and glyphs32: the small and large layouts' glyph strips (not owned).
  void Create(HWND bar, const Palette& palette, HIMAGELIST glyphs24, HIMAGELIST glyphs32,
              std::function<void(Command)> onCommand);
  // The display's DPI and the glyph strips drawn for it (not owned); LayOut applies them.
  void SetScale(int dpi, HIMAGELIST glyphs24, HIMAGELIST glyphs32);

  // Places the buttons for the layout, after the grip when docked, and sizes the palette to
  // them.
  void LayOut(PaletteLayout layout, bool docked);
  PaletteLayout CurrentLayout() const { return layout_; }
  const Palette& Definition() const { return *palette_; }
  // The button with this component name, or nullptr (buttons not built yet are absent).
  winui::ToolButton* Button(std::string_view name);
  std::size_t ButtonCount() const { return buttons_.size(); }

  DragTracker drag;  // grip drags

 protected:
  bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

 private:
  void Paint(HDC dc);
  int GripWidth() const { return Scale(kGripWidth, dpi_); }

  const Palette* palette_ = nullptr;  // not owned: static data
  HIMAGELIST glyphs24_ = nullptr;     // not owned
  HIMAGELIST glyphs32_ = nullptr;     // not owned
  std::vector<const PaletteButton*> shown_;
  std::vector<std::unique_ptr<winui::ToolButton>> buttons_;  // owned, in the order of shown_
  PaletteLayout layout_ = PaletteLayout::kLarge;
  bool docked_ = true;
  int dpi_ = kBaseDpi;
  winui::Brush brush_;  // owned: the background
};

}  // namespace orvane::win32
