#include "winui/drawing_stop.h"

#include <vector>

#include "winui/window.h"

namespace orvane::winui {

namespace {

bool SameValues(const SCROLLINFO& a, const SCROLLINFO& b) {
  return a.nMin == b.nMin && a.nMax == b.nMax && a.nPage == b.nPage && a.nPos == b.nPos;
}

}  // namespace

void StopDrawingOf(HWND hwnd) {
  ::DefWindowProcA(hwnd, WM_SETREDRAW, FALSE, 0);
  DrawingStopped().push_back(hwnd);
}

void ResumeDrawingOf(HWND hwnd) {
  std::erase(DrawingStopped(), hwnd);
  ::DefWindowProcA(hwnd, WM_SETREDRAW, TRUE, 0);
}

ScrollBarValues ReadScrollBars(HWND hwnd) {
  ScrollBarValues bars;
  for (SCROLLINFO* info : {&bars.vertical, &bars.horizontal}) {
    info->cbSize = sizeof *info;
    info->fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  }
  // A bar never shown has no values: the zeroes stand.
  ::GetScrollInfo(hwnd, SB_VERT, &bars.vertical);
  ::GetScrollInfo(hwnd, SB_HORZ, &bars.horizontal);
  bars.style = ::GetWindowLongA(hwnd, GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL);
  return bars;
}

void DrawChangedScrollBars(HWND hwnd, const ScrollBarValues& before) {
  ScrollBarValues now = ReadScrollBars(hwnd);
  if (now.style != before.style) {
    ::RedrawWindow(hwnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE);
    return;
  }
  if ((now.style & WS_VSCROLL) && !SameValues(now.vertical, before.vertical)) {
    ::SetScrollInfo(hwnd, SB_VERT, &now.vertical, TRUE);
  }
  if ((now.style & WS_HSCROLL) && !SameValues(now.horizontal, before.horizontal)) {
    ::SetScrollInfo(hwnd, SB_HORZ, &now.horizontal, TRUE);
  }
}

HRGN TakeUpdateRegion(HWND hwnd) {
  HRGN region = ::CreateRectRgn(0, 0, 0, 0);
  if (region && ::GetUpdateRgn(hwnd, region, FALSE) <= NULLREGION) {
    ::DeleteObject(region);
    return nullptr;
  }
  return region;
}

void GiveBackUpdateRegion(HWND hwnd, HRGN region) {
  if (!region) return;
  ::InvalidateRgn(hwnd, region, TRUE);
  ::DeleteObject(region);
}

}  // namespace orvane::winui
