#include "app/win32/palette_dock.h"

#include <windowsx.h>

namespace orvane::win32 {

namespace {

constexpr DWORD kHostStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kHostExStyle = WS_EX_TOOLWINDOW;
constexpr BYTE kIndicatorAlpha = 110;

}  // namespace

void DragTracker::Begin(HWND window, POINT screen) {
  dragging_ = true;
  ::SetCapture(window);
  if (onDrag) onDrag(DragPhase::kBegin, screen);
}

bool DragTracker::Handle(HWND window, UINT msg, LPARAM lp) {
  if (!dragging_) return false;
  switch (msg) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP: {
      // Captured, the client coordinates run past the window's edges, negative included.
      POINT at{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
      ::ClientToScreen(window, &at);
      if (msg == WM_LBUTTONUP) {
        dragging_ = false;
        ::ReleaseCapture();
      }
      if (onDrag) onDrag(msg == WM_LBUTTONUP ? DragPhase::kDrop : DragPhase::kMove, at);
      return true;
    }
    case WM_CAPTURECHANGED:
      dragging_ = false;
      if (onDrag) onDrag(DragPhase::kCancel, POINT{});
      return true;
    default:
      return false;
  }
}

void FloatingHost::Create(HWND owner, const std::string& caption) {
  winui::WindowArgs args;
  args.className = "TToolDockForm";
  args.text = caption;
  args.style = kHostStyle;
  args.exStyle = kHostExStyle;
  args.x = 0;
  args.y = 0;
  args.width = 100;
  args.height = 50;
  args.parent = owner;
  WindowBase::Create(args);
}

SIZE FloatingHost::OuterSize(int clientWidth, int clientHeight) {
  RECT r{0, 0, clientWidth, clientHeight};
  ::AdjustWindowRectEx(&r, kHostStyle, FALSE, kHostExStyle);
  return {r.right - r.left, r.bottom - r.top};
}

void FloatingHost::Place(int left, int top, int clientWidth, int clientHeight) {
  const SIZE outer = OuterSize(clientWidth, clientHeight);
  ::SetWindowPos(*this, nullptr, left, top, outer.cx, outer.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

bool FloatingHost::OnClose() {
  if (onClose) onClose();
  return true;
}

bool FloatingHost::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  // The caption drags the palette to a new place or a bar, instead of the system's move.
  if ((msg == WM_NCLBUTTONDOWN || msg == WM_NCLBUTTONDBLCLK) && wp == HTCAPTION) {
    if (msg == WM_NCLBUTTONDOWN) drag.Begin(*this, POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
    result = 0;
    return true;
  }
  if (!drag.Handle(*this, msg, lp)) return false;
  result = 0;
  return true;
}

void DropIndicator::Create() {
  winui::WindowArgs args;
  args.className = "OrvaneDropIndicator";
  args.style = WS_POPUP;
  args.exStyle =
      WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
  args.background = reinterpret_cast<HBRUSH>(COLOR_HIGHLIGHT + 1);
  WindowBase::Create(args);
  ::SetLayeredWindowAttributes(*this, 0, kIndicatorAlpha, LWA_ALPHA);
}

void DropIndicator::ShowAt(const RECT& screen) {
  ::SetWindowPos(*this, HWND_TOPMOST, screen.left, screen.top, screen.right - screen.left,
                 screen.bottom - screen.top, SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

}  // namespace orvane::win32
