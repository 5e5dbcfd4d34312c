#include "winui/rich_edit.h"

#include <richedit.h>

#include "snapshot/error.h"

namespace orvane::winui {

namespace {

// The class of the rich-edit library that was loaded; the library stays loaded for the
// process's life (not owned by any window).
const char* RichEditClass() {
  static const char* className = []() -> const char* {
    if (::LoadLibraryA("Msftedit.dll")) return "RICHEDIT50W";
    if (::LoadLibraryA("Riched20.dll")) return RICHEDIT_CLASSA;
    return nullptr;
  }();
  if (!className) throw Error("Cannot load the rich edit library");
  return className;
}

}  // namespace

void RichEdit::Create(const ControlArgs& args, bool readOnly) {
  CreateControl(RichEditClass(), args,
                WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | (readOnly ? ES_READONLY : 0),
                WS_EX_CLIENTEDGE);
}

void RichEdit::SetLines(const std::vector<std::string>& lines) {
  std::string text;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i) text += "\r\n";
    text += lines[i];
  }
  SetText(text);
}

std::vector<std::string> RichEdit::GetLines() const {
  // The control keeps a paragraph end as a lone CR; accept CR LF and LF as well.
  std::vector<std::string> lines;
  const std::string text = GetText();
  if (text.empty()) return lines;
  std::string line;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(line);
      line.clear();
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      line += c;
    }
  }
  lines.push_back(line);
  return lines;
}

}  // namespace orvane::winui
