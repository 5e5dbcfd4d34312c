#pragma once
// The text buffers that controls hand out with their notifications (LVN_GETDISPINFO,
// TVN_GETDISPINFO, LVN_ODFINDITEM) come in a narrow and a wide form; these fill and read
// both. Narrow texts are in the ANSI code page.

#include <windows.h>

#include <string>
#include <string_view>

namespace orvane::winui {

// Copies as much of text as fits before the terminator, which is always written; nothing for
// a null buffer or a size below 1.
void FillTextBuffer(std::string_view text, char* buffer, int size);
void FillTextBuffer(std::string_view text, wchar_t* buffer, int size);

// The narrow form of a terminated wide text; empty for null.
std::string NarrowText(const wchar_t* text);

}  // namespace orvane::winui
