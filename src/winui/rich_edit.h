#pragma once
// A multi-line rich-text box, usually read-only, filled line by line.

#include <windows.h>

#include <string>
#include <vector>

#include "winui/control.h"

namespace orvane::winui {

class RichEdit : public Control {
 public:
  // Loads the newest rich-edit library present (Msftedit, else Riched20) on first use;
  // throws orvane::Error when neither is there.
  void Create(const ControlArgs& args, bool readOnly = true);

  void SetReadOnly(bool readOnly) { SendMessage(EM_SETREADONLY, readOnly ? TRUE : FALSE); }
  bool IsReadOnly() const { return (Style() & ES_READONLY) != 0; }
  // Replaces the text by these lines, separated by CR LF.
  void SetLines(const std::vector<std::string>& lines);
  std::vector<std::string> GetLines() const;
  void Clear() { SetText(""); }
  int LineCount() const { return static_cast<int>(SendMessage(EM_GETLINECOUNT)); }
};

}  // namespace orvane::winui
