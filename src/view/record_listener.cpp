#include "view/record_listener.h"

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

bool Differs(const ProcessRecord& a, const ProcessRecord& b) {
  // directory and mainWindow change without anything the user would call a change
  return a.basePriority != b.basePriority || TextDiffers(a.fileName, b.fileName) ||
         TextDiffers(a.caption, b.caption);
}

bool Differs(const ThreadRecord& a, const ThreadRecord& b) {
  return a.basePriority != b.basePriority;
}

bool Differs(const WindowRecord& a, const WindowRecord& b) {
  return a.showState != b.showState || a.visible != b.visible || a.width != b.width ||
         a.height != b.height || a.left != b.left || a.top != b.top ||
         TextDiffers(a.title, b.title);
}

}  // namespace

bool ContentDiffers(const RecordCopy& stored, const RecordCopy& arriving) {
  switch (stored.root.key.kind) {
    case kKindComputer:
      return Differs(stored.computer, arriving.computer);
    case kKindProcess:
      return Differs(stored.process, arriving.process);
    case kKindThread:
      return Differs(stored.thread, arriving.thread);
    case kKindWindow:
      return Differs(stored.window, arriving.window);
    default:
      return false;
  }
}

template <typename Record>
void RecordListener::Refresh(uint32_t slot, const void* record) {
  // Copies of the kind's own size: the compiler turns them into a few moves.
  Record arriving;
  Record stored;
  std::memcpy(&arriving, record, sizeof arriving);
  std::memcpy(&stored, RecordWords(slot), sizeof stored);
  if (!Differs(stored, arriving)) return;
  std::memcpy(RecordWords(slot), &arriving, sizeof arriving);
  Modified(Copy(slot));
}

void RecordListener::RecordArrived(const void* record, int32_t size) {
  if (record == nullptr || size < static_cast<int32_t>(sizeof(ObjectKey))) return;
  ObjectKey key;
  std::memcpy(&key, record, sizeof key);
  const int32_t needed = RecordSize(key.kind);
  if (needed == 0 || size < needed) return;

  if (key.kind == kKindRoot) {
    Pass(false);
    cursor_ = 0;
  }

  if (!MayTrack(key.kind)) {
    Created(TrackedObject::FromRecord(record, 2));
    return;
  }
  if (const std::optional<uint32_t> slot = Locate(IndexKeyOf(key))) {
    slots_[*slot].age = 1;
    cursor_ = slots_[*slot].place + 1;
    switch (key.kind) {
      case kKindComputer:
        Refresh<ComputerRecord>(*slot, record);
        break;
      case kKindProcess:
        Refresh<ProcessRecord>(*slot, record);
        break;
      case kKindThread:
        Refresh<ThreadRecord>(*slot, record);
        break;
      case kKindWindow:
        Refresh<WindowRecord>(*slot, record);
        break;
      default:
        break;  // a root object never differs
    }
    return;
  }
  const TrackedObject created = TrackedObject::FromRecord(record, 2);
  if (Created(created)) Append(created);
}

std::optional<uint32_t> RecordListener::Locate(const IndexKey& key) const {
  if (cursor_ < order_.size()) {
    const uint32_t expected = order_[cursor_];
    if (IndexKeyOf(KeyAt(expected)) == key) return expected;
  }
  if (const uint32_t* slot = index_.Find(key)) return *slot;
  return std::nullopt;
}

RecordListener::PassResult RecordListener::Pass(bool clearing) {
  PassResult result;
  std::size_t write = 0;
  std::size_t read = 0;
  auto keep = [this, &write](uint32_t slot) {
    slots_[slot].place = write;
    order_[write++] = slot;
  };
  try {
    for (; read < order_.size(); ++read) {
      const uint32_t slot = order_[read];
      if (!clearing && slots_[slot].age >= 1) {
        --slots_[slot].age;
        keep(slot);
        continue;
      }
      if (Removed(Copy(slot))) {
        Forget(slot);
        ++result.removed;
      } else {
        keep(slot);
        ++result.refused;
      }
    }
  } catch (...) {
    // The object whose hook raised stays, and so does everything after it.
    for (; read < order_.size(); ++read) keep(order_[read]);
    order_.resize(write);
    throw;
  }
  order_.resize(write);
  return result;
}

void RecordListener::ClearAll() {
  while (!order_.empty()) {
    const PassResult pass = Pass(true);
    if (pass.refused == 0 || pass.removed == 0) return;
  }
}

void RecordListener::Append(const TrackedObject& object) {
  uint32_t slot;
  if (!freeSlots_.empty()) {
    slot = freeSlots_.back();
    freeSlots_.pop_back();
  } else {
    slot = static_cast<uint32_t>(slots_.size());
    slots_.emplace_back();
  }
  const std::size_t kind = static_cast<std::size_t>(object.key.kind);
  std::vector<uint32_t>& pool = pools_[kind];
  std::vector<uint32_t>& poolFree = poolFree_[kind];
  const std::size_t bytes = static_cast<std::size_t>(RecordSize(object.key.kind));
  if (!poolFree.empty()) {
    slots_[slot].recordAt = poolFree.back();
    poolFree.pop_back();
  } else {
    slots_[slot].recordAt = static_cast<uint32_t>(pool.size());
    pool.resize(pool.size() + bytes / sizeof(uint32_t));
  }
  slots_[slot].kind = object.key.kind;
  std::memcpy(RecordWords(slot), &object.record, bytes);
  slots_[slot].age = object.age;
  slots_[slot].place = order_.size();
  order_.push_back(slot);
  index_.Put(IndexKeyOf(object.key), slot);
}

void RecordListener::Forget(uint32_t slot) {
  index_.Erase(IndexKeyOf(KeyAt(slot)));
  poolFree_[static_cast<std::size_t>(slots_[slot].kind)].push_back(slots_[slot].recordAt);
  freeSlots_.push_back(slot);
}

ObjectKey RecordListener::KeyAt(uint32_t slot) const {
  ObjectKey key;
  std::memcpy(&key, RecordWords(slot), sizeof key);
  return key;
}

const uint32_t* RecordListener::RecordWords(uint32_t slot) const {
  return pools_[static_cast<std::size_t>(slots_[slot].kind)].data() + slots_[slot].recordAt;
}

uint32_t* RecordListener::RecordWords(uint32_t slot) {
  return pools_[static_cast<std::size_t>(slots_[slot].kind)].data() + slots_[slot].recordAt;
}

TrackedObject RecordListener::Copy(uint32_t slot) const {
  TrackedObject object;
  object.key = KeyAt(slot);
  object.age = slots_[slot].age;
  const std::size_t bytes = static_cast<std::size_t>(RecordSize(object.key.kind));
  unsigned char* record = reinterpret_cast<unsigned char*>(&object.record);
  std::memcpy(record, RecordWords(slot), bytes);
  std::memset(record + bytes, 0, sizeof object.record - bytes);
  return object;
}

std::optional<TrackedObject> RecordListener::FindTracked(const ObjectKey& key) const {
  const uint32_t* slot = index_.Find(IndexKeyOf(key));
  if (slot == nullptr) return std::nullopt;
  return Copy(*slot);
}

std::vector<TrackedObject> RecordListener::Tracked() const {
  std::vector<TrackedObject> objects;
  objects.reserve(order_.size());
  for (uint32_t slot : order_) objects.push_back(Copy(slot));
  return objects;
}

}  // namespace orvane
