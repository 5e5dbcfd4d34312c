#pragma once
// The program's one message loop, and a non-blocking pump for tests and long operations.

#include <windows.h>

namespace orvane::winui {

// Loads the common controls (tree, list, status bar, tooltips); call once before any window.
void InitCommonControls();

// Runs until WM_QUIT and returns its exit code. Keys go first to the accelerator table of
// accelWindow (when both are given), then to the modeless dialog they belong to.
int RunMessageLoop(HWND accelWindow = nullptr, HACCEL accelerators = nullptr);

// Dispatches every message waiting in the thread's queue; false when WM_QUIT was seen.
bool PumpMessages();

}  // namespace orvane::winui
