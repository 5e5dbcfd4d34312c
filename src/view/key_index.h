#pragma once
// A hashable form of an ObjectKey: two keys are equal by KeyEquals exactly when their index
// keys are equal, so a hash table can stand in for a linear search of KeyEquals matches.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <unordered_map>

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

// Finds, by key, items that may share a key. Each item carries an ObjectKey `key` and a
// `sameKeyNext` link that only this index touches; equal-key items form a chain from a head.
template <typename Item>
class KeyChainIndex {
 public:
  void Insert(Item* item) {
    auto [head, fresh] = heads_.try_emplace(IndexKeyOf(item->key), item);
    item->sameKeyNext = fresh ? nullptr : head->second;
    if (!fresh) head->second = item;
  }

  void Erase(Item* item) {
    auto head = heads_.find(IndexKeyOf(item->key));
    if (head == heads_.end()) return;
    if (head->second == item) {
      if (item->sameKeyNext == nullptr) {
        heads_.erase(head);
      } else {
        head->second = item->sameKeyNext;
      }
    } else {
      for (Item* at = head->second; at->sameKeyNext != nullptr; at = at->sameKeyNext) {
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
    auto head = heads_.find(IndexKeyOf(key));
    return head == heads_.end() ? nullptr : head->second;
  }

  void Clear() { heads_.clear(); }

 private:
  std::unordered_map<IndexKey, Item*, IndexKeyHash> heads_;
};

}  // namespace orvane
