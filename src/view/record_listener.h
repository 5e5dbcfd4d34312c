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
  RecordListener() = default;
  RecordListener(const RecordListener&) = delete;
  RecordListener& operator=(const RecordListener&) = delete;

  // A record of a kind outside 0..4, or shorter than its kind's record, is ignored: copying by
  // kind alone would read past its end.
  void RecordArrived(const void* record, int32_t size) override;

  // Offers every tracked object to Removed, in passes, until the store is empty or a pass
  // removes nothing (a hook that always refuses would otherwise never let it return).
  void ClearAll();
  // Forgets every tracked object without offering it to Removed: for a view whose content no
  // longer matches the store, which is then rebuilt from nothing by the next cycle.
  void Reset();

  std::size_t TrackedCount() const { return live_; }
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
  // During Modified: the object as it was before this change; otherwise nullopt.
  std::optional<TrackedObject> Previous() const;
  // Removed is called by ClearAll, which empties the store, not by a cycle start.
  bool Clearing() const { return clearing_; }

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
  void Refresh(std::size_t place, const void* record);
  void Append(const TrackedObject& object);
  void Forget(std::size_t place);
  TrackedObject Copy(std::size_t place) const;
  // The place of the tracked object with this key, or nullopt.
  std::optional<std::size_t> Locate(int32_t kind, const IndexKey& key);
  // Rewrites the store without its forgotten entries once they are a quarter of it.
  void CompactIfSparse();

  const uint32_t* RecordWords(std::size_t place) const;
  uint32_t* RecordWords(std::size_t place);
  ObjectKey KeyAt(std::size_t place) const;

  // The store in insertion order. A forgotten object leaves its entry behind, marked, until
  // the store is compacted: nothing moves in between, so the index can name places, and a
  // cycle's walk over the entries and their record copies (each kind's pool filled in
  // insertion order) reads memory front to back.
  static constexpr uint32_t kNoPlace = UINT32_MAX;
  // Small, as a cycle reads every entry twice: kind and age fit a byte each.
  struct Entry {
    uint32_t recordAt = 0;           // word offset in its kind's pool
    uint32_t nextOfKind = kNoPlace;  // the next entry made for the same kind
    int8_t kind = 0;
    int8_t age = 0;
    bool forgotten = false;
  };
  // Makes the entry at place the last of its kind.
  void Link(uint32_t place);

  std::vector<Entry> entries_;
  std::array<std::vector<uint32_t>, 5> pools_;  // by kind: record copies, word aligned
  std::array<uint32_t, 5> firstOfKind_ = FirstPlaces();
  std::array<uint32_t, 5> lastOfKind_ = FirstPlaces();
  std::size_t live_ = 0;            // entries not forgotten
  std::vector<uint32_t> newPlace_;  // compaction's renumbering, kept for its capacity
  // Keys in the store are unique (a record whose key is found never creates), so the one
  // entry per key is also the first match in insertion order.
  struct KeyAtPlace {
    const RecordListener* listener;
    IndexKey operator()(uint32_t place) const { return IndexKeyOf(listener->KeyAt(place)); }
  };
  FlatKeyMap<uint32_t, KeyAtPlace> index_{KeyAtPlace{this}};
  // A cycle sends each kind's records in much the order their objects were stored, while the
  // store interleaves kinds as objects came and went; so for each kind the entry after the
  // last one found is tried before the index. The answer is the same.
  std::array<uint32_t, 5> cursor_ = FirstPlaces();
  const void* previous_ = nullptr;  // the replaced record copy, while Modified runs
  bool clearing_ = false;
  static constexpr std::array<uint32_t, 5> FirstPlaces() {
    return {kNoPlace, kNoPlace, kNoPlace, kNoPlace, kNoPlace};
  }
};

}  // namespace orvane
