#pragma once
// The main window's five palettes: docked in its three bars or floating in tool windows of
// their own, placed from one arrangement, and dragged between the bars and the screen.

#include <windows.h>

#include <array>
#include <functional>
#include <span>
#include <vector>

#include "app/docking.h"
#include "app/palettes.h"
#include "app/win32/palette_dock.h"
#include "app/win32/palette_window.h"
#include "app/workspace.h"
#include "winui/dock_layout.h"
#include "winui/image_list.h"
#include "winui/panel.h"

namespace orvane::win32 {

// The work areas of the monitors, in the system's order.
std::vector<Rect> MonitorWorkAreas();

class PaletteBars {
 public:
  // The main window's parts that the palettes dock in and are dropped on (not owned).
  struct Bars {
    winui::Panel& big;
    winui::Panel& top;
    winui::Panel& bottom;
    winui::Panel& center;       // a drop target: a palette dropped there floats
    winui::DockLayout& layout;  // the window's: sizes the top and bottom bars
  };

  explicit PaletteBars(Bars bars) : bars_(bars) {}

  // A palette button's command.
  std::function<void(Command)> onCommand;
  // A floating palette's window was closed: the palette is hidden.
  std::function<void(PaletteId)> onClosed;

  // Makes the palettes and their tool windows, owned by owner, and places them.
  void Create(HWND owner);
  // The display's DPI changed (or is first known): glyphs drawn for it, docked positions and
  // sizes scaled along, everything placed again.
  void SetDpi(int dpi);
  PaletteWindow& PaletteOf(PaletteId id) { return palettes_[static_cast<std::size_t>(id)]; }
  FloatingHost& FloatingHostOf(PaletteId id) { return hosts_[static_cast<std::size_t>(id)]; }
  PaletteArrangement& Arrangement() { return arrangement_; }
  const PaletteArrangement& Arrangement() const { return arrangement_; }
  // The palette's place, a floating one's where its window is now: the system menu's Move can
  // take the window elsewhere than a drag left it.
  PalettePlacement PlacementNow(PaletteId id) const;

  // Lays out the palette's buttons for the place the arrangement gives it, docked in its bar or
  // floating in its tool window, and shows or hides it.
  void ToolEndDock(PaletteId id);
  // The bars' heights and every palette's place, from the arrangement.
  void ApplyArrangement();
  // Shows or hides a palette; shown again in a bar, it moves along rather than cover a palette
  // that came there meanwhile.
  void Show(PaletteId id, bool show);
  // Only the Common palette, in the big bar with large buttons; the four others hidden.
  void Reset();
  // The monitors given, the least size of a window and each palette's floating window's.
  ScreenFacts Screen(std::span<const Rect> monitors) const;

 private:
  winui::Panel& BarOf(DockSite site);
  void Drag(PaletteId id, DragPhase phase, POINT cursor);
  Landing LandingFor(PaletteId id, POINT cursor);

  Bars bars_;
  void LoadGlyphs(int dpi);

  winui::ImageList glyphs24_;  // the small layout's glyphs, drawn for the arrangement's DPI
  winui::ImageList glyphs32_;  // the large layout's
  std::array<PaletteWindow, 5> palettes_;  // by PaletteId
  std::array<FloatingHost, 5> hosts_;      // by PaletteId: where each floats
  PaletteArrangement arrangement_;         // where the palettes are, read by all that shows them
  DropIndicator dropIndicator_;
  POINT dragGrab_{};  // the cursor's offset from the dragged palette's top left
};

}  // namespace orvane::win32
