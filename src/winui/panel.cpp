#include "winui/panel.h"

namespace orvane::winui {

void Panel::Create(const PanelArgs& args) {
  background_ = args.background;
  brush_.Reset(::CreateSolidBrush(background_));
  font_ = args.font ? args.font
                    : reinterpret_cast<HFONT>(::SendMessageA(args.parent, WM_GETFONT, 0, 0));
  if (!font_) font_ = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
  WindowArgs w;
  w.className = "OrvanePanel";
  w.text = args.text;
  w.style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | (args.visible ? WS_VISIBLE : 0);
  // Tab in a dialog goes on into the panel's controls.
  w.exStyle = WS_EX_CONTROLPARENT | (args.bevel == Bevel::Lowered ? WS_EX_STATICEDGE : 0);
  w.x = args.x;
  w.y = args.y;
  w.width = args.width;
  w.height = args.height;
  w.parent = args.parent;
  w.id = args.id;
  w.background = nullptr;  // painted here, in the panel's own colour
  WindowBase::Create(w);
  layout_.SetParent(*this);
}

void Panel::SetBackground(COLORREF colour) {
  background_ = colour;
  brush_.Reset(::CreateSolidBrush(colour));
  Invalidate();
}

void Panel::SetCaption(const std::string& text) {
  SetText(text);
  Invalidate();
}

void Panel::SetCaptionFont(HFONT font) {
  font_ = font;
  Invalidate();
}

void Panel::OnSize(int width, int height) {
  layout_.Apply();
  if (onResize) onResize(width, height);
}

bool Panel::OnCommand(int id, int code, HWND control) {
  ::SendMessageA(Parent(), WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(control));
  return true;
}

bool Panel::OnNotify(NMHDR& header, LRESULT& result) {
  result = ::SendMessageA(Parent(), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
  return true;
}

bool Panel::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  if (HandleOwnPaint(*this, msg, wp, result, [this](HDC dc) { Paint(dc); })) return true;
  switch (msg) {
    case WM_SETTEXT:
      result = DefaultProc(msg, wp, lp);
      Invalidate();
      return true;
    case WM_SETFONT:
      // Also the font the panel's children inherit when they are created.
      font_ = reinterpret_cast<HFONT>(wp);
      if (lp) Invalidate();
      return true;
    case WM_GETFONT:
      result = reinterpret_cast<LRESULT>(font_);
      return true;
    default:
      return false;
  }
}

void Panel::Paint(HDC dc) {
  const RECT r = ClientRect();
  RECT text = r;
  text.left += textIndent_;
  PaintTextLine(dc, r, brush_, GetText(), text, font_, ::GetSysColor(COLOR_BTNTEXT),
                DT_LEFT | DT_END_ELLIPSIS);
}

}  // namespace orvane::winui
