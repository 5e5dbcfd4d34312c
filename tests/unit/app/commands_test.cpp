#include "app/commands.h"

#include <gtest/gtest.h>

#include <deque>
#include <initializer_list>
#include <map>
#include <optional>
#include <vector>

#include "doubles/fake_message_boxes.h"
#include "doubles/fake_object_control.h"
#include "doubles/fake_platform.h"
#include "view/list_listener.h"

namespace orvane {
namespace {

using testing::FakeLocale;
using testing::FakeMessageBoxes;
using testing::FakeObjectControl;
using Strings = std::vector<std::string>;
namespace text = command_text;

class FakeHost : public CommandHost {
 public:
  bool treeFocused = false;
  bool askBeforeTerminate = true;
  std::vector<SelectedRow> rows;

  bool NavigationTreeFocused() override { return treeFocused; }
  std::vector<SelectedRow> SelectedRows() override { return rows; }
  bool AskBeforeTerminate() override { return askBeforeTerminate; }
  void SetAskBeforeTerminate(bool checked) override { askBeforeTerminate = checked; }

  // The last cycle's processes, the rows the views would give them, the program's own id.
  ProcessFigureTable processes;
  std::map<uint32_t, SelectedRow> tracked;
  uint32_t own = 0;
  const ProcessFigureTable* Processes() override { return &processes; }
  std::optional<SelectedRow> ProcessRow(const ObjectKey& key) override {
    const auto found = tracked.find(key.processId);
    if (found == tracked.end()) return std::nullopt;
    EXPECT_EQ(key.computerId, 5u) << "the selected processes' computer";
    return found->second;
  }
  uint32_t OwnProcessId() override { return own; }
};

SelectedRow ProcessRow(uint32_t pid, std::string executable, uint32_t mainWindow = 0,
                       uint32_t lastMainWindow = 0) {
  const std::string caption = executable.substr(executable.rfind('\\') + 1);
  return {{kKindProcess, 0, 0, pid, 0, mainWindow}, caption, std::move(executable), lastMainWindow};
}
SelectedRow ThreadRow(uint32_t pid, uint32_t tid) {
  return {{kKindThread, 0, 0, pid, tid, 0}, std::to_string(tid), ""};
}
SelectedRow WindowRow(uint32_t pid, uint32_t tid, uint32_t handle) {
  return {{kKindWindow, 0, 0, pid, tid, handle}, "a window", ""};
}

std::string SystemQuestion(const std::string& caption) {
  return caption + std::string(text::kSystemProcessSuffix);
}

class Commands : public ::testing::Test {
 protected:
  FakeLocale locale;
  KnownPrograms programs{locale};
  FakeHost host;
  FakeMessageBoxes boxes;
  FakeObjectControl control;
  ObjectCommands commands{host, boxes, control, programs};

  void SetUp() override {
    for (uint32_t pid : {11u, 12u, 13u}) control.processes[pid] = kNormalPriorityClass;
  }
  std::map<uint32_t, uint32_t> Terminated() const { return control.exitCodes; }
  // Runs each command on the selected rows and compares the actions it asked for.
  void ExpectActions(std::initializer_list<std::pair<Command, Strings>> table) {
    for (const auto& [command, actions] : table) {
      SCOPED_TRACE(RowOf(command).handler);
      control.actions.clear();
      commands.Run(command);
      EXPECT_EQ(control.actions, actions);
    }
  }
};

TEST_F(Commands, TheTextsAreExact) {
  EXPECT_EQ(text::kConfirmTerminate,
            "Terminating a process may cause loss of data or system instability.\n"
            "Are you sure you want to terminate selected processes?\n\n"
            "(This dialog can be disabled from the Settings menu.)");
  EXPECT_EQ(SystemQuestion("explorer.exe"),
            "explorer.exe is a system process. Terminating a system process may crash the "
            "computer.\nAre you sure?");
}

// Which commands tell about a selection without their kind, and which carry on when called
// internally.
TEST_F(Commands, WrongKindHandlingFollowsTheTwoSorts) {
  struct Row {
    Command command;
    std::string_view message;
    bool internalCallCarriesOn;
  };
  const Row table[] = {
      {Command::kProcessStop, text::kOnlyProcesses, true},
      {Command::kProcessInc, text::kOnlyProcesses, false},
      {Command::kProcessDec, text::kOnlyProcesses, false},
      {Command::kProcessShow, text::kOnlyProcesses, true},
      {Command::kProcessHide, text::kOnlyProcesses, true},
      {Command::kProcessMax, text::kOnlyProcesses, false},
      {Command::kProcessMin, text::kOnlyProcesses, false},
      {Command::kProcessNorm, text::kOnlyProcesses, false},
      {Command::kWindowClose, text::kOnlyWindows, true},
      {Command::kWindowShow, text::kOnlyWindows, true},
      {Command::kWindowHide, text::kOnlyWindows, true},
      {Command::kWindowMax, text::kOnlyWindows, false},
      {Command::kWindowMin, text::kOnlyWindows, false},
      {Command::kWindowNorm, text::kOnlyWindows, false},
  };
  host.askBeforeTerminate = false;
  host.rows = {ThreadRow(11, 21)};  // neither a process nor a window
  for (const Row& row : table) {
    SCOPED_TRACE(RowOf(row.command).handler);
    boxes.messages.clear();
    ASSERT_TRUE(commands.Run(row.command, CalledFrom::kControl));
    EXPECT_EQ(boxes.messages, Strings{std::string(row.message)});

    boxes.messages.clear();
    commands.Run(row.command, CalledFrom::kInternal);
    EXPECT_EQ(boxes.messages.empty(), row.internalCallCarriesOn);
  }
  EXPECT_TRUE(control.actions.empty()) << "the thread row is passed but ignored";
}

TEST_F(Commands, EachCommandAppliesItsOperationToEverySelectedRowInListOrder) {
  host.askBeforeTerminate = false;
  host.rows = {ProcessRow(11, "a.exe", 0x101), WindowRow(11, 21, 0x201),
               ProcessRow(12, "b.exe", 0x102), WindowRow(12, 22, 0x202)};
  ExpectActions({
      {Command::kProcessShow, {"show 0x101 5", "show 0x102 5"}},
      {Command::kProcessHide, {"show 0x101 0", "show 0x102 0"}},
      {Command::kProcessMax, {"show 0x101 3", "show 0x102 3"}},
      {Command::kProcessMin, {"show 0x101 6", "show 0x102 6"}},
      {Command::kProcessNorm, {"show 0x101 9", "show 0x102 9"}},
      {Command::kWindowClose, {"post-close 0x201", "post-close 0x202"}},
      {Command::kWindowShow, {"show 0x201 5", "show 0x202 5"}},
      {Command::kWindowHide, {"show 0x201 0", "show 0x202 0"}},
      {Command::kWindowMax, {"show 0x201 3", "show 0x202 3"}},
      {Command::kWindowMin, {"show 0x201 6", "show 0x202 6"}},
      {Command::kWindowNorm, {"show 0x201 9", "show 0x202 9"}},
      {Command::kProcessInc,
       {"open 11", "get 11", "set 11 0x80", "close 11", "open 12", "get 12", "set 12 0x80",
        "close 12"}},
      {Command::kProcessStop,
       {"open 11", "terminate 11 1", "close 11", "open 12", "terminate 12 1", "close 12"}},
  });
  EXPECT_TRUE(boxes.messages.empty());
  EXPECT_TRUE(boxes.confirmations.empty());
}

TEST_F(Commands, TheGuardRefusesEveryCommandFromTheTree) {
  host.treeFocused = true;
  host.rows = {ProcessRow(11, "a.exe", 0x101), WindowRow(11, 21, 0x201)};
  for (Command c :
       {Command::kProcessStop, Command::kProcessInc, Command::kProcessDec, Command::kProcessShow,
        Command::kProcessHide, Command::kProcessMax, Command::kProcessMin, Command::kProcessNorm,
        Command::kWindowClose, Command::kWindowShow, Command::kWindowHide, Command::kWindowMax,
        Command::kWindowMin, Command::kWindowNorm, Command::kStop1, Command::kShow1,
        Command::kHide1}) {
    SCOPED_TRACE(RowOf(c).handler);
    boxes.messages.clear();
    commands.Run(c);
    EXPECT_EQ(boxes.messages, Strings{std::string(text::kGuard)}) << "one hint, nothing else";
  }
  EXPECT_TRUE(boxes.confirmations.empty());
  EXPECT_TRUE(control.actions.empty());
}

TEST_F(Commands, AnEmptySelectionIsRefusedLikeOneOfTheWrongKind) {
  commands.ToolProcess0IncClick();
  commands.ToolWindow0MaxClick();
  EXPECT_EQ(boxes.messages,
            (Strings{std::string(text::kOnlyProcesses), std::string(text::kOnlyWindows)}));
}

TEST_F(Commands, TerminateAsksFirstAndStopsAtNo) {
  host.rows = {ThreadRow(11, 21), ProcessRow(11, "a.exe")};
  boxes.answers = {false};
  commands.ToolProcess0StopClick();
  EXPECT_EQ(boxes.confirmations, Strings{std::string(text::kConfirmTerminate)});
  EXPECT_TRUE(Terminated().empty());

  commands.ToolProcess0StopClick();  // Yes: only the process row is terminated
  EXPECT_EQ(Terminated(), (std::map<uint32_t, uint32_t>{{11, 1}}));
}

TEST_F(Commands, ANoAtASystemProgramStopsThatRowAndAllLaterOnes) {
  host.rows = {ProcessRow(11, "a.exe"), ProcessRow(12, "EXPLORER.EXE"), ProcessRow(13, "c.exe")};
  boxes.answers = {true, false};
  commands.ToolProcess0StopClick();
  EXPECT_EQ(boxes.confirmations,
            (Strings{std::string(text::kConfirmTerminate), SystemQuestion("EXPLORER.EXE")}));
  EXPECT_EQ(Terminated(), (std::map<uint32_t, uint32_t>{{11, 1}}));

  // With the setting off the general question goes, the system question stays.
  control.exitCodes.clear();
  boxes.confirmations.clear();
  commands.Askbefore1Click();
  EXPECT_FALSE(host.askBeforeTerminate);
  boxes.answers = {true};
  commands.ToolProcess0StopClick();
  EXPECT_EQ(boxes.confirmations, Strings{SystemQuestion("EXPLORER.EXE")});
  EXPECT_EQ(Terminated(), (std::map<uint32_t, uint32_t>{{11, 1}, {12, 1}, {13, 1}}));
}

TEST_F(Commands, TheSystemTestTakesTheWholeExecutableCell) {
  // The known-program table holds bare names: a cell with a directory matches no row.
  host.askBeforeTerminate = false;
  host.rows = {ProcessRow(11, "c:\\windows\\explorer.exe")};
  commands.ToolProcess0StopClick();
  EXPECT_TRUE(boxes.confirmations.empty());
  EXPECT_EQ(Terminated(), (std::map<uint32_t, uint32_t>{{11, 1}}));
}

TEST_F(Commands, DeleteWithOnlyWindowRowsAsksThenClosesTheWindows) {
  host.rows = {WindowRow(11, 21, 0x201), WindowRow(12, 22, 0x202)};
  commands.ToolProcess0StopClick();  // the palette button
  EXPECT_EQ(boxes.messages, Strings{std::string(text::kOnlyProcesses)});
  EXPECT_TRUE(boxes.confirmations.empty());

  boxes.messages.clear();
  boxes.answers = {false};  // even a No at the first question lets the windows close
  commands.Stop1Click();
  EXPECT_TRUE(boxes.messages.empty());
  EXPECT_EQ(boxes.confirmations, Strings{std::string(text::kConfirmTerminate)});
  EXPECT_EQ(control.actions, (Strings{"post-close 0x201", "post-close 0x202"}));
}

TEST_F(Commands, EditShowAndHideCoverProcessesAndWindowsWithoutMessages) {
  host.rows = {ProcessRow(11, "a.exe", 0x101), ProcessRow(12, "b.exe", 0)};
  commands.Show1Click();
  host.rows = {WindowRow(11, 21, 0x201)};
  commands.Hide1Click();
  host.rows = {ThreadRow(11, 21)};
  commands.Show1Click();
  EXPECT_TRUE(boxes.messages.empty());
  EXPECT_EQ(control.actions, (Strings{"show 0x101 5", "show 0x201 0"}));
}

// A process whose window is hidden names no main window; the main-window commands act on the
// one it had last while that window still exists and still belongs to it.
TEST_F(Commands, AProcessWithoutAMainWindowNowIsGivenTheOneItHadLast) {
  control.windows = {{0x101, 11}, {0x102, 99}, {0x104, 13}};
  host.rows = {ProcessRow(11, "a.exe", 0, 0x101),       // hidden, still its own
               ProcessRow(12, "b.exe", 0, 0x102),       // the handle is another's now
               ProcessRow(14, "c.exe", 0, 0x103),       // the window is gone
               ProcessRow(13, "d.exe", 0x104, 0x101)};  // the record names its window
  ExpectActions({
      {Command::kProcessShow, {"show 0x101 5", "show 0x104 5"}},
      {Command::kProcessHide, {"show 0x101 0", "show 0x104 0"}},
      {Command::kProcessMax, {"show 0x101 3", "show 0x104 3"}},
      {Command::kProcessMin, {"show 0x101 6", "show 0x104 6"}},
      {Command::kProcessNorm, {"show 0x101 9", "show 0x104 9"}},
  });
  EXPECT_TRUE(boxes.messages.empty());
}

TEST_F(Commands, MoveOnScreenBringsBackTheSelectedWindowsAndMainWindowsOnNoMonitor) {
  control.screen = {{{0, 0, 1024, 768}}, {0, 0, 1024, 740}};
  const WindowPlace lost{{-5000, -5000, 400, 300}, false};
  control.places = {{0x101, lost},
                    {0x102, {{10, 10, 400, 300}, false}},
                    {0x103, lost},
                    {0x201, {lost.rect, true}},
                    {0x202, {{10, 10, 50, 50}, false}}};
  control.windows = {{0x103, 13}};
  host.rows = {ProcessRow(11, "a.exe", 0x101),
               ProcessRow(12, "b.exe", 0x102),
               ProcessRow(13, "c.exe", 0, 0x103),  // hidden: the window it had last
               ThreadRow(11, 21),
               WindowRow(11, 21, 0x201),
               WindowRow(11, 21, 0x202),
               WindowRow(11, 21, 0x203)};  // gone
  commands.MoveOnScreen1Click();
  EXPECT_EQ(control.actions, (Strings{"place 0x101 0 0 400 300", "place 0x103 0 0 400 300",
                                      "place 0x201 0 0 400 300 restore"}));
  // Neither kind selected: nothing, and no message; from the tree: the hint alone.
  control.actions.clear();
  host.rows = {ThreadRow(11, 21)};
  commands.MoveOnScreen1Click();
  EXPECT_TRUE(boxes.messages.empty());
  host.rows = {WindowRow(11, 21, 0x201)};
  control.places[0x201] = {lost.rect, false};
  host.treeFocused = true;
  commands.MoveOnScreen1Click();
  EXPECT_EQ(boxes.messages, Strings{std::string(text::kGuard)});
  EXPECT_TRUE(control.actions.empty());
}

TEST_F(Commands, ASelectedProcessThatHasEndedIsPassedOverSilently) {
  host.rows = {ProcessRow(11, "a.exe"), ProcessRow(77, "gone.exe"), ProcessRow(12, "b.exe")};
  commands.ToolProcess0StopClick();
  commands.ToolProcess0DecClick();
  EXPECT_TRUE(boxes.messages.empty());
  EXPECT_EQ(Terminated(), (std::map<uint32_t, uint32_t>{{11, 1}, {12, 1}}));
  EXPECT_EQ(control.OpenCount(), 0u);
}

// Each pid with its parent; a later pid is a younger process.
ProcessFigureTable TableOf(std::initializer_list<std::pair<uint32_t, uint32_t>> processes) {
  ProcessFigureBuilder builder;
  builder.Begin(0, 1);
  for (const auto& [pid, parent] : processes) {
    ProcessCounters counters;
    counters.parentProcessId = parent;
    counters.createTime = 1000 + pid;
    builder.Add(pid, counters, "new" + std::to_string(pid) + ".exe");
  }
  builder.End(0);
  return builder.Table();
}

TEST_F(Commands, StopTreeEndsEachSelectedProcessAfterEveryProcessBelowItWithTerminatesQuestions) {
  // 11 started 12, 14 and 15; 12 started the system program 13; 14 the views have not seen
  // yet; 15 is the program itself, which started 16.
  host.processes = TableOf({{11, 1}, {12, 11}, {13, 12}, {14, 11}, {15, 11}, {16, 15}});
  host.own = 15;
  host.tracked = {{12, ProcessRow(12, "b.exe")}, {13, ProcessRow(13, "csrss.exe")}};
  for (uint32_t pid : {14u, 15u, 16u}) control.processes[pid] = kNormalPriorityClass;
  SelectedRow selected = ProcessRow(11, "a.exe");
  selected.key.computerId = 5;
  host.rows = {ThreadRow(11, 21), selected};

  commands.StopTree1Click();
  EXPECT_EQ(boxes.confirmations,
            (Strings{std::string(text::kConfirmTerminate), SystemQuestion("csrss.exe")}));
  EXPECT_EQ(control.actions, (Strings{"open 13", "terminate 13 1", "close 13", "open 12",
                                      "terminate 12 1", "close 12", "open 14", "terminate 14 1",
                                      "close 14", "open 11", "terminate 11 1", "close 11"}))
      << "children first; the program and what it started are spared";

  // A No to the system question stops the command there; a No to the first, before anything.
  for (const std::deque<bool>& answers : {std::deque<bool>{true, false}, std::deque<bool>{false}}) {
    control.actions.clear();
    boxes.answers = answers;
    commands.StopTree1Click();
    EXPECT_TRUE(control.actions.empty());
  }
  // Unseen by the views and not in the table either: the selected process alone, named as its
  // row; one that cannot be opened is passed over silently.
  host.processes = {};
  host.askBeforeTerminate = false;
  host.rows = {ProcessRow(77, "gone.exe"), ProcessRow(12, "b.exe")};
  control.actions.clear();
  boxes.confirmations.clear();
  commands.StopTree1Click();
  EXPECT_EQ(control.actions, (Strings{"open-failed 77", "open 12", "terminate 12 1", "close 12"}));
  EXPECT_TRUE(boxes.confirmations.empty());
  EXPECT_TRUE(boxes.messages.empty());

  // Refused as the process commands are: from the tree, and without a process row.
  control.actions.clear();
  host.rows = {WindowRow(11, 21, 0x201)};
  commands.StopTree1Click();
  host.treeFocused = true;
  host.rows = {selected};
  commands.StopTree1Click();
  EXPECT_EQ(boxes.messages,
            (Strings{std::string(text::kOnlyProcesses), std::string(text::kGuard)}));
  EXPECT_TRUE(control.actions.empty());
}

TEST_F(Commands, RunLeavesRefreshAndTheDialogCommandsToTheWindow) {
  for (Command c :
       {Command::kGeneralRefresh, Command::kComputerRun, Command::kComputerRestart,
        Command::kGeneralSearch, Command::kGeneralPrint, Command::kGeneralLog, Command::kAbout1}) {
    EXPECT_FALSE(commands.Run(c)) << RowOf(c).handler;
  }
  EXPECT_TRUE(commands.Run(Command::kAskBefore1));
  EXPECT_FALSE(host.askBeforeTerminate);
}

ProcessRecord ProcessWithWindow(uint32_t pid, uint32_t mainWindow) {
  ProcessRecord p{};
  p.key = {kKindProcess, 0, 0, pid, 0, mainWindow};
  return p;
}

TEST(LastMainWindows, KeepsEachProcesssLastWindowUntilACycleWithoutIt) {
  LastMainWindows last;
  const RootRecord root{};
  auto cycle = [&](std::vector<ProcessRecord> processes) {
    last.RecordArrived(&root, sizeof root);
    for (const ProcessRecord& p : processes) last.RecordArrived(&p, sizeof p);
  };
  cycle({ProcessWithWindow(11, 0), ProcessWithWindow(12, 0x201)});
  EXPECT_EQ(last.Of(11), 0u);
  EXPECT_EQ(last.Of(12), 0x201u);
  cycle({ProcessWithWindow(11, 0x101), ProcessWithWindow(12, 0)});  // 12's window hidden
  EXPECT_EQ(last.Of(11), 0x101u);
  EXPECT_EQ(last.Of(12), 0x201u);
  cycle({ProcessWithWindow(11, 0x102), ProcessWithWindow(12, 0)});
  EXPECT_EQ(last.Of(11), 0x102u);
  EXPECT_EQ(last.Of(12), 0x201u);

  // Other kinds, and a record too short for its key, name no process's main window.
  WindowRecord window{};
  window.key = {kKindWindow, 0, 0, 13, 31, 0x301};
  last.RecordArrived(&window, sizeof window);
  const ProcessRecord torn = ProcessWithWindow(13, 0x302);
  last.RecordArrived(&torn, 8);
  EXPECT_EQ(last.Of(13), 0u);

  // 12 has ended: a cycle passes without it, and the next one forgets it.
  cycle({ProcessWithWindow(11, 0)});
  EXPECT_EQ(last.Of(12), 0x201u);
  cycle({ProcessWithWindow(11, 0)});
  EXPECT_EQ(last.Of(12), 0u);
  EXPECT_EQ(last.Of(11), 0x102u);
}

// The row's key copy is as old as the row; the listener's copy carries the main window that a
// later cycle linked, and the last main windows the one it had before it was hidden.
TEST(SelectedRowOf, TakesTheCurrentRecordAndTheExecutableCell) {
  FakeLocale locale;
  KnownPrograms programs(locale);
  struct NoControl : ListControl {
    void RowAdded(std::size_t, const ListRow&) override {}
    void RowRemoved(std::size_t) override {}
    void RowRefilled(std::size_t, const ListRow&) override {}
    void RowMoved(std::size_t, std::size_t) override {}
  } listControl;
  ListModel list(listControl);
  ListListener listener(list, programs);
  LastMainWindows last;
  RecordSink sink;
  sink.Register(&listener);
  sink.Register(&last);

  ProcessRecord p{};
  p.key = {kKindProcess, 0, 0, 11, 0, 0};
  CopyText(p.fileName, "a.exe");
  CopyText(p.directory, "c:\\bin\\");
  CopyText(p.caption, "a.exe");
  RootRecord root{};
  sink.Deliver(&root, sizeof root);
  sink.Deliver(&p, sizeof p);
  p.key.windowHandle = 0x101;  // the second cycle links the main window and takes its title
  CopyText(p.caption, "A window");
  sink.Deliver(&root, sizeof root);
  sink.Deliver(&p, sizeof p);

  ASSERT_EQ(list.RowCount(), 1u);
  EXPECT_EQ(list.Row(0).key.windowHandle, 0u);
  SelectedRow row = SelectedRowOf(list.Row(0), listener, last);
  EXPECT_EQ(row.key.windowHandle, 0x101u);
  EXPECT_EQ(row.caption, "A window");
  EXPECT_EQ(row.executable, "c:\\bin\\a.exe");

  p.key.windowHandle = 0;  // the window is hidden: the caption is the file name again
  CopyText(p.caption, "a.exe");
  sink.Deliver(&root, sizeof root);
  sink.Deliver(&p, sizeof p);
  row = SelectedRowOf(list.Row(0), listener, last);
  EXPECT_EQ(row.key.windowHandle, 0u);
  EXPECT_EQ(row.lastMainWindow, 0x101u);
}

}  // namespace
}  // namespace orvane
