// The window tools of the Edit menu under Wine, on a real helper window: Find Window and Move On
// Screen.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "dialogs/find/win32/find_window_dlg.h"
#include "platform/win32/handles.h"
#include "platform/win32/object_control.h"
#include "snapshot/operations.h"
#include "win/support/main_form_fixture.h"
#include "winui/message_loop.h"

namespace orvane {
namespace {

using testing::PumpUntil;
using testing::TestProcess;

class WindowToolsWin : public testing::MainFormFixture {
 protected:
  // Chooses the level of the helper's windows, as a click on its thread's node does.
  void ShowWindowsOf(const TestProcess& helper) {
    HTREEITEM thread = nullptr;
    ASSERT_TRUE(PumpUntil([&] {
      for (HTREEITEM item = tree().Root(); item && !thread; item = tree().NextInOrder(item)) {
        const TreeNode* node = form->TreeControl().NodeOf(item);
        if (node && node->key.kind == kKindThread && node->key.processId == helper.pid() &&
            node->key.threadId == helper.mainThreadId())
          thread = item;
      }
      return thread != nullptr;
    }));
    tree().Select(thread);
    form->ViewObjectTreeTVClick();
  }
  // Ctrl with a key, as the window's accelerators take it from the list.
  void PressControlKey(WORD key) {
    BYTE state[256] = {};
    GetKeyboardState(state);
    state[VK_CONTROL] = 0x80;
    SetKeyboardState(state);
    MSG msg{list(), WM_KEYDOWN, key, 0, 0, {}};
    TranslateAcceleratorA(*form, form->Accelerators(), &msg);
    state[VK_CONTROL] = 0;
    SetKeyboardState(state);
  }
  // The program's own message loop for a while, its keys and dialogs' keys included.
  void Pump(DWORD ms) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < ms) {
      MSG msg;
      while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        winui::DeliverMessage(msg, *form, form->Accelerators());
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
  }
  // The mouse, as the user moves it: to a point of the screen, with the left button pressed,
  // released or left as it is; the window's messages are pumped after each step.
  enum class Button { kNone, kPress, kRelease };
  void MouseTo(POINT at, Button button = Button::kNone) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(at.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(at.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    if (button == Button::kPress) input.mi.dwFlags |= MOUSEEVENTF_LEFTDOWN;
    if (button == Button::kRelease) input.mi.dwFlags |= MOUSEEVENTF_LEFTUP;
    SendInput(1, &input, sizeof input);
    Pump(100);
  }
  void Key(WORD key) {
    INPUT input[2]{};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = key;
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof input[0]);
    Pump(100);
  }
  // Dragged from the crosshair to over, in a few steps.
  void DragCrosshairTo(POINT over) {
    const POINT from = program->FindWindowDialog().CrosshairCentre();
    MouseTo(from);
    MouseTo(from, Button::kPress);
    for (int step = 1; step <= 4; ++step)
      MouseTo({from.x + (over.x - from.x) * step / 4, from.y + (over.y - from.y) * step / 4});
  }
  static RECT RectOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
  }
};

TEST_F(WindowToolsWin, FindWindowShowsTheWindowUnderTheCrosshairAndEscapeCancels) {
  TestProcess helper("Orvane found window", 1);
  const HWND found = helper.window();
  ASSERT_NE(found, nullptr);
  SetWindowPos(found, HWND_TOP, 20, 200, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
  OpenAtProcesses();
  ASSERT_TRUE(PumpUntil([&] { return RowOf("Orvane found window") >= 0; }, 15000));
  PressControlKey('F');
  const win32::FindWindowDlg& finder = program->FindWindowDialog();
  ASSERT_TRUE(finder.IsVisible());
  const POINT overHelper{60, 300};  // left of the main window
  ASSERT_EQ(GetAncestor(WindowFromPoint(overHelper), GA_ROOT), found);

  // Escape in the middle of a drag: the outline goes, and nothing is shown.
  DragCrosshairTo(overHelper);
  EXPECT_EQ(finder.Finder().Outlined(), win32::HandleWord(found));
  Key(VK_ESCAPE);
  EXPECT_FALSE(finder.Finder().Dragging());
  EXPECT_EQ(finder.Finder().Outlined(), 0u);
  MouseTo(overHelper, Button::kRelease);
  EXPECT_EQ(program->Filter().currentKey.kind, kKindComputer);
  EXPECT_TRUE(finder.IsVisible());

  // Released over our own window: nothing either.
  RECT own{};
  GetWindowRect(*form, &own);
  DragCrosshairTo({own.left + 300, own.top + 300});
  EXPECT_EQ(finder.Finder().Outlined(), 0u);
  MouseTo({own.left + 300, own.top + 300}, Button::kRelease);
  EXPECT_EQ(program->Filter().currentKey.kind, kKindComputer);

  DragCrosshairTo(overHelper);
  EXPECT_EQ(finder.Finder().Outlined(), win32::HandleWord(found));
  // A pause to look at the outline: ORVANE_FIND_PAUSE_MS.
  if (const char* pause = std::getenv("ORVANE_FIND_PAUSE_MS"))
    Pump(static_cast<DWORD>(std::atoi(pause)));
  MouseTo(overHelper, Button::kRelease);
  EXPECT_FALSE(finder.Finder().Dragging());

  // The helper's thread is selected, its process unfolded; its window's row is selected.
  const TreeNode* node = form->TreeControl().NodeOf(tree().Selected());
  ASSERT_NE(node, nullptr);
  EXPECT_EQ(node->key.kind, kKindThread);
  EXPECT_EQ(node->key.processId, helper.pid());
  EXPECT_EQ(node->key.threadId, helper.mainThreadId());
  EXPECT_TRUE(tree().IsExpanded(tree().ParentOf(tree().Selected())));
  EXPECT_TRUE(PumpUntil([&] {
    const int row = list().NextSelected();
    return row >= 0 && list().GetText(row, 0) == "Orvane found window" &&
           list().SelectedCount() == 1 && list().Focused() == row;
  })) << list().NextSelected();
  EXPECT_EQ(form->Info().GetLines(), std::vector<std::string>{});
}

TEST_F(WindowToolsWin, MoveOnScreenBringsBackALostWindowAndLeavesOneOnScreen) {
  TestProcess helper("Orvane lost window", 1);
  const HWND lost = helper.window();
  ASSERT_NE(lost, nullptr);
  SetWindowPos(lost, nullptr, -5000, -5000, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  OpenAtProcesses();
  ShowWindowsOf(helper);
  ASSERT_TRUE(PumpUntil([&] { return RowOf("Orvane lost window") >= 0; }, 15000));
  list().SetSelected(RowOf("Orvane lost window"), true);
  form->ViewObjectListLVClick();
  EXPECT_EQ(form->Info().GetLines(), std::vector<std::string>{"Off screen"});

  RECT area{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  const auto cameBack = [&] {
    const RECT r = RectOf(lost);
    return !IsIconic(lost) && r.left == area.left && r.top == area.top && r.right - r.left == 400 &&
           r.bottom - r.top == 300;
  };
  PressControlKey('M');
  EXPECT_TRUE(PumpUntil(cameBack, 5000)) << RectOf(lost).left << "," << RectOf(lost).top;
  form->ViewObjectListLVClick();
  EXPECT_EQ(form->Info().GetLines(), std::vector<std::string>{}) << "on screen now";

  // On screen, it stays where it is.
  SetWindowPos(lost, nullptr, 150, 160, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  PressControlKey('M');
  PumpUntil([] { return false; }, 300);
  EXPECT_EQ(RectOf(lost).left, 150);
}

// A minimised window's rectangle is its icon's; the restored one decides, and it comes back
// restored. Wine reads another process's restored place as its icon's, so the window is ours.
TEST(WindowToolsAdapterWin, AMinimisedWindowIsJudgedByItsRestoredPlace) {
  const HWND window = CreateWindowA("STATIC", "minimised and lost", WS_OVERLAPPEDWINDOW, -6000,
                                    -6000, 400, 300, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  ShowWindow(window, SW_SHOWMINNOACTIVE);
  ASSERT_TRUE(IsIconic(window));
  win32::Win32ObjectControl control;
  const uint32_t word = win32::HandleWord(window);
  const std::optional<WindowPlace> place = control.PlaceOf(word);
  ASSERT_TRUE(place);
  EXPECT_TRUE(place->minimised);
  EXPECT_EQ(place->rect, (Rect{-6000, -6000, 400, 300}));
  EXPECT_TRUE(IsOffScreen(control, word));

  const ObjectKey record{kKindWindow, 0, 0, GetCurrentProcessId(), GetCurrentThreadId(), word};
  WindowMoveOnScreen(control, &record);
  RECT area{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  EXPECT_TRUE(PumpUntil([&] {
    RECT r{};
    GetWindowRect(window, &r);
    return !IsIconic(window) && r.left == area.left && r.top == area.top;
  }));
  EXPECT_FALSE(control.PlaceOf(win32::HandleWord(nullptr)));
  DestroyWindow(window);
  EXPECT_FALSE(control.PlaceOf(word)) << "gone";
}

// The crosshair over a child window, such as a button, points at the window that holds it.
TEST(WindowToolsAdapterWin, TheCrosshairPointsAtTheTopLevelWindowOfAChild) {
  const HWND top = CreateWindowA("STATIC", "holder", WS_POPUP | WS_VISIBLE, 40, 40, 200, 120,
                                 nullptr, nullptr, nullptr, nullptr);
  const HWND child = CreateWindowA("BUTTON", "child", WS_CHILD | WS_VISIBLE, 10, 10, 80, 30, top,
                                   nullptr, nullptr, nullptr);
  ASSERT_TRUE(top && child);
  SetWindowPos(top, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  PumpUntil([] { return false; }, 100);
  ASSERT_EQ(WindowFromPoint({70, 65}), child);
  EXPECT_EQ(win32::FindWindowDlg::PointedAt({70, 65}),
            (PointedWindow{win32::HandleWord(top), GetCurrentProcessId(), GetCurrentThreadId()}));
  DestroyWindow(top);
}

}  // namespace
}  // namespace orvane
