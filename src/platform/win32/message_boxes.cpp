#include "platform/win32/message_boxes.h"

#include <string>

#include "platform/application_title.h"

namespace orvane::win32 {

void Win32MessageBoxes::ShowMessage(std::string_view text) {
  const std::string message(text);
  MessageBoxA(owner_, message.c_str(), ApplicationTitle().c_str(), MB_OK);
}

bool Win32MessageBoxes::ConfirmWarning(std::string_view text) {
  const std::string message(text);
  return MessageBoxA(owner_, message.c_str(), "Warning", MB_YESNO | MB_ICONWARNING) == IDYES;
}

bool Win32MessageBoxes::ConfirmOkCancel(std::string_view text) {
  const std::string message(text);
  return MessageBoxA(owner_, message.c_str(), "Warning", MB_OKCANCEL | MB_ICONWARNING) == IDOK;
}

}  // namespace orvane::win32
