#include "view/figure_text.h"

#include <cstdio>

namespace orvane {

namespace {

constexpr uint64_t kUnitsPerSecond = 10000000;  // of 100 ns

}  // namespace

std::string MemoryText(uint64_t bytes, Locale& locale) {
  return locale.GroupDigits(bytes / 1024) + " K";
}

std::string CpuShareText(int32_t tenths) {
  if (tenths < 0) return {};
  return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

std::string CpuTimeText(uint64_t time) {
  const uint64_t seconds = time / kUnitsPerSecond;
  char text[32];
  std::snprintf(text, sizeof text, "%llu:%02u:%02u",
                static_cast<unsigned long long>(seconds / 3600),
                static_cast<unsigned>(seconds / 60 % 60), static_cast<unsigned>(seconds % 60));
  return text;
}

std::string StartTimeText(uint64_t createTime, Clock& clock) {
  return createTime == 0 ? std::string() : clock.DateTimeText(createTime);
}

std::string FigureCellText(const ProcessFigures* figures, FigureColumn column, Locale& locale) {
  if (!figures) return {};
  switch (column) {
    case FigureColumn::kPid:
      return std::to_string(figures->processId);
    case FigureColumn::kCpu:
      return CpuShareText(figures->cpuShare);
    case FigureColumn::kMemory:
      return MemoryText(figures->counters.privateBytes, locale);
    case FigureColumn::kThreads:
      return std::to_string(figures->counters.threadCount);
  }
  return {};
}

FigureSortKey SortKeyOf(const ProcessFigures* figures, FigureColumn column) {
  if (!figures) return {};
  switch (column) {
    case FigureColumn::kPid:
      return {true, figures->processId};
    case FigureColumn::kCpu:
      if (figures->cpuShare < 0) return {};
      return {true, static_cast<uint64_t>(figures->cpuShare)};
    case FigureColumn::kMemory:
      return {true, figures->counters.privateBytes};
    case FigureColumn::kThreads:
      return {true, figures->counters.threadCount};
  }
  return {};
}

bool SortsBefore(const FigureSortKey& a, const FigureSortKey& b) {
  return a.present && (!b.present || a.value > b.value);
}

std::vector<std::string> ProcessDetailLines(const ProcessFigures& process,
                                            const ProcessFigureTable& table, Locale& locale,
                                            Clock& clock) {
  const ProcessCounters& c = process.counters;
  const ProcessFigures* parent = table.ParentOf(process);
  const std::string parentName = parent ? std::string(FieldText(parent->fileName)) : "ended";
  return {
      "PID " + std::to_string(process.processId) + ", parent " + std::to_string(c.parentProcessId) +
          " (" + parentName + ")",
      "Started " + StartTimeText(c.createTime, clock) + ", CPU time " +
          CpuTimeText(c.kernelTime + c.userTime),
      "Memory " + MemoryText(c.privateBytes, locale) + " private, " +
          MemoryText(c.workingSet, locale) + " working set",
      std::to_string(c.threadCount) + " threads, " + std::to_string(c.handleCount) + " handles",
  };
}

}  // namespace orvane
