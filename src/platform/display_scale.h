#pragma once
// Sizes and positions are written for a display of 96 dots per inch; Scale turns them into the
// pixels of a display of another scale (150% is 144 DPI), rounded to the nearest pixel.

#include <algorithm>
#include <cstdint>
#include <limits>
#include <span>

namespace orvane {

constexpr int kBaseDpi = 96;

// value * dpi / 96, rounded half away from zero (so that -11 and 11 scale alike). A dpi that
// is not positive (a failed query) counts as 96: the value comes back as given. A result
// beyond int stops at its limit.
constexpr int Scale(int value, int dpi) {
  if (dpi <= 0) dpi = kBaseDpi;
  const int64_t product = int64_t{value} * dpi;
  const int64_t half = product < 0 ? -kBaseDpi / 2 : kBaseDpi / 2;
  return static_cast<int>(std::clamp<int64_t>((product + half) / kBaseDpi,
                                              std::numeric_limits<int>::min(),
                                              std::numeric_limits<int>::max()));
}

// One image resource drawn at one size: an image strip's square images, `size` pixels, or a
// picture `size` pixels wide.
struct ImageSource {
  int size;
  int bitmapId;
};

// The source to draw at size: the one of that size, else the smallest larger one (shrunk, never
// stretched up), else the largest. Sources in any order; sources must not be empty.
constexpr const ImageSource& SourceFor(std::span<const ImageSource> sources, int size) {
  const ImageSource* larger = nullptr;
  const ImageSource* largest = &sources.front();
  for (const ImageSource& s : sources) {
    if (s.size >= size && (!larger || s.size < larger->size)) larger = &s;
    if (s.size > largest->size) largest = &s;
  }
  return larger ? *larger : *largest;
}

}  // namespace orvane
