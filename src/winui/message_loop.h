#pragma once
// The program's one message loop, and a non-blocking pump for tests and long operations.

#include <windows.h>

namespace orvane::winui {

// Loads the common controls (tree, list, status bar, tooltips); call once before any window.
void InitCommonControls();

// Runs until WM_QUIT and returns its exit code. Keys for accelWindow or a window inside it go
// first to its accelerator table (when both are given), and its Tab becomes WM_NEXTDLGCTL
// (wParam: backwards) sent to it; keys go then to the modeless dialog they belong to.
int RunMessageLoop(HWND accelWindow = nullptr, HACCEL accelerators = nullptr);

// Dispatches every message waiting in the thread's queue; false when WM_QUIT was seen.
bool PumpMessages();

// One turn of the loop for a message taken from the queue: accelerators, then the modeless
// dialogs' keyboard handling, then the message's window.
void DeliverMessage(MSG& msg, HWND accelWindow = nullptr, HACCEL accelerators = nullptr);

}  // namespace orvane::winui
