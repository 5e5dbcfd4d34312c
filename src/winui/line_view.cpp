#include "winui/line_view.h"

#include <windowsx.h>

#include <algorithm>
#include <string_view>

#include "platform/error.h"
#include "winui/gdi.h"
#include "winui/printing.h"

namespace orvane::winui {

namespace {

constexpr int kTextIndent = 2;

}  // namespace

void LineView::Create(const LineViewArgs& args) {
  font_ = args.font ? args.font : static_cast<HFONT>(::GetStockObject(ANSI_FIXED_FONT));
  WindowArgs w;
  w.className = "OrvaneLineView";
  w.style = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP;
  w.exStyle = WS_EX_CLIENTEDGE;
  w.parent = args.parent;
  w.id = args.id;
  w.background = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  w.cursor = ::LoadCursor(nullptr, IDC_IBEAM);
  WindowBase::Create(w);
  const TEXTMETRICA metrics = TextMetricsOf(*this, font_);
  lineHeight_ = std::max<int>(1, metrics.tmHeight + metrics.tmExternalLeading);
  UpdateScrollBar();
}

std::size_t LineView::PageLines() const {
  const RECT r = ClientRect();
  return static_cast<std::size_t>(std::max<LONG>(1, r.bottom / lineHeight_));
}

std::size_t LineView::MaxTop() const {
  const std::size_t page = PageLines();
  return lines_.size() > page ? lines_.size() - page : 0;
}

void LineView::AppendLines(std::vector<std::string>&& lines) {
  if (lines.empty()) return;
  for (const std::string& line : lines) characters_ += line.size();
  const std::size_t before = lines_.size();
  const bool following = top_ + PageLines() >= before;
  if (lines_.empty()) {
    lines_ = std::move(lines);
  } else {
    lines_.insert(lines_.end(), std::make_move_iterator(lines.begin()),
                  std::make_move_iterator(lines.end()));
  }
  if (following && MaxTop() != top_) {
    ScrollTo(MaxTop());
    return;
  }
  UpdateScrollBar();
  // Only the new lines that fall into view are painted.
  const std::size_t page = PageLines();
  if (before < top_ + page + 1) {
    RECT r = ClientRect();
    r.top = static_cast<LONG>(before - top_) * lineHeight_;
    ::InvalidateRect(*this, &r, TRUE);
  }
}

void LineView::SetLines(std::vector<std::string> lines) {
  lines_ = std::move(lines);
  characters_ = 0;
  for (const std::string& line : lines_) characters_ += line.size();
  top_ = std::min(top_, MaxTop());
  anchor_ = caret_ = 0;
  UpdateScrollBar();
  Invalidate();
}

std::size_t LineView::TextLength() const {
  return lines_.empty() ? 0 : characters_ + 2 * (lines_.size() - 1);
}

std::size_t LineView::CopyText(char* buffer, std::size_t size) const {
  if (buffer == nullptr || size == 0) return 0;
  const std::size_t room = size - 1;
  std::size_t copied = 0;
  const auto append = [&](std::string_view part) {
    const std::size_t take = std::min(part.size(), room - copied);
    std::copy_n(part.data(), take, buffer + copied);
    copied += take;
  };
  for (std::size_t i = 0; i < lines_.size() && copied < room; ++i) {
    if (i > 0) append("\r\n");
    append(lines_[i]);
  }
  buffer[copied] = '\0';
  return copied;
}

void LineView::ScrollTo(std::size_t top) {
  top = std::min(top, MaxTop());
  if (top != top_) {
    const long long delta = static_cast<long long>(top_) - static_cast<long long>(top);
    top_ = top;
    const long long pixels = delta * lineHeight_;
    const RECT r = ClientRect();
    if (pixels > -r.bottom && pixels < r.bottom) {
      ::ScrollWindowEx(*this, 0, static_cast<int>(pixels), nullptr, nullptr, nullptr, nullptr,
                       SW_INVALIDATE | SW_ERASE);
    } else {
      Invalidate();
    }
  }
  UpdateScrollBar();
}

void LineView::UpdateScrollBar() {
  // Positions are 32-bit: past that the bar stands for the first 2^31 lines, which no log
  // reaches while it fits in memory.
  SCROLLINFO info{sizeof info, SIF_ALL | SIF_DISABLENOSCROLL, 0, 0, 0, 0, 0};
  const std::size_t limit = 0x7fffffff;
  info.nMax = lines_.empty() ? 0 : static_cast<int>(std::min(lines_.size() - 1, limit));
  info.nPage = static_cast<UINT>(std::min(PageLines(), limit));
  info.nPos = static_cast<int>(std::min(top_, limit));
  // Redrawn with the next paint rather than at once: each immediate redraw of the bar costs
  // milliseconds, and a cycle's append is followed by a paint anyway.
  ::SetScrollInfo(*this, SB_VERT, &info, FALSE);
  ::RedrawWindow(*this, nullptr, nullptr,
                 RDW_FRAME | RDW_INVALIDATE | RDW_NOERASE | RDW_NOCHILDREN);
}

void LineView::OnSize(int, int) {
  top_ = std::min(top_, MaxTop());
  UpdateScrollBar();
  Invalidate();
}

std::size_t LineView::LineAt(int y) const {
  const long long line = static_cast<long long>(top_) + std::max(0, y) / lineHeight_;
  if (lines_.empty()) return 0;
  return static_cast<std::size_t>(
      std::min<long long>(line, static_cast<long long>(lines_.size()) - 1));
}

void LineView::Select(std::size_t anchor, std::size_t caret) {
  const std::size_t last = lines_.empty() ? 0 : lines_.size() - 1;
  anchor_ = std::min(anchor, last);
  caret_ = std::min(caret, last);
  Invalidate();
}

void LineView::MoveCaret(std::size_t caret, bool extend) {
  Select(extend ? anchor_ : caret, caret);
  if (caret_ < top_) {
    ScrollTo(caret_);
  } else if (caret_ >= top_ + PageLines()) {
    ScrollTo(caret_ + 1 - PageLines());
  }
}

void LineView::CopySelection() {
  if (lines_.empty()) return;
  std::string text;
  for (std::size_t i = SelectionFirst(); i <= SelectionLast(); ++i) {
    text.append(lines_[i]).append("\r\n");
  }
  if (!::OpenClipboard(*this)) return;
  ::EmptyClipboard();
  if (HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, text.size() + 1)) {
    if (void* bytes = ::GlobalLock(memory)) {
      std::copy(text.c_str(), text.c_str() + text.size() + 1, static_cast<char*>(bytes));
      ::GlobalUnlock(memory);
      if (!::SetClipboardData(CF_TEXT, memory)) ::GlobalFree(memory);
    } else {
      ::GlobalFree(memory);
    }
  }
  ::CloseClipboard();
}

void LineView::OnKey(WPARAM key) {
  const bool shift = ::GetKeyState(VK_SHIFT) < 0;
  const bool control = ::GetKeyState(VK_CONTROL) < 0;
  const std::size_t last = lines_.empty() ? 0 : lines_.size() - 1;
  const std::size_t page = PageLines();
  switch (key) {
    case VK_UP:
      MoveCaret(caret_ > 0 ? caret_ - 1 : 0, shift);
      break;
    case VK_DOWN:
      MoveCaret(std::min(caret_ + 1, last), shift);
      break;
    case VK_PRIOR:
      MoveCaret(caret_ > page ? caret_ - page : 0, shift);
      break;
    case VK_NEXT:
      MoveCaret(std::min(caret_ + page, last), shift);
      break;
    case VK_HOME:
      if (control) MoveCaret(0, shift);
      break;
    case VK_END:
      if (control) MoveCaret(last, shift);
      break;
    case 'A':
      if (control) Select(0, last);
      break;
    case 'C':
    case VK_INSERT:
      if (control) CopySelection();
      break;
    default:
      break;
  }
}

bool LineView::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  switch (msg) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = ::BeginPaint(*this, &ps);
      Paint(dc, ps.rcPaint);
      ::EndPaint(*this, &ps);
      result = 0;
      return true;
    }
    case WM_GETTEXTLENGTH:
      result = static_cast<LRESULT>(TextLength());
      return true;
    case WM_GETTEXT:
      result = static_cast<LRESULT>(CopyText(reinterpret_cast<char*>(lp), wp));
      return true;
    case WM_GETDLGCODE:
      // The arrows and the copy keys belong to the view; Tab and Escape to the dialog.
      result = DLGC_WANTARROWS | DLGC_WANTCHARS;
      return true;
    case WM_VSCROLL: {
      SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
      ::GetScrollInfo(*this, SB_VERT, &info);
      const std::size_t page = PageLines();
      std::size_t top = top_;
      switch (LOWORD(wp)) {
        case SB_LINEUP:
          top = top > 0 ? top - 1 : 0;
          break;
        case SB_LINEDOWN:
          ++top;
          break;
        case SB_PAGEUP:
          top = top > page ? top - page : 0;
          break;
        case SB_PAGEDOWN:
          top += page;
          break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
          top = static_cast<std::size_t>(std::max(0, info.nTrackPos));
          break;
        case SB_TOP:
          top = 0;
          break;
        case SB_BOTTOM:
          top = MaxTop();
          break;
        default:
          break;
      }
      ScrollTo(top);
      result = 0;
      return true;
    }
    case WM_MOUSEWHEEL: {
      wheelRest_ += GET_WHEEL_DELTA_WPARAM(wp);
      const int steps = wheelRest_ / WHEEL_DELTA;
      wheelRest_ %= WHEEL_DELTA;
      const long long top = static_cast<long long>(top_) - 3LL * steps;
      ScrollTo(static_cast<std::size_t>(std::max(0LL, top)));
      result = 0;
      return true;
    }
    case WM_LBUTTONDOWN:
      ::SetFocus(*this);
      ::SetCapture(*this);
      dragging_ = true;
      MoveCaret(LineAt(GET_Y_LPARAM(lp)), (wp & MK_SHIFT) != 0);
      result = 0;
      return true;
    case WM_MOUSEMOVE:
      if (dragging_) MoveCaret(LineAt(GET_Y_LPARAM(lp)), true);
      result = 0;
      return true;
    case WM_LBUTTONUP:
      if (dragging_) ::ReleaseCapture();
      dragging_ = false;
      result = 0;
      return true;
    case WM_CAPTURECHANGED:
      dragging_ = false;
      return false;
    case WM_KEYDOWN:
      OnKey(wp);
      result = 0;
      return true;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      Invalidate();
      return false;
    default:
      return false;
  }
}

void LineView::Paint(HDC dc, const RECT& dirty) {
  HGDIOBJ oldFont = ::SelectObject(dc, font_);
  const RECT client = ClientRect();
  const bool focused = ::GetFocus() == Handle();
  const std::size_t first = top_ + static_cast<std::size_t>(std::max<LONG>(0, dirty.top)) /
                                       static_cast<std::size_t>(lineHeight_);
  const std::size_t end =
      std::min(lines_.size(), top_ + static_cast<std::size_t>(dirty.bottom / lineHeight_ + 1));
  const bool anySelection = focused && !lines_.empty();
  for (std::size_t i = first; i < end; ++i) {
    const int y = static_cast<int>(i - top_) * lineHeight_;
    const bool selected = anySelection && i >= SelectionFirst() && i <= SelectionLast();
    RECT row{0, y, client.right, y + lineHeight_};
    ::SetBkColor(dc, ::GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    ::SetTextColor(dc, ::GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    ::ExtTextOutA(dc, 0, y, ETO_OPAQUE, &row, nullptr, 0, nullptr);
    const std::string& line = lines_[i];
    // Lines past a screen's width are cut where the view ends anyway.
    const int length = static_cast<int>(std::min<std::size_t>(line.size(), 4096));
    ::TabbedTextOutA(dc, kTextIndent, y, line.data(), length, 0, nullptr, kTextIndent);
  }
  ::SelectObject(dc, oldFont);
}

void LineView::Print(HDC printer, const std::string& jobTitle) const {
  if (printer == nullptr) throw Error("Cannot print \"" + jobTitle + "\": no printer was given.");
  // The view's font at the same physical size on paper.
  LOGFONTA face{};
  ::GetObjectA(font_, sizeof face, &face);
  HDC screen = ::GetDC(nullptr);
  const int screenDpi = ::GetDeviceCaps(screen, LOGPIXELSY);
  ::ReleaseDC(nullptr, screen);
  face.lfHeight = ::MulDiv(face.lfHeight, ::GetDeviceCaps(printer, LOGPIXELSY), screenDpi);
  face.lfWidth = 0;
  const Font font(::CreateFontIndirectA(&face));
  PrintLines(printer, jobTitle, lines_, font);
}

}  // namespace orvane::winui
