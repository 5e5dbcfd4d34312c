#pragma once
// A non-owning, non-copyable view of a window handle: inline one-liners over the API so that
// calling code reads as operations on a window rather than on a handle.

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

namespace orvane::winui {

// Shows a hidden window, restores a minimised one, puts it in front of the others and makes it
// the active window. Activated from another process, Wine leaves a window where it was in the
// stacking order, so it is raised first.
inline void BringForward(HWND hwnd) {
  ::ShowWindow(hwnd, ::IsIconic(hwnd) ? SW_RESTORE : SW_SHOW);
  ::SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  ::SetForegroundWindow(hwnd);
}

// The windows kept from drawing without being hidden (TreeView::StopDrawing), on the GUI
// thread: WM_SETREDRAW's default clears WS_VISIBLE for that time. Kept in the process, as
// under Wine a window property is a call to the window server.
inline std::vector<HWND>& DrawingStopped() {
  static std::vector<HWND> windows;
  return windows;
}

inline bool IsDrawingStopped(HWND hwnd) {
  return std::ranges::find(DrawingStopped(), hwnd) != DrawingStopped().end();
}

// Shown, or would be but for a stop in its drawing: what layouts and focus go by.
inline bool IsShown(HWND hwnd) {
  if (::IsWindowVisible(hwnd)) return true;
  if (!IsDrawingStopped(hwnd)) return false;
  const HWND parent = ::GetParent(hwnd);
  return parent == nullptr || ::IsWindowVisible(parent);
}

class Window {
 public:
  Window() = default;
  explicit Window(HWND hwnd) : hwnd_(hwnd) {}
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window() = default;

  operator HWND() const { return hwnd_; }
  HWND Handle() const { return hwnd_; }
  bool IsValid() const { return hwnd_ != nullptr && ::IsWindow(hwnd_); }

  void Show(bool show = true) { ::ShowWindow(hwnd_, show ? SW_SHOW : SW_HIDE); }
  void Hide() { ::ShowWindow(hwnd_, SW_HIDE); }
  bool IsVisible() const { return IsShown(hwnd_); }
  void Enable(bool enable = true) { ::EnableWindow(hwnd_, enable ? TRUE : FALSE); }
  bool IsEnabled() const { return ::IsWindowEnabled(hwnd_) != FALSE; }
  void Focus() { ::SetFocus(hwnd_); }

  void SetText(const std::string& text) { ::SetWindowTextA(hwnd_, text.c_str()); }
  std::string GetText() const {
    std::string text(static_cast<size_t>(::GetWindowTextLengthA(hwnd_)) + 1, '\0');
    text.resize(static_cast<size_t>(::GetWindowTextA(hwnd_, text.data(), int(text.size()))));
    return text;
  }

  void Move(int x, int y, int width, int height, bool repaint = true) {
    ::MoveWindow(hwnd_, x, y, width, height, repaint ? TRUE : FALSE);
  }
  void Move(const RECT& r, bool repaint = true) {
    Move(r.left, r.top, r.right - r.left, r.bottom - r.top, repaint);
  }
  RECT ClientRect() const {
    RECT r{};
    ::GetClientRect(hwnd_, &r);
    return r;
  }
  RECT WindowRect() const {
    RECT r{};
    ::GetWindowRect(hwnd_, &r);
    return r;
  }
  // The window's rectangle in its parent's client coordinates (the screen for a top level).
  RECT RectInParent() const {
    RECT r = WindowRect();
    ::MapWindowPoints(HWND_DESKTOP, ::GetParent(hwnd_), reinterpret_cast<POINT*>(&r), 2);
    return r;
  }
  HWND Parent() const { return ::GetParent(hwnd_); }
  int Id() const { return ::GetDlgCtrlID(hwnd_); }

  void SetFont(HFONT font, bool redraw = true) {
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw ? TRUE : FALSE);
  }
  HFONT GetFont() const { return reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)); }
  void SetRedraw(bool redraw) { SendMessage(WM_SETREDRAW, redraw ? TRUE : FALSE); }
  void Invalidate(bool erase = true) { ::InvalidateRect(hwnd_, nullptr, erase ? TRUE : FALSE); }
  void Update() { ::UpdateWindow(hwnd_); }

  LRESULT SendMessage(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const {
    return ::SendMessageA(hwnd_, msg, wp, lp);
  }
  bool PostMessage(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const {
    return ::PostMessageA(hwnd_, msg, wp, lp) != FALSE;
  }
  LONG_PTR Style() const { return ::GetWindowLongPtrA(hwnd_, GWL_STYLE); }
  void SetStyle(LONG_PTR style) { ::SetWindowLongPtrA(hwnd_, GWL_STYLE, style); }

  UINT_PTR SetTimer(UINT_PTR id, UINT milliseconds) {
    return ::SetTimer(hwnd_, id, milliseconds, nullptr);
  }
  void KillTimer(UINT_PTR id) { ::KillTimer(hwnd_, id); }

 protected:
  void Attach(HWND hwnd) { hwnd_ = hwnd; }

 private:
  HWND hwnd_ = nullptr;  // not owned: the wrapper only names the window
};

}  // namespace orvane::winui
