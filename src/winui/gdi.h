#pragma once
// Owners of GDI objects (fonts, brushes, bitmaps): deleted when the owner goes, so a window
// keeps its fonts and brushes as plain members.

#include <windows.h>

#include <string>
#include <string_view>
#include <utility>

namespace orvane::winui {

template <typename Handle>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(Handle handle) : handle_(handle) {}
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  GdiObject& operator=(GdiObject&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.handle_, nullptr));
    return *this;
  }
  ~GdiObject() { Reset(); }

  operator Handle() const { return handle_; }
  Handle Get() const { return handle_; }
  void Reset(Handle handle = nullptr) {
    if (handle_) ::DeleteObject(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_ = nullptr;  // owned
};

using Font = GdiObject<HFONT>;
using Brush = GdiObject<HBRUSH>;
using Bitmap = GdiObject<HBITMAP>;
using Pen = GdiObject<HPEN>;

// A font by face and height in pixels (negative: character height, as forms give it).
inline Font MakeFont(const std::string& face, int height, bool bold = false,
                     bool underline = false) {
  return Font(::CreateFontA(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE,
                            underline ? TRUE : FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                            CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS,
                            face.c_str()));
}

// A fixed-pitch font in the ANSI character set, for text in columns; where the face is
// missing the system picks another fixed-pitch one, so the columns still line up.
inline Font MakeFixedFont(const std::string& face, int height) {
  return Font(::CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                            OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                            FIXED_PITCH | FF_MODERN, face.c_str()));
}

// The width in pixels of a line of text in the font, as the screen draws it.
inline int TextWidth(HFONT font, const std::string& text) {
  HDC dc = ::GetDC(nullptr);
  HGDIOBJ old = ::SelectObject(dc, font);
  SIZE size{};
  ::GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
  ::SelectObject(dc, old);
  ::ReleaseDC(nullptr, dc);
  return size.cx;
}

// Fills area with background, then draws one line of text in it, clipped to textArea, in font
// (the context's own when null) and colour; format: the DrawText alignment flags.
inline void PaintTextLine(HDC dc, const RECT& area, HBRUSH background, const std::string& text,
                          RECT textArea, HFONT font, COLORREF colour, UINT format) {
  ::FillRect(dc, &area, background);
  if (text.empty()) return;
  HGDIOBJ old = font ? ::SelectObject(dc, font) : nullptr;
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, colour);
  ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &textArea,
              format | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  if (old) ::SelectObject(dc, old);
}

// Gives a dc a font (when one is given), transparent mode and the colours FillTextLine draws in,
// and puts back what the dc had when it goes.
class TextStyle {
 public:
  TextStyle(HDC dc, HFONT font, COLORREF back, COLORREF text)
      : dc_(dc),
        font_(font ? ::SelectObject(dc, font) : nullptr),
        mode_(::SetBkMode(dc, TRANSPARENT)),
        back_(::SetBkColor(dc, back)),
        text_(::SetTextColor(dc, text)) {}
  ~TextStyle() {
    ::SetTextColor(dc_, text_);
    ::SetBkColor(dc_, back_);
    ::SetBkMode(dc_, mode_);
    if (font_) ::SelectObject(dc_, font_);
  }
  TextStyle(const TextStyle&) = delete;
  TextStyle& operator=(const TextStyle&) = delete;

  void SetColours(COLORREF back, COLORREF text) {
    ::SetBkColor(dc_, back);
    ::SetTextColor(dc_, text);
  }

 private:
  HDC dc_;
  HGDIOBJ font_;
  int mode_;
  COLORREF back_;
  COLORREF text_;
};

// Fills area with the dc's background colour and draws one line of text in textArea in the
// dc's font and text colour, as DrawText places it (format: DT_LEFT or DT_RIGHT, with or
// without DT_END_ELLIPSIS), with the dc in transparent mode. Where the text fits, background and
// text take one call: under Wine every GDI call is a trip into the host's side, and a figure
// drawn each cycle in each of many cells makes them count.
inline void FillTextLine(HDC dc, const RECT& area, const RECT& textArea, std::string_view text,
                         UINT format) {
  const int length = static_cast<int>(text.size());
  SIZE size{};
  if (::GetTextExtentPoint32A(dc, text.data(), length, &size) &&
      size.cx <= textArea.right - textArea.left) {
    const int x = (format & DT_RIGHT) ? textArea.right - size.cx : textArea.left;
    const int y = textArea.top + (textArea.bottom - textArea.top) / 2 - size.cy / 2;
    ::ExtTextOutA(dc, x, y, ETO_OPAQUE | ETO_CLIPPED, &area, text.data(), static_cast<UINT>(length),
                  nullptr);
    return;
  }
  ::ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr);
  RECT r = textArea;
  ::DrawTextA(dc, text.data(), length, &r, format | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

// A bitmap resource of the executable.
// The metrics of a font as the window's display draws it.
inline TEXTMETRICA TextMetricsOf(HWND window, HFONT font) {
  HDC dc = ::GetDC(window);
  HGDIOBJ old = ::SelectObject(dc, font);
  TEXTMETRICA metrics{};
  ::GetTextMetricsA(dc, &metrics);
  ::SelectObject(dc, old);
  ::ReleaseDC(window, dc);
  return metrics;
}

inline Bitmap LoadBitmapResource(int id) {
  return Bitmap(static_cast<HBITMAP>(::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id),
                                                  IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

// The paint messages of a window that paints its whole client area itself: no separate
// background erase (it would flicker), and WM_PAINT and WM_PRINTCLIENT both go to paint(dc).
template <typename Paint>
bool HandleOwnPaint(HWND hwnd, UINT msg, WPARAM wp, LRESULT& result, Paint&& paint) {
  switch (msg) {
    case WM_ERASEBKGND:
      result = 1;
      return true;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = ::BeginPaint(hwnd, &ps);
      paint(dc);
      ::EndPaint(hwnd, &ps);
      return true;
    }
    case WM_PRINTCLIENT:
      paint(reinterpret_cast<HDC>(wp));
      return true;
    default:
      return false;
  }
}

}  // namespace orvane::winui
