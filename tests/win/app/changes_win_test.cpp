// What changed, seen in the main window with the real collector: a window whose thread stops
// taking its messages, and rows that come and go while changes are highlighted.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "view/fill.h"
#include "win/support/main_form_fixture.h"

namespace orvane {
namespace {

using testing::PumpUntil;
using testing::TestProcess;

class ChangesWin : public testing::MainFormFixture {
 protected:
  void Click(HTREEITEM item) {
    tree().Select(item);
    form->ViewObjectTreeTVClick();
  }
  // The state image of the list row captioned so; -1 without one.
  int RowImage(const std::string& caption) {
    const int row = RowOf(caption);
    const ListRow* shown = row < 0 ? nullptr : form->ListControl().RowAt(row);
    return shown ? shown->cells.stateImage : -1;
  }
  std::vector<std::string> InfoOf(const std::string& caption) {
    list().SetSelected(RowOf(caption), true);
    form->ViewObjectListLVClick();
    list().SetSelected(RowOf(caption), false);
    return form->Info().GetLines();
  }
};

TEST_F(ChangesWin, AWindowThatSleepsShowsTheHungImageWithinTwoCyclesAndLosesItAfter) {
  const std::string title = "Orvane hang probe";
  TestProcess helper(title, 1);
  program->Open();
  HTREEITEM process = nullptr, thread = nullptr, window = nullptr;
  ASSERT_TRUE(PumpUntil([&] { return (process = NodeOf(tree().Root(), title)); }, 15000));
  const std::string mainThread = std::to_string(helper.mainThreadId());
  ASSERT_TRUE(PumpUntil([&] { return (thread = NodeOf(process, mainThread)); }, 5000));
  ASSERT_TRUE(PumpUntil([&] { return (window = NodeOf(thread, title)); }, 5000));
  Click(thread);
  ASSERT_TRUE(PumpUntil([&] { return RowOf(title) >= 0; }, 5000));
  EXPECT_EQ(RowImage(title), kWindowImage);
  EXPECT_EQ(InfoOf(title), std::vector<std::string>{});

  // The system counts a thread as hung some seconds after it last took a message.
  PostMessageA(helper.window(), WM_APP, 8000, 0);
  ASSERT_TRUE(PumpUntil([&] { return IsHungAppWindow(helper.window()) != FALSE; }, 8000))
      << "the system never reported the window hung";
  ASSERT_TRUE(WaitCycles(program->Worker().CyclesCompleted() + 2));
  ASSERT_TRUE(IsHungAppWindow(helper.window())) << "the hang ended too early to be seen";
  EXPECT_EQ(RowImage(title), kHungWindowImage);
  EXPECT_EQ(tree().GetStateImage(window), kHungWindowImage);
  EXPECT_EQ(InfoOf(title), std::vector<std::string>{"Not responding"});

  // Its process's row says so too, its main window being the one that sleeps.
  Click(tree().Root());
  ASSERT_TRUE(PumpUntil([&] { return RowOf(title) >= 0; }, 5000));
  const std::vector<std::string> processInfo = InfoOf(title);
  ASSERT_GE(processInfo.size(), 3u);
  EXPECT_EQ(processInfo[2], "Not responding");

  Click(thread);
  ASSERT_TRUE(PumpUntil([&] { return !IsHungAppWindow(helper.window()); }, 10000));
  ASSERT_TRUE(WaitCycles(program->Worker().CyclesCompleted() + 2));
  EXPECT_EQ(RowImage(title), kWindowImage);
  EXPECT_EQ(tree().GetStateImage(window), kWindowImage);
  EXPECT_EQ(InfoOf(title), std::vector<std::string>{});
}

}  // namespace
}  // namespace orvane
