// The command-line countdown: the message and the end at each tick for every kind of
// argument, and what "stop" and "notray" do at the end.
#include "dialogs/cmdline/cmdline.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/report/report.h"
#include "doubles/fake_controls.h"
#include "doubles/fake_files.h"
#include "doubles/fake_object_control.h"
#include "doubles/fake_platform.h"
#include "tray/task_manager_trap.h"

namespace orvane {
namespace {

using testing::FakeFiles;
using testing::FakeListControl;
using testing::FakeObjectControl;
using testing::FakeRegistry;

class RecordingHost : public CmdLineHost {
 public:
  std::string message = kCmdLineFirstMessage;
  bool cancelShown = true;
  int mainHidden = 0;
  int endRequests = 0;

  void SetMessage(const std::string& text) override { message = text; }
  void HideCancel() override { cancelShown = false; }
  void HideMainWindow() override { ++mainHidden; }
  void EndProgram() override { ++endRequests; }
};

struct Rig {
  RecordingHost host;
  FakeObjectControl control;
  FakeRegistry registry;
  FakeFiles files;
  TrayShared tray;
  FakeListControl listControl;
  ListModel list{listControl};
  CmdLineRun run{host, {control, registry, files, tray, list, "C:\\Orvane\\"}};
  std::string shown;  // the message as the dialog opened

  // The message after each tick up to the one that ends the program, which is marked.
  std::vector<std::string> Run(const std::vector<std::string>& arguments) {
    run.FormShow(arguments);
    shown = host.message;
    EXPECT_EQ(host.mainHidden, 0) << "the main window shows until the first tick";
    EXPECT_EQ(host.endRequests, 0);
    std::vector<std::string> ticks;
    for (int tick = 1; tick <= 40 && host.endRequests == 0; ++tick) {
      run.Tick();
      EXPECT_EQ(host.mainHidden, tick);
      ticks.push_back(host.message + (host.endRequests > 0 ? " | end" : ""));
    }
    return ticks;
  }
};

std::vector<std::string> Counting(const std::string& target, int from) {
  std::vector<std::string> ticks;
  for (int n = from; n >= 1; --n) {
    ticks.push_back("Terminating " + target + " in " + std::to_string(n) + " seconds");
  }
  ticks.push_back(ticks.empty() ? std::string(kCmdLineFirstMessage) + " | end"
                                : ticks.back() + " | end");
  return ticks;
}

std::vector<std::string> Repeated(const std::string& message, int ticks) {
  std::vector<std::string> lines(static_cast<std::size_t>(ticks), message);
  lines.back() += " | end";
  return lines;
}

TEST(CmdLine, TimingTable) {
  const std::string first = kCmdLineFirstMessage;
  const struct {
    std::vector<std::string> arguments;
    std::string shown;  // the message as the dialog opens
    std::vector<std::string> ticks;
  } cases[] = {
      {{"stop", "a.exe"}, first, Counting("a.exe", 10)},
      {{"stop", "a.exe", "3"}, first, Counting("a.exe", 3)},
      {{"stop", "a.exe", "+2"}, first, Counting("a.exe", 2)},
      {{"stop", "a.exe", "1", "more"}, first, Counting("a.exe", 1)},
      {{"stop", "a.exe", "0"}, first, Counting("a.exe", 0)},
      {{"stop", "a.exe", "-0"}, first, Counting("a.exe", 0)},
      {{"stop", "a.exe", "-5"}, first, Counting("a.exe", 0)},
      {{"stop", "a.exe", "-2147483648"}, first, Counting("a.exe", 0)},
      // Not a valid 32-bit decimal integer: the default, without a message.
      {{"stop", "a.exe", "12abc"}, first, Counting("a.exe", 10)},
      {{"stop", "a.exe", "2147483648"}, first, Counting("a.exe", 10)},
      {{"stop", "a.exe", ""}, first, Counting("a.exe", 10)},
      {{"stop", "a.exe", "  "}, first, Counting("a.exe", 10)},
      {{"stop", "a.exe", " 3"}, first, Counting("a.exe", 10)},
      {{"stop", "a.exe", "0x3"}, first, Counting("a.exe", 10)},
      {{"stop", "a.exe", "+-3"}, first, Counting("a.exe", 10)},
      // A target with blanks is one argument, shown as it is.
      {{"stop", "C:\\Program Files\\a.exe", "2"}, first, Counting("C:\\Program Files\\a.exe", 2)},
      {{"notray", "x"}, first, Repeated("Removing Orvane 2000", 11)},
      {{"notray", "x", "2"}, first, Repeated("Removing Orvane 2000", 3)},
      {{"notray", "x", "0"}, first, {first + " | end"}},
      // An unknown word (letter case counts) ends once the countdown is below 5.
      {{"frob", "x"}, "Unknown command: frob", Repeated("Unknown command: frob", 7)},
      {{"Stop", "x", "5"}, "Unknown command: Stop", Repeated("Unknown command: Stop", 2)},
      {{"frob", "x", "4"}, "Unknown command: frob", Repeated("Unknown command: frob", 1)},
      {{"frob", "x", "-5"}, "Unknown command: frob", Repeated("Unknown command: frob", 1)},
      {{"", "x"}, "Unknown command: ", Repeated("Unknown command: ", 7)},
  };
  for (const auto& c : cases) {
    std::string name;
    for (const std::string& a : c.arguments) name += "[" + a + "]";
    SCOPED_TRACE(name);
    Rig rig;
    EXPECT_EQ(rig.Run(c.arguments), c.ticks);
    EXPECT_EQ(rig.shown, c.shown);
    EXPECT_EQ(rig.host.cancelShown, c.arguments[0] != "notray");
  }
}

TEST(CmdLine, OnceEndedFurtherTicksDoNothing) {
  Rig rig;
  rig.list.AddRow({kKindProcess, 0, 0, 7, 0, 0}, {"a.exe", {"Normal (8)", "a.exe"}});
  rig.control.processes = {{7, 0x20}};
  rig.Run({"stop", "a.exe", "0"});
  ASSERT_TRUE(rig.run.Done());
  rig.run.Tick();
  EXPECT_EQ(rig.host.endRequests, 1);
  EXPECT_EQ(rig.host.mainHidden, 1);
  EXPECT_EQ(rig.control.actions, (std::vector<std::string>{"open 7", "terminate 7 1", "close 7"}));
}

TEST(CmdLine, StopTerminatesEveryListedProcessWhoseExecutableIsTheTargetExactly) {
  Rig rig;
  const auto process = [](uint32_t pid) { return ObjectKey{kKindProcess, 0, 0, pid, 0, 0}; };
  rig.list.AddRow(process(1), {"a.exe", {"Normal (8)", "c:\\apps\\a.exe"}});
  rig.list.AddRow(process(2), {"b.exe", {"Normal (8)", "c:\\apps\\b.exe"}});
  rig.list.AddRow(process(3), {"a.exe", {"Normal (8)", "C:\\APPS\\A.EXE"}});
  rig.list.AddRow(process(4), {"a.exe", {"Normal (8)", "c:\\apps\\a.exe "}});
  rig.list.AddRow(process(5), {"second copy", {"High (13)", "c:\\apps\\a.exe"}});
  rig.list.AddRow(process(6), {"no columns yet", {}});
  // A window row (a search result) whose second cell happens to match is no process.
  rig.list.AddRow({kKindWindow, 0, 0, 8, 9, 0x50}, {"w", {"Normal", "c:\\apps\\a.exe"}});
  rig.control.processes = {{1, 0x20}, {2, 0x20}, {3, 0x20}, {4, 0x20}, {5, 0x80}, {8, 0x20}};

  const std::vector<std::string> ticks = rig.Run({"stop", "c:\\apps\\a.exe", "2"});
  ASSERT_EQ(ticks.size(), 3u);
  EXPECT_EQ(rig.control.exitCodes, (std::map<uint32_t, uint32_t>{{1, 1}, {5, 1}}));
  EXPECT_EQ(rig.control.OpenCount(), 0u);

  // A target that no row shows terminates nothing, and the program still ends.
  Rig none;
  none.list.AddRow(process(1), {"a.exe", {"Normal (8)", "c:\\apps\\a.exe"}});
  none.control.processes = {{1, 0x20}};
  EXPECT_EQ(none.Run({"stop", "C:\\APPS\\A.EXE", "0"}).size(), 1u);
  EXPECT_TRUE(none.control.exitCodes.empty());
  EXPECT_EQ(none.host.endRequests, 1);
}

TEST(CmdLine, StopAndTheReportPassByARowKeptOnlyToBeSeen) {
  Rig rig;
  const auto process = [](uint32_t pid) { return ObjectKey{kKindProcess, 0, 0, pid, 0, 0}; };
  rig.list.AddRow(process(1), {"a.exe", {"Normal (8)", "c:\\apps\\a.exe"}});
  rig.list.Retire(rig.list.AddRow(process(2), {"a.exe", {"Normal (8)", "c:\\apps\\a.exe"}}));
  rig.list.MarkCreated(rig.list.AddRow(process(3), {"a.exe", {"Normal (8)", "c:\\apps\\a.exe"}}));
  rig.control.processes = {{1, 0x20}, {2, 0x20}, {3, 0x20}};
  rig.Run({"stop", "c:\\apps\\a.exe", "0"});
  EXPECT_EQ(rig.control.exitCodes, (std::map<uint32_t, uint32_t>{{1, 1}, {3, 1}}));

  const std::vector<std::string> report = BuildReport("Heading", "now", {"Process Name"}, rig.list);
  ASSERT_EQ(report.size(), 4u + 2u);
  EXPECT_EQ(report[4], ReportLine("a.exe", {"Normal (8)", "c:\\apps\\a.exe"}));
}

TEST(CmdLine, NotrayDeletesTheFilesAtOnceAndUnregistersTheCompanionAtTheEnd) {
  Rig rig;
  for (const char* file : {"tray.dat", "news.dat", "nnws.dat", "start.dat", "workspace.dat",
                           "removed.dat", "oldn.dat.bak"}) {
    rig.files.files[file] = "x";
  }
  rig.registry.SetString(RegistryRoot::kLocalMachine, kRunKey, "Orvane2000Tray", "tray.exe");
  rig.registry.SetString(RegistryRoot::kLocalMachine, kRunKey, "Other", "other.exe");
  rig.registry.SetString(RegistryRoot::kCurrentUser, kRunKey, "Orvane2000Tray", "tray.exe");
  rig.tray.TrayWindowKey.Store({kKindWindow, 0, 0, 40, 41, 0x4242});
  // Our replacement of the task manager, left by a companion that was killed.
  constexpr RegistryRoot k64 = RegistryRoot::kLocalMachine64;
  rig.registry.SetString(k64, kTaskManagerOptionsKey, kDebuggerValue, "\"C:\\Orvane\\orvn2k.exe\"");

  rig.run.FormShow({"notray", "x", "1"});
  std::vector<std::string> left;
  for (const auto& [name, content] : rig.files.files) left.push_back(name);
  EXPECT_EQ(left, (std::vector<std::string>{"oldn.dat.bak", "removed.dat", "workspace.dat"}));
  EXPECT_FALSE(rig.host.cancelShown);

  rig.run.Tick();
  EXPECT_TRUE(rig.control.actions.empty());
  EXPECT_TRUE(rig.registry.HasValue(RegistryRoot::kLocalMachine, kRunKey, kTrayRunValue));
  EXPECT_TRUE(rig.registry.HasValue(k64, kTaskManagerOptionsKey, kDebuggerValue));
  rig.run.Tick();
  EXPECT_FALSE(rig.registry.HasValue(k64, kTaskManagerOptionsKey, kDebuggerValue));
  EXPECT_EQ(rig.control.actions, std::vector<std::string>{"post-close 0x4242"});
  EXPECT_FALSE(rig.registry.HasValue(RegistryRoot::kLocalMachine, kRunKey, kTrayRunValue));
  EXPECT_TRUE(rig.registry.HasValue(RegistryRoot::kLocalMachine, kRunKey, "Other"));
  // The per-user registration, written where the per-machine one was refused, goes too.
  EXPECT_FALSE(rig.registry.HasValue(RegistryRoot::kCurrentUser, kRunKey, kTrayRunValue));
  EXPECT_EQ(rig.host.endRequests, 1);

  // Another program's replacement stays, as do the files and values of "stop".
  const std::string other = "\"C:\\Tools\\other.exe\"";
  for (const std::vector<std::string>& arguments :
       {std::vector<std::string>{"notray", "x", "0"}, {"stop", "a.exe", "0"}}) {
    Rig kept;
    kept.registry.SetString(k64, kTaskManagerOptionsKey, kDebuggerValue,
                            arguments[0] == "stop" ? "\"C:\\Orvane\\orvn2k.exe\"" : other);
    kept.Run(arguments);
    EXPECT_TRUE(kept.registry.HasValue(k64, kTaskManagerOptionsKey, kDebuggerValue))
        << arguments[0];
  }

  // No tray window seen and no Run key: nothing is closed or deleted, and the program ends.
  Rig bare;
  EXPECT_EQ(bare.Run({"notray", "x", "0"}).size(), 1u);
  EXPECT_TRUE(bare.control.actions.empty());
  EXPECT_EQ(bare.host.endRequests, 1);
}

}  // namespace
}  // namespace orvane
