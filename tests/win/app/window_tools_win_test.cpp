// The window tools of the Edit menu under Wine, on a real helper window: Move On Screen.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32/handles.h"
#include "platform/win32/object_control.h"
#include "snapshot/operations.h"
#include "win/support/main_form_fixture.h"

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
  static RECT RectOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
  }
};

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

}  // namespace
}  // namespace orvane
