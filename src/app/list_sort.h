#pragma once
// The object list's sort by a column click.

#include <cstdint>
#include <string_view>

#include <functional>

#include "platform/clock.h"
#include "view/figure_text.h"
#include "view/list_model.h"

namespace orvane {

// The number in a priority cell such as "Normal (8)": the two characters after the first "(",
// without a closing ")", read as a decimal number; 0 when there is none.
int32_t PriorityNumber(std::string_view cell);

// Sorts the list by a column click: rows are moved one at a time, each pass bringing the first
// of the remaining rows in the column's order to the front of them. Equal rows keep their order.
void SortListByColumn(ListModel& list, int column, Locale& locale);
// Sorts the list by a figure column in the same way: largest first, rows without the figure
// last, equal rows in their order.
void SortListByFigure(ListModel& list, const std::function<FigureSortKey(const ListRow&)>& keyOf);

}  // namespace orvane
