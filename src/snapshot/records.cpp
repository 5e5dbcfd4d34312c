#include "snapshot/records.h"

#include <cstring>

namespace orvane {

namespace {

// Word i of a key, 0..5.
uint32_t Word(const ObjectKey& k, int i) {
  uint32_t words[6];
  std::memcpy(words, &k, sizeof words);
  return words[i];
}

bool LeadingWordsEqual(const ObjectKey& a, const ObjectKey& b, uint32_t kind) {
  // Words 1..kind+1; a kind beyond the hierarchy compares every word.
  const uint32_t last = kind < 5 ? kind + 1 : 5;
  for (uint32_t i = 1; i <= last; ++i) {
    if (Word(a, static_cast<int>(i)) != Word(b, static_cast<int>(i))) return false;
  }
  return true;
}

}  // namespace

int32_t RecordSize(int32_t kind) {
  switch (kind) {
    case kKindRoot:
      return kRootRecordSize;
    case kKindComputer:
      return kComputerRecordSize;
    case kKindProcess:
      return kProcessRecordSize;
    case kKindThread:
      return kThreadRecordSize;
    case kKindWindow:
      return kWindowRecordSize;
    default:
      return 0;
  }
}

bool KeyEquals(const ObjectKey& a, const ObjectKey& b) {
  return a.kind == b.kind && LeadingWordsEqual(a, b, static_cast<uint32_t>(a.kind));
}

bool KeyIsAncestor(const ObjectKey& a, const ObjectKey& b) {
  return static_cast<uint32_t>(a.kind) < static_cast<uint32_t>(b.kind) &&
         LeadingWordsEqual(a, b, static_cast<uint32_t>(a.kind));
}

void CopyText(char (&field)[kTextField], std::string_view text, std::size_t max) {
  if (max > kTextField - 1) max = kTextField - 1;
  const std::size_t n = text.size() < max ? text.size() : max;
  std::memset(field, 0, kTextField);
  if (n > 0) std::memcpy(field, text.data(), n);
}

std::string_view FieldText(const char (&field)[kTextField]) {
  std::size_t n = 0;
  while (n < kTextField && field[n] != '\0') ++n;
  return std::string_view(field, n);
}

}  // namespace orvane
