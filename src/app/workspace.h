#pragma once
// "workspace.dat": the main window's rectangle, the palettes' places, the pane sizes and the
// settings' check marks, 136 bytes of signed 32-bit little-endian integers with no header. The
// codec, the order in which a read workspace is applied, and the rule that keeps a restored
// window reachable when the monitors have changed since it was saved.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/palettes.h"
#include "platform/files.h"
#include "platform/rect.h"  // screen rectangles as the file holds them

namespace orvane {

constexpr std::string_view kWorkspaceFileName = "workspace.dat";
constexpr std::size_t kWorkspaceFileSize = 136;

struct WorkspaceSettings {
  int32_t treeWidth = kDefaultTreeWidth;
  int32_t infoHeight = kDefaultInfoHeight;
  bool askBeforeTerminate = false;
  bool showNavigationTree = true;
  bool showObjectInfo = true;
  bool addTrayIcon = false;
  bool trapCtrlAltDel = false;
  bool trapCtrlAltShift = false;
  bool trapLeftShiftRightShift = false;
  friend bool operator==(const WorkspaceSettings&, const WorkspaceSettings&) = default;
};

struct Workspace {
  Rect window{};
  // In the file's order, that of Palettes(): Computer, Process, Window, General, Common. For a
  // floating palette left and top are its tool window's on the screen, for a docked one the
  // palette's within its bar.
  std::array<PalettePlacement, 5> palettes{};
  WorkspaceSettings settings;
  friend bool operator==(const Workspace&, const Workspace&) = default;
};

// The 136 bytes of the file. The reserved last field is written as 0.
std::string EncodeWorkspace(const Workspace& workspace);
// The workspace in the first 136 bytes; nullopt when there are fewer. A flag other than 0 reads
// as set; a site other than 1, 2 or 3 as floating, as it is written for a palette in no bar.
std::optional<Workspace> DecodeWorkspace(std::string_view bytes);

// nullopt when the file is missing, cannot be read or is short: the default workspace applies.
std::optional<Workspace> ReadWorkspace(Files& files);
// Replaces the file whole; raises orvane::Error("Cannot create file workspace.dat") when it
// cannot, and the old file stays as it was.
void WriteWorkspace(Files& files, const Workspace& workspace);

// Restoring a read workspace is a fixed sequence of window operations: the window rectangle,
// a placement pass that docks or floats each palette, a position pass over the same records,
// then the settings in the file's order.
enum class RestoreAction {
  kSetWindowRect,        // rect
  kHideDockBars,         // the three docking bars
  kFloat,                // palette
  kDock,                 // palette into site
  kLayOutButtons,        // palette
  kHidePalette,          // palette, and uncheck its View item
  kSetDockedPosition,    // palette: rect.left, rect.top within its bar
  kSetFloatingPosition,  // palette's tool window: rect.left, rect.top on the screen
  kShowDockBars,
  kSetTreeWidth,   // value
  kSetInfoHeight,  // value
  kSetCheck,       // item's check mark to checked; a view item also shows or hides its view
  kApplyTraps,     // write "tray.dat" from the trap check marks and start the companion
};

enum class SettingItem {
  kAskBeforeTerminate,
  kShowNavigationTree,
  kShowObjectInfo,
  // Named apart from the trap masks of the tray contract, which GCC would take them to shadow.
  kCtrlAltDelTrap,
  kCtrlAltShiftTrap,
  kLeftShiftRightShiftTrap,
};

struct RestoreStep {
  RestoreAction action;
  PaletteId palette = PaletteId::kComputer;
  DockSite site = DockSite::kFloating;
  Rect rect{};
  int32_t value = 0;
  SettingItem item = SettingItem::kAskBeforeTerminate;
  bool checked = false;
  friend bool operator==(const RestoreStep&, const RestoreStep&) = default;
};

// The steps that apply the workspace, in order. "Add traybar icon" has none: that check mark
// follows the companion's running state.
std::vector<RestoreStep> RestoreSteps(const Workspace& workspace);

// Keeps a restored window reachable: a rectangle narrower or lower than the minimum tracking
// size is raised to it; one that then shows on no monitor is moved wholly onto the nearest
// monitor (to its top left corner where it is larger). A rectangle that shows on some monitor,
// even in part or at negative coordinates, keeps its place. Without monitors only the size is
// raised.
Rect KeepReachable(Rect rect, std::span<const Rect> monitors, int32_t minWidth, int32_t minHeight);

// The sizes the window knows and the file does not, for the rule above.
struct ScreenFacts {
  std::span<const Rect> monitors;
  int32_t minWindowWidth = 0;
  int32_t minWindowHeight = 0;
  // The outer size of each palette's floating tool window, in the file's order.
  std::array<int32_t, 5> floatingWidths{};
  std::array<int32_t, 5> floatingHeights{};
};
// The workspace with the main window and every floating palette kept reachable.
Workspace KeepReachable(Workspace workspace, const ScreenFacts& screen);

}  // namespace orvane
