#include "view/record_listener.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string_view>

namespace orvane {

namespace {

bool TextDiffers(const char (&a)[kTextField], const char (&b)[kTextField]) {
  return FieldText(a) != FieldText(b);
}

}  // namespace

TrackedObject TrackedObject::FromRecord(const void* record, int32_t age) {
  TrackedObject object;
  std::memcpy(&object.key, record, sizeof object.key);
  object.age = age;
  const std::size_t size = static_cast<std::size_t>(RecordSize(object.key.kind));
  unsigned char* bytes = reinterpret_cast<unsigned char*>(&object.record);
  std::memcpy(bytes, record, size);
  std::memset(bytes + size, 0, sizeof object.record - size);
  return object;
}

namespace {

bool Differs(const ComputerRecord& a, const ComputerRecord& b) {
  return a.memoryTotal != b.memoryTotal || a.memoryLoad != b.memoryLoad ||
         a.reserved1 != b.reserved1 || a.reserved2 != b.reserved2 || a.osCode != b.osCode ||
         a.cpuLoad != b.cpuLoad || TextDiffers(a.computerName, b.computerName) ||
         TextDiffers(a.userName, b.userName);
}

bool Differs(const ThreadRecord& a, const ThreadRecord& b) {
  return a.basePriority != b.basePriority;
}

bool Differs(const WindowRecord& a, const WindowRecord& b) {
  return a.showState != b.showState || a.visible != b.visible || a.hung != b.hung ||
         a.width != b.width || a.height != b.height || a.left != b.left || a.top != b.top ||
         TextDiffers(a.title, b.title);
}

// Whether the record at arriving differs from the copy at stored, both of kind Record.
template <typename Record>
bool DiffersAt(const void* stored, const void* arriving) {
  // Copies of the kind's own size: the compiler turns them into a few moves.
  Record a;
  Record b;
  std::memcpy(&a, stored, sizeof a);
  std::memcpy(&b, arriving, sizeof b);
  return Differs(a, b);
}

int32_t IntAt(const void* record, std::size_t offset) {
  int32_t value;
  std::memcpy(&value, static_cast<const unsigned char*>(record) + offset, sizeof value);
  return value;
}

std::string_view TextAt(const void* record, std::size_t offset) {
  const char* text = static_cast<const char*>(record) + offset;
  return std::string_view(
      text, static_cast<std::size_t>(std::find(text, text + kTextField, '\0') - text));
}

// A process record is large and its texts are short: compared where they lie, only the cache
// lines with the priority and the texts' first characters are read, not the whole record.
template <>
bool DiffersAt<ProcessRecord>(const void* stored, const void* arriving) {
  constexpr std::size_t priority = offsetof(ProcessRecord, basePriority);
  constexpr std::size_t fileName = offsetof(ProcessRecord, fileName);
  constexpr std::size_t caption = offsetof(ProcessRecord, caption);
  // directory and mainWindow change without anything the user would call a change
  return IntAt(stored, priority) != IntAt(arriving, priority) ||
         TextAt(stored, fileName) != TextAt(arriving, fileName) ||
         TextAt(stored, caption) != TextAt(arriving, caption);
}

}  // namespace

bool ContentDiffers(const RecordCopy& stored, const RecordCopy& arriving) {
  switch (stored.root.key.kind) {
    case kKindComputer:
      return DiffersAt<ComputerRecord>(&stored, &arriving);
    case kKindProcess:
      return DiffersAt<ProcessRecord>(&stored, &arriving);
    case kKindThread:
      return DiffersAt<ThreadRecord>(&stored, &arriving);
    case kKindWindow:
      return DiffersAt<WindowRecord>(&stored, &arriving);
    default:
      return false;
  }
}

template <typename Record>
void RecordListener::Refresh(std::size_t place, const void* record) {
  if (!DiffersAt<Record>(RecordWords(place), record)) return;
  Record stored;
  std::memcpy(&stored, RecordWords(place), sizeof stored);
  std::memcpy(RecordWords(place), record, sizeof stored);
  previous_ = &stored;
  try {
    Modified(Copy(place));
  } catch (...) {
    previous_ = nullptr;
    throw;
  }
  previous_ = nullptr;
}

std::optional<TrackedObject> RecordListener::Previous() const {
  if (previous_ == nullptr) return std::nullopt;
  return TrackedObject::FromRecord(previous_, 1);
}

void RecordListener::RecordArrived(const void* record, int32_t size) {
  if (record == nullptr || size < static_cast<int32_t>(sizeof(ObjectKey))) return;
  ObjectKey key;
  std::memcpy(&key, record, sizeof key);
  const int32_t needed = RecordSize(key.kind);
  if (needed == 0 || size < needed) return;

  if (key.kind == kKindRoot) {
    Pass(false);
    cursor_ = firstOfKind_;
  }

  if (!MayTrack(key.kind)) {
    Created(TrackedObject::FromRecord(record, 2));
    return;
  }
  if (const std::optional<std::size_t> place = Locate(key.kind, IndexKeyOf(key))) {
    entries_[*place].age = 1;
    cursor_[static_cast<std::size_t>(key.kind)] = entries_[*place].nextOfKind;
    switch (key.kind) {
      case kKindComputer:
        Refresh<ComputerRecord>(*place, record);
        break;
      case kKindProcess:
        Refresh<ProcessRecord>(*place, record);
        break;
      case kKindThread:
        Refresh<ThreadRecord>(*place, record);
        break;
      case kKindWindow:
        Refresh<WindowRecord>(*place, record);
        break;
      default:
        break;  // a root object never differs
    }
    return;
  }
  const TrackedObject created = TrackedObject::FromRecord(record, 2);
  if (Created(created)) Append(created);
}

std::optional<std::size_t> RecordListener::Locate(int32_t kind, const IndexKey& key) {
  uint32_t& expected = cursor_[static_cast<std::size_t>(kind)];
  while (expected != kNoPlace && entries_[expected].forgotten) {
    expected = entries_[expected].nextOfKind;
  }
  if (expected != kNoPlace && IndexKeyOf(KeyAt(expected)) == key) return expected;
  if (const uint32_t* place = index_.Find(key); place != nullptr && !entries_[*place].forgotten) {
    return *place;
  }
  return std::nullopt;
}

RecordListener::PassResult RecordListener::Pass(bool clearing) {
  PassResult result;
  // Nothing moves during the pass, so an object whose hook raises stays where it was.
  for (std::size_t place = 0; place < entries_.size(); ++place) {
    Entry& entry = entries_[place];
    if (entry.forgotten) continue;
    if (!clearing && entry.age >= 1) {
      --entry.age;
      continue;
    }
    if (Removed(Copy(place))) {
      Forget(place);
      ++result.removed;
    } else {
      ++result.refused;
    }
  }
  CompactIfSparse();
  return result;
}

void RecordListener::ClearAll() {
  struct ClearingScope {
    bool& flag;
    explicit ClearingScope(bool& f) : flag(f) { flag = true; }
    ~ClearingScope() { flag = false; }
  } scope(clearing_);
  while (live_ > 0) {
    const PassResult pass = Pass(true);
    if (pass.refused == 0 || pass.removed == 0) return;
  }
}

void RecordListener::Reset() {
  entries_.clear();
  for (std::vector<uint32_t>& pool : pools_) pool.clear();
  firstOfKind_ = lastOfKind_ = cursor_ = FirstPlaces();
  live_ = 0;
  index_.Clear();
}

void RecordListener::Append(const TrackedObject& object) {
  Entry entry;
  entry.kind = static_cast<int8_t>(object.key.kind);
  entry.age = static_cast<int8_t>(object.age);
  std::vector<uint32_t>& pool = pools_[static_cast<std::size_t>(entry.kind)];
  entry.recordAt = static_cast<uint32_t>(pool.size());
  const std::size_t bytes = static_cast<std::size_t>(RecordSize(entry.kind));
  pool.resize(pool.size() + bytes / sizeof(uint32_t));
  std::memcpy(pool.data() + entry.recordAt, &object.record, bytes);
  const auto place = static_cast<uint32_t>(entries_.size());
  entries_.push_back(entry);
  Link(place);
  ++live_;
  index_.Put(IndexKeyOf(object.key), place);
}

void RecordListener::Link(uint32_t place) {
  const std::size_t kind = static_cast<std::size_t>(entries_[place].kind);
  entries_[place].nextOfKind = kNoPlace;
  if (lastOfKind_[kind] == kNoPlace) {
    firstOfKind_[kind] = place;
  } else {
    entries_[lastOfKind_[kind]].nextOfKind = place;
  }
  lastOfKind_[kind] = place;
}

void RecordListener::Forget(std::size_t place) {
  // The index keeps its entry until the store is compacted: erasing it now would cost a
  // cache miss in a large store, and a lookup that lands on it sees the mark. The record copy
  // stays too, so the entry's key can still be read.
  entries_[place].forgotten = true;
  --live_;
}

void RecordListener::CompactIfSparse() {
  const std::size_t forgotten = entries_.size() - live_;
  if (forgotten == 0 || forgotten * 4 < entries_.size()) return;
  // In place: entries and each kind's copies only move towards the front, in order, so the
  // buffers are reused rather than allocated (and faulted in) anew.
  firstOfKind_ = lastOfKind_ = cursor_ = FirstPlaces();
  std::array<uint32_t, 5> poolEnd{};
  newPlace_.assign(entries_.size(), kNoPlace);
  uint32_t write = 0;
  for (std::size_t read = 0; read < entries_.size(); ++read) {
    Entry entry = entries_[read];
    if (entry.forgotten) continue;
    const std::size_t kind = static_cast<std::size_t>(entry.kind);
    const std::size_t words = static_cast<std::size_t>(RecordSize(entry.kind)) / sizeof(uint32_t);
    uint32_t* pool = pools_[kind].data();
    if (poolEnd[kind] != entry.recordAt) {
      std::memmove(pool + poolEnd[kind], pool + entry.recordAt, words * sizeof(uint32_t));
    }
    entry.recordAt = poolEnd[kind];
    poolEnd[kind] += static_cast<uint32_t>(words);
    entries_[write] = entry;
    Link(write);
    newPlace_[read] = write++;
  }
  entries_.resize(write);
  for (std::size_t kind = 0; kind < pools_.size(); ++kind) pools_[kind].resize(poolEnd[kind]);
  // Renumbered in place, which spares rehashing; the forgotten entries go first, while the
  // values still name the places before compaction.
  index_.EraseIf([this](uint32_t place) { return newPlace_[place] == kNoPlace; });
  index_.ChangeValues([this](uint32_t& place) { place = newPlace_[place]; });
}

ObjectKey RecordListener::KeyAt(std::size_t place) const {
  ObjectKey key;
  std::memcpy(&key, RecordWords(place), sizeof key);
  return key;
}

const uint32_t* RecordListener::RecordWords(std::size_t place) const {
  const Entry& entry = entries_[place];
  return pools_[static_cast<std::size_t>(entry.kind)].data() + entry.recordAt;
}

uint32_t* RecordListener::RecordWords(std::size_t place) {
  const Entry& entry = entries_[place];
  return pools_[static_cast<std::size_t>(entry.kind)].data() + entry.recordAt;
}

TrackedObject RecordListener::Copy(std::size_t place) const {
  TrackedObject object;
  object.key = KeyAt(place);
  object.age = entries_[place].age;
  const std::size_t bytes = static_cast<std::size_t>(RecordSize(object.key.kind));
  unsigned char* record = reinterpret_cast<unsigned char*>(&object.record);
  std::memcpy(record, RecordWords(place), bytes);
  std::memset(record + bytes, 0, sizeof object.record - bytes);
  return object;
}

std::optional<TrackedObject> RecordListener::FindTracked(const ObjectKey& key) const {
  const uint32_t* place = index_.Find(IndexKeyOf(key));
  if (place == nullptr || entries_[*place].forgotten) return std::nullopt;
  return Copy(*place);
}

std::vector<TrackedObject> RecordListener::Tracked() const {
  std::vector<TrackedObject> objects;
  objects.reserve(live_);
  for (std::size_t place = 0; place < entries_.size(); ++place) {
    if (!entries_[place].forgotten) objects.push_back(Copy(place));
  }
  return objects;
}

}  // namespace orvane
