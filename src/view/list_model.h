#pragma once
// The object list as a portable model: rows with a key copy, a caption, sub-items, a state
// image and a small image, in list order. Every change is reported to a ListControl, which
// the Win32 ListView adapter implements.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "snapshot/records.h"
#include "view/change_marks.h"
#include "view/key_index.h"

namespace orvane {

struct RowCells {
  std::string caption;
  std::vector<std::string> subItems;
  int32_t stateImage = 0;
  int32_t smallImage = 0;

  bool operator==(const RowCells&) const = default;
};

struct ListRow {
  ObjectKey key{};  // copied when the row is added, never refreshed
  RowCells cells;
  ChangeMark mark;  // kept by the model
  // A removed object's row, kept for a while to be seen: commands, reports and lookups by key
  // pass it by.
  bool DisplayOnly() const { return mark.change == RowChange::kRemoved; }
  uint64_t order = 0;              // kept by the model: rises from each row to the next
  ListRow* sameKeyNext = nullptr;  // kept by the model's key index
};

class ListControl {
 public:
  virtual ~ListControl() = default;
  // row has just been appended; index is the last one.
  virtual void RowAdded(std::size_t index, const ListRow& row) = 0;
  // The row at index has just left; the rows after it moved up by one.
  virtual void RowRemoved(std::size_t index) = 0;
  // Every cell of the row at index may have changed.
  virtual void RowRefilled(std::size_t index, const ListRow& row) = 0;
  // The row at from has been taken out and put in at to; the rows between shifted by one.
  virtual void RowMoved(std::size_t from, std::size_t to) = 0;
};

class ListModel {
 public:
  // control: not owned, must outlive the model.
  explicit ListModel(ListControl& control) : control_(control) {}
  ListModel(const ListModel&) = delete;
  ListModel& operator=(const ListModel&) = delete;

  ListRow& AddRow(const ObjectKey& key, RowCells cells);
  void DeleteRow(ListRow& row);
  // Deletes every row, the last first.
  void Clear();
  // The control hears of it only when the cells differ.
  void RefillRow(ListRow& row, RowCells cells);
  // Takes the row at from out and puts it in at to (sorting moves rows one at a time).
  void MoveRow(std::size_t from, std::size_t to);

  // Marks the row as its object's new one.
  void MarkCreated(ListRow& row) { SetMark(row, kCreatedMark); }
  // Keeps the row, display-only, for the cycles of a removed mark; lookups by key no longer
  // find it.
  void Retire(ListRow& row);
  // At a cycle start: each mark a cycle older; the removed rows whose cycles ran out go.
  void AgeMarks();
  // Unmarks every row and deletes the display-only ones.
  void DropMarks();

  // The first row in list order whose key equals key by KeyEquals, or null.
  ListRow* FindFirst(const ObjectKey& key) const;
  // Every such row, in list order.
  std::vector<ListRow*> FindAll(const ObjectKey& key) const;

  // The row's index in the list.
  std::size_t PositionOf(const ListRow& row) const;

  std::size_t RowCount() const { return rows_.size(); }
  std::size_t MarkedRows() const { return marked_; }
  const ListRow& Row(std::size_t index) const { return *rows_[index]; }

 private:
  void SetMark(ListRow& row, ChangeMark mark);

  ListControl& control_;    // not owned
  std::size_t marked_ = 0;  // rows with a mark, so that a list without any ages at no cost
  std::vector<std::unique_ptr<ListRow>> rows_;
  // Each row's order, by index: a row's index is found by binary search here, so removing a
  // row does not renumber every row after it.
  std::vector<uint64_t> orders_;
  uint64_t nextOrder_ = 0;
  KeyChainIndex<ListRow> index_;
};

}  // namespace orvane
