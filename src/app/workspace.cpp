#include "app/workspace.h"

#include <algorithm>
#include <limits>

namespace orvane {

namespace {

class Writer {
 public:
  void Put(int32_t value) {
    const auto bits = static_cast<uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8) bytes_.push_back(static_cast<char>(bits >> shift));
  }
  void Put(bool flag) { Put(int32_t{flag ? 1 : 0}); }
  std::string Take() { return std::move(bytes_); }

 private:
  std::string bytes_;
};

// Reads the fields in order; the caller has checked that all 136 bytes are there.
class Reader {
 public:
  explicit Reader(std::string_view bytes) : bytes_(bytes) {}
  int32_t Int() {
    uint32_t bits = 0;
    for (int i = 0; i < 4; ++i)
      bits |= static_cast<uint32_t>(static_cast<unsigned char>(bytes_[at_++])) << (8 * i);
    return static_cast<int32_t>(bits);
  }
  bool Flag() { return Int() != 0; }

 private:
  std::string_view bytes_;
  std::size_t at_ = 0;
};

DockSite SiteFromFile(int32_t site) {
  return site >= 1 && site <= 3 ? static_cast<DockSite>(site) : DockSite::kFloating;
}

}  // namespace

std::string EncodeWorkspace(const Workspace& workspace) {
  Writer out;
  const Rect& window = workspace.window;
  for (int32_t field : {window.left, window.top, window.width, window.height}) out.Put(field);
  for (const PalettePlacement& palette : workspace.palettes) {
    out.Put(static_cast<int32_t>(palette.site));
    out.Put(palette.left);
    out.Put(palette.top);
    out.Put(palette.visible);
  }
  const WorkspaceSettings& s = workspace.settings;
  out.Put(s.treeWidth);
  out.Put(s.infoHeight);
  for (bool flag : {s.askBeforeTerminate, s.showNavigationTree, s.showObjectInfo, s.addTrayIcon,
                    s.trapCtrlAltDel, s.trapCtrlAltShift, s.trapLeftShiftRightShift})
    out.Put(flag);
  out.Put(int32_t{0});
  return out.Take();
}

std::optional<Workspace> DecodeWorkspace(std::string_view bytes) {
  if (bytes.size() < kWorkspaceFileSize) return std::nullopt;
  Reader in(bytes);
  Workspace workspace;
  Rect& window = workspace.window;
  window.left = in.Int();
  window.top = in.Int();
  window.width = in.Int();
  window.height = in.Int();
  for (std::size_t i = 0; i < workspace.palettes.size(); ++i) {
    PalettePlacement& palette = workspace.palettes[i];
    palette.id = Palettes()[i].id;
    palette.site = SiteFromFile(in.Int());
    palette.left = in.Int();
    palette.top = in.Int();
    palette.visible = in.Flag();
  }
  WorkspaceSettings& s = workspace.settings;
  s.treeWidth = in.Int();
  s.infoHeight = in.Int();
  s.askBeforeTerminate = in.Flag();
  s.showNavigationTree = in.Flag();
  s.showObjectInfo = in.Flag();
  s.addTrayIcon = in.Flag();
  s.trapCtrlAltDel = in.Flag();
  s.trapCtrlAltShift = in.Flag();
  s.trapLeftShiftRightShift = in.Flag();
  return workspace;
}

std::optional<Workspace> ReadWorkspace(Files& files) {
  std::optional<std::string> bytes = files.ReadAll(kWorkspaceFileName);
  if (!bytes) return std::nullopt;
  return DecodeWorkspace(*bytes);
}

void WriteWorkspace(Files& files, const Workspace& workspace) {
  files.WriteAll(kWorkspaceFileName, EncodeWorkspace(workspace));
}

std::vector<RestoreStep> RestoreSteps(const Workspace& workspace) {
  std::vector<RestoreStep> steps;
  auto add = [&steps](RestoreAction action) -> RestoreStep& {
    return steps.emplace_back(RestoreStep{.action = action});
  };
  auto addFor = [&add](RestoreAction action, const PalettePlacement& palette) -> RestoreStep& {
    RestoreStep& step = add(action);
    step.palette = palette.id;
    return step;
  };

  add(RestoreAction::kSetWindowRect).rect = workspace.window;
  add(RestoreAction::kHideDockBars);

  // Placement: a palette reaches DockTop or DockBottom through a floating window, as a drag
  // there would, so each layout step sees the host the palette passes through.
  for (const PalettePlacement& palette : workspace.palettes) {
    if (palette.site == DockSite::kFloating) {
      addFor(RestoreAction::kFloat, palette);
    } else {
      if (palette.site != DockSite::kDockBig) {
        addFor(RestoreAction::kFloat, palette);
        addFor(RestoreAction::kLayOutButtons, palette);
      }
      addFor(RestoreAction::kDock, palette).site = palette.site;
    }
    addFor(RestoreAction::kLayOutButtons, palette);
    if (!palette.visible) addFor(RestoreAction::kHidePalette, palette);
  }

  // Position: only once every palette is in its bar, so that a bar's realignment does not move
  // the palettes placed before.
  for (const PalettePlacement& palette : workspace.palettes) {
    const bool floating = palette.site == DockSite::kFloating;
    addFor(floating ? RestoreAction::kSetFloatingPosition : RestoreAction::kSetDockedPosition,
           palette)
        .rect = Rect{palette.left, palette.top, 0, 0};
    if (!palette.visible) addFor(RestoreAction::kHidePalette, palette);
  }

  add(RestoreAction::kShowDockBars);

  const WorkspaceSettings& s = workspace.settings;
  add(RestoreAction::kSetTreeWidth).value = s.treeWidth;
  add(RestoreAction::kSetInfoHeight).value = s.infoHeight;
  const std::pair<SettingItem, bool> checks[] = {
      {SettingItem::kAskBeforeTerminate, s.askBeforeTerminate},
      {SettingItem::kShowNavigationTree, s.showNavigationTree},
      {SettingItem::kShowObjectInfo, s.showObjectInfo},
      {SettingItem::kCtrlAltDelTrap, s.trapCtrlAltDel},
      {SettingItem::kCtrlAltShiftTrap, s.trapCtrlAltShift},
      {SettingItem::kLeftShiftRightShiftTrap, s.trapLeftShiftRightShift},
  };
  for (const auto& [item, checked] : checks) {
    RestoreStep& step = add(RestoreAction::kSetCheck);
    step.item = item;
    step.checked = checked;
  }
  if (s.trapCtrlAltDel || s.trapCtrlAltShift || s.trapLeftShiftRightShift)
    add(RestoreAction::kApplyTraps);
  return steps;
}

namespace {

// Edges in 64 bits: a width read from the file may carry the right edge past 32 bits.
struct Edges {
  int64_t left, top, right, bottom;
};

Edges EdgesOf(const Rect& r) {
  return {r.left, r.top, int64_t{r.left} + r.width, int64_t{r.top} + r.height};
}

bool Overlaps(const Edges& a, const Edges& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// The gap between two rectangles along one axis; 0 where they overlap on it.
double Gap(int64_t aLow, int64_t aHigh, int64_t bLow, int64_t bHigh) {
  return static_cast<double>(std::max({int64_t{0}, bLow - aHigh, aLow - bHigh}));
}

double Distance(const Edges& a, const Edges& b) {
  const double dx = Gap(a.left, a.right, b.left, b.right);
  const double dy = Gap(a.top, a.bottom, b.top, b.bottom);
  return dx * dx + dy * dy;
}

// The start of a span of this length inside [low, high): as far from where it was as little as
// possible, at low when it does not fit.
int32_t Fit(int32_t start, int32_t length, int64_t low, int64_t high) {
  const int64_t clamped = std::max(low, std::min<int64_t>(start, high - length));
  return static_cast<int32_t>(clamped);
}

}  // namespace

Rect KeepReachable(Rect rect, std::span<const Rect> monitors, int32_t minWidth, int32_t minHeight) {
  rect.width = std::max(rect.width, minWidth);
  rect.height = std::max(rect.height, minHeight);
  if (monitors.empty()) return rect;
  const Edges edges = EdgesOf(rect);
  const Rect* nearest = nullptr;
  double nearestDistance = std::numeric_limits<double>::infinity();
  for (const Rect& monitor : monitors) {
    const Edges screen = EdgesOf(monitor);
    if (Overlaps(edges, screen)) return rect;
    const double distance = Distance(edges, screen);
    if (distance < nearestDistance) {
      nearest = &monitor;
      nearestDistance = distance;
    }
  }
  const Edges screen = EdgesOf(*nearest);
  rect.left = Fit(rect.left, rect.width, screen.left, screen.right);
  rect.top = Fit(rect.top, rect.height, screen.top, screen.bottom);
  return rect;
}

Workspace KeepReachable(Workspace workspace, const ScreenFacts& screen) {
  workspace.window = KeepReachable(workspace.window, screen.monitors, screen.minWindowWidth,
                                   screen.minWindowHeight);
  for (std::size_t i = 0; i < workspace.palettes.size(); ++i) {
    PalettePlacement& palette = workspace.palettes[i];
    if (palette.site != DockSite::kFloating) continue;
    const Rect window{palette.left, palette.top, screen.floatingWidths[i],
                      screen.floatingHeights[i]};
    const Rect kept = KeepReachable(window, screen.monitors, 0, 0);
    palette.left = kept.left;
    palette.top = kept.top;
  }
  return workspace;
}

}  // namespace orvane
