#include "view/change_marks.h"

namespace orvane {

namespace {

constexpr uint32_t Rgb(uint32_t r, uint32_t g, uint32_t b) {
  return r | (g << 8) | (b << 16);
}

}  // namespace

ChangeMark Aged(ChangeMark mark) {
  if (mark.change != RowChange::kCreated && mark.change != RowChange::kRemoved) return {};
  if (mark.cyclesLeft > 0) --mark.cyclesLeft;
  if (mark.change == RowChange::kCreated && mark.cyclesLeft == 0) return {};
  return mark;
}

std::optional<uint32_t> BackgroundOf(ChangeMark mark) {
  switch (mark.change) {
    case RowChange::kCreated:
      return Rgb(204, 255, 204);
    case RowChange::kRemoved:
      return Rgb(255, 210, 210);
    default:
      return std::nullopt;
  }
}

}  // namespace orvane
