#pragma once
// The clipboard seam over the Win32 clipboard: the text as CF_TEXT (8-bit, as the program's
// text is), from which the system gives other programs the wider forms.

#include <windows.h>

#include "platform/clipboard.h"

namespace orvane::win32 {

class Win32Clipboard : public Clipboard {
 public:
  // owner: the window that owns what is put on the clipboard; not owned, may be set later.
  explicit Win32Clipboard(HWND owner = nullptr) : owner_(owner) {}
  void SetOwner(HWND owner) { owner_ = owner; }

  bool SetText(std::string_view text) override;

 private:
  HWND owner_;  // not owned
};

}  // namespace orvane::win32
