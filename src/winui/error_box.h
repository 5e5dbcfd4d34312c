#pragma once
// The application's standard error box and the title it is captioned with. Every window
// procedure ends in ReportCurrentException, so an exception from a handler is shown here and
// the program goes on with the next message.

#include <windows.h>

#include <string>

namespace orvane::winui {

// The application title, "Orvane 2000" until the program sets it; captions every plain box.
const std::string& ApplicationTitle();
void SetApplicationTitle(const std::string& title);

// A plain message box with an OK button and the error icon, captioned with the title.
void ShowErrorBox(const std::string& text);

// Call only inside a catch block: shows the exception being handled in the error box.
void ReportCurrentException() noexcept;

// Runs f and reports anything it throws; for callbacks the system calls outside a window
// procedure (timer procedures, enumeration callbacks).
template <typename F>
bool Guarded(F&& f) noexcept {
  try {
    f();
    return true;
  } catch (...) {
    ReportCurrentException();
    return false;
  }
}

}  // namespace orvane::winui
