#include "winui/rich_edit.h"

#include <richedit.h>

#include "platform/error.h"

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

void RichEdit::Create(const ControlArgs& args, const RichEditStyle& style) {
  DWORD base = WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL;
  if (style.scrollBars == ScrollBars::Both) base |= WS_HSCROLL | ES_AUTOHSCROLL;
  if (style.readOnly) base |= ES_READONLY;
  if (style.acceptsTabs) base |= ES_WANTRETURN;
  CreateControl(RichEditClass(), args, base, WS_EX_CLIENTEDGE);
  // The default limit (32K characters) would silently cut a long log.
  SendMessage(EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
  // A null target device with width 1 means no wrapping.
  if (!style.wrap) SendMessage(EM_SETTARGETDEVICE, 0, 1);
}

int RichEdit::TextLength() const {
  GETTEXTLENGTHEX length{GTL_DEFAULT, 1200};  // in characters, as the positions count
  return static_cast<int>(SendMessage(EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length)));
}

void RichEdit::AppendText(std::string_view text) {
  if (text.empty()) return;
  CHARRANGE kept{};
  SendMessage(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&kept));
  POINT scroll{};
  SendMessage(EM_GETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&scroll));
  CHARRANGE end{TextLength(), 0};
  end.cpMax = end.cpMin;
  const bool follow = kept.cpMin == end.cpMin && kept.cpMax == end.cpMin;
  SendMessage(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&end));
  const std::string terminated(text);
  SendMessage(EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(terminated.c_str()));
  if (follow) {
    SendMessage(EM_SCROLLCARET);
  } else {
    SendMessage(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&kept));
    SendMessage(EM_SETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&scroll));
  }
}

void RichEdit::SetPointSize(int points) {
  CHARFORMAT2A format{};
  format.cbSize = sizeof format;
  format.dwMask = CFM_SIZE;
  format.yHeight = points * 20;  // twips
  SendMessage(EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
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
  return SplitLines(GetText());
}

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  if (text.empty()) return lines;
  size_t begin = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.emplace_back(text.substr(begin, i - begin));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    begin = i + 1;
  }
  lines.emplace_back(text.substr(begin));
  return lines;
}

}  // namespace orvane::winui
