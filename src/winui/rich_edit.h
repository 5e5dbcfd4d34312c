#pragma once
// A multi-line rich-text box: the object information (read-only, filled line by line), the
// event log (read-only, growing at the end) and the report (editable, printed).

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "winui/control.h"

namespace orvane::winui {

enum class ScrollBars { Vertical, Both };

struct RichEditStyle {
  bool readOnly = true;
  ScrollBars scrollBars = ScrollBars::Vertical;
  bool wrap = true;  // false: a line runs on past the right edge (horizontal scrolling)
  // Tab and Enter type into the text, also inside a dialog: a multi-line rich edit takes Tab
  // by itself, and Enter then no longer presses the dialog's default button.
  bool acceptsTabs = false;
};

class RichEdit : public Control {
 public:
  // Loads the newest rich-edit library present (Msftedit, else Riched20) on first use;
  // throws orvane::Error when neither is there. The text has no length limit.
  void Create(const ControlArgs& args, const RichEditStyle& style);
  void Create(const ControlArgs& args, bool readOnly = true) {
    Create(args, RichEditStyle{.readOnly = readOnly});
  }

  void SetReadOnly(bool readOnly) { SendMessage(EM_SETREADONLY, readOnly ? TRUE : FALSE); }
  bool IsReadOnly() const { return (Style() & ES_READONLY) != 0; }
  // Replaces the text by these lines, separated by CR LF.
  void SetLines(const std::vector<std::string>& lines);
  std::vector<std::string> GetLines() const;
  void Clear() { SetText(""); }
  int LineCount() const { return static_cast<int>(SendMessage(EM_GETLINECOUNT)); }
  // Characters in the text; a line break counts as one.
  int TextLength() const;

  // Adds text after the last character, as it is (CR LF or CR starts a new line), without
  // undo. The selection and the scroll position stay unless the caret was at the end, in
  // which case it stays there and the new end is scrolled into view. Costs the new text
  // only, however long the text already is.
  void AppendText(std::string_view text);
  // The size of the whole text, in points.
  void SetPointSize(int points);
};

// The lines of a text; a line ends at CR LF, or at a lone CR (as the control keeps a paragraph
// end) or LF. An empty text has no lines; a text ending in a line end has an empty last line.
std::vector<std::string> SplitLines(std::string_view text);

}  // namespace orvane::winui
