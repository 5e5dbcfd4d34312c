#include "snapshot/collector.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "doubles/fake_platform.h"

namespace orvane {
namespace {

using testing::FakeClock;
using testing::FakeLocale;
using testing::FakeRegistry;
using testing::FakeSnapshotSource;
using testing::FakeWindow;

// Keeps a copy of every record of a cycle, and where the passes ended.
class RecordingOutput : public RecordOutput {
 public:
  std::vector<std::vector<unsigned char>> records;
  std::vector<std::size_t> passEnds;

  void Send(const void* record, int32_t size) override {
    EXPECT_EQ(size, RecordSize(static_cast<const ObjectKey*>(record)->kind));
    const auto* bytes = static_cast<const unsigned char*>(record);
    records.emplace_back(bytes, bytes + size);
  }
  void EndPass() override { passEnds.push_back(records.size()); }

  template <typename T>
  std::vector<T> OfKind(int32_t kind) const {
    std::vector<T> out;
    for (const auto& r : records) {
      ObjectKey key;
      std::memcpy(&key, r.data(), sizeof key);
      if (key.kind == kind) {
        T t;
        std::memcpy(&t, r.data(), sizeof t);
        out.push_back(t);
      }
    }
    return out;
  }
  const ProcessRecord* Process(const std::vector<ProcessRecord>& all, uint32_t pid) const {
    for (const auto& p : all)
      if (p.key.processId == pid) return &p;
    return nullptr;
  }
};

class CollectorTest : public ::testing::Test {
 protected:
  FakeSnapshotSource source;
  FakeRegistry registry;
  FakeClock clock;
  FakeLocale locale;
  TrayShared tray;
  Collector collector{source, registry, clock, locale, tray};

  RecordingOutput Cycle() {
    RecordingOutput out;
    collector.Collect(out);
    return out;
  }
};

TEST_F(CollectorTest, ACycleIsRootComputerProcessesThreadsWindowsInOrder) {
  source.processes = {{10, "C:\\Windows\\notepad.exe"}, {11, "calc.exe"}};
  source.threads = {{10, 100, 8}, {11, 110, 9}, {10, 101, 7}};
  source.windows = {{0x500, 10, 100, "Untitled - Notepad"}};
  registry.SetString(RegistryRoot::kLocalMachine, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion",
                     "ProductName", "Microsoft Windows 2000");
  const RecordingOutput out = Cycle();

  std::vector<int32_t> kinds;
  for (const auto& r : out.records) kinds.push_back(static_cast<int32_t>(r[0]));
  EXPECT_EQ(kinds, (std::vector<int32_t>{0, 1, 2, 2, 3, 3, 3, 4}));
  EXPECT_EQ(out.passEnds, (std::vector<std::size_t>{4, 7, 8}));

  const auto computer = out.OfKind<ComputerRecord>(kKindComputer).at(0);
  EXPECT_EQ(computer.memoryTotal, 134u);
  EXPECT_EQ(computer.memoryLoad, 42u);
  EXPECT_EQ(computer.osCode, 5);
  EXPECT_EQ(computer.cpuLoad, 5);
  EXPECT_EQ(FieldText(computer.computerName), "WORKSTATION");
  EXPECT_EQ(FieldText(computer.userName), "alice");

  const auto threads = out.OfKind<ThreadRecord>(kKindThread);
  EXPECT_EQ(threads[2].key.processId, 10u);
  EXPECT_EQ(threads[2].key.threadId, 101u);
  EXPECT_EQ(threads[2].key.windowHandle, 0u);
  EXPECT_EQ(threads[2].basePriority, 7);

  const auto window = out.OfKind<WindowRecord>(kKindWindow).at(0);
  EXPECT_EQ(window.key.processId, 10u);
  EXPECT_EQ(window.key.threadId, 100u);
  EXPECT_EQ(window.key.windowHandle, 0x500u);
  EXPECT_EQ(window.width, 400);
  EXPECT_EQ(window.height, 300);
  EXPECT_EQ(window.left, 10);
  EXPECT_EQ(window.top, 10);
  EXPECT_EQ(window.visible, 1);
  EXPECT_EQ(window.showState, kShowNormal);

  const auto processes = out.OfKind<ProcessRecord>(kKindProcess);
  EXPECT_EQ(processes[0].osCode, 5);
  EXPECT_EQ(processes[0].basePriority, 8);
}

TEST_F(CollectorTest, SplitsAndLowerCasesExecutablePaths) {
  source.processes = {{1, "C:\\Tools\\My.Prog.EXE"},
                      {2, "System"},
                      {3, "[System Process]"},
                      {4, "D:\\APPS\\README"}};
  const auto processes = Cycle().OfKind<ProcessRecord>(kKindProcess);
  ASSERT_EQ(processes.size(), 4u);
  EXPECT_EQ(FieldText(processes[0].fileName), "my.prog.exe");
  EXPECT_EQ(FieldText(processes[0].directory), "c:\\tools\\");
  EXPECT_EQ(FieldText(processes[0].caption), "my.prog.exe");
  EXPECT_EQ(processes[0].mainWindow(), 0u);
  EXPECT_EQ(FieldText(processes[1].fileName), "System");
  EXPECT_EQ(FieldText(processes[1].directory), "");
  EXPECT_EQ(FieldText(processes[2].fileName), "[System Process]");
  EXPECT_EQ(FieldText(processes[3].fileName), "README") << "no dot: case kept";
  EXPECT_EQ(FieldText(processes[3].directory), "d:\\apps\\");
}

TEST_F(CollectorTest, ShortensOverlongPathsWithoutOverrunning) {
  const std::string longDir =
      "C:\\Program Files\\" + std::string(40, 'A') + "\\" + std::string(30, 'B') + "\\Bin\\";
  const std::string longName = std::string(80, 'n') + ".exe";
  source.processes = {
      {1, longDir + "tool.exe"}, {2, "C:\\" + longName}, {3, std::string(300, 'x')}};
  const auto processes = Cycle().OfKind<ProcessRecord>(kKindProcess);
  ASSERT_EQ(processes.size(), 3u);
  EXPECT_EQ(FieldText(processes[0].fileName), "tool.exe");
  const std::string_view dir = FieldText(processes[0].directory);
  EXPECT_LE(dir.size(), 63u);
  EXPECT_EQ(dir.substr(0, 7), "c:\\...\\");
  EXPECT_TRUE(dir.ends_with("\\bin\\"));
  const std::string_view name = FieldText(processes[1].fileName);
  EXPECT_EQ(name.size(), 63u);
  EXPECT_TRUE(name.ends_with("nnn.exe"));
  EXPECT_EQ(FieldText(processes[2].fileName), std::string(63, 'x'));
  for (const auto& p : processes) {
    EXPECT_EQ(p.fileName[63], '\0');
    EXPECT_EQ(p.directory[63], '\0');
    EXPECT_EQ(p.caption[63], '\0');
  }
}

TEST(ShortenDirectory, KeepsWholeTrailingFolders) {
  const std::string dir = "c:\\" + std::string(50, 'a') + "\\" + std::string(20, 'b') + "\\";
  EXPECT_EQ(ShortenDirectory(dir), "c:\\...\\" + std::string(20, 'b') + "\\");
  const std::string oneFolder = "c:\\" + std::string(100, 'a') + "\\";
  const std::string shortened = ShortenDirectory(oneFolder);
  EXPECT_EQ(shortened.size(), 63u);
  EXPECT_TRUE(shortened.starts_with("c:\\...\\aaa"));
  EXPECT_TRUE(shortened.ends_with("a\\"));
  EXPECT_EQ(ShortenDirectory("c:\\short\\"), "c:\\short\\");
}

TEST_F(CollectorTest, MainWindowTitleReachesTheProcessOneCycleLater) {
  source.processes = {{10, "C:\\app.exe"}};
  source.windows = {{0x500, 10, 100, "Hello"},   // 5 characters: never a candidate
                    {0x501, 10, 100, "Sixsix"},  // 6 characters
                    {0x502, 10, 100, "Hidden window", 10, 10, 410, 310, false},
                    {0x503, 10, 101, "Later window"}};  // the later candidate wins
  auto first = Cycle().OfKind<ProcessRecord>(kKindProcess).at(0);
  EXPECT_EQ(FieldText(first.caption), "app.exe");
  EXPECT_EQ(first.mainWindow(), 0u);

  auto second = Cycle().OfKind<ProcessRecord>(kKindProcess).at(0);
  EXPECT_EQ(FieldText(second.caption), "Later window");
  EXPECT_EQ(second.mainWindow(), 0x503u);

  source.windows = {{0x500, 10, 100, "Hello"}, {0x501, 10, 100, "Sixsix"}};
  Cycle();
  auto fourth = Cycle().OfKind<ProcessRecord>(kKindProcess).at(0);
  EXPECT_EQ(FieldText(fourth.caption), "Sixsix");
  EXPECT_EQ(fourth.mainWindow(), 0x501u);

  // Its last qualifying window gone: back to the file name one cycle later.
  source.windows = {{0x500, 10, 100, "Hello"}};
  Cycle();
  auto sixth = Cycle().OfKind<ProcessRecord>(kKindProcess).at(0);
  EXPECT_EQ(FieldText(sixth.caption), "app.exe");
  EXPECT_EQ(sixth.mainWindow(), 0u);
}

TEST(WindowScore, AddsSizeAndPenalisesOnScreenPosition) {
  WindowRecord w{};
  CopyText(w.title, "Sixsix");
  w.visible = 1;
  EXPECT_EQ(WindowScore(w), 30);  // no size, no position
  w.width = 400;
  w.height = 350;
  EXPECT_EQ(WindowScore(w), 30 + 400 + 3);
  w.left = 5;
  w.top = 5;
  EXPECT_EQ(WindowScore(w), 30 + 400 + 3 - 10);
  w.width = 2000;
  EXPECT_EQ(WindowScore(w), 30 - 10);
  w.visible = 0;
  EXPECT_EQ(WindowScore(w), 0);
}

TEST_F(CollectorTest, WindowTitlesAreCutTo62Characters) {
  source.windows = {{0x500, 10, 100, std::string(70, 'T')}};
  const auto window = Cycle().OfKind<WindowRecord>(kKindWindow).at(0);
  EXPECT_EQ(FieldText(window.title), std::string(62, 'T'));
}

TEST_F(CollectorTest, WindowStatesAndOddRectangles) {
  source.windows = {{1, 10, 100, "min", 0, 0, 10, 10, true, true, true},
                    {2, 10, 100, "max", 0, 0, 10, 10, true, false, true},
                    {3, 10, 100, "gone", INT32_MIN, 0, INT32_MAX, 0, false}};
  const auto windows = Cycle().OfKind<WindowRecord>(kKindWindow);
  EXPECT_EQ(windows[0].showState, kShowMinimised);
  EXPECT_EQ(windows[1].showState, kShowMaximised);
  EXPECT_EQ(windows[2].width, -1);  // wraps as the platform's arithmetic does
  EXPECT_EQ(windows[2].visible, 0);
}

TEST_F(CollectorTest, OnlyAVisibleWindowIsMarkedHung) {
  const struct {
    bool visible, hung;
    uint8_t marked;
  } cases[] = {{true, true, 1}, {true, false, 0}, {false, true, 0}, {false, false, 0}};
  for (const auto& c : cases) {
    FakeWindow window{1, 10, 100, "w"};
    window.visible = c.visible;
    window.hung = c.hung;
    source.windows = {window};
    const auto windows = Cycle().OfKind<WindowRecord>(kKindWindow);
    ASSERT_EQ(windows.size(), 1u);
    EXPECT_EQ(windows[0].hung, c.marked) << c.visible << c.hung;
    EXPECT_EQ(windows[0].pad[0] | windows[0].pad[1], 0);
  }
}

TEST_F(CollectorTest, TrayCompanionIsRecognisedButNotSent) {
  tray.TrayRunning = 1;
  source.processes = {{20, "C:\\Orvane\\TRAY.EXE"}, {21, "notepad.exe"}};
  source.threads = {{20, 200, 8}};
  source.windows = {{0x700, 20, 200, "orvane2000traywindow"}};
  RecordingOutput out = Cycle();
  EXPECT_EQ(out.OfKind<ProcessRecord>(kKindProcess).size(), 1u);
  EXPECT_EQ(out.OfKind<ThreadRecord>(kKindThread).size(), 1u) << "its threads are sent";
  EXPECT_EQ(tray.TrayRunning, 1);
  EXPECT_EQ(tray.TrayWindowKey.Load().kind, 0) << "the title is case-sensitive";

  source.windows = {{0x701, 20, 200, "ORVANE2000TRAYWINDOW"}};
  Cycle();
  ObjectKey key = tray.TrayWindowKey.Load();
  EXPECT_EQ(key.kind, kKindWindow);
  EXPECT_EQ(key.processId, 20u);
  EXPECT_EQ(key.threadId, 200u);
  EXPECT_EQ(key.windowHandle, 0x701u);

  // Gone: the flag is cleared by the next cycle, the window key is kept.
  source.processes = {{21, "notepad.exe"}};
  source.windows.clear();
  Cycle();
  EXPECT_EQ(tray.TrayRunning, 0);
  EXPECT_EQ(tray.TrayWindowKey.Load().windowHandle, 0x701u);
}

// A process caught while it starts has no executable name yet: it is listed, named, a cycle
// later, so that its creation is never logged without a name.
TEST_F(CollectorTest, OwnAndStartingProcessesAreNeverSentButTheirThreadsAndWindowsAre) {
  source.ownProcessId = 30;
  source.processes = {{30, "C:\\Tools\\renamed.exe"},
                      {31, "C:\\Other\\ORVN2K.EXE"},
                      {32, "notepad.exe"},
                      {33, ""},
                      {34, "C:\\Starting\\"}};
  source.threads = {{30, 300, 8}, {33, 330, 8}};
  source.windows = {{0x800, 30, 300, "Orvane 2000 Professional"}};
  RecordingOutput out = Cycle();
  const auto processes = out.OfKind<ProcessRecord>(kKindProcess);
  ASSERT_EQ(processes.size(), 1u);
  EXPECT_EQ(processes[0].key.processId, 32u);
  EXPECT_EQ(out.OfKind<ThreadRecord>(kKindThread).size(), 2u);
  EXPECT_EQ(out.OfKind<WindowRecord>(kKindWindow).size(), 1u);
}

TEST_F(CollectorTest, EmptySnapshotsStillGiveRootAndComputer) {
  RecordingOutput out = Cycle();
  EXPECT_EQ(out.records.size(), 2u);
  EXPECT_EQ(out.passEnds, (std::vector<std::size_t>{2, 2, 2}));
}

// Wine numbers the six classes; Windows gives these base priorities. Other numbers (the idle
// pseudo-process's 0, a real base priority) pass unchanged.
TEST(BasePriorityOfClassNumber, GivesWindowsBasePriorityOfEachClassAndKeepsOtherNumbers) {
  const std::pair<int32_t, int32_t> table[] = {{1, 4},   {2, 8},   {3, 13},  {4, 24}, {5, 6},
                                               {6, 10},  {0, 0},   {7, 7},   {8, 8},  {13, 13},
                                               {24, 24}, {31, 31}, {-1, -1}, {-6, -6}};
  for (const auto& [number, basePriority] : table) {
    EXPECT_EQ(BasePriorityOfClassNumber(number), basePriority) << "class number " << number;
  }
}

}  // namespace
}  // namespace orvane
