// Objects that push the snapshot to its limits, seen through the real services under Wine: a
// path near MAX_PATH, a name outside the ANSI code page, a 1,000-character window title and
// 2,000 windows in one process.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32/handles.h"
#include "platform/win32/object_control.h"
#include "platform/win32/system_services.h"
#include "snapshot/collector.h"
#include "snapshot/operations.h"
#include "snapshot/win32/toolhelp_source.h"
#include "win/support/real_collector.h"
#include "win/support/test_process.h"

namespace orvane {
namespace {

using testing::PumpUntil;
using testing::TestDirectory;

std::wstring Wide(const std::string& text) {
  return std::wstring(text.begin(), text.end());
}

class HostileObjects : public testing::RealCollectorTest {};

TEST_F(HostileObjects, LongPathsForeignNamesHugeTitlesAndManyWindowsStayWithinTheirFields) {
  // A folder chain that brings the executable's path to 250 characters, and a file name in
  // Cyrillic, which the ANSI code page cannot hold.
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  std::wstring folder = temp;
  std::vector<std::wstring> made;
  const std::wstring name = L"\x0436\x0443\x043a.exe";
  while (folder.size() + 30 + name.size() < 250) {
    folder += L"orvane-deep-folder-name-long\\";
    CreateDirectoryW(folder.c_str(), nullptr);
    made.push_back(folder);
  }
  folder += std::wstring(250 - folder.size() - name.size() - 1, L'd') + L"\\";
  CreateDirectoryW(folder.c_str(), nullptr);
  made.push_back(folder);
  const std::wstring exe = folder + name;
  ASSERT_EQ(exe.size(), 250u);
  ASSERT_TRUE(CopyFileW(Wide(TestDirectory() + "test_window.exe").c_str(), exe.c_str(), FALSE));

  const std::wstring title(1000, L'T');
  std::wstring command = L"\"" + exe + L"\" \"" + title + L"\" 1 shown 2000";
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION info{};
  ASSERT_TRUE(CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                             nullptr, &si, &info));
  WaitForInputIdle(info.hProcess, 20000);
  ASSERT_TRUE(PumpUntil(
      [&] { return testing::FindTopWindow(info.dwProcessId, "OrvaneTestWindow") != nullptr; },
      20000));

  const DWORD pid = info.dwProcessId;
  // Until the helper has made all its windows.
  PumpUntil([&] { return Cycle().Of<WindowRecord>(kKindWindow, pid).size() >= 2001; }, 120000);
  const testing::Recording second = Cycle();
  const auto processes = second.Of<ProcessRecord>(kKindProcess, pid);
  const auto windows = second.Of<WindowRecord>(kKindWindow, pid);

  ASSERT_EQ(processes.size(), 1u);
  const ProcessRecord& process = processes[0];
  EXPECT_FALSE(FieldText(process.fileName).empty());
  EXPECT_LT(FieldText(process.directory).size(), sizeof process.directory);
  EXPECT_GE(windows.size(), 2001u);
  for (const WindowRecord& window : windows) {
    ASSERT_LE(FieldText(window.title).size(), 62u);
  }
  const std::string_view caption = FieldText(process.caption);
  EXPECT_TRUE(!caption.empty() && caption.find_first_not_of('T') == std::string_view::npos)
      << "the main window's title, cut to the field: " << caption;

  TerminateProcess(info.hProcess, 1);
  WaitForSingleObject(info.hProcess, 10000);
  CloseHandle(info.hThread);
  CloseHandle(info.hProcess);
  DeleteFileW(exe.c_str());
  for (auto it = made.rbegin(); it != made.rend(); ++it) RemoveDirectoryW(it->c_str());
}

// Every path that opens something closes it: cycles, commands on a live process and on one
// that has ended, and window commands on a destroyed window.
TEST_F(HostileObjects, HandlesAreClosedOnEveryPath) {
  testing::TestProcess helper("Orvane handle count", 2);
  testing::TestProcess ended("Orvane ended", 1);
  const DWORD endedPid = ended.pid();
  const HWND endedWindow = ended.window();
  TerminateProcess(ended.handle(), 1);
  ASSERT_EQ(ended.WaitExit(), 1u);

  win32::Win32ObjectControl control;
  const ObjectKey live{kKindProcess, 0, 0, helper.pid(), 0, win32::HandleWord(helper.window())};
  const ObjectKey gone{kKindProcess, 0, 0, endedPid, 0, win32::HandleWord(endedWindow)};
  const ObjectKey goneWindow{kKindWindow, 0, 0, endedPid, 0, win32::HandleWord(endedWindow)};
  const auto exercise = [&] {
    Cycle();
    for (const ObjectKey* key : {&live, &gone}) {
      ProcessInc(control, key);
      ProcessDec(control, key);
      ProcessHide(control, key);
      ProcessShow(control, key);
    }
    ProcessStop(control, &gone);
    WindowMin(control, &goneWindow);
    WindowClose(control, &goneWindow);
  };
  exercise();
  const int before = testing::HandleCountOf(GetCurrentProcessId());
  ASSERT_GT(before, 0);
  for (int i = 0; i < 3; ++i) exercise();
  EXPECT_EQ(testing::HandleCountOf(GetCurrentProcessId()), before);
  EXPECT_EQ(helper.WaitExit(0), STILL_ACTIVE);
}

}  // namespace
}  // namespace orvane
