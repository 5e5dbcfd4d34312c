#pragma once
// Where the palettes are: one record per palette (its bar or floating, its position, whether it
// shows) and the heights of the thin bars. The bars' layout, the workspace file and the View
// menu all read this one model. Also the rules of a drag: which places take a palette and where
// a palette released at a point lands.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "app/palettes.h"
#include "app/workspace.h"

namespace orvane {

// DockBig's height: MainBar's, room for one row of large buttons.
constexpr int32_t kDockBigHeight = 51;
// A docked palette is dragged by a strip at its left, before its buttons.
constexpr int32_t kGripWidth = 8;
// How far outside a bar a palette is still taken by it: the thin bars are only 4 high empty.
constexpr int32_t kDockInfluence = 10;

// The left edge of the logo beside DockBig in a main bar of this width (pixels at dpi).
int LogoLeft(int barWidth, int logoWidth, int dpi = kBaseDpi);

// The button layout of a palette in a place: large in DockBig, small in the thin bars (34 high)
// and floating.
PaletteLayout LayoutAt(DockSite site);
// The palette's outer width and height in a place: its buttons, and the grip when docked; in
// the pixels of a display of dpi.
int32_t PaletteWidthAt(PaletteId id, DockSite site, int dpi = kBaseDpi);
int32_t PaletteHeightAt(DockSite site, int dpi = kBaseDpi);

// The places a palette can be dragged over.
enum class DropTarget { kDockBig, kDockTop, kDockBottom, kDockCenter };
// DockTopDockOver and DockCenterDockOver: the three bars take exactly the five palettes (by the
// dragged control's component name); the client area refuses them.
bool AcceptsDrop(DropTarget target, std::string_view draggedName);

struct Point {
  int32_t x = 0;
  int32_t y = 0;
};

// The screen rectangles of the places, as the drag sees them.
struct DropTargets {
  Rect dockBig;
  Rect dockTop;
  Rect dockBottom;
  Rect dockCenter;
};

struct Landing {
  DockSite site = DockSite::kFloating;
  // On the screen: where the palette will show, its bar's row or its floating window.
  Rect rect;
  friend bool operator==(const Landing&, const Landing&) = default;
};

// Where a palette released with the cursor at `cursor` lands, `grab` being the cursor's offset
// from the palette's top left when the drag began. A bar whose rectangle holds the cursor takes
// it, else the nearest bar within kDockInfluence of it; the palette then sits on that bar's row
// at the cursor, kept inside the bar. Anywhere else, the client area included, it floats in a
// window of floatingSize (outer) at the cursor. Everything is in the pixels of a display of dpi.
Landing LandingAt(PaletteId id, Point cursor, Point grab, const DropTargets& targets,
                  Point floatingSize, int dpi = kBaseDpi);

class PaletteArrangement {
 public:
  // The default arrangement; the thin bars empty.
  PaletteArrangement();

  const PalettePlacement& Of(PaletteId id) const;
  std::span<const PalettePlacement, 5> All() const { return palettes_; }
  // DockTop's and DockBottom's height; DockBig's is kDockBigHeight; scaled for Dpi().
  int32_t BarHeight(DockSite site) const;
  // The display the bars are on: positions are its pixels, as the system gives them.
  int Dpi() const { return dpi_; }
  void SetDpi(int dpi) { dpi_ = dpi > 0 ? dpi : kBaseDpi; }

  // Docks the palette into a bar at left and top within it (DockTopDockDrop): DockTop or
  // DockBottom becomes kDockBarHeight high. Leaving another bar undocks it first.
  void Dock(PaletteId id, DockSite site, int32_t left, int32_t top);
  // Floats the palette with its window at left and top on the screen. Leaving DockTop or
  // DockBottom as its last palette, hidden ones counted, makes the bar kDockBarEmptyHeight high
  // again (DockTopUnDock).
  void Float(PaletteId id, int32_t left, int32_t top);
  // Moves the palette within its bar or its floating window on the screen, as given.
  void SetPosition(PaletteId id, int32_t left, int32_t top);
  void SetVisible(PaletteId id, bool visible);
  // Moves the shown palettes of a bar right, in their order from the left, until none covers
  // the one before it; `first` wins a tie for a place.
  void Realign(DockSite site, PaletteId first);

 private:
  PalettePlacement& At(PaletteId id);
  void Undock(PaletteId id);

  std::array<PalettePlacement, 5> palettes_{};  // by PaletteId, the file's order
  int32_t topHeight_ = kDockBarEmptyHeight;     // at 96 DPI
  int32_t bottomHeight_ = kDockBarEmptyHeight;
  int dpi_ = kBaseDpi;
};

}  // namespace orvane
