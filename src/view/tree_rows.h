#pragma once
// Which rows of a tree control to repaint after changes made while it did not draw: a control
// that draws again repaints all of itself, where usually no row in view, or a few, changed.

#include <cstdint>
#include <vector>

namespace orvane {

// What the control draws on one row besides the item's own text and image, which follow the
// model (a refill).
struct TreeRowShape {
  uintptr_t item = 0;  // the control's item handle, compared only
  // Bit 0: has children (its button); bit 1: unfolded; bit 2: selected; bit 3 + k: the
  // ancestor k levels up (0: the item itself) has a next sibling (the lines beside the row).
  uint32_t lines = 0;
  bool operator==(const TreeRowShape&) const = default;
};

// The indexes, from the top of the view, of the rows whose shape differs between the two
// pictures (a row on one side only included) or whose item was refilled.
std::vector<int> RowsToRepaint(const std::vector<TreeRowShape>& before,
                               const std::vector<TreeRowShape>& after,
                               const std::vector<uintptr_t>& refilled);

}  // namespace orvane
