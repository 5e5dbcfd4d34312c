// "workspace.dat": any bytes decode to a workspace or to none; encoding what was decoded gives
// the file back with its flags, dock sites and reserved field normalised; restoring keeps the
// window and the floating palettes on some monitor.
#include <cstring>
#include <vector>

#include "app/workspace.h"
#include "doubles/fake_files.h"
#include "fuzz_check.h"

namespace orvane {
namespace {

int32_t WordAt(std::string_view bytes, std::size_t index) {
  uint32_t bits = 0;
  for (std::size_t i = 0; i < 4; ++i)
    bits |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[4 * index + i])) << (8 * i);
  return static_cast<int32_t>(bits);
}

// What the encoder writes for word index of a file whose word was read.
int32_t Normalised(std::size_t index, int32_t read) {
  const bool flag = (index >= 4 && index < 24 && index % 4 == 3) || (index >= 26 && index < 33);
  if (flag) return read != 0 ? 1 : 0;
  if (index >= 4 && index < 24 && index % 4 == 0) return read >= 1 && read <= 3 ? read : 0;
  if (index == 33) return 0;
  return read;
}

bool Overlaps(const Rect& a, const Rect& b) {
  return int64_t{a.left} < int64_t{b.left} + b.width &&
         int64_t{b.left} < int64_t{a.left} + a.width &&
         int64_t{a.top} < int64_t{b.top} + b.height && int64_t{b.top} < int64_t{a.top} + a.height;
}

Rect RectFrom(FuzzedDataProvider& in, int32_t minSize) {
  Rect r;
  r.left = in.ConsumeIntegral<int32_t>();
  r.top = in.ConsumeIntegral<int32_t>();
  r.width = in.ConsumeIntegralInRange<int32_t>(minSize, INT32_MAX);
  r.height = in.ConsumeIntegralInRange<int32_t>(minSize, INT32_MAX);
  return r;
}

void CheckRestore(const Workspace& workspace) {
  const std::vector<RestoreStep> steps = RestoreSteps(workspace);
  FUZZ_CHECK(!steps.empty() && steps.front().action == RestoreAction::kSetWindowRect &&
             steps.front().rect == workspace.window);
  int checks = 0;
  bool traps = false;
  for (const RestoreStep& step : steps) {
    checks += step.action == RestoreAction::kSetCheck;
    traps = traps || step.action == RestoreAction::kApplyTraps;
  }
  const WorkspaceSettings& s = workspace.settings;
  FUZZ_CHECK(checks == 6);
  FUZZ_CHECK(traps == (s.trapCtrlAltDel || s.trapCtrlAltShift || s.trapLeftShiftRightShift));
}

// The bytes after the file's 136 choose the monitors and sizes.
void CheckReachable(const Workspace& workspace, FuzzedDataProvider& in) {
  std::vector<Rect> monitors(in.ConsumeIntegralInRange<std::size_t>(0, 4));
  for (Rect& monitor : monitors) monitor = RectFrom(in, 1);
  ScreenFacts screen;
  screen.monitors = monitors;
  screen.minWindowWidth = in.ConsumeIntegralInRange<int32_t>(1, 4000);
  screen.minWindowHeight = in.ConsumeIntegralInRange<int32_t>(1, 4000);
  for (std::size_t i = 0; i < 5; ++i) {
    screen.floatingWidths[i] = in.ConsumeIntegralInRange<int32_t>(1, 4000);
    screen.floatingHeights[i] = in.ConsumeIntegralInRange<int32_t>(1, 4000);
  }
  const Workspace kept = KeepReachable(workspace, screen);
  const Rect& window = kept.window;
  FUZZ_CHECK(window.width >= screen.minWindowWidth && window.height >= screen.minWindowHeight);
  FUZZ_CHECK(kept.settings == workspace.settings);
  auto onSomeMonitor = [&](const Rect& r) {
    if (monitors.empty()) return true;
    for (const Rect& monitor : monitors)
      if (Overlaps(r, monitor)) return true;
    return false;
  };
  FUZZ_CHECK(onSomeMonitor(window));
  for (std::size_t i = 0; i < 5; ++i) {
    const PalettePlacement& palette = kept.palettes[i];
    FUZZ_CHECK(palette.site == workspace.palettes[i].site);
    if (palette.site != DockSite::kFloating) {
      FUZZ_CHECK(palette == workspace.palettes[i]);
      continue;
    }
    FUZZ_CHECK(onSomeMonitor(
        Rect{palette.left, palette.top, screen.floatingWidths[i], screen.floatingHeights[i]}));
  }
}

}  // namespace
}  // namespace orvane

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  using namespace orvane;
  const std::string_view bytes = fuzz::BytesOf(data, size);
  testing::FakeFiles files;
  files.files[std::string(kWorkspaceFileName)] = std::string(bytes);
  const std::optional<Workspace> workspace = ReadWorkspace(files);
  FUZZ_CHECK(workspace == DecodeWorkspace(bytes));
  FUZZ_CHECK(workspace.has_value() == (size >= kWorkspaceFileSize));
  if (!workspace) return 0;

  const std::string encoded = EncodeWorkspace(*workspace);
  FUZZ_CHECK(encoded.size() == kWorkspaceFileSize);
  for (std::size_t i = 0; i < kWorkspaceFileSize / 4; ++i)
    FUZZ_CHECK(WordAt(encoded, i) == Normalised(i, WordAt(bytes, i)));
  FUZZ_CHECK(DecodeWorkspace(encoded) == workspace);

  CheckRestore(*workspace);
  FuzzedDataProvider rest(data + kWorkspaceFileSize, size - kWorkspaceFileSize);
  CheckReachable(*workspace, rest);
  return 0;
}
