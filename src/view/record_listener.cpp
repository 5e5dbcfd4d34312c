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
  std::memset(&object, 0, sizeof object);
  std::memcpy(&object.key, record, sizeof object.key);
  const int32_t size = RecordSize(object.key.kind);
  std::memcpy(&object.record, record, static_cast<std::size_t>(size));
  object.age = age;
  return object;
}

bool ContentDiffers(const TrackedObject& stored, const TrackedObject& arriving) {
  switch (stored.key.kind) {
    case kKindComputer: {
      const ComputerRecord& a = stored.computer();
      const ComputerRecord& b = arriving.computer();
      return a.memoryTotal != b.memoryTotal || a.memoryLoad != b.memoryLoad ||
             a.reserved1 != b.reserved1 || a.reserved2 != b.reserved2 || a.osCode != b.osCode ||
             a.cpuLoad != b.cpuLoad || TextDiffers(a.computerName, b.computerName) ||
             TextDiffers(a.userName, b.userName);
    }
    case kKindProcess: {
      // directory and mainWindow change without anything the user would call a change
      const ProcessRecord& a = stored.process();
      const ProcessRecord& b = arriving.process();
      return a.basePriority != b.basePriority || TextDiffers(a.fileName, b.fileName) ||
             TextDiffers(a.caption, b.caption);
    }
    case kKindThread:
      return stored.thread().basePriority != arriving.thread().basePriority;
    case kKindWindow: {
      const WindowRecord& a = stored.window();
      const WindowRecord& b = arriving.window();
      return a.showState != b.showState || a.visible != b.visible || a.width != b.width ||
             a.height != b.height || a.left != b.left || a.top != b.top ||
             TextDiffers(a.title, b.title);
    }
    default:
      return false;
  }
}

void RecordListener::RecordArrived(const void* record, int32_t size) {
  if (record == nullptr || size < static_cast<int32_t>(sizeof(ObjectKey))) return;
  ObjectKey key;
  std::memcpy(&key, record, sizeof key);
  const int32_t needed = RecordSize(key.kind);
  if (needed == 0 || size < needed) return;

  if (key.kind == kKindRoot) Pass(false);

  auto found = index_.find(IndexKeyOf(key));
  if (found != index_.end()) {
    TrackedObject& stored = slots_[found->second];
    stored.age = 1;
    TrackedObject arriving = TrackedObject::FromRecord(record, 1);
    if (ContentDiffers(stored, arriving)) {
      stored = arriving;
      Modified(arriving);
    }
    return;
  }
  const TrackedObject created = TrackedObject::FromRecord(record, 2);
  if (Created(created)) Append(created);
}

RecordListener::PassResult RecordListener::Pass(bool clearing) {
  PassResult result;
  std::size_t write = 0;
  std::size_t read = 0;
  try {
    for (; read < order_.size(); ++read) {
      const uint32_t slot = order_[read];
      TrackedObject& object = slots_[slot];
      if (!clearing && object.age >= 1) {
        --object.age;
        order_[write++] = slot;
        continue;
      }
      const TrackedObject offered = object;
      if (Removed(offered)) {
        Forget(slot);
        ++result.removed;
      } else {
        order_[write++] = slot;
        ++result.refused;
      }
    }
  } catch (...) {
    // The object whose hook raised stays, and so does everything after it.
    for (; read < order_.size(); ++read) order_[write++] = order_[read];
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
    slots_[slot] = object;
  } else {
    slot = static_cast<uint32_t>(slots_.size());
    slots_.push_back(object);
  }
  order_.push_back(slot);
  index_.emplace(IndexKeyOf(object.key), slot);
}

void RecordListener::Forget(uint32_t slot) {
  index_.erase(IndexKeyOf(slots_[slot].key));
  freeSlots_.push_back(slot);
}

const TrackedObject* RecordListener::FindTracked(const ObjectKey& key) const {
  auto found = index_.find(IndexKeyOf(key));
  return found == index_.end() ? nullptr : &slots_[found->second];
}

std::vector<TrackedObject> RecordListener::Tracked() const {
  std::vector<TrackedObject> objects;
  objects.reserve(order_.size());
  for (uint32_t slot : order_) objects.push_back(slots_[slot]);
  return objects;
}

}  // namespace orvane
