#pragma once
// What the main window shows around the tree and the list: the heading and columns of each
// level, the information box, the column sort, and where the logo sits.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/clock.h"
#include "view/known_programs.h"
#include "view/list_model.h"

namespace orvane {

struct ColumnSpec {
  std::string_view caption;
  int width;
};

// The list's columns when a tree node of this kind is chosen; none for other kinds.
std::span<const ColumnSpec> ColumnsFor(int32_t kind);

// The heading for a chosen node of kind 1, 2 or 3; nullopt for other kinds (heading kept).
// parentText is the text of the node's parent (used for a thread: its process).
std::optional<std::string> ListHeading(int32_t kind, std::string_view nodeText,
                                       std::string_view parentText);

// The initial texts of the information box.
std::vector<std::string> InitialInfoLines();

// The information box for the first selected row: nullopt leaves the box as it is, an empty
// vector clears it.
std::optional<std::vector<std::string>> InfoLinesFor(const ListRow& row,
                                                     const KnownPrograms& programs);

// The number in a priority cell such as "Normal (8)": the two characters after the first "(",
// without a closing ")", read as a decimal number; 0 when there is none.
int32_t PriorityNumber(std::string_view cell);

// Sorts the list by a column click: rows are moved one at a time, each pass bringing the first
// of the remaining rows in the column's order to the front of them. Equal rows keep their order.
void SortListByColumn(ListModel& list, int column, Locale& locale);

// The left edge of the logo in a main bar of this width.
int LogoLeft(int barWidth, int logoWidth);

// Start-up decisions from the arguments after the program name.
// Windows starts the program in place of its task manager (the "Debugger" value the companion
// writes) with the task manager's path first, and on current versions a switch such as "/4"
// after it: a plain start, whatever follows, never a command for the command-line dialog.
bool StartsAsTaskManager(const std::vector<std::string>& arguments);
bool AppliesSingleInstanceRule(const std::vector<std::string>& arguments);
bool OpensCommandLineDialog(const std::vector<std::string>& arguments);

}  // namespace orvane
