#include "app/performance_feed.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "doubles/fake_platform.h"
#include "unit/view/view_records.h"

namespace orvane {
namespace {

TEST(PerformanceFeed, TheLoadsOfTheLastComputerRecordAndTheFiveBusiestProcessesMostFirst) {
  ComputerLoads loads;
  RecordSink sink;
  sink.Register(&loads);
  testing::Send(sink, testing::Computer("PC", 37, 134, 5));
  testing::Send(sink, testing::Process(9, "other.exe"));
  testing::Send(sink, testing::Computer("PC", 61, 134, 42));

  // Seven processes over two cycles a second apart on one processor; "new.exe" only in the
  // second, so it has no share yet.
  ProcessFigureBuilder builder;
  const char* names[] = {"a.exe", "b.exe", "c.exe", "d.exe", "e.exe", "f.exe"};
  const uint64_t used[] = {1000000, 0, 3000000, 1000000, 2000000, 500000};  // 100 ns units
  for (uint64_t cycle : {0u, 1u}) {
    builder.Begin(1000 + 1000 * static_cast<uint32_t>(cycle), 1);
    for (uint32_t i = 0; i < 6; ++i) {
      builder.Add(i + 1, {.createTime = 1, .userTime = used[i] * cycle, .privateBytes = 2048000},
                  names[i]);
    }
    if (cycle == 1) builder.Add(7, {.createTime = 1, .userTime = 9000000}, "new.exe");
    builder.End(1000 + 1000 * static_cast<uint32_t>(cycle));
  }
  testing::FakeLocale locale;
  const PerformanceSample sample = SampleOf(loads, builder.Table(), locale);
  EXPECT_EQ(sample.cpuLoad, 42);
  EXPECT_EQ(sample.memoryLoad, 61u);
  std::vector<std::string> top;
  for (const TopProcess& p : sample.top) top.push_back(p.name + " " + p.cpu + " " + p.memory);
  EXPECT_EQ(top, (std::vector<std::string>{"c.exe 30.0 2,000 K", "e.exe 20.0 2,000 K",
                                           "a.exe 10.0 2,000 K", "d.exe 10.0 2,000 K",
                                           "f.exe 5.0 2,000 K"}));
}

}  // namespace
}  // namespace orvane
