#include "app/focus_cycle.h"

namespace orvane {

int NextFocusPane(std::span<const bool> shown, int current, bool backwards) {
  const int count = static_cast<int>(shown.size());
  if (current < -1 || current >= count) current = -1;
  const int step = backwards ? count - 1 : 1;
  int at = current >= 0 ? current : (backwards ? 0 : count - 1);
  for (int tried = 0; tried < count; ++tried) {
    at = (at + step) % count;
    if (shown[static_cast<std::size_t>(at)]) return at;
  }
  return -1;
}

}  // namespace orvane
