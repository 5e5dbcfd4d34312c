#pragma once
// What a control kept from drawing needs: WM_SETREDRAW's default makes a window not drawable
// (it clears WS_VISIBLE) and validates it and its children, so what was waiting to be painted
// is painted first, or taken and given back after; and the scroll bars, not drawn meanwhile,
// are drawn once after where their values changed.

#include <windows.h>

namespace orvane::winui {

// Keeps a shown window from drawing without hiding it (IsShown still answers shown), and lets
// it draw again. Neither tells the window itself.
void StopDrawingOf(HWND hwnd);
void ResumeDrawingOf(HWND hwnd);

// What a window's scroll bars show.
struct ScrollBarValues {
  SCROLLINFO vertical{};
  SCROLLINFO horizontal{};
  LONG style = 0;  // WS_VSCROLL and WS_HSCROLL: which are shown
};

ScrollBarValues ReadScrollBars(HWND hwnd);

// Draws the bars whose values changed since before; a bar shown or hidden redraws the frame.
void DrawChangedScrollBars(HWND hwnd, const ScrollBarValues& before);

// The window's update region, or nullptr where it has none; the caller owns it.
HRGN TakeUpdateRegion(HWND hwnd);

// Invalidates region again (erasing) and deletes it; nullptr does nothing.
void GiveBackUpdateRegion(HWND hwnd, HRGN region);

}  // namespace orvane::winui
