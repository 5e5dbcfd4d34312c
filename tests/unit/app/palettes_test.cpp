#include "app/palettes.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace orvane {
namespace {

TEST(Palettes, ButtonsFollowTheirNamesAndBindings) {
  ASSERT_EQ(Palettes().size(), 5u);
  std::set<std::string_view> names;
  for (const Palette& palette : Palettes()) {
    SCOPED_TRACE(std::string(palette.name));
    EXPECT_EQ(&PaletteById(palette.id), &palette);
    EXPECT_EQ(palette.name, "Tool" + std::string(palette.caption));
    for (const PaletteButton& button : palette.buttons) {
      EXPECT_TRUE(names.insert(button.name).second) << button.name;
      // The large caption is the part of the name after its first "0".
      EXPECT_EQ(button.caption, button.name.substr(button.name.find('0') + 1));
      EXPECT_TRUE(button.name.starts_with(palette.name));
      EXPECT_GE(button.glyph, 0);
      EXPECT_LT(button.glyph, kPaletteGlyphCount);
    }
  }
  const Palette& common = PaletteById(PaletteId::kCommon);
  ASSERT_EQ(common.buttons.size(), 8u);
  EXPECT_EQ(common.buttons[7].hint, "Refresh View");
  EXPECT_EQ(common.buttons[7].command, Command::kGeneralRefresh);
  EXPECT_EQ(common.buttons[1].command, Command::kProcessStop);
  EXPECT_EQ(PaletteById(PaletteId::kProcess).buttons.size(), 8u);
  EXPECT_EQ(PaletteById(PaletteId::kWindow).buttons.size(), 6u);
}

TEST(Palettes, LayoutsAndTheDefaultArrangement) {
  EXPECT_EQ(LayoutFor(51, false), PaletteLayout::kLarge);  // DockBig
  EXPECT_EQ(LayoutFor(46, false), PaletteLayout::kLarge);
  EXPECT_EQ(LayoutFor(45, false), PaletteLayout::kSmall);
  EXPECT_EQ(LayoutFor(kDockBarHeight, false), PaletteLayout::kSmall);
  EXPECT_EQ(LayoutFor(500, true), PaletteLayout::kSmall);  // floating

  const PaletteButton& refresh = PaletteById(PaletteId::kCommon).buttons[7];
  const ButtonPlace large = PlaceButton(refresh, 7, PaletteLayout::kLarge);
  EXPECT_EQ(large.left, 336);
  EXPECT_EQ(large.size, 48);
  EXPECT_EQ(large.caption, "Refresh");
  const ButtonPlace small = PlaceButton(refresh, 7, PaletteLayout::kSmall);
  EXPECT_EQ(small.left, 224);
  EXPECT_EQ(small.size, 32);
  EXPECT_TRUE(small.caption.empty());
  EXPECT_EQ(PaletteWidth(8, PaletteLayout::kSmall), 256);

  int shown = 0;
  for (const PalettePlacement& p : DefaultArrangement()) {
    // Hidden ones float, to come up where they can be seen when the View menu shows them.
    if (!p.visible) {
      EXPECT_EQ(p.site, DockSite::kFloating);
      continue;
    }
    ++shown;
    EXPECT_EQ(p.id, PaletteId::kCommon);
    EXPECT_EQ(p.site, DockSite::kDockBig);
    EXPECT_EQ(p.left, 0);
    EXPECT_EQ(p.top, 0);
  }
  EXPECT_EQ(shown, 1);
}

}  // namespace
}  // namespace orvane
