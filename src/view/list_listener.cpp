#include "view/list_listener.h"

#include <cstring>
#include <utility>

#include "platform/error.h"
#include "view/fill.h"

namespace orvane {

void ListListener::RecordArrived(const void* record, int32_t size) {
  if (record != nullptr && size >= static_cast<int32_t>(sizeof(ObjectKey))) {
    ObjectKey key;
    std::memcpy(&key, record, sizeof key);
    if (key.kind == kKindRoot) {
      list_.AgeMarks();
      following_ = FindTracked(key).has_value();
    }
  }
  RecordListener::RecordArrived(record, size);
}

void ListListener::HighlightChanges(bool on) {
  highlight_ = on;
  if (!on) list_.DropMarks();
}

bool ListListener::Created(const TrackedObject& object) {
  if (object.key.kind == kKindRoot) return true;
  RowCells cells;
  FillListItem(object, cells, programs_);
  ListRow& row = list_.AddRow(object.key, std::move(cells));
  if (highlight_ && following_) list_.MarkCreated(row);
  return true;
}

bool ListListener::Removed(const TrackedObject& object) {
  if (Clearing()) {
    // The list is being emptied: what it kept to be seen goes with it.
    list_.DropMarks();
    following_ = false;
  }
  ListRow* row = list_.FindFirst(object.key);
  if (row != nullptr) {
    if (highlight_ && !Clearing()) {
      list_.Retire(*row);
    } else {
      list_.DeleteRow(*row);
    }
    return true;
  }
  if (object.key.kind == kKindRoot) return true;
  throw Error("list rem not found");
}

void ListListener::Modified(const TrackedObject& object) {
  for (ListRow* row : list_.FindAll(object.key)) {
    RowCells cells = row->cells;
    FillListItem(object, cells, programs_);
    list_.RefillRow(*row, std::move(cells));
  }
}

}  // namespace orvane
