#pragma once
// Stands between the sink and the list's listener and passes on only the records that the
// object list is to show: the children of one tree node, or a set of pinned keys.

#include <cstddef>
#include <cstdint>
#include <unordered_set>
#include <vector>

#include "snapshot/record_sink.h"
#include "snapshot/records.h"
#include "view/key_index.h"

namespace orvane {

// An ordered sequence of keys that also answers membership without a scan, so a large search
// result does not cost a pass over it for every record.
class PinnedKeys {
 public:
  void push_back(const ObjectKey& key);
  void clear();
  bool empty() const { return keys_.empty(); }
  std::size_t size() const { return keys_.size(); }
  const std::vector<ObjectKey>& keys() const { return keys_; }
  // Whether some pinned key equals key by KeyEquals.
  bool Contains(const ObjectKey& key) const { return members_.contains(IndexKeyOf(key)); }

 private:
  std::vector<ObjectKey> keys_;
  std::unordered_set<IndexKey, IndexKeyHash> members_;
};

class ListFilter : public RecordReceiver {
 public:
  // target: the list's listener; not owned, must outlive the filter.
  explicit ListFilter(RecordReceiver& target) : target_(target) {}

  void RecordArrived(const void* record, int32_t size) override;

  // The tree node whose direct children the list shows; the computer at first.
  ObjectKey currentKey{kKindComputer, 0, 0, 0, 0, 0};
  // While not empty, only records with one of these keys pass.
  PinnedKeys pinnedKeys;

 private:
  bool Passes(const ObjectKey& key) const;

  RecordReceiver& target_;  // not owned
};

}  // namespace orvane
