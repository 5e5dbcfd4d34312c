// Drives the built program as a person would to print: opens the event log or the report,
// saves its text through the save dialog and prints it through the print dialog on the
// default printer. scripts/print-check runs it and compares the printed document with the
// saved file.
//
//   print_driver log|report SAVED_FILE
//
// "log": ticks the thread and process events, starts a helper with many threads so the log
// runs past one page, and unticks them again before saving, so nothing is added between the
// save and the print. "report": the report of the processes. Exit code 0 when every step
// found its window.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "e2e/program.h"
#include "win/support/test_process.h"

namespace {

using namespace orvane::testing;

bool Fail(const char* what) {
  std::fprintf(stderr, "print_driver: %s\n", what);
  return false;
}

struct ChildSearch {
  const char* text;
  HWND found;
};

BOOL CALLBACK MatchChild(HWND hwnd, LPARAM lp) {
  auto* search = reinterpret_cast<ChildSearch*>(lp);
  char buffer[256] = {};
  GetWindowTextA(hwnd, buffer, sizeof buffer);
  if (std::strcmp(buffer, search->text) != 0) return TRUE;
  search->found = hwnd;
  return FALSE;
}

// The child of parent whose text is text, at any depth.
HWND ChildByText(HWND parent, const char* text) {
  ChildSearch search{text, nullptr};
  EnumChildWindows(parent, MatchChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// A visible top-level window of the process with this caption.
HWND WaitWindow(DWORD pid, const char* caption, DWORD timeoutMs = 15000) {
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

// Presses a button without waiting for what it opens.
bool Press(HWND dialog, const char* caption) {
  HWND button = ChildByText(dialog, caption);
  return button && PostMessageA(button, BM_CLICK, 0, 0);
}

void Tick(HWND dialog, const char* caption) {
  if (HWND box = ChildByText(dialog, caption)) SendMessageA(box, BM_CLICK, 0, 0);
}

// Returns once the window's thread has handled everything sent before: the handler that a
// button started has ended.
void Settle(HWND window) {
  DWORD_PTR result = 0;
  SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 60000, &result);
}

// Answers a common dialog with OK and waits until it has gone: while it is open its thread
// answers sent messages at once, so only its closing tells that the answer was taken.
void Close(HWND commonDialog) {
  PostMessageA(commonDialog, WM_COMMAND, IDOK, 0);
  PumpUntil([&] { return !IsWindow(commonDialog) || !IsWindowVisible(commonDialog); }, 15000);
}

bool SaveAndPrint(DWORD pid, HWND dialog, const std::string& path) {
  if (!Press(dialog, "Save To File")) return Fail("no Save To File button");
  HWND save = WaitWindow(pid, "Save As");
  if (!save) return Fail("no save dialog");
  // The file name box: a combo box in the Explorer-style dialog, an edit box in the old one.
  SetDlgItemTextA(save, 1148, path.c_str());
  SetDlgItemTextA(save, 1152, path.c_str());
  Close(save);
  if (!PumpUntil([&] { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; },
                 10000))
    return Fail("the file was not saved");

  if (!Press(dialog, "Print")) return Fail("no Print button");
  HWND print = WaitWindow(pid, "Print");
  if (!print) return Fail("no print dialog");
  Close(print);
  Settle(dialog);
  // The job reaches the queue after the handler: give it time before the program ends.
  Sleep(3000);
  return true;
}

bool PrintLog(const Program& program, HWND main, const std::string& path) {
  PostMessageA(main, WM_COMMAND, 1000 + 23, 0);  // View > Log Events
  HWND log = WaitWindow(program.Pid(), "Log events");
  if (!log) return Fail("no log window");
  Tick(log, "Process Add/Remove");
  Tick(log, "Thread Add/Remove");
  {
    // Enough threads for the log to run past the first page.
    TestProcess helper("Orvane print probe", 160);
    Sleep(4000);
  }
  Sleep(3000);
  Tick(log, "Process Add/Remove");
  Tick(log, "Thread Add/Remove");
  Sleep(1500);
  return SaveAndPrint(program.Pid(), log, path);
}

bool PrintReport(const Program& program, HWND main, const std::string& path) {
  PostMessageA(main, WM_COMMAND, 1000 + 22, 0);  // View > Print Objects
  HWND report = WaitWindow(program.Pid(), "Print Object List");
  if (!report) return Fail("no report window");
  return SaveAndPrint(program.Pid(), report, path);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return Fail("usage: print_driver log|report SAVED_FILE"), 2;
  const std::string what = argv[1];
  const std::string path = argv[2];
  DeleteFileA(path.c_str());
  Program program;
  HWND main = program.WaitMainWindow();
  if (!main) return Fail("the program did not start"), 1;
  Sleep(3000);  // a few cycles: the list at the computer level
  const bool done =
      what == "log" ? PrintLog(program, main, path) : PrintReport(program, main, path);
  return done ? 0 : 1;
}
