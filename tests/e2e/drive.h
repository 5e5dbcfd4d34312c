#pragma once
// Driving the built program from another process, as a person would: finding its windows and
// controls, pressing buttons and answering its common dialogs.

#include <windows.h>

#include <string>

namespace orvane::testing {

// The child of parent whose text is text, at any depth, or null.
HWND ChildByText(HWND parent, const char* text);
// A visible top-level window of the process with this caption, or null after the time-out.
HWND WaitWindow(DWORD pid, const char* caption, DWORD timeoutMs = 15000);
// Presses a button without waiting for what it opens.
bool Press(HWND dialog, const char* caption);
// Clicks a check box and returns once its handler has run.
void Tick(HWND dialog, const char* caption);
// Returns once the window's thread has handled everything sent before.
void Settle(HWND window);
// Saves through the Save As dialog that the button with this caption opens; true once the
// file exists.
bool SaveThrough(DWORD pid, HWND dialog, const char* button, const std::string& path);
// Answers a common dialog with OK and waits until it has gone.
void CloseCommonDialog(HWND commonDialog);

}  // namespace orvane::testing
