#include "dialogs/performance/performance.h"

#include <algorithm>
#include <cmath>

namespace orvane {

namespace {

constexpr int kMargin = 8;
constexpr int kTitleGap = 2;  // between a title and its graph
constexpr int kCpuWidth = 60;
constexpr int kMemoryWidth = 90;

double Percent(double value) {
  return std::isnan(value) ? 0.0 : std::clamp(value, 0.0, 100.0);
}

void Append(std::vector<double>& values, double value) {
  if (values.size() == kPerformanceHistory) values.erase(values.begin());
  values.push_back(value);
}

std::string Titled(const char* title, const std::vector<double>& values) {
  if (values.empty()) return title;
  return std::string(title) + ": " + std::to_string(std::lround(values.back())) + "%";
}

}  // namespace

void PerformanceHistory::Add(const PerformanceSample& sample) {
  Append(cpu_, Percent(sample.cpuLoad));
  Append(memory_, Percent(sample.memoryLoad));
  const std::size_t kept = std::min(sample.top.size(), kTopProcesses);
  top_.assign(sample.top.begin(), sample.top.begin() + static_cast<std::ptrdiff_t>(kept));
}

std::string PerformanceHistory::CpuText() const {
  return Titled("CPU Usage", cpu_);
}
std::string PerformanceHistory::MemoryText() const {
  return Titled("Memory Usage", memory_);
}

std::vector<GraphPoint> GraphPoints(const std::vector<double>& values, const Box& area) {
  std::vector<GraphPoint> points;
  if (area.Width() <= 0 || area.Height() <= 0) return points;
  const std::size_t count = std::min(values.size(), kPerformanceHistory);
  const double step = double(area.Width() - 1) / double(kPerformanceHistory - 1);
  const double rise = double(area.Height() - 1) / 100.0;
  points.reserve(count);
  for (std::size_t i = values.size() - count; i < values.size(); ++i) {
    const double age = double(values.size() - 1 - i);
    points.push_back({area.right - 1 - int(std::lround(age * step)),
                      area.bottom - 1 - int(std::lround(Percent(values[i]) * rise))});
  }
  return points;
}

Box PerformanceLayout::Cell(std::size_t row, std::size_t column) const {
  const int rowTop = top.top + int(row) * rowHeight;
  const int memoryLeft = std::max(top.left, top.right - kMemoryWidth);
  const int cpuLeft = std::max(top.left, memoryLeft - kCpuWidth);
  const std::array<int, 4> edges = {top.left, cpuLeft, memoryLeft, top.right};
  return {edges.at(column), rowTop, edges.at(column + 1), rowTop + rowHeight};
}

PerformanceLayout LayOutPerformance(int width, int height, int lineHeight) {
  const int line = std::max(1, lineHeight);
  const int topHeight = int(kTopProcesses + 1) * line;
  const int graph = std::max(0, (height - 4 * kMargin - 2 * (line + kTitleGap) - topHeight) / 2);
  const int left = kMargin;
  const int right = std::max(left, width - kMargin);
  PerformanceLayout layout;
  int y = kMargin;
  const auto titleAndGraph = [&](Box& title, Box& area) {
    title = {left, y, right, y + line};
    y += line + kTitleGap;
    area = {left, y, right, y + graph};
    y += graph + kMargin;
  };
  titleAndGraph(layout.cpuTitle, layout.cpuGraph);
  titleAndGraph(layout.memoryTitle, layout.memoryGraph);
  layout.top = {left, y, right, y + topHeight};
  layout.rowHeight = line;
  return layout;
}

}  // namespace orvane
