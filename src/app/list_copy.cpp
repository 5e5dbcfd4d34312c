#include "app/list_copy.h"

#include <algorithm>

namespace orvane {

namespace {

void AppendCell(std::string& text, std::string_view cell) {
  const std::size_t start = text.size();
  text += cell;
  std::replace_if(
      text.begin() + static_cast<std::ptrdiff_t>(start), text.end(),
      [](char c) { return c == '\t' || c == '\r' || c == '\n'; }, ' ');
}

void AppendRow(std::string& text, const ListRow& row, std::size_t columns,
               const ExtraCellText& extraCell) {
  AppendCell(text, row.cells.caption);
  for (std::size_t column = 1; column < columns; ++column) {
    text += '\t';
    if (column - 1 < row.cells.subItems.size()) {
      AppendCell(text, row.cells.subItems[column - 1]);
    } else if (extraCell) {
      AppendCell(text, extraCell(row, static_cast<int>(column)));
    }
  }
  text += "\r\n";
}

}  // namespace

std::string ListCopyText(const std::vector<std::string>& captions, const ListModel& list,
                         std::span<const std::size_t> selected, const ExtraCellText& extraCell) {
  std::string text;
  if (captions.empty()) return text;
  for (std::size_t column = 0; column < captions.size(); ++column) {
    if (column > 0) text += '\t';
    AppendCell(text, captions[column]);
  }
  text += "\r\n";
  // The rows of removed objects that stay a little while are there to be seen, not copied.
  const auto append = [&](std::size_t i) {
    if (i < list.RowCount() && !list.Row(i).DisplayOnly())
      AppendRow(text, list.Row(i), captions.size(), extraCell);
  };
  if (selected.empty()) {
    for (std::size_t i = 0; i < list.RowCount(); ++i) append(i);
  }
  for (const std::size_t i : selected) append(i);
  return text;
}

}  // namespace orvane
