#pragma once
// Words and small figures for the numbers that the records carry.

#include <cstdint>
#include <string_view>

namespace orvane {

constexpr int32_t kWindows2000OsCode = 5;

// The priority class name for a base priority number (compared unsigned); Windows 2000 names
// six classes, every other system four.
std::string_view PriorityName(int32_t basePriority, int32_t osCode);
// The small-image index 0..3 for a base priority number (compared unsigned).
int32_t PriorityImage(int32_t basePriority);
std::string_view ShowStateName(int32_t showState);
std::string_view VisibilityName(uint8_t visible);

}  // namespace orvane
