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
#include <string>

#include "app/command_table.h"
#include "e2e/drive.h"
#include "e2e/program.h"
#include "win/support/test_process.h"

namespace {

using namespace orvane::testing;
using orvane::Command;
using orvane::CommandId;

bool Fail(const char* what) {
  std::fprintf(stderr, "print_driver: %s\n", what);
  return false;
}

bool SaveAndPrint(DWORD pid, HWND dialog, const std::string& path) {
  if (!SaveThrough(pid, dialog, "Save To File", path)) return Fail("the file was not saved");

  if (!Press(dialog, "Print")) return Fail("no Print button");
  HWND print = WaitWindow(pid, "Print");
  if (!print) return Fail("no print dialog");
  CloseCommonDialog(print);
  Settle(dialog);
  // The job reaches the queue after the handler: give it time before the program ends.
  Sleep(3000);
  return true;
}

bool PrintLog(const Program& program, HWND main, const std::string& path) {
  PostMessageA(main, WM_COMMAND, CommandId(Command::kGeneralLog), 0);
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
  PostMessageA(main, WM_COMMAND, CommandId(Command::kGeneralPrint), 0);
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
