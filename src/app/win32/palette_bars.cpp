#include "app/win32/palette_bars.h"

#include <vector>

#include "res/resource.h"
#include "winui/dpi.h"

namespace orvane::win32 {

namespace {

Rect ScreenRectOf(HWND window) {
  if (!IsWindowVisible(window)) return {};
  RECT r;
  GetWindowRect(window, &r);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

BOOL CALLBACK AddWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (GetMonitorInfoA(monitor, &info)) {
    const RECT& r = info.rcWork;
    reinterpret_cast<std::vector<Rect>*>(data)->push_back(
        {r.left, r.top, r.right - r.left, r.bottom - r.top});
  }
  return TRUE;
}

}  // namespace

void PaletteBars::LoadGlyphs(int dpi) {
  static constexpr winui::ImageSource kGlyphs[] = {{24, IDB_PALETTE_GLYPHS_24},
                                                   {32, IDB_PALETTE_GLYPHS_32},
                                                   {36, IDB_PALETTE_GLYPHS_36},
                                                   {48, IDB_PALETTE_GLYPHS_48},
                                                   {64, IDB_PALETTE_GLYPHS_64}};
  glyphs24_ = winui::ImageList::FromSources(kGlyphs, GlyphSize(PaletteLayout::kSmall, dpi));
  glyphs32_ = winui::ImageList::FromSources(kGlyphs, GlyphSize(PaletteLayout::kLarge, dpi));
}

void PaletteBars::SetDpi(int dpi) {
  const int old = arrangement_.Dpi();
  arrangement_.SetDpi(dpi);
  dpi = arrangement_.Dpi();
  LoadGlyphs(dpi);
  for (const Palette& palette : Palettes()) {
    const PalettePlacement& place = arrangement_.Of(palette.id);
    // Within a bar a palette keeps its place in proportion; a floating one stays where it is.
    if (place.site != DockSite::kFloating && old != dpi)
      arrangement_.SetPosition(palette.id, MulDiv(place.left, dpi, old),
                               MulDiv(place.top, dpi, old));
    PaletteOf(palette.id).SetScale(dpi, glyphs24_, glyphs32_);
  }
  if (bars_.big.Handle()) ApplyArrangement();
}

void PaletteBars::Create(HWND owner) {
  arrangement_.SetDpi(winui::DpiOf(owner));
  LoadGlyphs(arrangement_.Dpi());
  dropIndicator_.Create();
  for (const Palette& palette : Palettes()) {
    const auto index = static_cast<std::size_t>(palette.id);
    const PaletteId id = palette.id;
    hosts_[index].Create(owner, std::string(palette.caption));
    hosts_[index].onClose = [this, id] {
      // Only a palette that floats in it: a process-wide close (as taskkill sends to every
      // top-level window) reaches the hidden tool windows of docked palettes too.
      if (arrangement_.Of(id).site != DockSite::kFloating) return;
      arrangement_.SetVisible(id, false);
      ToolEndDock(id);
      if (onClosed) onClosed(id);
    };
    hosts_[index].drag.onDrag = [this, id](DragPhase phase, POINT at) { Drag(id, phase, at); };
    palettes_[index].Create(BarOf(DockSite::kDockBig), palette, glyphs24_, glyphs32_,
                            [this](Command command) {
                              if (onCommand) onCommand(command);
                            });
    palettes_[index].SetScale(arrangement_.Dpi(), glyphs24_, glyphs32_);
    palettes_[index].drag.onDrag = [this, id](DragPhase phase, POINT at) { Drag(id, phase, at); };
  }
  ApplyArrangement();
}

winui::Panel& PaletteBars::BarOf(DockSite site) {
  switch (site) {
    case DockSite::kDockTop:
      return bars_.top;
    case DockSite::kDockBottom:
      return bars_.bottom;
    default:
      return bars_.big;
  }
}

void PaletteBars::ToolEndDock(PaletteId id) {
  const PalettePlacement& place = arrangement_.Of(id);
  PaletteWindow& palette = PaletteOf(id);
  FloatingHost& host = FloatingHostOf(id);
  const PaletteLayout layout = LayoutAt(place.site);
  const int dpi = arrangement_.Dpi();
  if (place.site == DockSite::kFloating) {
    if (palette.Parent() != static_cast<HWND>(host)) ::SetParent(palette, host);
    palette.LayOut(layout, false);
    palette.Move(0, 0, PaletteWidthAt(id, place.site, dpi), PaletteHeightAt(place.site, dpi));
    host.Place(place.left, place.top, PaletteWidthAt(id, place.site, dpi),
               PaletteHeightAt(place.site, dpi));
    palette.Show(place.visible);
    ShowWindow(host, place.visible ? SW_SHOWNOACTIVATE : SW_HIDE);
    return;
  }
  host.Hide();
  winui::Panel& bar = BarOf(place.site);
  if (palette.Parent() != static_cast<HWND>(bar)) ::SetParent(palette, bar);
  palette.LayOut(layout, true);
  palette.Move(place.left, place.top, PaletteWidthAt(id, place.site, dpi),
               PaletteHeightAt(place.site, dpi));
  palette.Show(place.visible);
}

void PaletteBars::ApplyArrangement() {
  bars_.layout.SetSize(bars_.top, arrangement_.BarHeight(DockSite::kDockTop));
  bars_.layout.SetSize(bars_.bottom, arrangement_.BarHeight(DockSite::kDockBottom));
  bars_.layout.Apply();
  for (const Palette& palette : Palettes()) ToolEndDock(palette.id);
}

Landing PaletteBars::LandingFor(PaletteId id, POINT cursor) {
  const DropTargets targets{.dockBig = ScreenRectOf(bars_.big),
                            .dockTop = ScreenRectOf(bars_.top),
                            .dockBottom = ScreenRectOf(bars_.bottom),
                            .dockCenter = ScreenRectOf(bars_.center)};
  const int dpi = arrangement_.Dpi();
  const SIZE floating = FloatingHost::OuterSize(PaletteWidthAt(id, DockSite::kFloating, dpi),
                                                PaletteHeightAt(DockSite::kFloating, dpi));
  return LandingAt(id, {cursor.x, cursor.y}, {dragGrab_.x, dragGrab_.y}, targets,
                   {floating.cx, floating.cy}, dpi);
}

void PaletteBars::Drag(PaletteId id, DragPhase phase, POINT cursor) {
  switch (phase) {
    case DragPhase::kBegin: {
      const bool floating = arrangement_.Of(id).site == DockSite::kFloating;
      const RECT from = floating ? FloatingHostOf(id).WindowRect() : PaletteOf(id).WindowRect();
      dragGrab_ = {cursor.x - from.left, cursor.y - from.top};
      return;
    }
    case DragPhase::kMove: {
      const Rect r = LandingFor(id, cursor).rect;
      dropIndicator_.ShowAt({r.left, r.top, r.left + r.width, r.top + r.height});
      return;
    }
    case DragPhase::kDrop: {
      dropIndicator_.Hide();
      const Landing landing = LandingFor(id, cursor);
      if (landing.site == DockSite::kFloating) {
        arrangement_.Float(id, landing.rect.left, landing.rect.top);
      } else {
        const RECT bar = BarOf(landing.site).WindowRect();
        arrangement_.Dock(id, landing.site, landing.rect.left - bar.left, 0);
        arrangement_.Realign(landing.site, id);
      }
      ApplyArrangement();
      return;
    }
    case DragPhase::kCancel:
      dropIndicator_.Hide();
      return;
  }
}

void PaletteBars::Show(PaletteId id, bool show) {
  arrangement_.SetVisible(id, show);
  if (show) arrangement_.Realign(arrangement_.Of(id).site, id);
  ApplyArrangement();
}

void PaletteBars::Reset() {
  for (PaletteId id :
       {PaletteId::kGeneral, PaletteId::kProcess, PaletteId::kWindow, PaletteId::kComputer}) {
    arrangement_.SetVisible(id, false);
  }
  // Through a floating window into DockBig, as a drag would: a thin bar it leaves empty
  // becomes thin again.
  const PalettePlacement& common = arrangement_.Of(PaletteId::kCommon);
  arrangement_.Float(PaletteId::kCommon, common.left, common.top);
  arrangement_.Dock(PaletteId::kCommon, DockSite::kDockBig, 0, 0);
  arrangement_.Realign(DockSite::kDockBig, PaletteId::kCommon);
  ApplyArrangement();
}

PalettePlacement PaletteBars::PlacementNow(PaletteId id) const {
  PalettePlacement place = arrangement_.Of(id);
  if (place.site == DockSite::kFloating) {
    const RECT host = hosts_[static_cast<std::size_t>(id)].WindowRect();
    place.left = host.left;
    place.top = host.top;
  }
  return place;
}

std::vector<Rect> MonitorWorkAreas() {
  std::vector<Rect> monitors;
  EnumDisplayMonitors(nullptr, nullptr, AddWorkArea, reinterpret_cast<LPARAM>(&monitors));
  return monitors;
}

ScreenFacts PaletteBars::Screen(std::span<const Rect> monitors) const {
  ScreenFacts screen{.monitors = monitors,
                     .minWindowWidth = GetSystemMetrics(SM_CXMINTRACK),
                     .minWindowHeight = GetSystemMetrics(SM_CYMINTRACK)};
  for (const Palette& palette : Palettes()) {
    const SIZE outer =
        FloatingHost::OuterSize(PaletteWidthAt(palette.id, DockSite::kFloating, arrangement_.Dpi()),
                                PaletteHeightAt(DockSite::kFloating, arrangement_.Dpi()));
    screen.floatingWidths[static_cast<std::size_t>(palette.id)] = outer.cx;
    screen.floatingHeights[static_cast<std::size_t>(palette.id)] = outer.cy;
  }
  return screen;
}

}  // namespace orvane::win32
