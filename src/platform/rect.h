#pragma once
// A rectangle on the screen as the program keeps it: left, top, width, height.

#include <cstdint>

namespace orvane {

struct Rect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t width = 0;
  int32_t height = 0;
  friend bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace orvane
