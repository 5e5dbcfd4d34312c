#include "winui/error_box.h"

#include <exception>

namespace orvane::winui {

void ShowErrorBox(const std::string& text) {
  // Owned by the active window so the box is modal to what the user was working in.
  ::MessageBoxA(::GetActiveWindow(), text.c_str(), ApplicationTitle().c_str(),
                MB_OK | MB_ICONERROR);
}

void ReportCurrentException() noexcept {
  try {
    try {
      throw;
    } catch (const std::exception& e) {
      ShowErrorBox(e.what());
    } catch (...) {
      ShowErrorBox("Unknown error");
    }
  } catch (...) {
    // Showing the box itself failed (out of memory): nothing sensible is left to do.
  }
}

}  // namespace orvane::winui
