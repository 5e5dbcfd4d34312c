#include "dialogs/report/report.h"

#include <algorithm>

#include "view/fill.h"

namespace orvane {

std::string ReportLine(std::string_view first, const std::vector<std::string>& further) {
  std::string line(first);
  const std::size_t count = std::min(further.size(), ColumnStops.size());
  for (std::size_t k = 0; k < count; ++k) {
    if (line.size() < ColumnStops[k]) line.resize(ColumnStops[k], ' ');
    line += further[k];
  }
  return line;
}

std::vector<std::string> BuildReport(std::string_view heading, std::string_view now,
                                     const std::vector<std::string>& columnCaptions,
                                     const ListModel& list, const ExtraCellText& extraCell) {
  std::vector<std::string> lines;
  lines.reserve(list.RowCount() + 4);
  lines.push_back(std::string(heading) + " " + std::string(now));
  lines.emplace_back();
  if (columnCaptions.empty()) {
    lines.emplace_back();
  } else {
    // A row has a cell for each of the list's columns at most.
    const std::vector<std::string> rest(columnCaptions.begin() + 1, columnCaptions.end());
    lines.push_back(ReportLine(columnCaptions.front(), rest));
  }
  lines.emplace_back();
  for (std::size_t i = 0; i < list.RowCount(); ++i) {
    if (list.Row(i).DisplayOnly()) continue;
    const RowCells& cells = list.Row(i).cells;
    const std::string caption =
        cells.stateImage == kSystemProcessImage ? "(s)" + cells.caption : cells.caption;
    if (!extraCell || cells.subItems.size() + 1 >= columnCaptions.size()) {
      lines.push_back(ReportLine(caption, cells.subItems));
      continue;
    }
    std::vector<std::string> further = cells.subItems;
    for (std::size_t column = further.size() + 1; column < columnCaptions.size(); ++column) {
      further.push_back(extraCell(list.Row(i), static_cast<int>(column)));
    }
    while (further.size() > cells.subItems.size() && further.back().empty()) further.pop_back();
    lines.push_back(ReportLine(caption, further));
  }
  return lines;
}

}  // namespace orvane
