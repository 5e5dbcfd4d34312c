#include "view/names.h"

namespace orvane {

std::string_view PriorityName(int32_t basePriority, int32_t osCode) {
  // Unsigned, so a number that reads negative lands above every band.
  const uint32_t p = static_cast<uint32_t>(basePriority);
  const bool sixClasses = osCode == kWindows2000OsCode;
  if (p <= 4) return sixClasses ? "Low" : "Idle";
  if (sixClasses && p <= 6) return "Below Normal";
  if (p <= 9) return "Normal";
  if (sixClasses && p <= 12) return "Above Normal";
  if (p <= 18) return "High";
  if (p <= 124) return "Realtime";
  return "Unknown";
}

int32_t PriorityImage(int32_t basePriority) {
  const uint32_t p = static_cast<uint32_t>(basePriority);
  if (p < 7) return 0;
  if (p <= 9) return 1;
  if (p <= 13) return 2;
  return 3;
}

std::string_view ShowStateName(int32_t showState) {
  switch (showState) {
    case 0:
      return "Minimized";
    case 1:
      return "Maximized";
    case 2:
      return "Normal";
    default:
      return "Unknown State";
  }
}

std::string_view VisibilityName(uint8_t visible) {
  return visible != 0 ? "Visible" : "Invisible";
}

}  // namespace orvane
