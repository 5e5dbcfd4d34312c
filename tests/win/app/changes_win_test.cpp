// What changed, seen in the main window with the real collector: a window whose thread stops
// taking its messages, and rows that come and go while changes are highlighted.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/command_table.h"
#include "view/change_marks.h"
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

TEST_F(ChangesWin, HighlightedRowsComeGreenAndGoRedAfterTwoMoreCycles) {
  const std::string title = "Orvane highlight probe";
  program->Open();
  ASSERT_TRUE(PumpUntil([&] { return list().ColumnCount() == 3 && list().Count() > 0; }, 10000));
  SendMessageA(*form, WM_COMMAND, kMenuHighlightChanges, 0);
  ASSERT_TRUE(form->MenuChecked(kMenuHighlightChanges));
  ASSERT_TRUE(WaitNextCycle());
  const auto background = [&](int row) { return form->ListControl().Background(row); };
  for (int row = 0; row < list().Count(); ++row) EXPECT_EQ(background(row), std::nullopt);

  auto helper = std::make_unique<TestProcess>(title, 1);
  const auto rowOf = [&] {
    for (int i = 0; i < list().Count(); ++i)
      if (list().GetText(i, 2).ends_with("test_window.exe")) return i;
    return -1;
  };
  ASSERT_TRUE(PumpUntil([&] { return rowOf() >= 0; }, 10000));
  // Green for the cycle that brought it, which is running, and the next one.
  const uint64_t createdAt = program->Worker().CyclesCompleted();
  EXPECT_EQ(background(rowOf()), BackgroundOf(kCreatedMark));
  ASSERT_TRUE(WaitCycles(createdAt + 2));
  EXPECT_EQ(background(rowOf()), BackgroundOf(kCreatedMark));
  ASSERT_TRUE(WaitCycles(createdAt + 3));
  ASSERT_GE(rowOf(), 0);
  EXPECT_EQ(background(rowOf()), std::nullopt);

  helper.reset();  // ends it
  ASSERT_TRUE(PumpUntil([&] { return rowOf() >= 0 && background(rowOf()).has_value(); }, 10000));
  EXPECT_EQ(background(rowOf()), BackgroundOf(kRemovedMark));
  const uint64_t removedAt = program->Worker().CyclesCompleted();
  // The kept row is for the eye: a click on it leaves the information box as it was.
  const std::vector<std::string> info = form->Info().GetLines();
  list().SetSelected(rowOf(), true);
  form->ViewObjectListLVClick();
  EXPECT_EQ(form->Info().GetLines(), info);
  ASSERT_TRUE(PumpUntil([&] { return rowOf() < 0; }, 10000));
  EXPECT_EQ(program->Worker().CyclesCompleted() - removedAt, 2u);

  // Off: plain rows again.
  SendMessageA(*form, WM_COMMAND, kMenuHighlightChanges, 0);
  EXPECT_FALSE(form->MenuChecked(kMenuHighlightChanges));
  for (int row = 0; row < list().Count(); ++row) EXPECT_EQ(background(row), std::nullopt);
}

}  // namespace
}  // namespace orvane
