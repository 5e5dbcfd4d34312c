#include "app/list_sort.h"

#include <charconv>
#include <functional>
#include <string>
#include <vector>

#include "snapshot/records.h"

namespace orvane {

namespace {

std::string_view SubItem(const ListRow& row, std::size_t index) {
  return index < row.cells.subItems.size() ? std::string_view(row.cells.subItems[index])
                                           : std::string_view();
}

// Brings the rows into the order `before` gives, one move at a time: each pass brings the first
// of the remaining rows in that order to the front of them. keys[i] belongs to row i.
template <typename Key>
void MoveIntoOrder(ListModel& list, std::vector<Key>& keys,
                   const std::function<bool(const Key&, const Key&)>& before) {
  const std::size_t n = keys.size();
  for (std::size_t i = 0; i + 1 < n; ++i) {
    for (std::size_t j = i + 1; j < n; ++j) {
      if (!before(keys[j], keys[i])) continue;
      Key moved = std::move(keys[j]);
      keys.erase(keys.begin() + static_cast<std::ptrdiff_t>(j));
      keys.insert(keys.begin() + static_cast<std::ptrdiff_t>(i), std::move(moved));
      list.MoveRow(j, i);
    }
  }
}

}  // namespace

int32_t PriorityNumber(std::string_view cell) {
  const std::size_t open = cell.find('(');
  if (open == std::string_view::npos) return 0;
  std::string_view digits = cell.substr(open + 1, 2);
  if (digits.size() == 2 && digits[1] == ')') digits.remove_suffix(1);
  int32_t value = 0;
  std::from_chars(digits.data(), digits.data() + digits.size(), value);
  return value;
}

void SortListByColumn(ListModel& list, int column, Locale& locale) {
  const std::size_t n = list.RowCount();
  if (n < 2) return;
  // Sort keys are worked out once per row, not once per comparison.
  struct Key {
    const ListRow* row;
    bool process;
    int32_t priority;
    std::string text;
  };
  std::vector<Key> keys;
  keys.reserve(n);
  for (std::size_t i = 0; i < n; ++i) {
    const ListRow& row = list.Row(i);
    Key key{&row, row.key.kind == kKindProcess, 0, {}};
    if (column == 1) {
      key.priority = PriorityNumber(SubItem(row, 0));
    } else if (column == 2) {
      key.text = locale.Lower(SubItem(row, 1));
    } else {
      key.text = locale.Lower(row.cells.caption);
    }
    keys.push_back(std::move(key));
  }
  // Texts compare byte by byte as unsigned values; std::string's char_traits do just that.
  std::function<bool(const Key&, const Key&)> before;
  if (column == 1) {
    before = [](const Key& a, const Key& b) {
      return a.process && b.process && a.priority > b.priority;
    };
  } else if (column == 2) {
    before = [](const Key& a, const Key& b) { return a.process && b.process && a.text < b.text; };
  } else {
    before = [](const Key& a, const Key& b) { return a.text < b.text; };
  }
  MoveIntoOrder(list, keys, before);
}

void SortListByFigure(ListModel& list, const std::function<FigureSortKey(const ListRow&)>& keyOf) {
  std::vector<FigureSortKey> keys;
  keys.reserve(list.RowCount());
  for (std::size_t i = 0; i < list.RowCount(); ++i) keys.push_back(keyOf(list.Row(i)));
  MoveIntoOrder<FigureSortKey>(list, keys, SortsBefore);
}

}  // namespace orvane
