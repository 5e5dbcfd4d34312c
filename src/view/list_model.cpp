#include "view/list_model.h"

#include <algorithm>
#include <utility>

namespace orvane {

ListRow& ListModel::AddRow(const ObjectKey& key, RowCells cells) {
  auto row = std::make_unique<ListRow>();
  row->key = key;
  row->cells = std::move(cells);
  row->order = nextOrder_++;
  ListRow& added = *row;
  rows_.push_back(std::move(row));
  orders_.push_back(added.order);
  index_.Insert(&added);
  control_.RowAdded(rows_.size() - 1, added);
  return added;
}

void ListModel::DeleteRow(ListRow& row) {
  const std::size_t at = PositionOf(row);
  if (!row.DisplayOnly()) index_.Erase(&row);
  if (row.mark.change != RowChange::kNone) --marked_;
  rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(at));
  orders_.erase(orders_.begin() + static_cast<std::ptrdiff_t>(at));
  control_.RowRemoved(at);
}

void ListModel::Clear() {
  while (!rows_.empty()) DeleteRow(*rows_.back());
}

void ListModel::RefillRow(ListRow& row, RowCells cells) {
  if (cells == row.cells) return;
  row.cells = std::move(cells);
  control_.RowRefilled(PositionOf(row), row);
}

void ListModel::MoveRow(std::size_t from, std::size_t to) {
  if (from == to || from >= rows_.size() || to >= rows_.size()) return;
  auto row = std::move(rows_[from]);
  rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(from));
  rows_.insert(rows_.begin() + static_cast<std::ptrdiff_t>(to), std::move(row));
  // The orders by index stay as they were; the rows in between take their new index's.
  for (std::size_t i = std::min(from, to); i <= std::max(from, to); ++i) {
    rows_[i]->order = orders_[i];
  }
  control_.RowMoved(from, to);
}

void ListModel::SetMark(ListRow& row, ChangeMark mark) {
  if (mark == row.mark) return;
  if (row.mark.change == RowChange::kNone) ++marked_;
  if (mark.change == RowChange::kNone) --marked_;
  row.mark = mark;
  control_.RowRefilled(PositionOf(row), row);
}

void ListModel::Retire(ListRow& row) {
  if (row.DisplayOnly()) return;
  index_.Erase(&row);
  SetMark(row, kRemovedMark);
}

void ListModel::AgeMarks() {
  if (marked_ == 0) return;
  // From the last row, so that a deletion moves none of the rows still to be looked at.
  for (std::size_t i = rows_.size(); i-- > 0;) {
    ListRow& row = *rows_[i];
    if (row.mark.change == RowChange::kNone) continue;
    const ChangeMark aged = Aged(row.mark);
    if (Expired(aged)) {
      DeleteRow(row);
    } else {
      SetMark(row, aged);
    }
  }
}

void ListModel::DropMarks() {
  for (std::size_t i = rows_.size(); marked_ > 0 && i-- > 0;) {
    ListRow& row = *rows_[i];
    if (row.DisplayOnly()) {
      DeleteRow(row);
    } else {
      SetMark(row, {});
    }
  }
}

ListRow* ListModel::FindFirst(const ObjectKey& key) const {
  ListRow* first = index_.Head(key);
  if (first == nullptr) return nullptr;
  for (ListRow* other = first->sameKeyNext; other != nullptr; other = other->sameKeyNext) {
    if (other->order < first->order) first = other;
  }
  return first;
}

std::vector<ListRow*> ListModel::FindAll(const ObjectKey& key) const {
  std::vector<ListRow*> rows;
  for (ListRow* row = index_.Head(key); row != nullptr; row = row->sameKeyNext) {
    rows.push_back(row);
  }
  std::sort(rows.begin(), rows.end(),
            [](const ListRow* a, const ListRow* b) { return a->order < b->order; });
  return rows;
}

std::size_t ListModel::PositionOf(const ListRow& row) const {
  return static_cast<std::size_t>(std::lower_bound(orders_.begin(), orders_.end(), row.order) -
                                  orders_.begin());
}

}  // namespace orvane
