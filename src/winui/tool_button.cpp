#include "winui/tool_button.h"

#include <commctrl.h>

namespace orvane::winui {

ToolButton::~ToolButton() {
  Unregister(Handle());
}

void ToolButton::Create(const ToolButtonArgs& args) {
  caption_ = args.caption;
  hint_ = args.hint;
  images_ = args.images;
  image_ = args.image;
  brush_.Reset(::CreateSolidBrush(args.background));
  font_ = args.font ? args.font
                    : reinterpret_cast<HFONT>(::SendMessageA(args.parent, WM_GETFONT, 0, 0));
  if (!font_) font_ = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
  WindowArgs w;
  w.className = "OrvaneToolButton";
  w.text = caption_.empty() ? hint_ : caption_;
  w.style = WS_CHILD | (args.visible ? WS_VISIBLE : 0);
  w.x = args.x;
  w.y = args.y;
  w.width = args.width;
  w.height = args.height;
  w.parent = args.parent;
  w.id = args.id;
  w.background = nullptr;
  WindowBase::Create(w);
  Register(*this, this);
  if (!args.hint.empty()) SetHint(args.hint);
}

void ToolButton::SetCaption(const std::string& caption) {
  caption_ = caption;
  UpdateText();
  Invalidate();
}

void ToolButton::UpdateText() {
  const std::string& text = caption_.empty() ? hint_ : caption_;
  if (GetText() != text) SetText(text);
}

void ToolButton::SetImage(HIMAGELIST images, int image) {
  images_ = images;
  image_ = image;
  Invalidate();
}

void ToolButton::SetBackground(COLORREF colour) {
  brush_.Reset(::CreateSolidBrush(colour));
  Invalidate();
}

void ToolButton::SetHint(const std::string& hint) {
  hint_ = hint;
  UpdateText();
  if (!tooltip_) {
    tooltip_ = ::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                                 WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, *this, nullptr,
                                 ::GetModuleHandleA(nullptr), nullptr);
    if (!tooltip_) return;  // a button without a tooltip still works
  }
  TTTOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V1_SIZE;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = *this;
  tool.uId = reinterpret_cast<UINT_PTR>(Handle());
  tool.lpszText = const_cast<char*>(hint.c_str());
  ::SendMessageA(tooltip_, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  ::SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void ToolButton::Click() {
  ::SendMessageA(Parent(), WM_COMMAND, MAKEWPARAM(Id(), BN_CLICKED),
                 reinterpret_cast<LPARAM>(Handle()));
}

bool ToolButton::OnReflectedCommand(int code) {
  if (code != BN_CLICKED || !onClick) return false;
  onClick();
  return true;
}

bool ToolButton::CursorInside() const {
  POINT p{};
  ::GetCursorPos(&p);
  ::ScreenToClient(Handle(), &p);
  RECT r = ClientRect();
  return ::PtInRect(&r, p) != FALSE;
}

bool ToolButton::OnMessage(UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
  if (HandleOwnPaint(*this, msg, wp, result, [this](HDC dc) { Paint(dc); })) return true;
  switch (msg) {
    case WM_SETFONT:  // a new display scale: the caption in the new font
      font_ = reinterpret_cast<HFONT>(wp);
      Invalidate(false);
      return true;
    case WM_GETFONT:
      result = reinterpret_cast<LRESULT>(font_);
      return true;
    case WM_MOUSEMOVE:
      if (!hot_) {
        hot_ = true;
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, *this, 0};
        ::TrackMouseEvent(&track);
        Invalidate(false);
      }
      return true;
    case WM_MOUSELEAVE:
      hot_ = false;
      Invalidate(false);
      return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      pressed_ = true;
      ::SetCapture(*this);
      Invalidate(false);
      return true;
    case WM_LBUTTONUP:
      if (pressed_) {
        pressed_ = false;
        ::ReleaseCapture();
        Invalidate(false);
        if (CursorInside()) Click();
      }
      return true;
    case WM_CAPTURECHANGED:
      if (pressed_) {
        pressed_ = false;
        Invalidate(false);
      }
      return true;
    case WM_ENABLE:
      Invalidate(false);
      return true;
    default:
      return false;
  }
}

void ToolButton::Paint(HDC dc) {
  RECT r = ClientRect();
  ::FillRect(dc, &r, brush_);
  const bool enabled = IsEnabled();
  if (enabled && (pressed_ || hot_)) {
    RECT edge = r;
    ::DrawEdge(dc, &edge, pressed_ ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
  }
  const int shift = pressed_ ? 1 : 0;
  int glyphW = 0;
  int glyphH = 0;
  if (images_ && image_ >= 0) ImageList_GetIconSize(images_, &glyphW, &glyphH);

  HGDIOBJ oldFont = font_ ? ::SelectObject(dc, font_) : nullptr;
  SIZE textSize{};
  if (!caption_.empty())
    ::GetTextExtentPoint32A(dc, caption_.c_str(), static_cast<int>(caption_.size()), &textSize);
  const int gap = glyphH && !caption_.empty() ? 2 : 0;
  const int blockH = glyphH + gap + (caption_.empty() ? 0 : textSize.cy);
  int top = (r.bottom - blockH) / 2 + shift;

  if (glyphH) {
    const int left = (r.right - glyphW) / 2 + shift;
    ImageList_DrawEx(images_, image_, dc, left, top, 0, 0, CLR_NONE, CLR_NONE,
                     enabled ? ILD_TRANSPARENT : ILD_TRANSPARENT | ILD_BLEND50);
    top += glyphH + gap;
  }
  if (!caption_.empty()) {
    RECT text{r.left + shift, top, r.right + shift, top + textSize.cy};
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, ::GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    ::DrawTextA(dc, caption_.c_str(), static_cast<int>(caption_.size()), &text,
                DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
  }
  if (oldFont) ::SelectObject(dc, oldFont);
}

}  // namespace orvane::winui
