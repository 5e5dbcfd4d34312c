#pragma once
// Change detection shared by every view listener: each keeps its own copies of the objects it
// tracks and derives Created, Removed and Modified from the record stream.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "snapshot/record_sink.h"
#include "snapshot/records.h"
#include "view/key_index.h"

namespace orvane {

union RecordCopy {
  RootRecord root;
  ComputerRecord computer;
  ProcessRecord process;
  ThreadRecord thread;
  WindowRecord window;
};

// One tracked object, and the value the hooks receive.
struct TrackedObject {
  ObjectKey key;
  // 2 when first built, 1 whenever its record arrives, lowered by 1 at each cycle start.
  int32_t age;
  // The first RecordSize(key.kind) bytes are the record; the rest is zero.
  RecordCopy record;

  // Copies as many bytes as the kind's record has; record must hold at least that many.
  static TrackedObject FromRecord(const void* record, int32_t age);

  const ComputerRecord& computer() const { return record.computer; }
  const ProcessRecord& process() const { return record.process; }
  const ThreadRecord& thread() const { return record.thread; }
  const WindowRecord& window() const { return record.window; }
};

// Whether the arriving record differs from the stored record copy in a field that makes the
// object modified; both have the same kind, and only that kind's fields are read.
bool ContentDiffers(const RecordCopy& stored, const RecordCopy& arriving);

class RecordListener : public RecordReceiver {
 public:
  // A record of a kind outside 0..4, or shorter than its kind's record, is ignored: copying by
  // kind alone would read past its end.
  void RecordArrived(const void* record, int32_t size) override;

  // Offers every tracked object to Removed, in passes, until the store is empty or a pass
  // removes nothing (a hook that always refuses would otherwise never let it return).
  void ClearAll();

  std::size_t TrackedCount() const { return order_.size(); }
  // A copy of the tracked object whose key equals key, if there is one.
  std::optional<TrackedObject> FindTracked(const ObjectKey& key) const;
  // The tracked objects in insertion order.
  std::vector<TrackedObject> Tracked() const;

 protected:
  // Hooks receive a temporary copy; nothing they do to it reaches the store. They must not
  // call back into the listener that called them.
  // True: track the object from now on; false: offer it again with its next record.
  virtual bool Created(const TrackedObject& object) = 0;
  // True: forget the object now; false: keep it (age 0) and offer it again later.
  virtual bool Removed(const TrackedObject& object) = 0;
  // The object carries the new content, which the store already holds.
  virtual void Modified(const TrackedObject& object) = 0;
  // False for a kind whose Created always refuses: its records then skip the store search,
  // which can never find them. Saves a lookup miss per thread for listeners that count only
  // processes.
  virtual bool MayTrack(int32_t /*kind*/) const { return true; }

 private:
  struct PassResult {
    std::size_t removed = 0;
    std::size_t refused = 0;
  };
  // clearing: offer every object; otherwise age the store and offer only the expired ones.
  PassResult Pass(bool clearing);
  // Compares the arriving record with the stored copy; a difference replaces the copy and is
  // reported to Modified.
  template <typename Record>
  void Refresh(uint32_t slot, const void* record);
  void Append(const TrackedObject& object);
  void Forget(uint32_t slot);
  TrackedObject Copy(uint32_t slot) const;
  // The slot of the tracked object with this key, or nullopt.
  std::optional<uint32_t> Locate(const IndexKey& key) const;

  const uint32_t* RecordWords(uint32_t slot) const;
  uint32_t* RecordWords(uint32_t slot);

  // Stable slots for the objects, so the index survives gaps closing. A slot's record copy,
  // which begins with its key, sits in a pool of its kind's size; the little else a slot
  // needs is kept together, so a cycle's walk over thousands of small thread records reads
  // few separate streams of memory.
  struct Slot {
    uint32_t recordAt = 0;  // word offset in its kind's pool
    int32_t kind = 0;
    int32_t age = 0;
    uint32_t place = 0;  // its position in order_
  };
  ObjectKey KeyAt(uint32_t slot) const;
  std::vector<Slot> slots_;
  std::vector<uint32_t> freeSlots_;
  std::array<std::vector<uint32_t>, 5> pools_;     // by kind: record copies, word aligned
  std::array<std::vector<uint32_t>, 5> poolFree_;  // by kind: offsets of free copies
  std::vector<uint32_t> order_;                    // slot numbers in insertion order
  // Keys in the store are unique (a record whose key is found never creates), so the one
  // entry per key is also the first match in insertion order.
  FlatKeyMap<uint32_t> index_;
  // Records arrive each cycle in much the order they were first stored, so the object after
  // the last one found is tried before the index; the answer is the same, the memory walk
  // mostly sequential.
  std::size_t cursor_ = 0;
};

}  // namespace orvane
