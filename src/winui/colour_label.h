#pragma once
// A line of text in its own font and colours on its own background, left- or right-aligned.
// With onClick set it is a link: the hand cursor shows over it and a click runs onClick. A link
// made with `link` is also a tab stop, shows the focus, and Enter or Space run it.

#include <windows.h>

#include <functional>
#include <string>

#include "winui/gdi.h"
#include "winui/window_base.h"

namespace orvane::winui {

struct ColourLabelArgs {
  HWND parent = nullptr;  // not owned
  int id = 0;
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  std::string text{};
  HFONT font = nullptr;  // not owned; nullptr: the parent's font
  COLORREF textColour = RGB(0, 0, 0);
  COLORREF background = RGB(255, 255, 255);
  bool alignRight = false;
  bool link = false;  // reached by Tab
};

class ColourLabel : public WindowBase {
 public:
  void Create(const ColourLabelArgs& args);
  void SetCaption(const std::string& text);
  std::string Caption() const { return GetText(); }
  // Runs onClick as a click of the mouse does.
  void Click();

  std::function<void()> onClick;

 protected:
  bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

 private:
  void Paint(HDC dc);

  ColourLabelArgs args_;
  Brush brush_;  // owned: the background
};

}  // namespace orvane::winui
