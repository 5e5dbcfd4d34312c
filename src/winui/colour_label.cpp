#include "winui/colour_label.h"

namespace orvane::winui {

void ColourLabel::Create(const ColourLabelArgs& args) {
  args_ = args;
  if (!args_.font)
    args_.font = reinterpret_cast<HFONT>(::SendMessageA(args.parent, WM_GETFONT, 0, 0));
  brush_.Reset(::CreateSolidBrush(args.background));
  WindowArgs w;
  w.className = "OrvaneColourLabel";
  w.text = args.text;
  w.style = WS_CHILD | WS_VISIBLE | (args.link ? WS_TABSTOP : 0);
  w.x = args.x;
  w.y = args.y;
  w.width = args.width;
  w.height = args.height;
  w.parent = args.parent;
  w.id = args.id;
  w.background = nullptr;  // painted here, in the label's own colour
  WindowBase::Create(w);
}

void ColourLabel::SetCaption(const std::string& text) {
  SetText(text);
  Invalidate();
}

void ColourLabel::Click() {
  if (onClick) onClick();
}

bool ColourLabel::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  if (HandleOwnPaint(*this, msg, wp, result, [this](HDC dc) { Paint(dc); })) return true;
  switch (msg) {
    case WM_SETCURSOR:
      if (!onClick) return false;
      ::SetCursor(::LoadCursor(nullptr, IDC_HAND));
      result = TRUE;
      return true;
    case WM_LBUTTONUP:
      Click();
      return true;
    case WM_GETDLGCODE: {
      // Enter and Space belong to a focused link; every other key stays the dialog's.
      const auto* message = reinterpret_cast<const MSG*>(lp);
      result = message != nullptr && message->message == WM_KEYDOWN &&
                       (message->wParam == VK_RETURN || message->wParam == VK_SPACE)
                   ? DLGC_WANTMESSAGE
                   : 0;
      return true;
    }
    case WM_KEYDOWN:
      if (wp != VK_RETURN && wp != VK_SPACE) return false;
      Click();
      return true;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      Invalidate();
      return false;
    default:
      return false;
  }
}

void ColourLabel::Paint(HDC dc) {
  const RECT r = ClientRect();
  PaintTextLine(dc, r, brush_, GetText(), r, args_.font, args_.textColour,
                args_.alignRight ? DT_RIGHT : DT_LEFT);
  if (::GetFocus() == Handle()) ::DrawFocusRect(dc, &r);
}

}  // namespace orvane::winui
