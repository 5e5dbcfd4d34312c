#include "view/figure_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "doubles/fake_platform.h"

namespace orvane {
namespace {

using testing::FakeClock;
using testing::FakeLocale;

constexpr uint64_t kSecond = 10000000;  // 100 ns units
// 07.12.2026 21:43:05 UTC.
constexpr uint64_t kStarted = 116444736000000000ull + 1796679785ull * kSecond;

TEST(FigureText, FiguresAreWrittenAsTheUsersLocaleGroupsDigits) {
  FakeLocale english, german;
  german.thousands = ".";
  struct Case {
    uint64_t bytes;
    const char* english;
    const char* german;
  } memory[] = {
      {12641280, "12,345 K", "12.345 K"},
      {1023, "0 K", "0 K"},  // whole kilobytes
      {999 * 1024, "999 K", "999 K"},
      {1234567ull * 1024 * 1024, "1,264,196,608 K", "1.264.196.608 K"},
  };
  for (const Case& c : memory) {
    EXPECT_EQ(MemoryText(c.bytes, english), c.english);
    EXPECT_EQ(MemoryText(c.bytes, german), c.german);
  }

  EXPECT_EQ(CpuShareText(250), "25.0");
  EXPECT_EQ(CpuShareText(5), "0.5");
  EXPECT_EQ(CpuShareText(1000), "100.0");
  EXPECT_EQ(CpuShareText(kNoCpuShare), "") << "first cycle: blank";

  EXPECT_EQ(CpuTimeText(0), "0:00:00");
  EXPECT_EQ(CpuTimeText(3725 * kSecond + kSecond - 1), "1:02:05") << "whole seconds";
  EXPECT_EQ(CpuTimeText(360000 * kSecond), "100:00:00");

  FakeClock clock;
  EXPECT_EQ(StartTimeText(kStarted, clock), "07.12.2026 21:43:05");
  EXPECT_EQ(StartTimeText(0, clock), "") << "unknown";

  ProcessFigureBuilder builder;
  ProcessCounters shell;
  shell.createTime = kStarted - kSecond;
  ProcessCounters c;
  c.parentProcessId = 100;
  c.createTime = kStarted;
  c.kernelTime = 60 * kSecond;
  c.userTime = 5 * kSecond;
  c.privateBytes = 12641280;
  c.workingSet = 2048 * 1024;
  c.threadCount = 7;
  c.handleCount = 1234;
  builder.Begin(0, 1);
  builder.Add(100, shell, "shell.exe");
  builder.Add(2345, c, "app.exe");
  c.parentProcessId = 999;
  builder.Add(3456, c, "orphan.exe");
  builder.End(0);
  const ProcessFigureTable& table = builder.Table();
  EXPECT_EQ(ProcessDetailLines(*table.Find(2345), table, english, clock),
            (std::vector<std::string>{
                "PID 2345, parent 100 (shell.exe)", "Started 07.12.2026 21:43:05, CPU time 0:01:05",
                "Memory 12,345 K private, 2,048 K working set", "7 threads, 1234 handles"}));
  EXPECT_EQ(ProcessDetailLines(*table.Find(3456), table, german, clock)[0],
            "PID 3456, parent 999 (ended)");
  EXPECT_EQ(ProcessDetailLines(*table.Find(3456), table, german, clock)[2],
            "Memory 12.345 K private, 2.048 K working set");

  const ProcessFigures* app = table.Find(2345);
  EXPECT_EQ(FigureCellText(app, FigureColumn::kPid, english), "2345");
  EXPECT_EQ(FigureCellText(app, FigureColumn::kCpu, english), "") << "first cycle";
  EXPECT_EQ(FigureCellText(app, FigureColumn::kMemory, german), "12.345 K");
  EXPECT_EQ(FigureCellText(app, FigureColumn::kThreads, english), "7");
  EXPECT_EQ(FigureCellText(nullptr, FigureColumn::kPid, english), "") << "no figures";
}

TEST(FigureText, FigureColumnsSortLargestFirstAndRowsWithoutTheFigureLast) {
  struct Row {
    const char* name;
    int32_t cpu;
    uint64_t memory;
    bool figures = true;
  };
  const std::vector<Row> rows = {{"quiet", 0, 300},        {"new", kNoCpuShare, 900},
                                 {"busy", 505, 100},       {"thread", 0, 0, false},
                                 {"second quiet", 0, 300}, {"half", 250, 5000}};
  std::vector<ProcessFigures> figures(rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    figures[i].processId = static_cast<uint32_t>(10 * (i + 1));
    figures[i].cpuShare = rows[i].cpu;
    figures[i].counters.privateBytes = rows[i].memory;
  }
  auto sorted = [&](FigureColumn column) {
    std::vector<std::size_t> order = {0, 1, 2, 3, 4, 5};
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
      return SortsBefore(SortKeyOf(rows[a].figures ? &figures[a] : nullptr, column),
                         SortKeyOf(rows[b].figures ? &figures[b] : nullptr, column));
    });
    std::vector<std::string> names;
    for (std::size_t i : order) names.push_back(rows[i].name);
    return names;
  };
  using Names = std::vector<std::string>;
  EXPECT_EQ(sorted(FigureColumn::kCpu),
            (Names{"busy", "half", "quiet", "second quiet", "new", "thread"}));
  EXPECT_EQ(sorted(FigureColumn::kMemory),
            (Names{"half", "new", "quiet", "second quiet", "busy", "thread"}));
  EXPECT_EQ(sorted(FigureColumn::kPid),
            (Names{"half", "second quiet", "busy", "new", "quiet", "thread"}));
  EXPECT_FALSE(SortsBefore({}, {})) << "a strict order";
  EXPECT_FALSE(SortsBefore({true, 5}, {true, 5}));
}

}  // namespace
}  // namespace orvane
