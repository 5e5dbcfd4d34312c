#include "platform/win32/clipboard.h"

#include <cstring>

namespace orvane::win32 {

namespace {

// Another program may hold the clipboard for a moment: a few short tries, then give up.
bool OpenWithin(HWND owner, int tries) {
  for (int i = 0; i < tries; ++i) {
    if (OpenClipboard(owner)) return true;
    Sleep(10);
  }
  return false;
}

}  // namespace

bool Win32Clipboard::SetText(std::string_view text) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  if (!memory) return false;
  if (void* bytes = GlobalLock(memory)) {
    std::memcpy(bytes, text.data(), text.size());
    static_cast<char*>(bytes)[text.size()] = '\0';
    GlobalUnlock(memory);
  } else {
    GlobalFree(memory);
    return false;
  }
  if (!OpenWithin(owner_, 10)) {
    GlobalFree(memory);
    return false;
  }
  // Once set, the memory is the system's; left unset, it is still ours to free.
  const bool set = EmptyClipboard() && SetClipboardData(CF_TEXT, memory) != nullptr;
  CloseClipboard();
  if (!set) GlobalFree(memory);
  return set;
}

}  // namespace orvane::win32
