// The palette glyph strips as the executable carries them: one glyph per PaletteGlyph, at each
// size.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <gtest/gtest.h>

#include "app/palettes.h"
#include "res/resource.h"
#include "winui/image_list.h"

namespace orvane {
namespace {

TEST(PaletteGlyphs, BothStripsHoldOneGlyphPerActionAtTheirButtonSize) {
  static_assert(PALETTE_GLYPHS_COUNT == kPaletteGlyphCount);
  InitCommonControls();
  for (const auto& [id, size] : {std::pair{IDB_PALETTE_GLYPHS_24, GlyphSize(PaletteLayout::kSmall)},
                                 std::pair{IDB_PALETTE_GLYPHS_32, GlyphSize(PaletteLayout::kLarge)},
                                 std::pair{IDB_PALETTE_GLYPHS_48, kLargeButtonSize}}) {
    winui::ImageList glyphs = winui::ImageList::FromResource(id, size);
    EXPECT_EQ(glyphs.Count(), kPaletteGlyphCount);
    int w = 0, h = 0;
    ImageList_GetIconSize(glyphs, &w, &h);
    EXPECT_EQ(w, size);
    EXPECT_EQ(h, size);
  }
}

}  // namespace
}  // namespace orvane
