#pragma once
// The seam to the two kinds of box that the commands and dialogs show: a plain message with
// an OK button, captioned with the application title, for refusals and hints; and the
// warning confirmation, with Yes and No or with OK and Cancel. One Win32 adapter
// (platform/win32/message_boxes.h) and an in-memory double for native tests.

#include <string_view>

namespace orvane {

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // Lines are separated by "\n".
  virtual void ShowMessage(std::string_view text) = 0;
  // True only when the user answers Yes; closing the box counts as No.
  virtual bool ConfirmWarning(std::string_view text) = 0;
  // True only when the user answers OK; closing the box counts as Cancel.
  virtual bool ConfirmOkCancel(std::string_view text) = 0;
};

}  // namespace orvane
