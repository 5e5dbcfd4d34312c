#pragma once
// How the views write a process's figures, and how a figure column sorts.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "snapshot/process_figures.h"

namespace orvane {

// The object list's figure columns.
enum class FigureColumn { kPid, kCpu, kMemory, kThreads };

// Kilobytes with the user's digit grouping: "12,345 K".
std::string MemoryText(uint64_t bytes, Locale& locale);
// With one decimal, "12.5"; empty for none.
std::string CpuShareText(int32_t tenths);
// "h:mm:ss" from 100 ns units; the hours as many as there are.
std::string CpuTimeText(uint64_t time);
// The local date and time as the user writes them; empty when the moment is unknown.
std::string StartTimeText(uint64_t createTime, Clock& clock);

// A figure column's cell; empty for a row without figures.
std::string FigureCellText(const ProcessFigures* figures, FigureColumn column, Locale& locale);

// A row's place in a figure column's sort.
struct FigureSortKey {
  bool present = false;  // rows without the figure sort last
  uint64_t value = 0;
};
FigureSortKey SortKeyOf(const ProcessFigures* figures, FigureColumn column);
// Largest first, rows without the figure after all others. A strict order: equal rows keep
// theirs in a stable sort.
bool SortsBefore(const FigureSortKey& a, const FigureSortKey& b);

// The information box's lines about a process, shown after its two lines and an empty one.
std::vector<std::string> ProcessDetailLines(const ProcessFigures& process,
                                            const ProcessFigureTable& table, Locale& locale,
                                            Clock& clock);

}  // namespace orvane
