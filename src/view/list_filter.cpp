#include "view/list_filter.h"

#include <cstring>

namespace orvane {

void PinnedKeys::push_back(const ObjectKey& key) {
  keys_.push_back(key);
  members_.insert(IndexKeyOf(key));
}

void PinnedKeys::clear() {
  keys_.clear();
  members_.clear();
}

void ListFilter::RecordArrived(const void* record, int32_t size) {
  if (record == nullptr || size < static_cast<int32_t>(sizeof(ObjectKey))) return;
  ObjectKey key;
  std::memcpy(&key, record, sizeof key);
  if (Passes(key)) target_.RecordArrived(record, size);
}

bool ListFilter::Passes(const ObjectKey& key) const {
  // The root record opens the target's cycle, so it always passes.
  if (key.kind == kKindRoot) return true;
  if (!pinnedKeys.empty()) return pinnedKeys.Contains(key);
  // Widened so that no kind can overflow.
  const bool childKind =
      static_cast<int64_t>(key.kind) == static_cast<int64_t>(currentKey.kind) + 1;
  return childKind && KeyIsAncestor(currentKey, key);
}

}  // namespace orvane
