#pragma once
// The message-box seam over MessageBoxA: the plain box captioned with the application title
// (ApplicationTitle), and the warning confirmations with Yes and No or OK and Cancel.
// All are modal to the owner window.

#include <windows.h>

#include "platform/message_boxes.h"

namespace orvane::win32 {

class Win32MessageBoxes : public MessageBoxes {
 public:
  // owner: not owned; may be set later, when the main window exists.
  explicit Win32MessageBoxes(HWND owner = nullptr) : owner_(owner) {}

  void SetOwner(HWND owner) { owner_ = owner; }
  HWND owner() const { return owner_; }

  void ShowMessage(std::string_view text) override;
  bool ConfirmWarning(std::string_view text) override;
  bool ConfirmOkCancel(std::string_view text) override;

 private:
  HWND owner_;  // not owned
};

}  // namespace orvane::win32
