#pragma once
// The performance window's content: the processor and memory load of the last 120 cycles, the
// processes that used the most processor time in the last one, the texts shown over the graphs,
// and where each part goes in a window of a given size.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace orvane {

// One process of the top list, its figures already written as the user reads them.
struct TopProcess {
  std::string name;
  std::string cpu;
  std::string memory;
  friend bool operator==(const TopProcess&, const TopProcess&) = default;
};

// What one cycle gives the window: the loads in percent, and its processes using the most
// processor time, most first.
struct PerformanceSample {
  double cpuLoad = 0;
  uint32_t memoryLoad = 0;
  std::vector<TopProcess> top;
};

constexpr std::size_t kPerformanceHistory = 120;  // cycles shown by each graph
constexpr std::size_t kTopProcesses = 5;

class PerformanceHistory {
 public:
  // Keeps the sample's loads, held to 0..100 (a value that is not a number counts as 0), after
  // those of the previous cycles, dropping the oldest beyond kPerformanceHistory; its first
  // kTopProcesses processes replace the previous cycle's.
  void Add(const PerformanceSample& sample);

  // Oldest first.
  const std::vector<double>& Cpu() const { return cpu_; }
  const std::vector<double>& Memory() const { return memory_; }
  const std::vector<TopProcess>& Top() const { return top_; }

  // "CPU Usage: 12%" and "Memory Usage: 37%" for the latest cycle, the load rounded to a whole
  // percent as the status bar shows it; the bare titles before the first cycle.
  std::string CpuText() const;
  std::string MemoryText() const;

 private:
  std::vector<double> cpu_;
  std::vector<double> memory_;
  std::vector<TopProcess> top_;
};

// A rectangle in client pixels; right and bottom lie just outside it.
struct Box {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  friend bool operator==(const Box&, const Box&) = default;
};

struct GraphPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const GraphPoint&, const GraphPoint&) = default;
};

// One point per value (percent, oldest first; only the last kPerformanceHistory count) in area:
// the newest at the right edge, each older one a kPerformanceHistory-th of the width further
// left, 100% on the top row and 0% on the bottom one. An empty area has no points.
std::vector<GraphPoint> GraphPoints(const std::vector<double>& values, const Box& area);

constexpr std::array<const char*, 3> kTopHeadings = {"Process", "CPU", "Memory"};

// Where the window's parts go: each graph under its title, both sharing the height that the
// top list leaves; the list (a heading row, then kTopProcesses rows) at the bottom, in three
// columns: the name, then CPU and Memory at their fixed widths on the right.
struct PerformanceLayout {
  Box cpuTitle;
  Box cpuGraph;
  Box memoryTitle;
  Box memoryGraph;
  Box top;
  int rowHeight = 0;
  // The list's cell of row (0: the headings) and column (0 name, 1 CPU, 2 Memory); another
  // column throws std::out_of_range.
  Box Cell(std::size_t row, std::size_t column) const;
  friend bool operator==(const PerformanceLayout&, const PerformanceLayout&) = default;
};

PerformanceLayout LayOutPerformance(int width, int height, int lineHeight);

}  // namespace orvane
