#pragma once
// A plain child window with a background colour and an optional one-line text: a heading, a
// coloured bar, or a container whose children a DockLayout arranges on every resize.
// Notifications of its children that their wrappers do not consume go on to its parent, so
// the form that owns the controls sees them however deeply they are nested.

#include <windows.h>

#include <functional>
#include <string>

#include "winui/dock_layout.h"
#include "winui/gdi.h"
#include "winui/window_base.h"

namespace orvane::winui {

enum class Bevel { None, Lowered };

struct PanelArgs {
  HWND parent = nullptr;  // not owned
  int id = 0;
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  COLORREF background = ::GetSysColor(COLOR_BTNFACE);
  std::string text{};    // drawn left-justified and centred vertically; empty: none
  HFONT font = nullptr;  // not owned; nullptr: the parent's font
  Bevel bevel = Bevel::None;
  bool visible = true;
};

class Panel : public WindowBase {
 public:
  void Create(const PanelArgs& args);

  void SetBackground(COLORREF colour);
  COLORREF Background() const { return background_; }
  void SetCaption(const std::string& text);
  std::string Caption() const { return GetText(); }
  void SetCaptionFont(HFONT font);

  // The layout of this panel's children, applied on every resize.
  DockLayout& Layout() { return layout_; }

  std::function<void(int width, int height)> onResize;

 protected:
  void OnSize(int width, int height) override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnNotify(NMHDR& header, LRESULT& result) override;
  bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

 private:
  void Paint(HDC dc);

  DockLayout layout_;
  Brush brush_;  // owned: the background
  COLORREF background_ = 0;
  HFONT font_ = nullptr;  // not owned
  int textIndent_ = 4;
};

}  // namespace orvane::winui
