#include "e2e/drive.h"

#include <string>

#include "win/support/test_process.h"

namespace orvane::testing {

namespace {

struct ChildSearch {
  const char* text;
  HWND found;
};

BOOL CALLBACK MatchChild(HWND hwnd, LPARAM lp) {
  auto* search = reinterpret_cast<ChildSearch*>(lp);
  char buffer[256] = {};
  GetWindowTextA(hwnd, buffer, sizeof buffer);
  // A caption matches as it shows: its access letter's "&" is not part of it.
  std::string shown(buffer);
  std::erase(shown, '&');
  if (shown != search->text) return TRUE;
  search->found = hwnd;
  return FALSE;
}

}  // namespace

HWND ChildByText(HWND parent, const char* text) {
  ChildSearch search{text, nullptr};
  EnumChildWindows(parent, MatchChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND WaitWindow(DWORD pid, const char* caption, DWORD timeoutMs) {
  HWND found = nullptr;
  PumpUntil(
      [&] {
        found = nullptr;
        for (HWND w = FindWindowExA(nullptr, nullptr, nullptr, caption); w && !found;
             w = FindWindowExA(nullptr, w, nullptr, caption)) {
          DWORD owner = 0;
          GetWindowThreadProcessId(w, &owner);
          if (owner == pid && IsWindowVisible(w)) found = w;
        }
        return found != nullptr;
      },
      timeoutMs);
  return found;
}

bool Press(HWND dialog, const char* caption) {
  HWND button = ChildByText(dialog, caption);
  return button && PostMessageA(button, BM_CLICK, 0, 0);
}

void Tick(HWND dialog, const char* caption) {
  if (HWND box = ChildByText(dialog, caption)) SendMessageA(box, BM_CLICK, 0, 0);
}

void Settle(HWND window) {
  DWORD_PTR result = 0;
  SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 60000, &result);
}

void CloseCommonDialog(HWND commonDialog) {
  // While a common dialog is open its thread answers sent messages at once, so only its
  // closing tells that the answer was taken.
  PostMessageA(commonDialog, WM_COMMAND, IDOK, 0);
  PumpUntil([&] { return !IsWindow(commonDialog) || !IsWindowVisible(commonDialog); }, 15000);
}

bool SaveThrough(DWORD pid, HWND dialog, const char* button, const std::string& path) {
  if (!Press(dialog, button)) return false;
  HWND save = WaitWindow(pid, "Save As");
  if (!save) return false;
  // The file name box: a combo box in the Explorer-style dialog, an edit box in the old one.
  SetDlgItemTextA(save, 1148, path.c_str());
  SetDlgItemTextA(save, 1152, path.c_str());
  CloseCommonDialog(save);
  // The file shows as soon as the program opens it, before a line is written: it is whole once
  // the program has closed it, which an open that shares it with no one tells.
  return PumpUntil(
      [&] {
        HANDLE file =
            CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE) return false;
        CloseHandle(file);
        return true;
      },
      10000);
}

}  // namespace orvane::testing
