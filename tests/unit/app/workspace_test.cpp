#include "app/workspace.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <random>

#include "doubles/fake_files.h"
#include "platform/error.h"

namespace orvane {
namespace {

using testing::FakeFiles;

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

int32_t IntAt(const std::string& bytes, std::size_t offset) {
  const auto* b = reinterpret_cast<const unsigned char*>(bytes.data() + offset);
  return static_cast<int32_t>(uint32_t{b[0]} | uint32_t{b[1]} << 8 | uint32_t{b[2]} << 16 |
                              uint32_t{b[3]} << 24);
}

void PutAt(std::string& bytes, std::size_t offset, int32_t value) {
  const auto bits = static_cast<uint32_t>(value);
  for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<char>(bits >> (8 * i));
}

// Every field different, negative and extreme values included.
Workspace Sample() {
  Workspace w;
  w.window = {-8, kMin, 1024, kMax};
  w.palettes = {{
      {PaletteId::kComputer, DockSite::kFloating, -300, -20, true},
      {PaletteId::kProcess, DockSite::kDockBig, 5, 6, false},
      {PaletteId::kWindow, DockSite::kDockTop, 7, 8, true},
      {PaletteId::kGeneral, DockSite::kDockBottom, 9, 10, false},
      {PaletteId::kCommon, DockSite::kDockBig, 11, 12, true},
  }};
  w.settings = {201, 99, true, false, true, false, true, false, true};
  return w;
}

TEST(WorkspaceFile, EveryFieldAtItsOffsetAndBack) {
  const Workspace w = Sample();
  const std::string bytes = EncodeWorkspace(w);
  ASSERT_EQ(bytes.size(), kWorkspaceFileSize);
  const std::pair<std::size_t, int32_t> fields[] = {
      {0, -8},   {4, kMin},  {8, 1024}, {12, kMax},  // window
      {16, 0},   {20, -300}, {24, -20}, {28, 1},     // Computer, floating
      {32, 1},   {36, 5},    {40, 6},   {44, 0},     // Process, DockBig
      {48, 2},   {52, 7},    {56, 8},   {60, 1},     // Window, DockTop
      {64, 3},   {68, 9},    {72, 10},  {76, 0},     // General, DockBottom
      {80, 1},   {84, 11},   {88, 12},  {92, 1},     // Common, DockBig
      {96, 201}, {100, 99},                          // tree width, info height
      {104, 1},  {108, 0},   {112, 1},  {116, 0},    // ask, tree, info, tray icon
      {120, 1},  {124, 0},   {128, 1},  {132, 0},    // the three traps, reserved
  };
  for (const auto& [offset, value] : fields) EXPECT_EQ(IntAt(bytes, offset), value) << offset;
  EXPECT_EQ(DecodeWorkspace(bytes), w);
}

TEST(WorkspaceFile, ReadsWhatAnyWriterLeft) {
  std::string bytes = EncodeWorkspace(Sample());
  // Flags other than 0 and 1 are checked; a site outside 0 to 3 floats; the reserved field and
  // anything past 136 bytes are ignored.
  PutAt(bytes, 28, 2);
  PutAt(bytes, 44, -1);
  PutAt(bytes, 32, 4);
  PutAt(bytes, 48, -1);
  for (std::size_t offset : {104, 108, 112, 116, 120, 124, 128}) PutAt(bytes, offset, 0x100);
  PutAt(bytes, 132, 77);
  bytes += "trailing bytes";
  const std::optional<Workspace> w = DecodeWorkspace(bytes);
  ASSERT_TRUE(w);
  EXPECT_TRUE(w->palettes[0].visible);
  EXPECT_TRUE(w->palettes[1].visible);
  EXPECT_EQ(w->palettes[1].site, DockSite::kFloating);
  EXPECT_EQ(w->palettes[2].site, DockSite::kFloating);
  EXPECT_EQ(w->settings, (WorkspaceSettings{201, 99, true, true, true, true, true, true, true}));
  EXPECT_EQ(EncodeWorkspace(*w), EncodeWorkspace(*DecodeWorkspace(EncodeWorkspace(*w))));

  // Shorter than a whole file: nothing of it is used.
  for (std::size_t size : {0, 1, 16, 96, 135}) EXPECT_FALSE(DecodeWorkspace(bytes.substr(0, size)));

  // Random bytes always read as some workspace, and that one survives a round trip.
  std::mt19937 random(11);
  for (int round = 0; round < 200; ++round) {
    std::string noise(kWorkspaceFileSize + round % 3, '\0');
    for (char& c : noise) c = static_cast<char>(random());
    const std::optional<Workspace> read = DecodeWorkspace(noise);
    ASSERT_TRUE(read);
    EXPECT_EQ(DecodeWorkspace(EncodeWorkspace(*read)), read);
    for (std::size_t i = 0; i < read->palettes.size(); ++i)
      EXPECT_EQ(read->palettes[i].id, Palettes()[i].id);
  }
}

TEST(WorkspaceFile, ReadAndWrittenThroughTheFiles) {
  FakeFiles files;
  EXPECT_FALSE(ReadWorkspace(files));  // missing
  files.files["workspace.dat"] = "";
  EXPECT_FALSE(ReadWorkspace(files));  // empty
  files.files["workspace.dat"] = std::string(135, '\1');
  EXPECT_FALSE(ReadWorkspace(files));  // short

  WriteWorkspace(files, Sample());
  EXPECT_EQ(files.files["workspace.dat"].size(), kWorkspaceFileSize);
  EXPECT_EQ(ReadWorkspace(files), Sample());

  // A refused write leaves the old file whole.
  const std::string old = files.files["workspace.dat"];
  files.refused.insert("workspace.dat");
  Workspace changed = Sample();
  changed.window.left = 1;
  try {
    WriteWorkspace(files, changed);
    ADD_FAILURE() << "no error";
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), "Cannot create file workspace.dat");
  }
  EXPECT_EQ(files.files["workspace.dat"], old);
}

RestoreStep Step(RestoreAction action, PaletteId palette = PaletteId::kComputer) {
  return {.action = action, .palette = palette};
}
RestoreStep Dock(PaletteId palette, DockSite site) {
  return {.action = RestoreAction::kDock, .palette = palette, .site = site};
}
RestoreStep Position(RestoreAction action, PaletteId palette, int32_t left, int32_t top) {
  return {.action = action, .palette = palette, .rect = {left, top, 0, 0}};
}
RestoreStep Value(RestoreAction action, int32_t value) {
  return {.action = action, .value = value};
}
RestoreStep Check(SettingItem item, bool checked) {
  return {.action = RestoreAction::kSetCheck, .item = item, .checked = checked};
}

TEST(WorkspaceFile, RestoredInTwoPassesThenTheSettingsInOrder) {
  using A = RestoreAction;
  using P = PaletteId;
  const std::vector<RestoreStep> expected = {
      {.action = A::kSetWindowRect, .rect = {-8, kMin, 1024, kMax}},
      Step(A::kHideDockBars),
      // Placement pass.
      Step(A::kFloat, P::kComputer),
      Step(A::kLayOutButtons, P::kComputer),
      Dock(P::kProcess, DockSite::kDockBig),
      Step(A::kLayOutButtons, P::kProcess),
      Step(A::kHidePalette, P::kProcess),
      Step(A::kFloat, P::kWindow),
      Step(A::kLayOutButtons, P::kWindow),
      Dock(P::kWindow, DockSite::kDockTop),
      Step(A::kLayOutButtons, P::kWindow),
      Step(A::kFloat, P::kGeneral),
      Step(A::kLayOutButtons, P::kGeneral),
      Dock(P::kGeneral, DockSite::kDockBottom),
      Step(A::kLayOutButtons, P::kGeneral),
      Step(A::kHidePalette, P::kGeneral),
      Dock(P::kCommon, DockSite::kDockBig),
      Step(A::kLayOutButtons, P::kCommon),
      // Position pass.
      Position(A::kSetFloatingPosition, P::kComputer, -300, -20),
      Position(A::kSetDockedPosition, P::kProcess, 5, 6),
      Step(A::kHidePalette, P::kProcess),
      Position(A::kSetDockedPosition, P::kWindow, 7, 8),
      Position(A::kSetDockedPosition, P::kGeneral, 9, 10),
      Step(A::kHidePalette, P::kGeneral),
      Position(A::kSetDockedPosition, P::kCommon, 11, 12),
      Step(A::kShowDockBars),
      // Settings.
      Value(A::kSetTreeWidth, 201),
      Value(A::kSetInfoHeight, 99),
      Check(SettingItem::kAskBeforeTerminate, true),
      Check(SettingItem::kShowNavigationTree, false),
      Check(SettingItem::kShowObjectInfo, true),
      Check(SettingItem::kCtrlAltDelTrap, true),
      Check(SettingItem::kCtrlAltShiftTrap, false),
      Check(SettingItem::kLeftShiftRightShiftTrap, true),
      Step(A::kApplyTraps),
  };
  EXPECT_EQ(RestoreSteps(Sample()), expected);

  // The traps are applied only when one of them is set.
  Workspace w = Sample();
  for (bool* trap : {&w.settings.trapCtrlAltDel, &w.settings.trapCtrlAltShift,
                     &w.settings.trapLeftShiftRightShift})
    *trap = false;
  EXPECT_EQ(RestoreSteps(w).back(), Check(SettingItem::kLeftShiftRightShiftTrap, false));
  w.settings.trapCtrlAltShift = true;
  EXPECT_EQ(RestoreSteps(w).back(), Step(A::kApplyTraps));
}

TEST(WorkspaceScreen, OffScreenRectanglesMoveOntoTheNearestMonitor) {
  // A primary monitor, one to its right that is lower, and one to its left at negative x.
  const Rect monitors[] = {{0, 0, 1920, 1080}, {1920, 0, 1280, 1024}, {-1280, 0, 1280, 1024}};
  struct Case {
    const char* what;
    Rect in;
    Rect out;
  };
  const Case cases[] = {
      {"inside", {100, 100, 800, 600}, {100, 100, 800, 600}},
      {"partly off the top left", {-50, -40, 800, 600}, {-50, -40, 800, 600}},
      {"on the monitor at negative x", {-1000, 10, 500, 400}, {-1000, 10, 500, 400}},
      {"one pixel on screen", {3199, 1023, 800, 600}, {3199, 1023, 800, 600}},
      {"huge, covering the screens", {-99999, -99999, kMax, kMax}, {-99999, -99999, kMax, kMax}},
      {"huge from the origin", {0, 0, kMax, kMax}, {0, 0, kMax, kMax}},
      {"right of everything", {5000, 100, 800, 600}, {2400, 100, 800, 600}},
      {"just touching the right edge", {3200, 100, 800, 600}, {2400, 100, 800, 600}},
      {"below the lower monitor", {2000, 1030, 800, 600}, {2000, 424, 800, 600}},
      {"far up and left", {-9000, -9000, 800, 600}, {-1280, 0, 800, 600}},
      {"below the primary", {500, 1100, 800, 600}, {500, 480, 800, 600}},
      {"larger than its monitor", {kMax, 0, 4000, 3000}, {1920, 0, 4000, 3000}},
      {"too small, then off", {4000, 0, 0, -5}, {3080, 0, 120, 30}},
      {"too small, on screen", {10, 10, -100, 2}, {10, 10, 120, 30}},
      {"at the far negative end", {kMin, kMin, 100, 100}, {-1280, 0, 120, 100}},
  };
  for (const Case& c : cases) EXPECT_EQ(KeepReachable(c.in, monitors, 120, 30), c.out) << c.what;
  // Without monitors only the size is raised.
  EXPECT_EQ(KeepReachable({-9000, 9000, 0, 0}, {}, 120, 30), (Rect{-9000, 9000, 120, 30}));
}

TEST(WorkspaceScreen, TheWindowAndFloatingPalettesAreKeptReachable) {
  const Rect monitors[] = {{0, 0, 1024, 768}};
  Workspace w = Sample();
  w.window = {5000, 5000, 10, 10};
  w.palettes[0] = {PaletteId::kComputer, DockSite::kFloating, -300, -20, true};  // shows a little
  w.palettes[1] = {PaletteId::kProcess, DockSite::kFloating, -9000, 100, false};
  w.palettes[2] = {PaletteId::kWindow, DockSite::kDockTop, -9000, 9000, true};  // in its bar
  ScreenFacts screen{.monitors = monitors, .minWindowWidth = 200, .minWindowHeight = 150};
  screen.floatingWidths = {310, 260, 200, 140, 260};
  screen.floatingHeights = {50, 50, 50, 50, 50};

  const Workspace kept = KeepReachable(w, screen);
  EXPECT_EQ(kept.window, (Rect{824, 618, 200, 150}));
  EXPECT_EQ(kept.palettes[0], w.palettes[0]);
  EXPECT_EQ(kept.palettes[1],
            (PalettePlacement{PaletteId::kProcess, DockSite::kFloating, 0, 100, false}));
  EXPECT_EQ(kept.palettes[2], w.palettes[2]);
  EXPECT_EQ(kept.settings, w.settings);
}

}  // namespace
}  // namespace orvane
