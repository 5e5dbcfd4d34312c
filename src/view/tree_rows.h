#pragma once
// Which rows of a tree control to repaint after changes made while it did not draw: a control
// that draws again repaints all of itself, where usually no row in view, or a few, changed, and
// a row added or removed in view moves the rows below it, whose pictures can be moved rather
// than drawn again.

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

// Rows whose pictures moved together: count rows from first (counted from the top of the view
// before the changes) went by rows down (up when negative).
struct RowShift {
  int first = 0;
  int count = 0;  // 0: nothing moves
  int by = 0;
};

struct TreeRepaint {
  RowShift shift;
  // The rows to paint again, counted from the top of the view after the changes: those whose
  // shape differs from the row shown there before (a row on one side only included) or whose
  // item was refilled, less those the shift brings in whole.
  std::vector<int> rows;
};

// The longest band of unrefilled rows that moved as a whole, when it holds at least two rows,
// and the rows still to paint.
TreeRepaint PlanRepaint(const std::vector<TreeRowShape>& before,
                        const std::vector<TreeRowShape>& after,
                        const std::vector<uintptr_t>& refilled);

}  // namespace orvane
