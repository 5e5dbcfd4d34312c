#pragma once
// The application's standard error box and the title it is captioned with. Every window
// procedure ends in ReportCurrentException, so an exception from a handler is shown here and
// the program goes on with the next message.

#include <windows.h>

#include <string>

#include "platform/application_title.h"

namespace orvane::winui {

// A plain message box with an OK button and the error icon, captioned with the application
// title.
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
