// The performance window's portable part: the history of loads and top processes with its
// texts, the graphs' points and the window's layout.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "dialogs/performance/performance.h"

namespace orvane {
namespace {

std::vector<TopProcess> Named(std::vector<std::string> names) {
  std::vector<TopProcess> top;
  for (std::string& name : names) top.push_back({name, "1.0", "1,024 K"});
  return top;
}

std::vector<std::string> NamesOf(const std::vector<TopProcess>& top) {
  std::vector<std::string> names;
  for (const TopProcess& process : top) names.push_back(process.name);
  return names;
}

TEST(PerformanceHistory, KeepsTheLast120LoadsHeldToPercentAndTheLastCyclesTopFive) {
  struct Case {
    const char* what;
    std::function<std::vector<PerformanceSample>()> samples;
    std::vector<double> cpu;
    std::vector<double> memory;
    std::vector<std::string> top;
    const char* cpuText;
    const char* memoryText;
  };
  // 130 cycles: the first ten are dropped.
  std::vector<PerformanceSample> longRun;
  std::vector<double> longCpu, longMemory;
  for (int i = 0; i < 130; ++i) {
    longRun.push_back({i * 0.5, uint32_t(i % 101), {}});
    if (i < 10) continue;
    longCpu.push_back(i * 0.5);
    longMemory.push_back(i % 101);
  }
  const Case cases[] = {
      {"before the first cycle",
       [] { return std::vector<PerformanceSample>{}; },
       {},
       {},
       {},
       "CPU Usage",
       "Memory Usage"},
      {"one cycle",
       [] {
         return std::vector<PerformanceSample>{{12.4, 37, Named({"a.exe", "b.exe"})}};
       },
       {12.4},
       {37},
       {"a.exe", "b.exe"},
       "CPU Usage: 12%",
       "Memory Usage: 37%"},
      {"loads out of range or not a number",
       [] {
         return std::vector<PerformanceSample>{
             {-5, 250, {}}, {std::nan(""), 0, {}}, {99.6, 100, {}}};
       },
       {0, 0, 99.6},
       {100, 0, 100},
       {},
       "CPU Usage: 100%",
       "Memory Usage: 100%"},
      {"seven processes: the first five in their order, then the next cycle's alone",
       [] {
         return std::vector<PerformanceSample>{{1, 1, Named({"1", "2", "3", "4", "5", "6", "7"})},
                                               {2, 2, Named({"8"})}};
       },
       {1, 2},
       {1, 2},
       {"8"},
       "CPU Usage: 2%",
       "Memory Usage: 2%"},
      {"a cycle without processes empties the list",
       [] {
         return std::vector<PerformanceSample>{{1, 1, Named({"1"})}, {1, 1, {}}};
       },
       {1, 1},
       {1, 1},
       {},
       "CPU Usage: 1%",
       "Memory Usage: 1%"},
      {"130 cycles",
       [&] { return longRun; },
       longCpu,
       longMemory,
       {},
       "CPU Usage: 65%",
       "Memory Usage: 28%"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    PerformanceHistory history;
    for (const PerformanceSample& sample : c.samples()) history.Add(sample);
    EXPECT_EQ(history.Cpu(), c.cpu);
    EXPECT_EQ(history.Memory(), c.memory);
    EXPECT_EQ(NamesOf(history.Top()), c.top);
    EXPECT_EQ(history.CpuText(), c.cpuText);
    EXPECT_EQ(history.MemoryText(), c.memoryText);
  }
  PerformanceHistory kept;
  kept.Add({5, 5, {{"x.exe", "12.5", "12,345 K"}}});
  EXPECT_EQ(kept.Top(), (std::vector<TopProcess>{{"x.exe", "12.5", "12,345 K"}}));
}

TEST(PerformanceGraph, PlacesThePointsNewestAtTheRightAndScalesThemToTheArea) {
  struct Case {
    const char* what;
    std::vector<double> values;
    Box area;
    std::vector<GraphPoint> points;
  };
  std::vector<double> dropped(121, 0.0);
  dropped.front() = 100;  // only the last 120 count
  std::vector<GraphPoint> bottomRow;
  for (int x = 0; x < 120; ++x) bottomRow.push_back({x, 100});
  const Case cases[] = {
      {"a pixel per cycle and per percent", {0, 100}, {0, 0, 120, 101}, {{118, 100}, {119, 0}}},
      {"twice the size", {0, 100}, {0, 0, 239, 201}, {{236, 200}, {238, 0}}},
      {"offset", {50}, {10, 20, 249, 121}, {{248, 70}}},
      {"out of range and not a number",
       {150, -20, std::nan("")},
       {0, 0, 120, 101},
       {{117, 0}, {118, 100}, {119, 100}}},
      {"more than 120 values", dropped, {0, 0, 120, 101}, bottomRow},
      {"no values", {}, {0, 0, 120, 101}, {}},
      {"no width", {50}, {5, 5, 5, 50}, {}},
      {"no height", {50}, {5, 5, 50, 5}, {}},
      {"turned inside out", {50}, {50, 50, 5, 5}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(GraphPoints(c.values, c.area), c.points);
  }
}

TEST(PerformanceLayout, SharesTheHeightTheTopListLeavesBetweenTheGraphs) {
  struct Case {
    const char* what;
    int width, height, line;
    Box cpuTitle, cpuGraph, memoryTitle, memoryGraph, top, firstHeading, lastMemory;
  };
  const Case cases[] = {
      {"room for all",
       400,
       420,
       13,
       {8, 8, 392, 21},
       {8, 23, 392, 163},
       {8, 171, 392, 184},
       {8, 186, 392, 326},
       {8, 334, 392, 412},
       {8, 334, 242, 347},
       {302, 399, 392, 412}},
      {"graphs grow with the window",
       600,
       620,
       13,
       {8, 8, 592, 21},
       {8, 23, 592, 263},
       {8, 271, 592, 284},
       {8, 286, 592, 526},
       {8, 534, 592, 612},
       {8, 534, 442, 547},
       {502, 599, 592, 612}},
      {"too small: no graphs, columns squeezed to nothing",
       50,
       50,
       13,
       {8, 8, 42, 21},
       {8, 23, 42, 23},
       {8, 31, 42, 44},
       {8, 46, 42, 46},
       {8, 54, 42, 132},
       {8, 54, 8, 67},
       {8, 119, 42, 132}},
      {"no size and no line height",
       0,
       0,
       0,
       {8, 8, 8, 9},
       {8, 11, 8, 11},
       {8, 19, 8, 20},
       {8, 22, 8, 22},
       {8, 30, 8, 36},
       {8, 30, 8, 31},
       {8, 35, 8, 36}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const PerformanceLayout layout = LayOutPerformance(c.width, c.height, c.line);
    EXPECT_EQ(layout.cpuTitle, c.cpuTitle);
    EXPECT_EQ(layout.cpuGraph, c.cpuGraph);
    EXPECT_EQ(layout.memoryTitle, c.memoryTitle);
    EXPECT_EQ(layout.memoryGraph, c.memoryGraph);
    EXPECT_EQ(layout.top, c.top);
    EXPECT_EQ(layout.Cell(0, 0), c.firstHeading);
    EXPECT_EQ(layout.Cell(kTopProcesses, 2), c.lastMemory);
  }
  EXPECT_THROW(LayOutPerformance(400, 420, 13).Cell(0, 3), std::out_of_range);
}

}  // namespace
}  // namespace orvane
