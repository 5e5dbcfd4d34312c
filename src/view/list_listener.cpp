#include "view/list_listener.h"

#include <utility>

#include "platform/error.h"
#include "view/fill.h"

namespace orvane {

bool ListListener::Created(const TrackedObject& object) {
  if (object.key.kind == kKindRoot) return true;
  RowCells cells;
  FillListItem(object, cells, programs_);
  list_.AddRow(object.key, std::move(cells));
  return true;
}

bool ListListener::Removed(const TrackedObject& object) {
  ListRow* row = list_.FindFirst(object.key);
  if (row != nullptr) {
    list_.DeleteRow(*row);
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
