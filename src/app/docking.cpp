#include "app/docking.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

namespace orvane {

namespace {

bool IsPaletteName(std::string_view name) {
  return std::ranges::any_of(Palettes(), [name](const Palette& p) { return p.name == name; });
}

int32_t ButtonCount(PaletteId id) {
  return static_cast<int32_t>(PaletteById(id).buttons.size());
}

// How near the cursor is to a bar, less being nearer: -1 inside it, else the square of its
// distance; nullopt beyond kDockInfluence of it on either axis.
std::optional<int64_t> Nearness(const Rect& r, Point p, int dpi) {
  const int64_t right = int64_t{r.left} + r.width - 1;
  const int64_t bottom = int64_t{r.top} + r.height - 1;
  const int64_t dx = std::max({int64_t{0}, int64_t{r.left} - p.x, p.x - right});
  const int64_t dy = std::max({int64_t{0}, int64_t{r.top} - p.y, p.y - bottom});
  const int influence = Scale(kDockInfluence, dpi);
  if (dx > influence || dy > influence) return std::nullopt;
  return dx == 0 && dy == 0 ? -1 : dx * dx + dy * dy;
}

// The start of a span of length inside [low, low + room), at low when it does not fit.
int32_t Within(int64_t start, int32_t length, int32_t low, int32_t room) {
  const int64_t high = int64_t{low} + room - length;
  return static_cast<int32_t>(std::max<int64_t>(low, std::min(start, high)));
}

}  // namespace

int LogoLeft(int barWidth, int logoWidth, int dpi) {
  return barWidth <= Scale(610, dpi) ? Scale(620, dpi) - logoWidth
                                     : barWidth - logoWidth + Scale(10, dpi);
}

PaletteLayout LayoutAt(DockSite site) {
  const bool floating = site == DockSite::kFloating;
  return LayoutFor(site == DockSite::kDockBig ? kDockBigHeight : kDockBarHeight, floating);
}

int32_t PaletteWidthAt(PaletteId id, DockSite site, int dpi) {
  const int32_t grip = site == DockSite::kFloating ? 0 : Scale(kGripWidth, dpi);
  return grip + PaletteWidth(ButtonCount(id), LayoutAt(site), dpi);
}

int32_t PaletteHeightAt(DockSite site, int dpi) {
  return ButtonSize(LayoutAt(site), dpi);
}

bool AcceptsDrop(DropTarget target, std::string_view draggedName) {
  const bool palette = IsPaletteName(draggedName);
  return target == DropTarget::kDockCenter ? !palette : palette;
}

Landing LandingAt(PaletteId id, Point cursor, Point grab, const DropTargets& targets,
                  Point floatingSize, int dpi) {
  const std::string_view name = PaletteById(id).name;
  const std::pair<DropTarget, const Rect*> bars[] = {
      {DropTarget::kDockBig, &targets.dockBig},
      {DropTarget::kDockTop, &targets.dockTop},
      {DropTarget::kDockBottom, &targets.dockBottom},
  };
  std::optional<std::pair<DropTarget, const Rect*>> chosen;
  int64_t nearest = 0;
  for (const auto& bar : bars) {
    const Rect& r = *bar.second;
    if (r.width <= 0 || r.height <= 0 || !AcceptsDrop(bar.first, name)) continue;
    const std::optional<int64_t> near = Nearness(r, cursor, dpi);
    if (near && (!chosen || *near < nearest)) {
      nearest = *near;
      chosen = bar;
    }
  }
  if (!chosen) {
    // The client area refuses palettes, so there too the palette floats.
    const int32_t gx = std::clamp(grab.x, 0, std::max(0, floatingSize.x - 1));
    const int32_t gy = std::clamp(grab.y, 0, std::max(0, floatingSize.y - 1));
    return {DockSite::kFloating, {cursor.x - gx, cursor.y - gy, floatingSize.x, floatingSize.y}};
  }
  const auto site = static_cast<DockSite>(static_cast<int32_t>(chosen->first) + 1);
  const Rect& bar = *chosen->second;
  const int32_t width = PaletteWidthAt(id, site, dpi);
  // DockBottom keeps its bottom edge above the status bar and grows upward to its full height.
  const int64_t top = site == DockSite::kDockBottom
                          ? int64_t{bar.top} + bar.height - Scale(kDockBarHeight, dpi)
                          : int64_t{bar.top};
  return {site,
          {Within(int64_t{cursor.x} - grab.x, width, bar.left, bar.width),
           static_cast<int32_t>(top), width, PaletteHeightAt(site, dpi)}};
}

PaletteArrangement::PaletteArrangement() {
  for (const PalettePlacement& p : DefaultArrangement())
    palettes_[static_cast<std::size_t>(p.id)] = p;
}

const PalettePlacement& PaletteArrangement::Of(PaletteId id) const {
  return palettes_[static_cast<std::size_t>(id)];
}

PalettePlacement& PaletteArrangement::At(PaletteId id) {
  return palettes_[static_cast<std::size_t>(id)];
}

int32_t PaletteArrangement::BarHeight(DockSite site) const {
  switch (site) {
    case DockSite::kDockTop:
      return Scale(topHeight_, dpi_);
    case DockSite::kDockBottom:
      return Scale(bottomHeight_, dpi_);
    default:
      return Scale(kDockBigHeight, dpi_);
  }
}

void PaletteArrangement::Undock(PaletteId id) {
  const DockSite site = Of(id).site;
  if (site != DockSite::kDockTop && site != DockSite::kDockBottom) return;
  const auto held = std::ranges::count(palettes_, site, &PalettePlacement::site);
  if (held < 2) (site == DockSite::kDockTop ? topHeight_ : bottomHeight_) = kDockBarEmptyHeight;
}

void PaletteArrangement::Dock(PaletteId id, DockSite site, int32_t left, int32_t top) {
  if (site == DockSite::kFloating) return Float(id, left, top);
  Undock(id);
  PalettePlacement& p = At(id);
  p.site = site;
  p.left = left;
  p.top = top;
  if (site == DockSite::kDockTop) topHeight_ = kDockBarHeight;
  if (site == DockSite::kDockBottom) bottomHeight_ = kDockBarHeight;
}

void PaletteArrangement::Float(PaletteId id, int32_t left, int32_t top) {
  Undock(id);
  PalettePlacement& p = At(id);
  p.site = DockSite::kFloating;
  p.left = left;
  p.top = top;
}

void PaletteArrangement::SetPosition(PaletteId id, int32_t left, int32_t top) {
  At(id).left = left;
  At(id).top = top;
}

void PaletteArrangement::SetVisible(PaletteId id, bool visible) {
  At(id).visible = visible;
}

void PaletteArrangement::Realign(DockSite site, PaletteId first) {
  if (site == DockSite::kFloating) return;
  std::vector<PalettePlacement*> row;
  for (PalettePlacement& p : palettes_)
    if (p.site == site && p.visible) row.push_back(&p);
  std::ranges::stable_sort(row, [first](const PalettePlacement* a, const PalettePlacement* b) {
    if (a->left != b->left) return a->left < b->left;
    return a->id == first && b->id != first;
  });
  int64_t end = 0;
  for (PalettePlacement* p : row) {
    p->left = static_cast<int32_t>(std::min<int64_t>(std::max<int64_t>(p->left, end), INT32_MAX));
    end = int64_t{p->left} + PaletteWidthAt(p->id, site, dpi_);
  }
}

}  // namespace orvane
