#include "dialogs/find/win32/find_window_dlg.h"

#include <algorithm>

#include "platform/win32/handles.h"
#include "winui/gdi.h"

namespace orvane::win32 {

namespace {

constexpr int kHint = 100;
constexpr RECT kCrosshair{12, 12, 48, 48};  // the box the drag starts from, at 96 DPI
constexpr int kOutlineWidth = 3;            // at 96 DPI

}  // namespace

// Our own window over each side of the outline, not the other program's drawing surface,
// which another process cannot draw on everywhere: it shows the screen's pixels under it
// inverted, and hidden it gives back exactly what was there, whatever has been drawn since.
void OutlineBand::Show(const RECT& where) {
  const int width = where.right - where.left;
  const int height = where.bottom - where.top;
  if (window_ == nullptr) {
    static const ATOM kClass = [] {
      WNDCLASSA wc{};
      wc.lpfnWndProc = &OutlineBand::Proc;
      wc.hInstance = ::GetModuleHandleA(nullptr);
      wc.lpszClassName = "OrvaneOutlineBand";
      return ::RegisterClassA(&wc);
    }();
    window_ = ::CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE,
                                MAKEINTATOM(kClass), "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                ::GetModuleHandleA(nullptr), nullptr);
    if (window_ == nullptr) return;
    ::SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  HDC screen = ::GetDC(nullptr);
  pixels_.Reset(::CreateCompatibleBitmap(screen, width, height));
  HDC memory = ::CreateCompatibleDC(screen);
  HGDIOBJ old = ::SelectObject(memory, pixels_);
  ::BitBlt(memory, 0, 0, width, height, screen, where.left, where.top, NOTSRCCOPY);
  ::SelectObject(memory, old);
  ::DeleteDC(memory);
  ::ReleaseDC(nullptr, screen);
  ::SetWindowPos(window_, HWND_TOPMOST, where.left, where.top, width, height,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
  ::InvalidateRect(window_, nullptr, FALSE);
  ::UpdateWindow(window_);
}

void OutlineBand::Hide() {
  if (window_ != nullptr) ::ShowWindow(window_, SW_HIDE);
  pixels_.Reset();
}

OutlineBand::~OutlineBand() {
  if (window_ != nullptr) ::DestroyWindow(window_);
}

LRESULT CALLBACK OutlineBand::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* self = reinterpret_cast<OutlineBand*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  switch (msg) {
    case WM_NCHITTEST:
      // The crosshair looks through it at the window below.
      return HTTRANSPARENT;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = ::BeginPaint(hwnd, &ps);
      if (self != nullptr && self->pixels_) {
        HDC memory = ::CreateCompatibleDC(dc);
        HGDIOBJ old = ::SelectObject(memory, self->pixels_);
        RECT client{};
        ::GetClientRect(hwnd, &client);
        ::BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
        ::SelectObject(memory, old);
        ::DeleteDC(memory);
      }
      ::EndPaint(hwnd, &ps);
      return 0;
    }
    default:
      return ::DefWindowProcA(hwnd, msg, wp, lp);
  }
}

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
                .x = Px(60),
                .y = Px(12),
                .width = Px(190),
                .height = Px(36),
                .text = "Drag the crosshair over a window and release it to show that window."});
}

RECT FindWindowDlg::Crosshair() const {
  return {Px(kCrosshair.left), Px(kCrosshair.top), Px(kCrosshair.right), Px(kCrosshair.bottom)};
}

void FindWindowDlg::InvalidateCrosshair() {
  const RECT box = Crosshair();
  ::InvalidateRect(*this, &box, TRUE);
}

void FindWindowDlg::FormShow() {
  winui::BringForward(*this);
}

POINT FindWindowDlg::CrosshairCentre() const {
  const RECT box = Crosshair();
  POINT centre{(box.left + box.right) / 2, (box.top + box.bottom) / 2};
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
  RECT r{};
  ::GetWindowRect(WordHandle(window), &r);
  const int width = r.right - r.left;
  const int height = r.bottom - r.top;
  const int band = std::min({Px(kOutlineWidth), width / 2, height / 2});
  if (band <= 0) return;
  // Four bands that do not overlap.
  const RECT bands[] = {{r.left, r.top, r.right, r.top + band},
                        {r.left, r.bottom - band, r.right, r.bottom},
                        {r.left, r.top + band, r.left + band, r.bottom - band},
                        {r.right - band, r.top + band, r.right, r.bottom - band}};
  for (std::size_t i = 0; i < outline_.size(); ++i) outline_[i].Show(bands[i]);
}

void FindWindowDlg::EraseOutline() {
  for (OutlineBand& band : outline_) band.Hide();
}

void FindWindowDlg::PaintCrosshair(HDC dc) const {
  RECT box = Crosshair();
  ::DrawEdge(dc, &box, EDGE_SUNKEN, BF_RECT | BF_MIDDLE);
  // While dragging, the crosshair is the mouse pointer, and the box is empty.
  if (finder_.Dragging()) return;
  ::DrawIconEx(dc, box.left + 2, box.top + 2, ::LoadCursor(nullptr, IDC_CROSS),
               box.right - box.left - 4, box.bottom - box.top - 4, 0, nullptr, DI_NORMAL);
}

void FindWindowDlg::EndDrag() {
  InvalidateCrosshair();
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
      if (const RECT box = Crosshair(); !::PtInRect(&box, at)) return false;
      // Escape reaches the dialog only where it has the keyboard focus.
      ::SetFocus(*this);
      ::SetCapture(*this);
      ::SetCursor(::LoadCursor(nullptr, IDC_CROSS));
      finder_.Begin();
      InvalidateCrosshair();
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
        InvalidateCrosshair();
      }
      return true;
    default:
      return false;
  }
}

}  // namespace orvane::win32
