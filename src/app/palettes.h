#pragma once
// The five tool palettes as data: their buttons in order, with caption, hint, glyph and the
// handler each binds to; the two button layouts; and the default arrangement.

#include <cstdint>
#include <span>
#include <string_view>

#include "app/command_table.h"
#include "platform/display_scale.h"

namespace orvane {

// Glyph indexes in the palette strips (IDB_PALETTE_GLYPHS_24, _32 and _48 hold them in this
// order).
enum PaletteGlyph : int32_t {
  kGlyphStop = 0,
  kGlyphInc,
  kGlyphDec,
  kGlyphProcessShow,
  kGlyphProcessHide,
  kGlyphProcessMax,
  kGlyphProcessMin,
  kGlyphProcessNorm,
  kGlyphRun,
  kGlyphRestart,
  kGlyphWindowClose,
  kGlyphWindowShow,
  kGlyphWindowHide,
  kGlyphWindowMax,
  kGlyphWindowMin,
  kGlyphWindowNorm,
  kGlyphSearch,
  kGlyphRefresh,
  kGlyphPrint,
  kGlyphLog,
  kPaletteGlyphCount,
};

struct PaletteButton {
  std::string_view name;     // component name, such as "ToolCommon0Refresh"
  std::string_view caption;  // large layout: the part of name after its first "0"
  std::string_view hint;     // the tooltip
  PaletteGlyph glyph;
  Command command;
};

enum class PaletteId : int32_t { kComputer, kProcess, kWindow, kGeneral, kCommon };

struct Palette {
  PaletteId id;
  std::string_view name;     // component name, such as "ToolCommon"
  std::string_view caption;  // such as "Common"
  std::span<const PaletteButton> buttons;
};

// The id of the palette's View > Palettes toggle.
constexpr int32_t PaletteMenuId(PaletteId id) {
  return kMenuShowPalette + static_cast<int32_t>(id);
}

// The five palettes in the workspace file's order: Computer, Process, Window, General, Common.
std::span<const Palette> Palettes();
const Palette& PaletteById(PaletteId id);

// The palettes' background colour (a Delphi-style colour value: 0x00BBGGRR).
constexpr uint32_t kPaletteColour = 14529189;

// Button layouts. A host less than kLargeLayoutMinHeight high, or a floating palette, gets the
// small layout: glyph only, 32 x 32; otherwise the large one, 48 x 48 with captions. These and
// the sizes below are at 96 DPI; with a dpi the functions give them scaled for that display.
enum class PaletteLayout { kSmall, kLarge };
constexpr int32_t kSmallButtonSize = 32;
constexpr int32_t kLargeButtonSize = 48;
constexpr int32_t kLargeLayoutMinHeight = 46;

// hostHeight in the pixels of a display of dpi.
PaletteLayout LayoutFor(int32_t hostHeight, bool floating, int dpi = kBaseDpi);
int32_t ButtonSize(PaletteLayout layout, int dpi = kBaseDpi);
// The glyph size that fits the layout's button: 24 alone in 32, 32 above a caption in 48.
int32_t GlyphSize(PaletteLayout layout, int dpi = kBaseDpi);

struct ButtonPlace {
  int32_t left;
  int32_t top;
  int32_t size;              // width and height
  std::string_view caption;  // empty in the small layout
};
// Button i (from 0) of the buttons shown, in layout.
ButtonPlace PlaceButton(const PaletteButton& button, int32_t index, PaletteLayout layout,
                        int dpi = kBaseDpi);
// The client size of a palette with count buttons: count x size wide, size high.
int32_t PaletteWidth(int32_t count, PaletteLayout layout, int dpi = kBaseDpi);

// The docking bars.
enum class DockSite : int32_t { kFloating = 0, kDockBig = 1, kDockTop = 2, kDockBottom = 3 };
constexpr int32_t kDockBarEmptyHeight = 4;
constexpr int32_t kDockBarHeight = 34;

// The arrangement of a first start: only Common shown, in DockBig at 0, 0, large; the others
// hidden and floating.
struct PalettePlacement {
  PaletteId id;
  DockSite site;
  int32_t left;
  int32_t top;
  bool visible;
  friend bool operator==(const PalettePlacement&, const PalettePlacement&) = default;
};
std::span<const PalettePlacement> DefaultArrangement();
constexpr int32_t kDefaultTreeWidth = 200;
constexpr int32_t kDefaultInfoHeight = 100;

}  // namespace orvane
