// The main window driven in-process under Wine, as start-up builds it, with the real collector
// feeding it: the list, the heading, the tree, Refresh, sorting and the information box.
#include "app/win32/main_form.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <memory>
#include <string>

#include "snapshot/win32/toolhelp_source.h"
#include "win/support/main_form_fixture.h"
#include "winui/message_loop.h"

namespace orvane {
namespace {

using testing::PumpUntil;
using testing::TestProcess;

// The system's snapshots; on request a cycle waits at the start of its window pass, when its
// processes and threads have been applied and it is still running.
class HeldSource : public win32::ToolhelpSource {
 public:
  HeldSource()
      : reached_(CreateEventA(nullptr, TRUE, FALSE, nullptr)),
        go_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}
  ~HeldSource() override {
    CloseHandle(reached_);
    CloseHandle(go_);
  }
  void HoldNextCycle() {
    ResetEvent(reached_);
    ResetEvent(go_);
    hold_ = true;
  }
  bool Holding() const { return WaitForSingleObject(reached_, 0) == WAIT_OBJECT_0; }
  void Release() {
    hold_ = false;
    SetEvent(go_);
  }
  void EnumWindows(const std::function<void(const WindowEntry&)>& each) override {
    if (hold_) {
      SetEvent(reached_);
      WaitForSingleObject(go_, 30000);
    }
    ToolhelpSource::EnumWindows(each);
  }

 private:
  std::atomic<bool> hold_ = false;
  HANDLE reached_;  // owned
  HANDLE go_;       // owned
};

// Made before the window that reads from it.
struct HeldSourceHolder {
  HeldSource source;
};

class MainFormTest : public HeldSourceHolder, public testing::MainFormFixture {
 protected:
  MainFormTest() : MainFormFixture(&source) {}
  void TearDown() override { source.Release(); }
  // Opens the window and waits for the computer level and the node of the process titled so;
  // null when they do not come.
  HTREEITEM OpenAtTheComputerLevel(const std::string& title) {
    program->Open();
    HTREEITEM process = nullptr;
    PumpUntil([&] { return list().ColumnCount() == 3 && (process = NodeOf(tree().Root(), title)); },
              15000);
    return process;
  }
  void Click(HTREEITEM item) {
    tree().Select(item);
    form->ViewObjectTreeTVClick();
  }
  // A click as the mouse makes it: the button goes down and up over the item's text. The
  // tree acts on it as it takes the messages from the queue.
  void MouseClick(HTREEITEM item) {
    SendMessageA(tree(), TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item));
    RECT r{};
    std::memcpy(&r, &item, sizeof item);
    SendMessageA(tree(), TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&r));
    POINT at{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    POINT screen = at;
    ClientToScreen(tree(), &screen);
    SetCursorPos(screen.x, screen.y);
    PostMessageA(tree(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    PostMessageA(tree(), WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
  }
  std::string ProcessHeading(const std::string& text) {
    return "Threads owned by the process \"" + text + "\"";
  }
};

TEST_F(MainFormTest, StartUpFillsTheListThenTurnsToTheComputerLevel) {
  // The ticks come from the test: what the first cycle shows stays until the next tick,
  // however long the cycle takes on a loaded machine.
  TestProcess helper("Orvane main window probe", 3);
  program->Open();
  form->StopUpdates();
  program->Worker().Wake();
  EXPECT_EQ(form->GetText(), "Orvane 2000 Professional");
  EXPECT_EQ(form->Heading().Caption(), "Name");
  EXPECT_EQ(list().ColumnCount(), 1);

  ASSERT_TRUE(WaitCycles(1));
  // First cycle: rows under the single "Name" column, the helper by its file name.
  EXPECT_EQ(list().ColumnCount(), 1);
  EXPECT_EQ(list().GetColumnText(0), "Name");
  EXPECT_GE(RowOf("test_window.exe"), 0);
  EXPECT_NE(form->Status().GetPanelText(0).find("Running Processes: "), std::string::npos);

  // The first tick after the computer node exists selects it; then the ticks go on.
  form->UpdateTimer();
  form->StartUpdates(testing::kTestUpdateIntervalMs);
  ASSERT_TRUE(PumpUntil([&] { return list().ColumnCount() == 3; }, 5000));
  EXPECT_EQ(form->Heading().Caption(),
            "Processes running on the computer \"" + ComputerName() + "\"");
  EXPECT_EQ(list().GetColumnText(0), "Process Name");
  EXPECT_EQ(list().GetColumnText(1), "Priority");
  EXPECT_EQ(list().GetColumnText(2), "Executable");
  EXPECT_EQ(list().GetColumnWidth(2), 200);
  EXPECT_EQ(tree().Selected(), tree().Root());

  // From the second cycle on the helper shows its window title, with its cells.
  ASSERT_TRUE(PumpUntil([&] { return RowOf("Orvane main window probe") >= 0; }, 5000));
  const int row = RowOf("Orvane main window probe");
  EXPECT_NE(list().GetText(row, 1).find(" ("), std::string::npos);
  EXPECT_EQ(list().GetText(row, 2).substr(list().GetText(row, 2).size() - 15), "test_window.exe");
  EXPECT_EQ(RowOf("test_window.exe"), -1);
  // The figures fit their panels whatever the font.
  EXPECT_EQ(form->Status().PanelCount(), 3);
}

TEST_F(MainFormTest, TreeClicksChooseTheLevelAndAWindowNodeSelectsItsThread) {
  TestProcess helper("Orvane tree probe", 2);
  HTREEITEM process = OpenAtTheComputerLevel("Orvane tree probe");
  ASSERT_NE(process, nullptr);

  Click(process);
  EXPECT_EQ(form->Heading().Caption(), "Threads owned by the process \"Orvane tree probe\"");
  EXPECT_EQ(list().ColumnCount(), 2);
  EXPECT_EQ(list().GetColumnText(0), "Thread ID");
  EXPECT_EQ(list().Count(), 0) << "another node: the list waits for the next cycle";
  const std::string mainThread = std::to_string(helper.mainThreadId());
  ASSERT_TRUE(PumpUntil([&] { return RowOf(mainThread) >= 0; }, 5000));
  EXPECT_GE(list().Count(), 3);

  // Clicking the node already shown keeps the rows.
  const int rows = list().Count();
  Click(process);
  EXPECT_EQ(list().Count(), rows);

  HTREEITEM thread = NodeOf(process, mainThread);
  ASSERT_NE(thread, nullptr);
  HTREEITEM window = nullptr;
  ASSERT_TRUE(PumpUntil([&] { return (window = NodeOf(thread, "Orvane tree probe")); }, 5000));
  Click(window);
  EXPECT_EQ(tree().Selected(), thread);
  EXPECT_EQ(form->Heading().Caption(), "Windows created by thread \"" + mainThread +
                                           "\" owned by the process \"Orvane tree probe\"");
  EXPECT_EQ(list().ColumnCount(), 7);
  ASSERT_TRUE(PumpUntil([&] { return RowOf("Orvane tree probe") >= 0; }, 5000));
  const int row = RowOf("Orvane tree probe");
  EXPECT_EQ(list().GetText(row, 1), "Normal");
  EXPECT_EQ(list().GetText(row, 3), "400");

  // A thread row empties the information box.
  Click(thread);
  Click(process);
  ASSERT_TRUE(PumpUntil([&] { return RowOf(mainThread) >= 0; }, 5000));
  list().SetSelected(RowOf(mainThread), true);
  form->ViewObjectListLVClick();
  EXPECT_EQ(form->Info().GetLines(), std::vector<std::string>{});
}

// Under load a cycle runs most of the time: a click then must not wait for a quiet moment.
TEST_F(MainFormTest, AMouseClickWhileACycleIsBeingAppliedChoosesTheLevel) {
  TestProcess helper("Orvane busy cycle probe", 1);
  HTREEITEM process = OpenAtTheComputerLevel("Orvane busy cycle probe");
  ASSERT_NE(process, nullptr);
  ASSERT_TRUE(WaitCycles(program->Worker().CyclesCompleted() + 1));

  source.HoldNextCycle();
  ASSERT_TRUE(PumpUntil([&] { return source.Holding(); }, 5000));
  MouseClick(process);
  EXPECT_TRUE(PumpUntil(
      [&] { return form->Heading().Caption() == ProcessHeading("Orvane busy cycle probe"); },
      5000));
  EXPECT_EQ(tree().Selected(), process);
  EXPECT_EQ(list().ColumnCount(), 2);
  EXPECT_TRUE(program->Worker().Busy()) << "the click came inside the cycle";
  source.Release();
  ASSERT_TRUE(WaitCycles(program->Worker().CyclesCompleted() + 1));
}

// The click itself counts, not the selection change: clicking the node that is shown rebuilds
// its level and ends a search result; a selection the window makes itself is no click.
TEST_F(MainFormTest, ClicksAndKeysOnTheTreeChooseTheLevelAndTheWindowsOwnSelectionsDoNot) {
  TestProcess helper("Orvane reclick probe", 1);
  HTREEITEM process = OpenAtTheComputerLevel("Orvane reclick probe");
  ASSERT_NE(process, nullptr);
  const std::string computerHeading = form->Heading().Caption();
  auto showSearchResult = [&] {
    program->Filter().pinnedKeys.push_back({kKindProcess, 0, 0, helper.pid(), 0, 0});
    form->Heading().SetCaption("Search result");
    list().DeleteAllColumns();
  };

  showSearchResult();
  ASSERT_EQ(tree().Selected(), tree().Root());
  MouseClick(tree().Root());
  EXPECT_TRUE(PumpUntil([&] { return form->Heading().Caption() == computerHeading; }, 5000));
  EXPECT_EQ(list().ColumnCount(), 3);
  EXPECT_TRUE(program->Filter().pinnedKeys.empty());

  showSearchResult();
  tree().Select(process);
  winui::PumpMessages();
  EXPECT_EQ(form->Heading().Caption(), "Search result");
  EXPECT_FALSE(program->Filter().pinnedKeys.empty());

  // A key moves the selection back up to the computer and chooses its level.
  tree().Focus();
  SendMessageA(tree(), WM_KEYDOWN, VK_HOME, 0);
  EXPECT_TRUE(PumpUntil([&] { return form->Heading().Caption() == computerHeading; }, 5000));
  EXPECT_EQ(tree().Selected(), tree().Root());
  EXPECT_TRUE(program->Filter().pinnedKeys.empty());

  MouseClick(process);
  EXPECT_TRUE(PumpUntil(
      [&] { return form->Heading().Caption() == ProcessHeading("Orvane reclick probe"); }, 5000));
  EXPECT_EQ(list().ColumnCount(), 2);
}

TEST_F(MainFormTest, RefreshEmptiesBothViewsAndTheNextCycleRebuildsThemAtTheSameLevel) {
  program->Open();
  ASSERT_TRUE(PumpUntil([&] { return list().ColumnCount() == 3 && list().Count() > 0; }, 10000));
  const std::string heading = form->Heading().Caption();
  const uint64_t cycles = program->Worker().CyclesCompleted();
  ASSERT_TRUE(WaitCycles(cycles));  // not in the middle of a cycle
  form->ToolGeneral0RefreshClick();
  EXPECT_EQ(list().Count(), 0);
  EXPECT_EQ(tree().Count(), 0);
  EXPECT_EQ(form->Heading().Caption(), heading);
  ASSERT_TRUE(WaitCycles(program->Worker().CyclesCompleted() + 1));
  EXPECT_GT(tree().Count(), 0);
  EXPECT_GT(list().Count(), 0);
  EXPECT_EQ(list().ColumnCount(), 3);
}

TEST_F(MainFormTest, AListThatWentWrongIsRebuiltWholeAtTheEndOfTheCycle) {
  TestProcess doomed("Orvane heal doomed");
  TestProcess kept("Orvane heal kept");
  program->Open();
  ASSERT_TRUE(PumpUntil(
      [&] {
        return list().ColumnCount() == 3 && RowOf("Orvane heal doomed") >= 0 &&
               RowOf("Orvane heal kept") >= 0;
      },
      15000));
  ASSERT_TRUE(WaitCycles(program->Worker().CyclesCompleted()));  // between cycles
  // The row goes behind its listener's back: the process's removal then finds no row.
  ListModel& rows = program->ListRows();
  rows.DeleteRow(
      *rows.FindFirst(rows.Row(static_cast<std::size_t>(RowOf("Orvane heal doomed"))).key));
  TerminateProcess(doomed.handle(), 0);
  doomed.WaitExit();

  ASSERT_TRUE(PumpUntil([&] { return form->ViewRepairs() == 1; }, 15000));
  ASSERT_TRUE(WaitNextCycle());
  // Whole again at the same level: every process of the tree has its row, the gone one none.
  EXPECT_EQ(list().ColumnCount(), 3);
  EXPECT_GE(RowOf("Orvane heal kept"), 0);
  EXPECT_LT(RowOf("Orvane heal doomed"), 0);
  int processes = 0;
  for (HTREEITEM item = tree().FirstChild(tree().Root()); item; item = tree().NextSibling(item))
    ++processes;
  EXPECT_EQ(list().Count(), processes);
  EXPECT_EQ(form->ViewRepairs(), 1u);
}

TEST_F(MainFormTest, SortingAndTheInformationBoxOfAKnownProgram) {
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION notepad{};
  char command[] = "notepad.exe";
  ASSERT_TRUE(CreateProcessA(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                             &notepad));
  WaitForInputIdle(notepad.hProcess, 10000);
  TestProcess helper("aaa first by name", 1);
  program->Open();
  ASSERT_TRUE(PumpUntil([&] { return list().ColumnCount() == 3 && list().Count() > 3; }, 10000));
  ASSERT_TRUE(WaitCycles(program->Worker().CyclesCompleted() + 1));

  form->ViewObjectListLVColumnClick(0);
  std::string previous;
  for (int i = 0; i < list().Count(); ++i) {
    std::string caption = list().GetText(i, 0);
    CharLowerBuffA(caption.data(), static_cast<DWORD>(caption.size()));
    EXPECT_LE(previous, caption);
    previous = caption;
  }
  form->ViewObjectListLVColumnClick(1);
  int last = 99;
  for (int i = 0; i < list().Count(); ++i) {
    const std::string cell = list().GetText(i, 1);
    const int number = std::atoi(cell.c_str() + cell.find('(') + 1);
    EXPECT_LE(number, last);
    last = number;
  }

  int row = -1;
  for (int i = 0; i < list().Count(); ++i)
    if (list().GetText(i, 2).ends_with("notepad.exe")) row = i;
  ASSERT_GE(row, 0);
  list().SetSelected(row, true);
  form->ViewObjectListLVClick();
  const auto lines = form->Info().GetLines();
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[0], list().GetText(row, 2));

  TerminateProcess(notepad.hProcess, 0);
  CloseHandle(notepad.hThread);
  CloseHandle(notepad.hProcess);
}

TEST_F(MainFormTest, TheSelectionStaysOnItsProcessWhileTheListSortsAndRowsAboveLeave) {
  TestProcess leaving("Orvane leaving first", 1);
  TestProcess kept("Orvane selection keeper", 1);
  program->Open();
  ASSERT_TRUE(PumpUntil(
      [&] { return RowOf("Orvane leaving first") >= 0 && RowOf("Orvane selection keeper") >= 0; },
      15000));
  ASSERT_TRUE(WaitCycles(program->Worker().CyclesCompleted() + 1));
  auto selected = [&] {
    std::vector<std::string> captions;
    for (int i = list().NextSelected(); i >= 0; i = list().NextSelected(i))
      captions.push_back(list().GetText(i, 0));
    return captions;
  };
  const std::vector<std::string> keeper{"Orvane selection keeper"};

  list().SetSelected(RowOf("Orvane selection keeper"), true);
  form->ViewObjectListLVColumnClick(2);
  EXPECT_EQ(selected(), keeper);
  form->ViewObjectListLVColumnClick(0);
  EXPECT_EQ(selected(), keeper);
  ASSERT_LT(RowOf("Orvane leaving first"), RowOf("Orvane selection keeper"));

  TerminateProcess(leaving.handle(), 0);
  ASSERT_TRUE(PumpUntil([&] { return RowOf("Orvane leaving first") < 0; }, 10000));
  EXPECT_EQ(selected(), keeper);
  // The information box reads the selected row from the model.
  form->ViewObjectListLVClick();
  const auto lines = form->Info().GetLines();
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines[0], list().GetText(RowOf("Orvane selection keeper"), 2));
}

TEST_F(MainFormTest, TheUpdateTimerTicksAtTheIntervalItsCreatorGave) {
  EXPECT_EQ(win32::kUpdateIntervalMs, 1000u) << "the program's window updates every second";
  // The tests' window, at a fifth of that: five more cycles take less than the five seconds
  // they would take at the program's interval, each waiting for its tick.
  program->Open();
  ASSERT_TRUE(WaitCycles(1));
  const DWORD start = GetTickCount();
  ASSERT_TRUE(WaitCycles(program->Worker().CyclesCompleted() + 5));
  EXPECT_LT(GetTickCount() - start, 5000u);
}

}  // namespace
}  // namespace orvane
