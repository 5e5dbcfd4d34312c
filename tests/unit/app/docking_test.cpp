#include "app/docking.h"

#include <gtest/gtest.h>

#include <limits>

namespace orvane {
namespace {

using P = PaletteId;
using S = DockSite;

TEST(Docking, TheLogoKeepsItsPlaceInANarrowMainBarAndFollowsTheRightEdgeOfAWideOne) {
  EXPECT_EQ(LogoLeft(600, 233), 620 - 233);
  EXPECT_EQ(LogoLeft(610, 233), 620 - 233);
  EXPECT_EQ(LogoLeft(911, 233), 911 - 233 + 10);
}

TEST(Docking, TheBarsTakeExactlyThePalettesAndTheClientAreaRefusesThem) {
  for (DropTarget bar : {DropTarget::kDockBig, DropTarget::kDockTop, DropTarget::kDockBottom}) {
    for (const Palette& palette : Palettes()) EXPECT_TRUE(AcceptsDrop(bar, palette.name));
    for (std::string_view other : {"ViewObjectTreeTV", "Tool", "toolcommon", "ToolCommon0Run", ""})
      EXPECT_FALSE(AcceptsDrop(bar, other)) << other;
  }
  for (const Palette& palette : Palettes())
    EXPECT_FALSE(AcceptsDrop(DropTarget::kDockCenter, palette.name));
  EXPECT_TRUE(AcceptsDrop(DropTarget::kDockCenter, "ViewObjectListLV"));
}

TEST(Docking, APaletteLandsOnTheBarUnderOrNearTheCursorElseItFloats) {
  // A main window whose client starts at 300, 100: DockBig, the empty thin bars, the client.
  const DropTargets targets{.dockBig = {300, 100, 409, 51},
                            .dockTop = {300, 151, 900, 4},
                            .dockBottom = {300, 655, 900, 4},
                            .dockCenter = {300, 155, 900, 500}};
  const Point floating{262, 54};
  // Common: 8 buttons, 264 wide with its grip in a thin bar, 392 in DockBig.
  struct Case {
    const char* what;
    Point cursor;
    Point grab;
    Landing landing;
  };
  const Case cases[] = {
      {"in DockBig, kept inside it", {350, 120}, {4, 10}, {S::kDockBig, {317, 100, 392, 48}}},
      {"on DockTop", {500, 152}, {4, 10}, {S::kDockTop, {496, 151, 264, 32}}},
      {"9 below DockTop", {500, 163}, {4, 10}, {S::kDockTop, {496, 151, 264, 32}}},
      {"11 below DockTop, over the client",
       {500, 165},
       {4, 10},
       {S::kFloating, {496, 155, 262, 54}}},
      {"in DockBig beside DockTop", {350, 149}, {4, 10}, {S::kDockBig, {317, 100, 392, 48}}},
      {"in DockTop beside DockBig", {350, 153}, {4, 10}, {S::kDockTop, {346, 151, 264, 32}}},
      {"at DockTop's right end", {1190, 152}, {4, 10}, {S::kDockTop, {936, 151, 264, 32}}},
      {"left of DockTop", {295, 152}, {4, 10}, {S::kDockTop, {300, 151, 264, 32}}},
      {"above DockBottom, which grows upward",
       {400, 650},
       {4, 10},
       {S::kDockBottom, {396, 625, 264, 32}}},
      {"over the client", {600, 400}, {4, 10}, {S::kFloating, {596, 390, 262, 54}}},
      {"off the window, grabbed far right",
       {2000, 900},
       {300, 70},
       {S::kFloating, {1739, 847, 262, 54}}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(LandingAt(P::kCommon, c.cursor, c.grab, targets, floating), c.landing) << c.what;

  // Hidden bars (no size) take nothing; a bar wider than it leaves the palette at its left.
  DropTargets hidden = targets;
  hidden.dockTop = {300, 151, 0, 0};
  EXPECT_EQ(LandingAt(P::kCommon, {500, 152}, {4, 10}, hidden, floating).site, S::kDockBig);
  EXPECT_EQ(LandingAt(P::kCommon, {500, 162}, {4, 10}, hidden, floating).site, S::kFloating);
  DropTargets narrow = targets;
  narrow.dockTop = {300, 151, 100, 4};
  EXPECT_EQ(LandingAt(P::kCommon, {350, 152}, {4, 10}, narrow, floating).rect.left, 300);
}

TEST(Docking, OnAScaledDisplayTheRulesCompareScaledSizesAndKeepThePositionsGiven) {
  // 150%: the window's client at 300, 100 as the system gives it, the bars 1.5 times as high.
  constexpr int kDpi = 144;
  const DropTargets targets{.dockBig = {300, 100, 614, 77},
                            .dockTop = {300, 177, 1350, 6},
                            .dockBottom = {300, 983, 1350, 6},
                            .dockCenter = {300, 183, 1350, 750}};
  const Point floating{393, 81};
  // Common in a thin bar: a 12-pixel grip and 8 buttons of 48; in DockBig 8 of 72.
  EXPECT_EQ(PaletteWidthAt(P::kCommon, S::kDockTop, kDpi), 12 + 8 * 48);
  EXPECT_EQ(PaletteHeightAt(S::kDockBig, kDpi), 72);
  EXPECT_EQ(PaletteWidthAt(P::kCommon, S::kFloating, 192), 8 * 64);
  struct Case {
    const char* what;
    Point cursor;
    Landing landing;
  };
  const Case cases[] = {
      {"in DockBig, kept inside it", {350, 120}, {S::kDockBig, {326, 100, 588, 72}}},
      {"14 below DockTop: within its 15", {500, 196}, {S::kDockTop, {496, 177, 396, 48}}},
      {"16 below DockTop: floats", {500, 198}, {S::kFloating, {496, 188, 393, 81}}},
      {"above DockBottom, grown upward by 51", {400, 980}, {S::kDockBottom, {396, 938, 396, 48}}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(LandingAt(P::kCommon, c.cursor, {4, 10}, targets, floating, kDpi), c.landing)
        << c.what;

  // The bars' heights and the realigned row scale; the recorded positions stay as given.
  PaletteArrangement a;
  a.SetDpi(kDpi);
  EXPECT_EQ(a.BarHeight(S::kDockBig), 77);
  EXPECT_EQ(a.BarHeight(S::kDockTop), 6);
  a.Dock(P::kGeneral, S::kDockTop, 100, 0);
  a.Dock(P::kCommon, S::kDockTop, 20, 0);
  a.SetVisible(P::kGeneral, true);
  a.SetVisible(P::kCommon, true);
  EXPECT_EQ(a.BarHeight(S::kDockTop), 51);
  a.Realign(S::kDockTop, P::kCommon);
  EXPECT_EQ(a.Of(P::kCommon).left, 20);
  EXPECT_EQ(a.Of(P::kGeneral).left, 20 + 12 + 8 * 48);
  a.SetDpi(0);  // a failed query: 96
  EXPECT_EQ(a.BarHeight(S::kDockTop), 34);
  EXPECT_EQ(LogoLeft(900, 350, kDpi), 930 - 350);
  EXPECT_EQ(LogoLeft(1367, 350, kDpi), 1367 - 350 + 15);
  EXPECT_EQ(LayoutFor(69, false, kDpi), PaletteLayout::kLarge);
  EXPECT_EQ(LayoutFor(68, false, kDpi), PaletteLayout::kSmall) << "less than 46 at 150%";
}

TEST(Docking, TheThinBarsGrowOnADropAndShrinkWhenTheirLastPaletteLeaves) {
  PaletteArrangement a;
  EXPECT_EQ(a.Of(P::kCommon), (PalettePlacement{P::kCommon, S::kDockBig, 0, 0, true}));
  struct Step {
    const char* what;
    void (*act)(PaletteArrangement&);
    int32_t top;
    int32_t bottom;
  };
  const Step steps[] = {
      {"at start", [](PaletteArrangement&) {}, 4, 4},
      {"Process dropped on DockTop",
       [](PaletteArrangement& x) { x.Dock(P::kProcess, S::kDockTop, 0, 0); }, 34, 4},
      {"Window dropped beside it",
       [](PaletteArrangement& x) { x.Dock(P::kWindow, S::kDockTop, 300, 0); }, 34, 4},
      {"Process floats, Window stays",
       [](PaletteArrangement& x) { x.Float(P::kProcess, -50, -60); }, 34, 4},
      {"Window hidden: still there", [](PaletteArrangement& x) { x.SetVisible(P::kWindow, false); },
       34, 4},
      {"Window moves to DockBottom",
       [](PaletteArrangement& x) { x.Dock(P::kWindow, S::kDockBottom, 0, 0); }, 4, 34},
      {"and within it", [](PaletteArrangement& x) { x.Dock(P::kWindow, S::kDockBottom, 90, 0); }, 4,
       34},
      {"General joins it", [](PaletteArrangement& x) { x.Dock(P::kGeneral, S::kDockBottom, 0, 0); },
       4, 34},
      {"Window leaves, General (hidden) stays",
       [](PaletteArrangement& x) { x.Float(P::kWindow, 0, 0); }, 4, 34},
      {"General goes to DockBig",
       [](PaletteArrangement& x) { x.Dock(P::kGeneral, S::kDockBig, 0, 0); }, 4, 4},
      {"Common floats from DockBig", [](PaletteArrangement& x) { x.Float(P::kCommon, 5, 5); }, 4,
       4},
      {"a position set within a bar",
       [](PaletteArrangement& x) { x.SetPosition(P::kGeneral, 7, 2); }, 4, 4},
  };
  for (const Step& step : steps) {
    step.act(a);
    EXPECT_EQ(a.BarHeight(S::kDockTop), step.top) << step.what;
    EXPECT_EQ(a.BarHeight(S::kDockBottom), step.bottom) << step.what;
    EXPECT_EQ(a.BarHeight(S::kDockBig), kDockBigHeight) << step.what;
  }
  EXPECT_EQ(a.Of(P::kProcess), (PalettePlacement{P::kProcess, S::kFloating, -50, -60, false}));
  EXPECT_EQ(a.Of(P::kWindow), (PalettePlacement{P::kWindow, S::kFloating, 0, 0, false}));
  EXPECT_EQ(a.Of(P::kGeneral), (PalettePlacement{P::kGeneral, S::kDockBig, 7, 2, false}));
  EXPECT_EQ(a.Of(P::kCommon), (PalettePlacement{P::kCommon, S::kFloating, 5, 5, true}));
}

TEST(Docking, RealigningABarLinesItsShownPalettesUpWithoutOverlap) {
  PaletteArrangement a;  // Common shown in DockBig at 0
  a.Dock(P::kComputer, S::kDockBig, 100, 0);
  a.SetVisible(P::kComputer, true);
  a.Dock(P::kGeneral, S::kDockBig, 0, 0);  // hidden: not moved, not in the way
  a.Realign(S::kDockBig, P::kComputer);
  EXPECT_EQ(a.Of(P::kCommon).left, 0);
  EXPECT_EQ(a.Of(P::kComputer).left, PaletteWidthAt(P::kCommon, S::kDockBig));
  EXPECT_EQ(a.Of(P::kGeneral).left, 0);

  // The dropped palette wins a tie; one left of the bar comes back into it.
  a.Dock(P::kComputer, S::kDockBig, 0, 0);
  a.Realign(S::kDockBig, P::kComputer);
  EXPECT_EQ(a.Of(P::kComputer).left, 0);
  EXPECT_EQ(a.Of(P::kCommon).left, PaletteWidthAt(P::kComputer, S::kDockBig));
  a.Dock(P::kWindow, S::kDockTop, -40, 0);
  a.SetVisible(P::kWindow, true);
  a.Dock(P::kProcess, S::kDockTop, std::numeric_limits<int32_t>::max(), 0);
  a.SetVisible(P::kProcess, true);
  a.Realign(S::kDockTop, P::kWindow);
  EXPECT_EQ(a.Of(P::kWindow).left, 0);
  EXPECT_EQ(a.Of(P::kProcess).left, std::numeric_limits<int32_t>::max());

  EXPECT_EQ(PaletteWidthAt(P::kProcess, S::kFloating), 256);
  EXPECT_EQ(PaletteWidthAt(P::kProcess, S::kDockTop), kGripWidth + 256);
  EXPECT_EQ(PaletteHeightAt(S::kDockBottom), 32);
  EXPECT_EQ(PaletteHeightAt(S::kDockBig), 48);
}

}  // namespace
}  // namespace orvane
