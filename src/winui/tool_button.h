#pragma once
// A flat tool-palette button: the palette's colour until the mouse is over it, then a raised
// edge (sunken while pressed); its glyph centred, above the caption when there is one. A click
// is sent to the parent as BN_CLICKED like any button's, and reaches onClick by reflection.
// Its window text, what screen readers and automation read, is the caption, or the hint while
// the caption is empty (a glyph-only button).

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <functional>
#include <string>

#include "winui/gdi.h"
#include "winui/reflect.h"
#include "winui/window_base.h"

namespace orvane::winui {

struct ToolButtonArgs {
  HWND parent = nullptr;  // not owned
  int id = 0;
  int x = 0;
  int y = 0;
  int width = 48;
  int height = 48;
  std::string caption{};        // empty: the glyph alone, centred
  HIMAGELIST images = nullptr;  // not owned: the glyphs
  int image = -1;               // -1: no glyph
  COLORREF background = ::GetSysColor(COLOR_BTNFACE);
  HFONT font = nullptr;  // not owned; nullptr: the parent's font
  std::string hint{};    // tooltip; empty: none
  bool visible = true;
};

class ToolButton : public WindowBase, public ReflectTarget {
 public:
  ToolButton() = default;
  ~ToolButton() override;

  void Create(const ToolButtonArgs& args);

  // The text painted under the glyph.
  void SetCaption(const std::string& caption);
  const std::string& Caption() const { return caption_; }
  void SetImage(HIMAGELIST images, int image);
  void SetBackground(COLORREF colour);
  void SetHint(const std::string& hint);
  // Sends the click as the mouse would.
  void Click();

  std::function<void()> onClick;  // empty: the click reaches the parent's OnCommand

  bool OnReflectedCommand(int code) override;

 protected:
  bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

 private:
  void Paint(HDC dc);
  bool CursorInside() const;
  void UpdateText();

  std::string caption_;
  std::string hint_;
  HIMAGELIST images_ = nullptr;  // not owned
  int image_ = -1;
  Brush brush_;             // owned: the background
  HFONT font_ = nullptr;    // not owned
  HWND tooltip_ = nullptr;  // owned by this window (an owned popup, destroyed with it)
  bool hot_ = false;
  bool pressed_ = false;
};

}  // namespace orvane::winui
