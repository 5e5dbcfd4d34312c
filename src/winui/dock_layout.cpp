#include "winui/dock_layout.h"

#include <algorithm>

#include "platform/error.h"
#include "winui/window.h"

namespace orvane::winui {

namespace {

// The window's own state, whatever its parent's: a layout may be applied while hidden.
bool IsPlaced(HWND hwnd) {
  return (::GetWindowLongPtrA(hwnd, GWL_STYLE) & WS_VISIBLE) != 0 || IsDrawingStopped(hwnd);
}

int CurrentSize(HWND child, Align align) {
  RECT r{};
  ::GetWindowRect(child, &r);
  return align == Align::Top || align == Align::Bottom ? r.bottom - r.top : r.right - r.left;
}

}  // namespace

void DockLayout::Add(HWND child, Align align, int size) {
  if (!child) throw Error("Dock layout: no window");
  if (Find(child)) throw Error("Dock layout: window added twice");
  entries_.push_back({child, align, size < 0 ? CurrentSize(child, align) : size});
}

void DockLayout::Remove(HWND child) {
  std::erase_if(entries_, [child](const Entry& e) { return e.child == child; });
}

const DockLayout::Entry* DockLayout::Find(HWND child) const {
  for (const Entry& e : entries_)
    if (e.child == child) return &e;
  return nullptr;
}

DockLayout::Entry* DockLayout::Find(HWND child) {
  return const_cast<Entry*>(static_cast<const DockLayout*>(this)->Find(child));
}

int DockLayout::GetSize(HWND child) const {
  const Entry* e = Find(child);
  if (!e) throw Error("Dock layout: window not in the layout");
  return e->size;
}

void DockLayout::SetSize(HWND child, int size) {
  Entry* e = Find(child);
  if (!e) throw Error("Dock layout: window not in the layout");
  e->size = std::max(0, size);
}

Align DockLayout::GetAlign(HWND child) const {
  const Entry* e = Find(child);
  if (!e) throw Error("Dock layout: window not in the layout");
  return e->align;
}

void DockLayout::Apply() {
  RECT area{};
  if (parent_) ::GetClientRect(parent_, &area);
  Apply(area);
}

void DockLayout::Apply(const RECT& area) {
  RECT rest = area;
  // Placed together, so the children repaint once, not once per move.
  HDWP batch = ::BeginDeferWindowPos(static_cast<int>(entries_.size()));
  auto place = [&batch](HWND child, const RECT& r) {
    const int w = std::max(0L, r.right - r.left);
    const int h = std::max(0L, r.bottom - r.top);
    if (batch)
      batch = ::DeferWindowPos(batch, child, nullptr, r.left, r.top, w, h,
                               SWP_NOZORDER | SWP_NOACTIVATE);
    else
      ::SetWindowPos(child, nullptr, r.left, r.top, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
  };
  for (const Entry& e : entries_) {
    if (!IsPlaced(e.child)) continue;
    RECT r = rest;
    const LONG height = std::min<LONG>(e.size, std::max(0L, rest.bottom - rest.top));
    const LONG width = std::min<LONG>(e.size, std::max(0L, rest.right - rest.left));
    switch (e.align) {
      case Align::Top:
        r.bottom = r.top + height;
        rest.top = r.bottom;
        break;
      case Align::Bottom:
        r.top = r.bottom - height;
        rest.bottom = r.top;
        break;
      case Align::Left:
        r.right = r.left + width;
        rest.left = r.right;
        break;
      case Align::Right:
        r.left = r.right - width;
        rest.right = r.left;
        break;
      case Align::Client:
        break;
    }
    place(e.child, r);
  }
  clientArea_ = rest;
  if (batch) ::EndDeferWindowPos(batch);
}

}  // namespace orvane::winui
