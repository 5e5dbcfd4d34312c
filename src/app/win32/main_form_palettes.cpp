// The main window's palettes: their places from the arrangement, dragging them between the
// bars and floating, the View menu's palette toggles and Reset Workspace.
#include "app/win32/main_form.h"
#include "res/resource.h"

namespace orvane::win32 {

namespace {

Rect ScreenRectOf(HWND window) {
  if (!IsWindowVisible(window)) return {};
  RECT r;
  GetWindowRect(window, &r);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

}  // namespace

void MainForm::CreatePalettes() {
  glyphs24_ = winui::ImageList::FromResource(IDB_PALETTE_GLYPHS_24, 24);
  glyphs32_ = winui::ImageList::FromResource(IDB_PALETTE_GLYPHS_32, 32);
  dropIndicator_.Create();
  for (const Palette& palette : Palettes()) {
    const auto index = static_cast<std::size_t>(palette.id);
    const PaletteId id = palette.id;
    hosts_[index].Create(*this, std::string(palette.caption));
    hosts_[index].onClose = [this, id] {
      // Only a palette that floats in it: a process-wide close (as taskkill sends to every
      // top-level window) reaches the hidden tool windows of docked palettes too.
      if (arrangement_.Of(id).site != DockSite::kFloating) return;
      SetMenuChecked(PaletteMenuId(id), false);
      arrangement_.SetVisible(id, false);
      ToolEndDock(id);
    };
    hosts_[index].drag.onDrag = [this, id](DragPhase phase, POINT at) {
      PaletteDrag(id, phase, at);
    };
    palettes_[index].Create(BarOf(DockSite::kDockBig), palette, glyphs24_, glyphs32_,
                            [this](Command command) { RunCommand(command); });
    palettes_[index].drag.onDrag = [this, id](DragPhase phase, POINT at) {
      PaletteDrag(id, phase, at);
    };
  }
  ApplyArrangement();
}

winui::Panel& MainForm::BarOf(DockSite site) {
  switch (site) {
    case DockSite::kDockTop:
      return dockTop_;
    case DockSite::kDockBottom:
      return dockBottom_;
    default:
      return dockBig_;
  }
}

void MainForm::ToolEndDock(PaletteId id) {
  const PalettePlacement& place = arrangement_.Of(id);
  PaletteWindow& palette = PaletteOf(id);
  FloatingHost& host = FloatingHostOf(id);
  const PaletteLayout layout = LayoutAt(place.site);
  if (place.site == DockSite::kFloating) {
    if (palette.Parent() != static_cast<HWND>(host)) ::SetParent(palette, host);
    palette.LayOut(layout, false);
    palette.Move(0, 0, PaletteWidthAt(id, place.site), PaletteHeightAt(place.site));
    host.Place(place.left, place.top, PaletteWidthAt(id, place.site), PaletteHeightAt(place.site));
    palette.Show(place.visible);
    ShowWindow(host, place.visible ? SW_SHOWNOACTIVATE : SW_HIDE);
    return;
  }
  host.Hide();
  winui::Panel& bar = BarOf(place.site);
  if (palette.Parent() != static_cast<HWND>(bar)) ::SetParent(palette, bar);
  palette.LayOut(layout, true);
  palette.Move(place.left, place.top, PaletteWidthAt(id, place.site), PaletteHeightAt(place.site));
  palette.Show(place.visible);
}

void MainForm::ApplyArrangement() {
  layout_.SetSize(dockTop_, arrangement_.BarHeight(DockSite::kDockTop));
  layout_.SetSize(dockBottom_, arrangement_.BarHeight(DockSite::kDockBottom));
  layout_.Apply();
  for (const Palette& palette : Palettes()) ToolEndDock(palette.id);
}

Landing MainForm::LandingFor(PaletteId id, POINT cursor) {
  const DropTargets targets{.dockBig = ScreenRectOf(dockBig_),
                            .dockTop = ScreenRectOf(dockTop_),
                            .dockBottom = ScreenRectOf(dockBottom_),
                            .dockCenter = ScreenRectOf(dockCenter_)};
  const SIZE floating = FloatingHost::OuterSize(PaletteWidthAt(id, DockSite::kFloating),
                                                PaletteHeightAt(DockSite::kFloating));
  return LandingAt(id, {cursor.x, cursor.y}, {dragGrab_.x, dragGrab_.y}, targets,
                   {floating.cx, floating.cy});
}

void MainForm::PaletteDrag(PaletteId id, DragPhase phase, POINT cursor) {
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

void MainForm::ShowPaletteClick(PaletteId id) {
  const int item = PaletteMenuId(id);
  const bool show = !MenuChecked(item);
  SetMenuChecked(item, show);
  arrangement_.SetVisible(id, show);
  // Shown again in a bar, it moves along rather than cover a palette that came there meanwhile.
  if (show) arrangement_.Realign(arrangement_.Of(id).site, id);
  ApplyArrangement();
}

void MainForm::MenuResetWorkspaceClick() {
  // Only the Common palette, in the big bar with large buttons; the four others hidden and
  // their View items unchecked so that every check mark matches its palette.
  for (PaletteId id :
       {PaletteId::kGeneral, PaletteId::kProcess, PaletteId::kWindow, PaletteId::kComputer}) {
    arrangement_.SetVisible(id, false);
    SetMenuChecked(PaletteMenuId(id), false);
  }
  // Through a floating window into DockBig, as a drag would: a thin bar it leaves empty
  // becomes thin again.
  const PalettePlacement& common = arrangement_.Of(PaletteId::kCommon);
  arrangement_.Float(PaletteId::kCommon, common.left, common.top);
  arrangement_.Dock(PaletteId::kCommon, DockSite::kDockBig, 0, 0);
  arrangement_.Realign(DockSite::kDockBig, PaletteId::kCommon);
  ApplyArrangement();
  if (!MenuChecked(kMenuShowObjectInfo)) ShowObjectInfo1Click();
  dockCenter_.Layout().SetSize(viewObjectTreeTV_, kDefaultTreeWidth);
  dockCenter_.Layout().Apply();
  rightCenter_.Layout().SetSize(viewObjectInfoRE_, kDefaultInfoHeight);
  rightCenter_.Layout().Apply();
}

}  // namespace orvane::win32
