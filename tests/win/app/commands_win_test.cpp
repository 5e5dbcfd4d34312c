// The object commands against real processes and windows under Wine: the command family over
// the Win32 process-and-window control, acting on the test helper program.
#include <windows.h>
// After windows.h, which they need.
#include <aclapi.h>
#include <sddl.h>

#include <gtest/gtest.h>

#include <vector>

#include "app/commands.h"
#include "doubles/fake_message_boxes.h"
#include "platform/win32/handles.h"
#include "platform/win32/message_boxes.h"
#include "platform/win32/object_control.h"
#include "platform/win32/system_services.h"
#include "win/support/test_process.h"

namespace orvane {
namespace {

using testing::FakeMessageBoxes;
using testing::PumpUntil;
using testing::TestProcess;

class Host : public CommandHost {
 public:
  std::vector<SelectedRow> rows;
  bool ask = true;
  bool NavigationTreeFocused() override { return false; }
  std::vector<SelectedRow> SelectedRows() override { return rows; }
  bool AskBeforeTerminate() override { return ask; }
  void SetAskBeforeTerminate(bool checked) override { ask = checked; }
};

SelectedRow ProcessRow(const TestProcess& p, bool withMainWindow) {
  const uint32_t window = withMainWindow ? win32::HandleWord(p.window()) : 0;
  return {{kKindProcess, 0, 0, p.pid(), 0, window}, "test_window.exe", "test_window.exe"};
}

SelectedRow WindowRow(const TestProcess& p) {
  return {{kKindWindow, 0, 0, p.pid(), p.mainThreadId(), win32::HandleWord(p.window())},
          "Orvane command target",
          ""};
}

class CommandsWin : public ::testing::Test {
 protected:
  win32::Win32Locale locale;
  KnownPrograms programs{locale};
  Host host;
  FakeMessageBoxes boxes;
  win32::Win32ObjectControl control;
  ObjectCommands commands{host, boxes, control, programs};
};

TEST_F(CommandsWin, TerminateEndsTheProcessWithExitCodeOne) {
  TestProcess helper("Orvane command target");
  host.rows = {ProcessRow(helper, false)};
  commands.ToolProcess0StopClick();
  EXPECT_EQ(boxes.confirmations.size(), 1u);
  EXPECT_EQ(helper.WaitExit(), 1u);
}

TEST_F(CommandsWin, IncreaseAndDecreaseStepThePriorityClass) {
  TestProcess helper("Orvane command target");
  ASSERT_EQ(GetPriorityClass(helper.handle()), static_cast<DWORD>(NORMAL_PRIORITY_CLASS));
  host.rows = {ProcessRow(helper, false)};

  const std::pair<void (ObjectCommands::*)(CalledFrom), DWORD> steps[] = {
      {&ObjectCommands::ToolProcess0IncClick, HIGH_PRIORITY_CLASS},
      {&ObjectCommands::ToolProcess0DecClick, NORMAL_PRIORITY_CLASS},
      {&ObjectCommands::ToolProcess0DecClick, IDLE_PRIORITY_CLASS},
      {&ObjectCommands::ToolProcess0DecClick, IDLE_PRIORITY_CLASS},
      {&ObjectCommands::ToolProcess0IncClick, NORMAL_PRIORITY_CLASS},
  };
  for (const auto& [handler, expected] : steps) {
    (commands.*handler)(CalledFrom::kControl);
    EXPECT_EQ(GetPriorityClass(helper.handle()), expected);
  }
  // The folded classes: above-normal rises to real-time, below-normal falls to idle.
  SetPriorityClass(helper.handle(), BELOW_NORMAL_PRIORITY_CLASS);
  commands.ToolProcess0DecClick();
  EXPECT_EQ(GetPriorityClass(helper.handle()), static_cast<DWORD>(IDLE_PRIORITY_CLASS));
  EXPECT_TRUE(boxes.messages.empty());
}

TEST_F(CommandsWin, WindowCommandsChangeTheShowStateOfAnotherProcesssWindow) {
  TestProcess helper("Orvane command target");
  const HWND w = helper.window();
  ASSERT_TRUE(IsWindowVisible(w));

  host.rows = {WindowRow(helper)};
  // Restore is tried from each state: a window minimised from maximised restores to maximised.
  commands.ToolWindow0MaxClick();
  EXPECT_TRUE(PumpUntil([&] { return IsZoomed(w) != FALSE; }));
  commands.ToolWindow0NormClick();
  EXPECT_TRUE(PumpUntil([&] { return !IsIconic(w) && !IsZoomed(w); }));
  commands.ToolWindow0MinClick();
  EXPECT_TRUE(PumpUntil([&] { return IsIconic(w) != FALSE; }));
  commands.ToolWindow0NormClick();
  EXPECT_TRUE(PumpUntil([&] { return !IsIconic(w) && !IsZoomed(w); }));
  commands.ToolWindow0HideClick();
  EXPECT_TRUE(PumpUntil([&] { return !IsWindowVisible(w); }));
  commands.ToolWindow0ShowClick();
  EXPECT_TRUE(PumpUntil([&] { return IsWindowVisible(w) != FALSE; }));

  // The same through the process row, once the main window is linked.
  host.rows = {ProcessRow(helper, true)};
  commands.ToolProcess0MaxClick();
  EXPECT_TRUE(PumpUntil([&] { return IsZoomed(w) != FALSE; }));
  commands.ToolProcess0NormClick();
  EXPECT_TRUE(PumpUntil([&] { return !IsIconic(w) && !IsZoomed(w); }));
  commands.Hide1Click();
  EXPECT_TRUE(PumpUntil([&] { return !IsWindowVisible(w); }));
  commands.Show1Click();
  EXPECT_TRUE(PumpUntil([&] { return IsWindowVisible(w) != FALSE; }));
  commands.ToolProcess0MinClick();
  EXPECT_TRUE(PumpUntil([&] { return IsIconic(w) != FALSE; }));
  commands.ToolProcess0NormClick();
  EXPECT_TRUE(PumpUntil([&] { return !IsIconic(w) && !IsZoomed(w); }));
  EXPECT_TRUE(boxes.messages.empty());
}

TEST_F(CommandsWin, ProcessWindowCommandsWithoutAMainWindowChangeNothing) {
  TestProcess helper("Orvane command target");
  host.rows = {ProcessRow(helper, false)};
  commands.ToolProcess0HideClick();
  commands.ToolProcess0MinClick();
  Sleep(200);
  EXPECT_TRUE(IsWindowVisible(helper.window()));
  EXPECT_FALSE(IsIconic(helper.window()));
}

TEST_F(CommandsWin, DeleteClosesTheSelectedWindowAndItsProgramEnds) {
  TestProcess helper("Orvane command target");
  host.rows = {WindowRow(helper)};
  commands.Stop1Click();
  EXPECT_EQ(boxes.confirmations.size(), 1u) << "Ask before terminate comes first";
  EXPECT_EQ(helper.WaitExit(), 7u) << "the helper ends on WM_CLOSE with exit code 7";
}

// Lets everyone only read the process's name and times: opening it for anything more is
// refused, as for a service's process run by another user.
void DenyOpening(HANDLE process) {
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorA(
      "D:(A;;0x101000;;;WD)", SDDL_REVISION_1, &descriptor, nullptr));
  BOOL present = FALSE, defaulted = FALSE;
  PACL dacl = nullptr;
  GetSecurityDescriptorDacl(descriptor, &present, &dacl, &defaulted);
  ASSERT_EQ(SetSecurityInfo(process, SE_KERNEL_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr,
                            dacl, nullptr),
            static_cast<DWORD>(ERROR_SUCCESS));
  LocalFree(descriptor);
  ASSERT_EQ(OpenProcess(PROCESS_TERMINATE, FALSE, GetProcessId(process)), nullptr);
}

TEST_F(CommandsWin, AProcessThatEndedOrCannotBeOpenedIsPassedOverSilently) {
  for (const bool ended : {true, false}) {
    SCOPED_TRACE(ended ? "ended after the selection" : "cannot be opened");
    TestProcess helper("Orvane command target");
    host.rows = {ProcessRow(helper, true), WindowRow(helper)};
    if (ended) {
      TerminateProcess(helper.handle(), 3);
      ASSERT_EQ(helper.WaitExit(), 3u);
    } else {
      DenyOpening(helper.handle());
    }
    const DWORD priority = GetPriorityClass(helper.handle());

    host.ask = false;
    commands.ToolProcess0StopClick();
    commands.ToolProcess0IncClick();
    commands.ToolProcess0DecClick();
    if (ended) {
      // Delete also closes the selected window, which needs no opening of its process: a
      // live one would end on it.
      commands.Stop1Click();
      commands.ToolProcess0MaxClick();
      commands.ToolWindow0CloseClick();
      commands.ToolWindow0NormClick();
    }
    EXPECT_TRUE(boxes.messages.empty());
    if (ended) {
      EXPECT_EQ(helper.WaitExit(), 3u);
    } else {
      EXPECT_EQ(helper.WaitExit(300), static_cast<DWORD>(STILL_ACTIVE)) << "still running";
      EXPECT_EQ(GetPriorityClass(helper.handle()), priority);
    }
  }
}

// Presses a button of the first warning box that appears in this process, from a second
// thread. Its exit code: 1 pressed, 2 the box has no such button, 0 no box appeared.
DWORD WINAPI AnswerWarning(LPVOID param) {
  const int button = *static_cast<int*>(param);
  for (int i = 0; i < 500; ++i) {
    if (HWND box = FindWindowA("#32770", "Warning")) {
      if (!GetDlgItem(box, button)) {
        PostMessageA(box, WM_CLOSE, 0, 0);
        return 2;
      }
      PostMessageA(box, WM_COMMAND, static_cast<WPARAM>(button), 0);
      return 1;
    }
    Sleep(10);
  }
  return 0;
}

TEST(MessageBoxesWin, EachWarningConfirmationGoesOnOnlyWithItsFirstButton) {
  win32::Win32MessageBoxes boxes;
  struct Case {
    bool okCancel;
    int button;
  };
  for (Case c : {Case{false, IDYES}, Case{false, IDNO}, Case{true, IDOK}, Case{true, IDCANCEL}}) {
    HANDLE thread = CreateThread(nullptr, 0, AnswerWarning, &c.button, 0, nullptr);
    const bool goOn = c.okCancel
                          ? boxes.ConfirmOkCancel("This will remove tool.exe from the registry!")
                          : boxes.ConfirmWarning(command_text::kConfirmTerminate);
    WaitForSingleObject(thread, 10000);
    DWORD answered = 0;
    GetExitCodeThread(thread, &answered);
    CloseHandle(thread);
    ASSERT_EQ(answered, 1u) << "button " << c.button << ": 0 no box, 2 no such button";
    EXPECT_EQ(goOn, c.button == IDYES || c.button == IDOK) << "button " << c.button;
  }
}

}  // namespace
}  // namespace orvane
