#pragma once
// A hashable form of an ObjectKey: two keys are equal by KeyEquals exactly when their index
// keys are equal, so a hash table can stand in for a linear search of KeyEquals matches.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

#include "snapshot/records.h"

namespace orvane {

struct IndexKey {
  uint32_t words[6];

  friend bool operator==(const IndexKey&, const IndexKey&) = default;
};

// Keeps kind and words 1..kind+1 and zeroes the rest; a kind outside the hierarchy keeps every
// word, as KeyEquals compares them all.
inline IndexKey IndexKeyOf(const ObjectKey& key) {
  IndexKey k;
  std::memcpy(k.words, &key, sizeof k.words);
  const uint32_t kind = k.words[0];
  if (kind < 5) {
    for (uint32_t i = kind + 2; i < 6; ++i) k.words[i] = 0;
  }
  return k;
}

struct IndexKeyHash {
  std::size_t operator()(const IndexKey& k) const {
    uint64_t h = 0x9E3779B97F4A7C15ull;
    for (uint32_t w : k.words) {
      h ^= w;
      h *= 0xBF58476D1CE4E5B9ull;
      h ^= h >> 31;
    }
    return static_cast<std::size_t>(h);
  }
};

}  // namespace orvane

namespace orvane {

// An open-addressing hash map from IndexKey to a small value from which the key can be read
// again: keyOf(value) gives it. An entry holds only the key's hash and the value, so the table
// stays a fraction of the keys' size and a lookup that finds nothing (each new object's) reads
// no more than its probe run; a hit reads the key through the value, which the caller was
// about to read anyway.
template <typename Value, typename KeyOf>
class FlatKeyMap {
 public:
  explicit FlatKeyMap(KeyOf keyOf) : keyOf_(std::move(keyOf)) {}

  // The value stored under key, or null.
  Value* Find(const IndexKey& key) {
    if (count_ == 0) return nullptr;
    const uint32_t hash = Hash(key);
    for (std::size_t i = hash & mask_;; i = (i + 1) & mask_) {
      Entry& e = entries_[i];
      if (!e.used) return nullptr;
      if (e.hash == hash && keyOf_(e.value) == key) return &e.value;
    }
  }
  const Value* Find(const IndexKey& key) const { return const_cast<FlatKeyMap*>(this)->Find(key); }

  // Stores value under key, replacing what was there; keyOf(value) must give key.
  void Put(const IndexKey& key, Value value) {
    if ((count_ + 1) * 2 > entries_.size()) Grow();
    const uint32_t hash = Hash(key);
    std::size_t i = hash & mask_;
    for (; entries_[i].used; i = (i + 1) & mask_) {
      if (entries_[i].hash == hash && keyOf_(entries_[i].value) == key) {
        entries_[i].value = value;
        return;
      }
    }
    entries_[i] = Entry{hash, true, value};
    ++count_;
  }

  void Erase(const IndexKey& key) {
    if (count_ == 0) return;
    const uint32_t hash = Hash(key);
    for (std::size_t i = hash & mask_;; i = (i + 1) & mask_) {
      const Entry& e = entries_[i];
      if (!e.used) return;
      if (e.hash == hash && keyOf_(e.value) == key) return EraseAt(i);
    }
  }

  // Erases every entry whose value drop(value) is true, without reading any key.
  template <typename Drop>
  void EraseIf(Drop drop) {
    for (std::size_t i = 0; i < entries_.size(); ++i) {
      // EraseAt may move a later entry into i, which is then looked at in turn.
      while (entries_[i].used && drop(entries_[i].value)) EraseAt(i);
    }
  }

  // Calls change(value) for every stored value, letting it rewrite the value in place; each
  // value must still give its key afterwards.
  template <typename Change>
  void ChangeValues(Change change) {
    for (Entry& e : entries_) {
      if (e.used) change(e.value);
    }
  }

  void Clear() {
    entries_.assign(entries_.size(), Entry{});
    count_ = 0;
  }

  std::size_t size() const { return count_; }

 private:
  struct Entry {
    uint32_t hash = 0;
    bool used = false;
    Value value{};
  };

  void EraseAt(std::size_t hole) {
    // Shift later entries of the probe run back, so lookups never need tombstones.
    for (std::size_t j = (hole + 1) & mask_; entries_[j].used; j = (j + 1) & mask_) {
      const std::size_t home = entries_[j].hash & mask_;
      if (((j - home) & mask_) >= ((j - hole) & mask_)) {
        entries_[hole] = entries_[j];
        hole = j;
      }
    }
    entries_[hole].used = false;
    --count_;
  }

  static uint32_t Hash(const IndexKey& key) { return static_cast<uint32_t>(IndexKeyHash()(key)); }

  void Grow() {
    std::vector<Entry> old = std::move(entries_);
    entries_.assign(old.empty() ? 64 : old.size() * 2, Entry{});
    mask_ = entries_.size() - 1;
    for (const Entry& e : old) {
      if (!e.used) continue;
      std::size_t i = e.hash & mask_;
      while (entries_[i].used) i = (i + 1) & mask_;
      entries_[i] = e;
    }
  }

  KeyOf keyOf_;
  std::vector<Entry> entries_;
  std::size_t mask_ = 0;
  std::size_t count_ = 0;
};

}  // namespace orvane

namespace orvane {

// Finds, by key, items that may share a key. Each item carries an ObjectKey `key` and a
// `sameKeyNext` link that only this index touches; equal-key items form a chain from a head.
template <typename Item>
class KeyChainIndex {
 public:
  void Insert(Item* item) {
    const IndexKey key = IndexKeyOf(item->key);
    Item** head = heads_.Find(key);
    item->sameKeyNext = head != nullptr ? *head : nullptr;
    heads_.Put(key, item);
  }

  void Erase(Item* item) {
    const IndexKey key = IndexKeyOf(item->key);
    Item** head = heads_.Find(key);
    if (head == nullptr) return;
    if (*head == item) {
      if (item->sameKeyNext == nullptr) {
        heads_.Erase(key);
      } else {
        *head = item->sameKeyNext;
      }
    } else {
      for (Item* at = *head; at->sameKeyNext != nullptr; at = at->sameKeyNext) {
        if (at->sameKeyNext == item) {
          at->sameKeyNext = item->sameKeyNext;
          break;
        }
      }
    }
    item->sameKeyNext = nullptr;
  }

  // Some item whose key equals key by KeyEquals, or null; the others follow by sameKeyNext.
  Item* Head(const ObjectKey& key) const {
    Item* const* head = heads_.Find(IndexKeyOf(key));
    return head != nullptr ? *head : nullptr;
  }

  void Clear() { heads_.Clear(); }

 private:
  struct KeyOfItem {
    IndexKey operator()(const Item* item) const { return IndexKeyOf(item->key); }
  };
  FlatKeyMap<Item*, KeyOfItem> heads_{KeyOfItem{}};
};

}  // namespace orvane
