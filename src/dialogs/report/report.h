#pragma once
// The report of the object list: a plain-text table in fixed-width columns.

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "view/list_model.h"

namespace orvane {

// Where the second to the seventh column begin, in characters from the start of a line.
constexpr std::array<std::size_t, 6> ColumnStops{32, 50, 62, 70, 78, 86};

// What the report reads of the main window's object list.
class ReportSource {
 public:
  virtual ~ReportSource() = default;
  virtual std::string Heading() = 0;
  virtual std::vector<std::string> ColumnCaptions() = 0;
  // The rows in list order.
  virtual const ListModel& Rows() = 0;
  // A column's text beyond the row's own cells (the processes' figures); none by default.
  virtual std::string ExtraCell(const ListRow& /*row*/, int /*column*/) { return {}; }
};

// The texts of a row's columns after the first, as many as there are captions after the first
// at most; cells beyond its own come from extraCell, and empty ones at the end are left out.
using ExtraCellText = std::function<std::string(const ListRow& row, int column)>;

// A line by the column rule: first at position 0, then each further text (at most six) at
// its column stop, or straight after the text before when that reaches past the stop.
std::string ReportLine(std::string_view first, const std::vector<std::string>& further);

// The whole report: heading, blank and date and time; an empty line; the column header; an
// empty line; a line per row of the list in list order.
std::vector<std::string> BuildReport(std::string_view heading, std::string_view now,
                                     const std::vector<std::string>& columnCaptions,
                                     const ListModel& list, const ExtraCellText& extraCell = {});

}  // namespace orvane
