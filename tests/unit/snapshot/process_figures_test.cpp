#include "snapshot/process_figures.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "doubles/fake_platform.h"
#include "snapshot/collector.h"

namespace orvane {
namespace {

using testing::FakeClock;
using testing::FakeLocale;
using testing::FakeRegistry;
using testing::FakeSnapshotSource;

constexpr uint64_t kSecond = 10000000;  // 100 ns units
constexpr uint64_t kBorn = 133000000000000000ull;

TEST(ProcessFigures, CpuShareIsTheUsedPartOfAllProcessorsInTenths) {
  struct Case {
    uint64_t then, now;
    uint32_t wallMs, processors;
    int32_t tenths;
  } cases[] = {
      {0, kSecond / 2, 1000, 2, 250},        // half a second of a one-second cycle on two
      {kSecond, 2 * kSecond, 1000, 2, 500},  // one processor busy throughout
      {0, kSecond / 2, 1000, 1, 500},
      {0, kSecond / 2, 1000, 0, 500},   // no processor count: taken as one
      {0, 4 * kSecond, 1000, 2, 1000},  // more than the wall time allows: at most all of it
      {0, UINT64_MAX, 1, 1, 1000},
      {0, 4999, 1000, 1, 0},  // 0.04% rounds down, 0.05% up
      {0, 5000, 1000, 1, 1},
      {kSecond, kSecond / 2, 1000, 2, 0},  // times summed over threads that have ended since
      {0, kSecond, 0, 2, kNoCpuShare},     // no time passed
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CpuShareTenths(c.then, c.now, c.wallMs, c.processors), c.tenths)
        << c.then << " -> " << c.now << " in " << c.wallMs << " ms on " << c.processors;
  }
}

ProcessCounters Counters(uint64_t born, uint64_t cpu, uint32_t parent = 0) {
  ProcessCounters c;
  c.createTime = born;
  c.kernelTime = cpu / 4;
  c.userTime = cpu - cpu / 4;
  c.parentProcessId = parent;
  return c;
}

TEST(ProcessFigures, AProcessHasAShareFromItsSecondReadingAndAReusedIdStartsAfresh) {
  ProcessFigureBuilder builder;
  // Each list takes 20 ms to read: its moment is the middle, so the two are 1000 ms apart.
  builder.Begin(5000, 2);
  builder.Add(30, Counters(kBorn, 3 * kSecond), "spin.exe");
  builder.Add(20, Counters(kBorn, 0), "idle.exe");
  builder.Add(40, Counters(kBorn, kSecond), "reused.exe");
  builder.Add(50, ProcessCounters{}, "toolhelp.exe");  // a source without figures
  builder.End(5020);
  for (const ProcessFigures& f : builder.Table().All()) {
    EXPECT_EQ(f.cpuShare, kNoCpuShare) << "first reading of " << f.fileName;
  }

  builder.Begin(6000, 2);
  builder.Add(40, Counters(kBorn + kSecond, kSecond / 10), "new.exe");  // id 40 used again
  builder.Add(60, Counters(kBorn + kSecond, 0), "started.exe");
  builder.Add(30, Counters(kBorn, 3 * kSecond + kSecond / 2), "spin.exe");
  builder.Add(20, Counters(kBorn, 0), "idle.exe");
  builder.Add(50, ProcessCounters{}, "toolhelp.exe");
  builder.End(6020);
  const ProcessFigureTable& table = builder.Table();
  ASSERT_EQ(table.All().size(), 5u);
  EXPECT_EQ(table.All().front().processId, 20u) << "in process id order";
  EXPECT_EQ(table.Find(30)->cpuShare, 250);
  EXPECT_EQ(table.Find(20)->cpuShare, 0);
  EXPECT_EQ(table.Find(40)->cpuShare, kNoCpuShare);
  EXPECT_EQ(FieldText(table.Find(40)->fileName), "new.exe");
  EXPECT_EQ(table.Find(60)->cpuShare, kNoCpuShare);
  EXPECT_EQ(table.Find(50)->cpuShare, kNoCpuShare);
  EXPECT_EQ(table.Find(70), nullptr);

  builder.Begin(7000, 2);
  builder.End(7020);
  EXPECT_TRUE(builder.Table().All().empty()) << "an empty list leaves nothing of the last one";
}

TEST(ProcessFigures, AParentIsNamedOnlyWhileTheProcessThatStartedItRuns) {
  ProcessFigureBuilder builder;
  builder.Begin(0, 1);
  builder.Add(4, Counters(kBorn, 0, 4), "system");
  builder.Add(100, Counters(kBorn, 0, 4), "shell.exe");
  builder.Add(200, Counters(kBorn + kSecond, 0, 100), "child.exe");
  builder.Add(300, Counters(kBorn, 0, 400), "orphan.exe");  // 400 ended and was not reused
  builder.Add(500, Counters(kBorn + 2 * kSecond, 0, 200), "young.exe");
  builder.Add(600, Counters(kBorn + kSecond, 0, 500), "older.exe");  // 500 is not its parent
  builder.End(0);
  const ProcessFigureTable& table = builder.Table();
  auto parentName = [&](uint32_t pid) {
    const ProcessFigures* parent = table.ParentOf(*table.Find(pid));
    return parent ? std::string(FieldText(parent->fileName)) : std::string("ended");
  };
  EXPECT_EQ(parentName(200), "shell.exe");
  EXPECT_EQ(parentName(500), "child.exe");
  EXPECT_EQ(parentName(100), "system");
  EXPECT_EQ(parentName(4), "ended") << "its own parent";
  EXPECT_EQ(parentName(300), "ended");
  EXPECT_EQ(parentName(600), "ended");
}

TEST(ProcessFigures, TheCollectorCountsEveryListedProcessAgainstItsClock) {
  FakeSnapshotSource source;
  FakeRegistry registry;
  FakeClock clock;
  FakeLocale locale;
  TrayShared tray;
  Collector collector{source, registry, clock, locale, tray};
  source.ownProcessId = 30;
  source.processes = {{10, "C:\\Apps\\Spin.EXE", 8, Counters(kBorn, 0, 30)},
                      {20, "tray.exe", 8, Counters(kBorn, 0)},
                      {30, "orvn2k.exe", 8, Counters(kBorn, 0)}};
  struct Discard : RecordOutput {
    void Send(const void*, int32_t) override {}
  } out;
  collector.Collect(out);
  // The load estimator sleeps 20 ms of each cycle before the process pass.
  clock.now += 980;
  source.processes[0].counters = Counters(kBorn, kSecond / 2, 30);
  source.processes[2].counters = Counters(kBorn, kSecond / 10);
  collector.Collect(out);

  const ProcessFigureTable& table = collector.Figures();
  ASSERT_EQ(table.All().size(), 3u) << "also the processes that send no record";
  EXPECT_EQ(table.Find(10)->cpuShare, 250);
  EXPECT_EQ(FieldText(table.Find(10)->fileName), "spin.exe") << "named as its record";
  EXPECT_EQ(table.Find(20)->cpuShare, 0);
  EXPECT_EQ(table.Find(30)->cpuShare, 50);
  EXPECT_EQ(FieldText(table.ParentOf(*table.Find(10))->fileName), "orvn2k.exe");
}

}  // namespace
}  // namespace orvane
