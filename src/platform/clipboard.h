#pragma once
// The seam to the system's clipboard, for the text the main window copies. One Win32 adapter
// (platform/win32/clipboard.h) and an in-memory double for native tests.

#include <string_view>

namespace orvane {

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  // Replaces what the clipboard holds with text; false when another program keeps the
  // clipboard open (it is then as it was) or the system refuses the text.
  virtual bool SetText(std::string_view text) = 0;
};

}  // namespace orvane
