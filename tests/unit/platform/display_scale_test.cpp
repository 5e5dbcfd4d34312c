#include "platform/display_scale.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace orvane {
namespace {

TEST(DisplayScale, SizesGrowWithTheDpiRoundedToTheNearestPixel) {
  struct Case {
    int value, dpi, expected;
  };
  constexpr Case cases[] = {
      {911, 96, 911},
      {911, 144, 1367},
      {911, 192, 1822},
      {51, 144, 77},
      {34, 144, 51},
      {4, 144, 6},
      {3, 120, 4},
      {200, 144, 300},
      {-11, 144, -17},
      {-11, 96, -11},
      {11, 144, 17},
      {0, 192, 0},
      {1, 72, 1},
      {16, 120, 20},
      {409, 0, 409},
      {409, -144, 409},
      {2000000000, 192, INT32_MAX},
      {-2000000000, 192, INT32_MIN},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Scale(c.value, c.dpi), c.expected) << c.value << " at " << c.dpi;
  }
  static_assert(Scale(48, 192) == 96 && Scale(32, 144) == 48);
}

TEST(DisplayScale, AnImageIsDrawnFromTheSmallestSourceThatIsLargeEnough) {
  constexpr ImageSource glyphs[] = {{32, 1}, {24, 2}, {64, 3}, {48, 4}, {36, 5}};
  struct Case {
    int size, expected;
  };
  constexpr Case cases[] = {
      {24, 2}, {32, 1}, {36, 5}, {40, 4},  // 125% of 32: the 48 shrunk
      {48, 4}, {56, 3}, {64, 3}, {96, 3},  // beyond every source: the largest
      {1, 2},  {0, 2},  {-5, 2},
  };
  for (const Case& c : cases) EXPECT_EQ(SourceFor(glyphs, c.size).bitmapId, c.expected) << c.size;
  constexpr ImageSource one[] = {{16, 9}};
  EXPECT_EQ(SourceFor(one, 32).bitmapId, 9);
}

}  // namespace
}  // namespace orvane
