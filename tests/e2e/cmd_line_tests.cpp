// The program run with a command line: "stop" terminating every running copy of an executable,
// "notray" cleaning up, an unknown word, and the dialog's "Cancel" and close box.
#include <windows.h>
// After windows.h, which it needs.
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "e2e/program.h"
#include "win/support/test_process.h"

namespace orvane {
namespace {

using testing::Program;
using testing::PumpUntil;
using testing::TestDirectory;
using testing::TestProcess;

constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr char kTrayValue[] = "Orvane2000Tray";
constexpr int kMsgId = 100;
constexpr int kCancelId = 101;

// The process's text in the object list's "Executable" column: its tool-help file name with
// the directory lower-cased, and the name too when it has a dot.
std::string ExecutableText(DWORD pid) {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  std::string exe;
  for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
    if (entry.th32ProcessID == pid) exe = entry.szExeFile;
  }
  CloseHandle(snapshot);
  const std::size_t slash = exe.rfind('\\');
  const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  const std::size_t lowerEnd =
      exe.find('.', nameStart) == std::string::npos ? nameStart : exe.size();
  CharLowerBuffA(exe.data(), static_cast<DWORD>(lowerEnd));
  return exe;
}

std::string Upper(std::string text) {
  CharUpperBuffA(text.data(), static_cast<DWORD>(text.size()));
  return text;
}

struct DialogSearch {
  DWORD pid;
  HWND found;
};

BOOL CALLBACK FindVisibleDialog(HWND hwnd, LPARAM param) {
  auto* search = reinterpret_cast<DialogSearch*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(hwnd, &owner);
  char cls[16] = {};
  GetClassNameA(hwnd, cls, sizeof cls);
  if (owner != search->pid || std::string(cls) != "#32770" || !IsWindowVisible(hwnd)) return TRUE;
  search->found = hwnd;
  return FALSE;
}

// The program's visible dialog: with a command line, only the command-line dialog shows.
HWND VisibleDialog(DWORD pid) {
  DialogSearch search{pid, nullptr};
  EnumWindows(FindVisibleDialog, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND WaitDialog(const Program& program) {
  HWND dialog = nullptr;
  PumpUntil([&] { return (dialog = VisibleDialog(program.Pid())) != nullptr; }, 20000);
  return dialog;
}

std::string TextOf(HWND hwnd) {
  char text[512] = {};
  SendMessageA(hwnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  return text;
}

// The text of the dialog's message, without the blanks that reserve its width.
std::string Message(HWND dialog) {
  std::string text = TextOf(GetDlgItem(dialog, kMsgId));
  text.erase(text.find_last_not_of(' ') + 1);
  return text;
}

bool HasTrayValue(HKEY root = HKEY_LOCAL_MACHINE) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, kRunKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
    return false;
  }
  const bool found =
      RegQueryValueExA(key, kTrayValue, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
  RegCloseKey(key);
  return found;
}

void SetTrayValue(HKEY root = HKEY_LOCAL_MACHINE) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExA(root, kRunKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  const char data[] = "tray.exe";
  RegSetValueExA(key, kTrayValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(data), sizeof data);
  RegCloseKey(key);
}

// The task manager's replacement, in the 64-bit view where Windows looks for it.
constexpr char kTaskManagerKey[] =
    "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Image File Execution Options\\taskmgr.exe";

void SetDebugger(const std::string& value) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, kTaskManagerKey, 0, nullptr, 0,
                            KEY_SET_VALUE | KEY_WOW64_64KEY, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  RegSetValueExA(key, "Debugger", 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>(value.size() + 1));
  RegCloseKey(key);
}

bool HasDebugger() {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kTaskManagerKey, 0, KEY_QUERY_VALUE | KEY_WOW64_64KEY,
                    &key) != ERROR_SUCCESS) {
    return false;
  }
  const bool found =
      RegQueryValueExA(key, "Debugger", nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
  RegCloseKey(key);
  return found;
}

bool FileExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

TEST(CmdLine, StopTerminatesEveryCopyOfTheExactExecutableThenEnds) {
  TestProcess first("cmdline copy 1");
  TestProcess second("cmdline copy 2");
  // Built beside the tests: a copy made at run time may not start on every file system.
  const std::string otherExe = TestDirectory() + "test_window_other.exe";
  TestProcess other("cmdline other", 2, false, otherExe);
  const std::string target = ExecutableText(first.pid());
  ASSERT_FALSE(target.empty());
  ASSERT_EQ(ExecutableText(second.pid()), target);

  // Letter case counts: the same name in capitals names no row.
  Program wrongCase("stop " + Upper(target) + " 1");
  ASSERT_TRUE(wrongCase.Started());
  EXPECT_EQ(wrongCase.WaitExit(30000), 0u);
  EXPECT_EQ(first.WaitExit(0), STILL_ACTIVE);
  EXPECT_EQ(second.WaitExit(0), STILL_ACTIVE);

  Program stop("stop \"" + target + "\" 1");
  ASSERT_TRUE(stop.Started());
  EXPECT_EQ(first.WaitExit(30000), 1u);
  EXPECT_EQ(second.WaitExit(5000), 1u);
  EXPECT_EQ(stop.WaitExit(10000), 0u);
  EXPECT_EQ(other.WaitExit(0), STILL_ACTIVE);
}

TEST(CmdLine, NotrayDeletesTheFilesAtOnceAndTheRunValueAtTheFirstTick) {
  const std::string dir = TestDirectory();
  const std::vector<std::string> deleted{"tray.dat", "news.dat", "oldn.dat", "nnws.dat",
                                         "start.dat"};
  const std::vector<std::string> kept{"workspace.dat", "removed.dat"};
  for (const std::string& name : deleted) std::ofstream(dir + name) << "x";
  for (const std::string& name : kept) std::ofstream(dir + name) << "kept";
  SetTrayValue();
  SetTrayValue(HKEY_CURRENT_USER);
  ASSERT_TRUE(HasTrayValue());
  // Left by a companion that was killed: Task Manager would start this program for ever.
  SetDebugger("\"" + dir + "orvn2k.exe\"");

  Program program("notray x 0");
  ASSERT_TRUE(program.Started());
  const HWND dialog = WaitDialog(program);
  ASSERT_NE(dialog, nullptr);
  // Shown: the files are gone, the value is still there until the first tick a second later.
  const bool valueAtShow = HasTrayValue();
  const bool debuggerAtShow = HasDebugger();
  for (const std::string& name : deleted) EXPECT_FALSE(FileExists(dir + name)) << name;
  EXPECT_TRUE(valueAtShow);
  EXPECT_TRUE(debuggerAtShow);
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, kCancelId)));
  EXPECT_EQ(TextOf(dialog), "Orvane 2000 Professional");

  EXPECT_EQ(program.WaitExit(20000), 0u);
  EXPECT_FALSE(HasTrayValue());
  EXPECT_FALSE(HasTrayValue(HKEY_CURRENT_USER));
  EXPECT_FALSE(HasDebugger());
  for (const std::string& name : kept) {
    std::ifstream in(dir + name);
    std::string content;
    std::getline(in, content);
    EXPECT_EQ(content, "kept") << name;
    in.close();
    DeleteFileA((dir + name).c_str());
  }
}

TEST(CmdLine, CloseBoxOnlyHidesTheDialogAndCancelEndsAtOnce) {
  TestProcess helper("cmdline survivor");
  const std::string target = ExecutableText(helper.pid());
  Program program("stop " + target + " 30");
  ASSERT_TRUE(program.Started());
  const HWND main = program.WaitMainWindow();
  ASSERT_NE(main, nullptr);
  const HWND dialog = WaitDialog(program);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(Message(dialog), "Using command line parameters.");

  // The first tick hides the main window and starts counting.
  EXPECT_TRUE(PumpUntil([&] { return !IsWindowVisible(main); }, 10000));
  const std::string counting = "Terminating " + target + " in ";
  EXPECT_TRUE(PumpUntil([&] { return Message(dialog).starts_with(counting); }, 10000));

  SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_TRUE(PumpUntil([&] { return !IsWindowVisible(dialog); }, 5000));
  const std::string before = Message(dialog);
  EXPECT_TRUE(PumpUntil([&] { return Message(dialog) != before; }, 10000))
      << "the countdown goes on behind the closed dialog";
  EXPECT_TRUE(program.Running());

  SendMessageA(GetDlgItem(dialog, kCancelId), BM_CLICK, 0, 0);
  EXPECT_EQ(program.WaitExit(10000), 0u);
  EXPECT_EQ(helper.WaitExit(0), STILL_ACTIVE);
}

TEST(CmdLine, AnUnknownWordIsShownAndEndsTheProgram) {
  Program program("frob x 4");
  ASSERT_TRUE(program.Started());
  const HWND dialog = WaitDialog(program);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(Message(dialog), "Unknown command: frob");
  EXPECT_EQ(program.WaitExit(20000), 0u);
}

}  // namespace
}  // namespace orvane
