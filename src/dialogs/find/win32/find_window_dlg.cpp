#include "dialogs/find/win32/find_window_dlg.h"

#include <algorithm>

#include "platform/win32/handles.h"
#include "winui/gdi.h"

namespace orvane::win32 {

namespace {

constexpr int kHint = 100;
constexpr RECT kCrosshair{12, 12, 48, 48};  // the box the drag starts from, client pixels
constexpr int kOutlineWidth = 3;

}  // namespace

FindWindowDlg::FindWindowDlg(FoundWindowTarget& target)
    : finder_(*this, target, ::GetCurrentProcessId()) {}

void FindWindowDlg::Create(HWND owner) {
  DialogBase::Create({.owner = owner,
                      .caption = "Find Window",
                      .width = 260,
                      .height = 60,
                      .style = WS_POPUP | WS_CAPTION | WS_SYSMENU,
                      .exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST});
}

void FindWindowDlg::OnCreate() {
  hint_.Create({.parent = *this,
                .id = kHint,
                .x = 60,
                .y = 12,
                .width = 190,
                .height = 36,
                .text = "Drag the crosshair over a window and release it to show that window."});
}

void FindWindowDlg::FormShow() {
  winui::BringForward(*this);
}

POINT FindWindowDlg::CrosshairCentre() const {
  POINT centre{(kCrosshair.left + kCrosshair.right) / 2, (kCrosshair.top + kCrosshair.bottom) / 2};
  ::ClientToScreen(*this, &centre);
  return centre;
}

PointedWindow FindWindowDlg::PointedAt(POINT screen) {
  const HWND under = ::WindowFromPoint(screen);
  // A child window stands for the top-level window that holds it.
  const HWND root = under ? ::GetAncestor(under, GA_ROOT) : nullptr;
  if (root == nullptr || root == ::GetDesktopWindow()) return {};
  DWORD processId = 0;
  const DWORD threadId = ::GetWindowThreadProcessId(root, &processId);
  return {HandleWord(root), processId, threadId};
}

void FindWindowDlg::DrawOutline(uint32_t window) {
  ::GetWindowRect(WordHandle(window), &outline_);
  InvertOutline();
}

void FindWindowDlg::EraseOutline() {
  InvertOutline();
}

void FindWindowDlg::InvertOutline() const {
  const RECT& r = outline_;
  const int width = r.right - r.left;
  const int height = r.bottom - r.top;
  const int band = std::min({kOutlineWidth, width / 2, height / 2});
  if (band <= 0) return;
  HDC dc = ::GetDC(nullptr);
  // Four bands that do not overlap, so that each pixel is inverted once.
  ::PatBlt(dc, r.left, r.top, width, band, DSTINVERT);
  ::PatBlt(dc, r.left, r.bottom - band, width, band, DSTINVERT);
  ::PatBlt(dc, r.left, r.top + band, band, height - 2 * band, DSTINVERT);
  ::PatBlt(dc, r.right - band, r.top + band, band, height - 2 * band, DSTINVERT);
  ::ReleaseDC(nullptr, dc);
}

void FindWindowDlg::PaintCrosshair(HDC dc) const {
  RECT box = kCrosshair;
  ::DrawEdge(dc, &box, EDGE_SUNKEN, BF_RECT | BF_MIDDLE);
  // While dragging, the crosshair is the mouse pointer, and the box is empty.
  if (finder_.Dragging()) return;
  ::DrawIconEx(dc, box.left + 2, box.top + 2, ::LoadCursor(nullptr, IDC_CROSS),
               box.right - box.left - 4, box.bottom - box.top - 4, 0, nullptr, DI_NORMAL);
}

void FindWindowDlg::EndDrag() {
  ::InvalidateRect(*this, &kCrosshair, TRUE);
  if (::GetCapture() == static_cast<HWND>(*this)) ::ReleaseCapture();
}

void FindWindowDlg::OnCancel() {
  if (!finder_.Dragging()) {
    End(IDCANCEL);
    return;
  }
  finder_.Cancel();
  EndDrag();
}

bool FindWindowDlg::OnMessage(UINT msg, WPARAM, LPARAM lp, LRESULT& result) {
  result = 0;
  switch (msg) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = ::BeginPaint(*this, &ps);
      PaintCrosshair(dc);
      ::EndPaint(*this, &ps);
      return true;
    }
    case WM_LBUTTONDOWN: {
      const POINT at{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
      if (!::PtInRect(&kCrosshair, at)) return false;
      // Escape reaches the dialog only where it has the keyboard focus.
      ::SetFocus(*this);
      ::SetCapture(*this);
      ::SetCursor(::LoadCursor(nullptr, IDC_CROSS));
      finder_.Begin();
      ::InvalidateRect(*this, &kCrosshair, TRUE);
      return true;
    }
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP: {
      if (!finder_.Dragging()) return false;
      POINT at{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
      ::ClientToScreen(*this, &at);
      if (msg == WM_MOUSEMOVE) {
        finder_.Move(PointedAt(at));
      } else {
        // Ended first: giving the mouse back reports a lost capture.
        finder_.Release(PointedAt(at));
        EndDrag();
      }
      return true;
    }
    case WM_CAPTURECHANGED:
      if (finder_.Dragging()) {
        finder_.Cancel();
        ::InvalidateRect(*this, &kCrosshair, TRUE);
      }
      return true;
    default:
      return false;
  }
}

}  // namespace orvane::win32
