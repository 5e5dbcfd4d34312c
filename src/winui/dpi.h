#pragma once
// The display scale of a window: every size and position the program gives in pixels is
// written for 96 DPI and goes through Scale with the DPI of the window it is for.

#include <windows.h>

#include "platform/display_scale.h"

namespace orvane::winui {

using orvane::kBaseDpi;
using orvane::Scale;

// The DPI of the monitor the window is on (per-monitor aware), or of the system; 96 where the
// system knows no scale.
int DpiOf(HWND window);

// value scaled for the window's display.
inline int ScaleFor(HWND window, int value) {
  return Scale(value, DpiOf(window));
}

}  // namespace orvane::winui
