#include "snapshot/process_tree.h"

#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <string>
#include <vector>

namespace orvane {
namespace {

constexpr uint64_t kBorn = 133000000000000000ull;  // 100 ns units since 1601

// One cycle's table of processes, each with its parent's id and its age rank (0: unknown).
ProcessFigureTable TableOf(std::initializer_list<std::array<uint32_t, 3>> processes) {
  ProcessFigureBuilder builder;
  builder.Begin(0, 1);
  for (const auto& [pid, parent, born] : processes) {
    ProcessCounters counters;
    counters.parentProcessId = parent;
    counters.createTime = born == 0 ? 0 : kBorn + born;
    builder.Add(pid, counters, "p.exe");
  }
  builder.End(0);
  return builder.Table();
}

TEST(DescendantsFirst, EveryProcessComesAfterTheOnesItStartedAndOnce) {
  // 10 started 20 and 30; 20 started 40; 50 was started by an ended process whose id 60 a
  // younger process has taken; 70 and 80 name each other with no ages known; 90 is the program.
  const ProcessFigureTable table = TableOf({{10, 1, 1},
                                            {20, 10, 2},
                                            {30, 10, 3},
                                            {40, 20, 4},
                                            {50, 60, 5},
                                            {60, 10, 6},
                                            {70, 80, 0},
                                            {80, 70, 0},
                                            {90, 30, 7},
                                            {95, 90, 8}});
  struct Case {
    std::string name;
    std::vector<uint32_t> roots;
    uint32_t spared;
    std::vector<uint32_t> expected;
  } cases[] = {
      {"a leaf alone", {40}, 0, {40}},
      {"children in id order, each below its own", {10}, 0, {40, 20, 95, 90, 30, 60, 10}},
      {"a reused id is no parent", {60}, 0, {60}},
      {"the program and what it started are spared", {10}, 90, {40, 20, 30, 60, 10}},
      {"the program spared as a root too", {90, 40}, 90, {40}},
      {"a root below an earlier one comes once", {10, 20}, 0, {40, 20, 95, 90, 30, 60, 10}},
      {"a root above a later one still follows it", {20, 10}, 0, {40, 20, 95, 90, 30, 60, 10}},
      {"a loop of unknown ages ends", {70}, 0, {80, 70}},
      {"a process the table does not list comes alone", {123}, 0, {123}},
      {"a root given twice comes once", {40, 40}, 0, {40}},
      {"no roots, nothing", {}, 0, {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DescendantsFirst(table, c.roots, c.spared), c.expected) << c.name;
  }
  EXPECT_EQ(DescendantsFirst(ProcessFigureTable{}, std::vector<uint32_t>{5, 6}),
            (std::vector<uint32_t>{5, 6}))
      << "without a table, the roots alone";
}

}  // namespace
}  // namespace orvane
