// The main window's palettes, menus and keys under Wine, acting on a real helper process.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <tuple>
#include <vector>

#include "app/main_menu.h"
#include "app/win32/main_form.h"
#include "win/support/main_form_fixture.h"
#include "win/support/test_process.h"
#include "winui/dialog_base.h"
#include "winui/message_loop.h"
#include "winui/static_controls.h"

namespace orvane {
namespace {

using testing::PumpUntil;
using testing::TestProcess;

class MainFormCommands : public ::testing::Test {
 protected:
  std::unique_ptr<win32::Program> program = testing::NewProgram();
  win32::MainForm* form = &program->Form();

  int RowOf(const std::string& caption) {
    winui::ListView& list = form->List();
    for (int i = 0; i < list.Count(); ++i)
      if (list.GetText(i, 0) == caption) return i;
    return -1;
  }
  std::string PriorityOf(const std::string& caption) {
    const int row = RowOf(caption);
    return row < 0 ? "(no row)" : form->List().GetText(row, 1);
  }
  static SIZE SizeOf(HWND hwnd) {
    RECT r;
    GetWindowRect(hwnd, &r);
    return {r.right - r.left, r.bottom - r.top};
  }
  void PressKey(WORD key, bool control = false, bool shift = false) {
    auto hold = [&](BYTE down) {
      BYTE state[256] = {};
      GetKeyboardState(state);
      if (control) state[VK_CONTROL] = down;
      if (shift) state[VK_SHIFT] = down;
      SetKeyboardState(state);
    };
    hold(0x80);
    MSG msg{form->List(), WM_KEYDOWN, key, 0, 0, {}};
    TranslateAcceleratorA(*form, form->Accelerators(), &msg);
    hold(0);
  }
};

TEST_F(MainFormCommands, TheDefaultArrangementAndThePaletteToggles) {
  program->Open();
  win32::PaletteWindow& common = form->Bars().PaletteOf(PaletteId::kCommon);
  EXPECT_TRUE(common.IsVisible());
  EXPECT_EQ(GetParent(common), static_cast<HWND>(form->DockBig()));
  winui::ToolButton* stop = common.Button("ToolCommon0Stop");
  ASSERT_NE(stop, nullptr);
  EXPECT_EQ(stop->Caption(), "Stop");
  EXPECT_EQ(SizeOf(*stop).cx, 48);
  EXPECT_EQ(SizeOf(*stop).cy, 48);
  ASSERT_NE(common.Button("ToolCommon0Refresh"), nullptr);
  EXPECT_EQ(common.Button("ToolCommon0Refresh")->Caption(), "Refresh");
  for (PaletteId id :
       {PaletteId::kProcess, PaletteId::kWindow, PaletteId::kGeneral, PaletteId::kComputer}) {
    EXPECT_FALSE(form->Bars().PaletteOf(id).IsVisible());
    EXPECT_FALSE(form->MenuChecked(win32::kMenuShowPalette + static_cast<int>(id)));
  }
  EXPECT_EQ(SizeOf(form->DockTop()).cy, 4);
  EXPECT_EQ(SizeOf(form->Tree()).cx, 200);
  EXPECT_EQ(SizeOf(form->Info()).cy, 100);

  // Shown from the View menu, a palette first floats with small buttons; the bars stay thin.
  SendMessageA(*form, WM_COMMAND, win32::kMenuShowPalette + static_cast<int>(PaletteId::kProcess),
               0);
  win32::PaletteWindow& process = form->Bars().PaletteOf(PaletteId::kProcess);
  EXPECT_TRUE(process.IsVisible());
  EXPECT_EQ(GetParent(process),
            static_cast<HWND>(form->Bars().FloatingHostOf(PaletteId::kProcess)));
  EXPECT_EQ(SizeOf(form->DockTop()).cy, 4);
  winui::ToolButton* inc = process.Button("ToolProcess0Inc");
  ASSERT_NE(inc, nullptr);
  EXPECT_EQ(inc->Caption(), "");
  EXPECT_EQ(SizeOf(*inc).cx, 32);
  EXPECT_EQ(SizeOf(process).cx, static_cast<LONG>(32 * process.ButtonCount()));
  form->ShowPaletteClick(PaletteId::kProcess);
  EXPECT_FALSE(process.IsVisible());
  EXPECT_FALSE(IsWindowVisible(form->Bars().FloatingHostOf(PaletteId::kProcess)));

  // The views: the information box goes and comes back; Reset Workspace brings it back too.
  form->ShowObjectInfo1Click();
  EXPECT_FALSE(form->Info().IsVisible());
  form->MenuResetWorkspaceClick();
  EXPECT_TRUE(form->Info().IsVisible());
  EXPECT_TRUE(form->MenuChecked(win32::kMenuShowObjectInfo));
  form->ShowNavigationTree1Click();
  EXPECT_FALSE(form->Tree().IsVisible());
  form->ShowNavigationTree1Click();
  EXPECT_TRUE(form->Tree().IsVisible());
}

// What screen readers and automation read of a palette button: its caption where it shows one,
// its hint where it shows the glyph alone.
TEST_F(MainFormCommands, EveryPaletteButtonHasItsText) {
  program->Open();
  for (const Palette& palette : Palettes()) {
    if (!form->Bars().PaletteOf(palette.id).IsVisible()) form->ShowPaletteClick(palette.id);
  }
  EXPECT_EQ(form->Bars().PaletteOf(PaletteId::kCommon).CurrentLayout(), PaletteLayout::kLarge);
  EXPECT_EQ(GetParent(form->Bars().PaletteOf(PaletteId::kProcess)),
            static_cast<HWND>(form->Bars().FloatingHostOf(PaletteId::kProcess)));
  for (const Palette& palette : Palettes()) {
    win32::PaletteWindow& window = form->Bars().PaletteOf(palette.id);
    const bool large = window.CurrentLayout() == PaletteLayout::kLarge;
    EXPECT_EQ(large, palette.id == PaletteId::kCommon) << palette.name;
    for (const PaletteButton& button : palette.buttons) {
      winui::ToolButton* tool = window.Button(button.name);
      ASSERT_NE(tool, nullptr) << button.name;
      char text[64] = {};
      GetWindowTextA(*tool, text, sizeof text);
      EXPECT_EQ(std::string(text), large ? button.caption : button.hint) << button.name;
    }
  }
}

TEST_F(MainFormCommands, KeysStepThePriorityAndDeleteTerminatesTheSelectedProcess) {
  TestProcess helper("Orvane key target", 1);
  program->Open();
  ASSERT_TRUE(PumpUntil([&] { return RowOf("Orvane key target") >= 0; }, 15000));
  // The row names the priority as Windows numbers it, under Wine too.
  EXPECT_EQ(PriorityOf("Orvane key target"), "Normal (8)");
  EXPECT_EQ(form->List().GetImage(RowOf("Orvane key target")), 1);
  form->List().SetSelected(RowOf("Orvane key target"), true);

  PressKey('I', true);
  EXPECT_EQ(GetPriorityClass(helper.handle()), static_cast<DWORD>(HIGH_PRIORITY_CLASS));
  EXPECT_TRUE(PumpUntil([&] { return PriorityOf("Orvane key target") == "High (13)"; }, 10000))
      << PriorityOf("Orvane key target");
  EXPECT_EQ(form->List().GetImage(RowOf("Orvane key target")), 2);
  PressKey('D', true);
  PressKey('D', true);
  EXPECT_EQ(GetPriorityClass(helper.handle()), static_cast<DWORD>(IDLE_PRIORITY_CLASS));

  // Without the question, Delete in the list ends the process with exit code 1.
  SendMessageA(*form, WM_COMMAND, win32::kMenuCommand + static_cast<int>(Command::kAskBefore1), 0);
  EXPECT_FALSE(form->MenuChecked(win32::kMenuCommand + static_cast<int>(Command::kAskBefore1)));
  PressKey(VK_DELETE);
  EXPECT_EQ(helper.WaitExit(), 1u);
}

// Shift+Delete ends the selected helper and the helper it started, the child first.
TEST_F(MainFormCommands, ShiftDeleteStopsTheSelectedProcessAndTheOneItStarted) {
  TestProcess parent("Orvane tree parent", 1, false, "", 0, "Orvane tree child");
  HWND childWindow = nullptr;
  ASSERT_TRUE(PumpUntil([&] {
    return (childWindow = FindWindowA("OrvaneTestWindow", "Orvane tree child")) != nullptr;
  }));
  DWORD childPid = 0;
  GetWindowThreadProcessId(childWindow, &childPid);
  HANDLE child = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, childPid);
  ASSERT_NE(child, nullptr);
  program->Open();
  ASSERT_TRUE(PumpUntil(
      [&] { return RowOf("Orvane tree parent") >= 0 && RowOf("Orvane tree child") >= 0; }, 15000));
  // Without the question, which would wait for an answer.
  SendMessageA(*form, WM_COMMAND, CommandId(Command::kAskBefore1), 0);
  form->List().SetSelected(RowOf("Orvane tree parent"), true);

  PressKey(VK_DELETE, false, true);
  EXPECT_EQ(parent.WaitExit(), 1u);
  ASSERT_EQ(WaitForSingleObject(child, 10000), WAIT_OBJECT_0);
  DWORD childCode = 0;
  GetExitCodeProcess(child, &childCode);
  EXPECT_EQ(childCode, 1u);
  FILETIME created, childEnded, parentEnded, kernel, user;
  GetProcessTimes(child, &created, &childEnded, &kernel, &user);
  GetProcessTimes(parent.handle(), &created, &parentEnded, &kernel, &user);
  EXPECT_LE(CompareFileTime(&childEnded, &parentEnded), 0) << "the child first";
  CloseHandle(child);
}

std::string ClipboardText() {
  std::string text;
  if (!OpenClipboard(nullptr)) return "(clipboard held)";
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    if (const auto* bytes = static_cast<const char*>(GlobalLock(data))) text = bytes;
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

// Ctrl+C in the list copies its captions and the selected row; in the information box it
// copies the box's own selection, while the menu item copies the rows from there too.
TEST_F(MainFormCommands, CtrlCCopiesTheSelectedRowsAndLeavesTheInformationBoxItsOwn) {
  TestProcess helper("Orvane copy target", 1);
  program->Open();
  ASSERT_TRUE(PumpUntil([&] { return RowOf("Orvane copy target") >= 0; }, 15000));
  const int row = RowOf("Orvane copy target");
  form->List().SetSelected(row, true);
  const std::string rowsText = "Process Name\tPriority\tExecutable\r\nOrvane copy target\t" +
                               form->List().GetText(row, 1) + "\t" + form->List().GetText(row, 2) +
                               "\r\n";
  SetFocus(form->List());
  PressKey('C', true);
  EXPECT_EQ(ClipboardText(), rowsText);

  form->Info().SetLines({"Orvane info line"});
  SetFocus(form->Info());
  SendMessageA(form->Info(), EM_SETSEL, 0, -1);
  PressKey('C', true);
  EXPECT_EQ(ClipboardText(), "Orvane info line");
  SendMessageA(*form, WM_COMMAND, kMenuCopy, 0);
  EXPECT_EQ(ClipboardText(), rowsText);
}

// F6 stops the cycles and the status bar says so; F5 then runs one cycle, and F6 again resumes.
TEST_F(MainFormCommands, F6PausesTheCyclesAndF5RunsOneWhilePaused) {
  program->Open();
  InfoThread& worker = program->Worker();
  auto settled = [&](uint64_t n) {
    return PumpUntil([&] { return worker.CyclesCompleted() >= n && !worker.Busy(); }, 15000);
  };
  ASSERT_TRUE(settled(2));
  PressKey(VK_F6);
  EXPECT_TRUE(form->MenuChecked(kMenuPauseUpdates));
  ASSERT_TRUE(settled(worker.CyclesCompleted()));
  const uint64_t paused = worker.CyclesCompleted();
  const std::string first = form->Status().GetPanelText(0);
  EXPECT_TRUE(first.starts_with("Running Processes: ") && first.ends_with(" - Paused")) << first;
  PumpUntil([] { return false; }, 5 * testing::kTestUpdateIntervalMs);
  EXPECT_EQ(worker.CyclesCompleted(), paused) << "five ticks, no cycle";

  PressKey(VK_F5);
  ASSERT_TRUE(settled(paused + 1));
  PumpUntil([] { return false; }, 3 * testing::kTestUpdateIntervalMs);
  EXPECT_EQ(worker.CyclesCompleted(), paused + 1) << "Refresh runs one cycle and stays paused";
  EXPECT_GT(form->Tree().Count(), 0) << "which fills the views again";
  EXPECT_TRUE(form->Status().GetPanelText(0).ends_with(" - Paused"));

  PressKey(VK_F6);
  EXPECT_FALSE(form->MenuChecked(kMenuPauseUpdates));
  EXPECT_TRUE(settled(paused + 3));
  EXPECT_FALSE(form->Status().GetPanelText(0).ends_with("Paused"));
}

// The menu bar and the accelerator table the window makes of the command table: each item's
// text with its key after a tab, its id or its submenu; the keys as they have always been.
TEST_F(MainFormCommands, TheMenuBarAndTheKeysAreTheCommandTables) {
  program->Open();
  std::function<void(HMENU, std::span<const MenuItem>)> expectMenu =
      [&](HMENU menu, std::span<const MenuItem> items) {
        ASSERT_EQ(GetMenuItemCount(menu), static_cast<int>(items.size()));
        for (UINT i = 0; i < items.size(); ++i) {
          const MenuItem& item = items[i];
          char text[128] = {};
          MENUITEMINFOA info{};
          info.cbSize = sizeof info;
          info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
          info.dwTypeData = text;
          info.cch = sizeof text;
          ASSERT_TRUE(GetMenuItemInfoA(menu, i, TRUE, &info));
          if (item.caption.empty()) {
            EXPECT_NE(info.fType & MFT_SEPARATOR, 0u);
            continue;
          }
          std::string shown(item.caption);
          if (!item.shortcut.empty()) shown += "\t" + std::string(item.shortcut);
          EXPECT_EQ(std::string(text), shown);
          if (item.submenu.empty()) {
            EXPECT_EQ(static_cast<int32_t>(info.wID), item.id) << shown;
          } else {
            ASSERT_NE(info.hSubMenu, nullptr) << shown;
            expectMenu(info.hSubMenu, item.submenu);
          }
        }
      };
  expectMenu(GetMenu(*form), MainMenu());

  std::vector<ACCEL> keys(
      static_cast<std::size_t>(CopyAcceleratorTableA(form->Accelerators(), nullptr, 0)));
  CopyAcceleratorTableA(form->Accelerators(), keys.data(), static_cast<int>(keys.size()));
  std::vector<std::tuple<int, int, int>> got;
  for (const ACCEL& key : keys) got.emplace_back(key.fVirt, key.key, key.cmd);
  const int control = FVIRTKEY | FCONTROL;
  const std::vector<std::tuple<int, int, int>> expected{
      {FVIRTKEY, VK_DELETE, CommandId(Command::kStop1)},
      {FVIRTKEY | FSHIFT, VK_DELETE, kMenuStopTree},
      {control, 'I', CommandId(Command::kProcessInc)},
      {control, 'D', CommandId(Command::kProcessDec)},
      {control, 'S', CommandId(Command::kShow1)},
      {control, 'H', CommandId(Command::kHide1)},
      {control, 'F', kMenuFindWindow},
      {control, 'M', kMenuMoveOnScreen},
      {control, 'C', kMenuCopy},
      {FVIRTKEY, VK_F5, CommandId(Command::kGeneralRefresh)},
      {FVIRTKEY, VK_F6, kMenuPauseUpdates},
      {FVIRTKEY, VK_F3, CommandId(Command::kGeneralSearch)},
      {FVIRTKEY, VK_F1, kMenuHelp},
  };
  EXPECT_EQ(got, expected);
}

// A hidden window is no process's main window: once the cycles have seen it hidden, the
// process row names none, and Show still finds the window the process had.
TEST_F(MainFormCommands, ThePaletteHidesTheMainWindowOfAProcessAndShowsItAgainCyclesLater) {
  TestProcess helper("Orvane palette target", 1);
  program->Open();
  // The row's main window is linked from the second cycle on.
  ASSERT_TRUE(PumpUntil([&] { return RowOf("Orvane palette target") >= 0; }, 15000));
  form->List().SetSelected(RowOf("Orvane palette target"), true);
  form->Bars().PaletteOf(PaletteId::kCommon).Button("ToolCommon0Hide")->Click();
  EXPECT_TRUE(PumpUntil([&] { return !IsWindowVisible(helper.window()); }, 5000));

  ASSERT_TRUE(PumpUntil([&] { return RowOf("test_window.exe") >= 0; }, 10000))
      << "the process's caption falls back to its file name";
  const uint64_t cycles = program->Worker().CyclesCompleted();
  ASSERT_TRUE(PumpUntil(
      [&] {
        return program->Worker().CyclesCompleted() >= cycles + 2 && !program->Worker().Busy();
      },
      20000));
  ASSERT_TRUE(form->List().IsSelected(RowOf("test_window.exe")));
  PressKey('S', true);
  EXPECT_TRUE(PumpUntil([&] { return IsWindowVisible(helper.window()) != FALSE; }, 5000));
}

// A modeless dialog with an edit box, as the tool dialogs are.
class EditDialog : public winui::DialogBase {
 public:
  winui::Edit edit;

 protected:
  void OnCreate() override {
    edit.Create({.parent = *this, .id = 10, .x = 10, .y = 10, .width = 200, .height = 22});
  }
};

TEST_F(MainFormCommands, TheMainWindowsKeysActOnlyInTheMainWindow) {
  program->Open();
  ASSERT_TRUE(PumpUntil([&] { return form->Tree().Count() > 0; }, 15000));
  // Without the question Delete would act at once.
  SendMessageA(*form, WM_COMMAND, win32::kMenuCommand + static_cast<int>(Command::kAskBefore1), 0);
  EditDialog dialog;
  dialog.Create({.owner = *form, .caption = "Search"});
  dialog.Show();
  dialog.edit.SetText("abc");
  dialog.edit.Focus();
  SendMessageA(dialog.edit, EM_SETSEL, 0, 0);
  auto press = [&](HWND to, WORD key) {
    MSG msg{to, WM_KEYDOWN, key, 0x00000001, 0, {}};
    winui::DeliverMessage(msg, *form, form->Accelerators());
  };

  press(dialog.edit, VK_DELETE);
  EXPECT_EQ(dialog.edit.GetText(), "bc");
  press(dialog.edit, VK_F5);
  EXPECT_GT(form->Tree().Count(), 0) << "F5 in the dialog is no Refresh";
  press(form->List(), VK_F5);
  EXPECT_EQ(form->Tree().Count(), 0) << "F5 in the main window's list is";
}

}  // namespace
}  // namespace orvane
