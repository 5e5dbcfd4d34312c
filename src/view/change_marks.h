#pragma once
// How long a list row shows that its object came or went, while changes are highlighted: a new
// object's row for the cycle it came in and the next, a removed object's row for two more cycles
// before it goes. A removed object's row is for the eye only.

#include <cstdint>
#include <optional>

namespace orvane {

enum class RowChange : uint8_t { kNone, kCreated, kRemoved };

struct ChangeMark {
  RowChange change = RowChange::kNone;
  uint8_t cyclesLeft = 0;  // cycle starts until the mark ends (a removed row then goes)

  bool operator==(const ChangeMark&) const = default;
};

constexpr uint8_t kMarkedCycles = 2;
constexpr ChangeMark kCreatedMark{RowChange::kCreated, kMarkedCycles};
constexpr ChangeMark kRemovedMark{RowChange::kRemoved, kMarkedCycles};

// The mark one cycle start later: a created mark that runs out becomes none; a removed one
// keeps its change with no cycles left, and its row is then to go.
ChangeMark Aged(ChangeMark mark);
// A removed object's row whose cycles have run out.
constexpr bool Expired(ChangeMark mark) {
  return mark.change == RowChange::kRemoved && mark.cyclesLeft == 0;
}

// The row's background as 0x00BBGGRR: pale green for a new object, pale red for a removed one;
// none for the list's own.
std::optional<uint32_t> BackgroundOf(ChangeMark mark);

}  // namespace orvane
