#include "snapshot/operations.h"

#include <algorithm>

#include "snapshot/snapshot_source.h"

namespace orvane {

namespace {

bool IsKind(const ObjectKey* record, int32_t kind) {
  return record != nullptr && record->kind == kind;
}

// Handle 0 names no window; posting to it would put WM_CLOSE in our own thread's queue.
bool IsWindow(const ObjectKey* record) {
  return IsKind(record, kKindWindow) && record->windowHandle != 0;
}

// Opens the process of a process record, runs act on it and closes it again; nothing when the
// record is of another kind or the process cannot be opened.
template <typename Act>
void WithProcess(ObjectControl& control, const ObjectKey* record, Act act) {
  if (!IsKind(record, kKindProcess)) return;
  const std::optional<ProcessToken> process = control.OpenProcess(record->processId);
  if (!process) return;
  act(*process);
  control.CloseProcess(*process);
}

void StepPriority(ObjectControl& control, const ObjectKey* record,
                  std::optional<uint32_t> (*step)(uint32_t)) {
  WithProcess(control, record, [&](ProcessToken process) {
    if (const std::optional<uint32_t> next = step(control.GetPriorityClass(process)))
      control.SetPriorityClass(process, *next);
  });
}

void ShowWindowOf(ObjectControl& control, const ObjectKey* record, ShowCommand command) {
  if (IsWindow(record)) control.ShowWindow(record->windowHandle, command);
}

// A process record names its main window in word 5, where a window record has its handle:
// the key with kind 4 is that window's record.
void ShowMainWindowOf(ObjectControl& control, const ObjectKey* record, ShowCommand command) {
  if (!IsKind(record, kKindProcess) || record->windowHandle == 0) return;
  ObjectKey window = *record;
  window.kind = kKindWindow;
  ShowWindowOf(control, &window, command);
}

// Edges in 64 bits, so that no rectangle's right or bottom edge overflows.
struct Edges {
  int64_t left, top, right, bottom;
};

// A rectangle without area is taken as its top-left pixel.
Edges PixelsOf(const Rect& r) {
  return {r.left, r.top, int64_t{r.left} + std::max(r.width, 1),
          int64_t{r.top} + std::max(r.height, 1)};
}

bool Share(const Edges& a, const Edges& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

void MoveOnScreen(ObjectControl& control, uint32_t window) {
  const std::optional<WindowPlace> place = control.PlaceOf(window);
  if (!place) return;
  if (const std::optional<Rect> target = OnScreenPlace(place->rect, control.Screen()))
    control.PlaceWindow(window, *target, place->minimised);
}

}  // namespace

std::optional<uint32_t> RaisedPriorityClass(uint32_t current) {
  switch (current) {
    case kIdlePriorityClass:
    case kBelowNormalPriorityClass:
      return kNormalPriorityClass;
    case kNormalPriorityClass:
      return kHighPriorityClass;
    case kAboveNormalPriorityClass:
    case kHighPriorityClass:
      return kRealtimePriorityClass;
    default:
      return std::nullopt;
  }
}

std::optional<uint32_t> LoweredPriorityClass(uint32_t current) {
  switch (current) {
    case kIdlePriorityClass:
    case kBelowNormalPriorityClass:
    case kNormalPriorityClass:
      return kIdlePriorityClass;
    case kAboveNormalPriorityClass:
    case kHighPriorityClass:
      return kNormalPriorityClass;
    case kRealtimePriorityClass:
      return kHighPriorityClass;
    default:
      return std::nullopt;
  }
}

void ProcessStop(ObjectControl& control, const ObjectKey* record) {
  WithProcess(control, record,
              [&](ProcessToken process) { control.TerminateProcess(process, kTerminateExitCode); });
}

void ProcessInc(ObjectControl& control, const ObjectKey* record) {
  StepPriority(control, record, RaisedPriorityClass);
}

void ProcessDec(ObjectControl& control, const ObjectKey* record) {
  StepPriority(control, record, LoweredPriorityClass);
}

void ProcessShow(ObjectControl& control, const ObjectKey* record) {
  ShowMainWindowOf(control, record, ShowCommand::kShow);
}
void ProcessHide(ObjectControl& control, const ObjectKey* record) {
  ShowMainWindowOf(control, record, ShowCommand::kHide);
}
void ProcessMax(ObjectControl& control, const ObjectKey* record) {
  ShowMainWindowOf(control, record, ShowCommand::kShowMaximized);
}
void ProcessMin(ObjectControl& control, const ObjectKey* record) {
  ShowMainWindowOf(control, record, ShowCommand::kMinimize);
}
void ProcessNorm(ObjectControl& control, const ObjectKey* record) {
  ShowMainWindowOf(control, record, ShowCommand::kRestore);
}

void WindowClose(ObjectControl& control, const ObjectKey* record) {
  if (IsWindow(record)) control.PostClose(record->windowHandle);
}
void WindowShow(ObjectControl& control, const ObjectKey* record) {
  ShowWindowOf(control, record, ShowCommand::kShow);
}
void WindowHide(ObjectControl& control, const ObjectKey* record) {
  ShowWindowOf(control, record, ShowCommand::kHide);
}
void WindowMax(ObjectControl& control, const ObjectKey* record) {
  ShowWindowOf(control, record, ShowCommand::kShowMaximized);
}
void WindowMin(ObjectControl& control, const ObjectKey* record) {
  ShowWindowOf(control, record, ShowCommand::kMinimize);
}
void WindowNorm(ObjectControl& control, const ObjectKey* record) {
  ShowWindowOf(control, record, ShowCommand::kRestore);
}

bool ShowsOnAMonitor(const Rect& window, std::span<const Rect> monitors) {
  const Edges edges = PixelsOf(window);
  return std::ranges::any_of(monitors, [&](const Rect& monitor) {
    return monitor.width > 0 && monitor.height > 0 && Share(edges, PixelsOf(monitor));
  });
}

std::optional<Rect> OnScreenPlace(const Rect& window, const ScreenLayout& screen) {
  const Rect& area = screen.primaryWorkArea;
  if (area.width <= 0 || area.height <= 0 || ShowsOnAMonitor(window, screen.monitors) ||
      !ShowsOnAMonitor(area, screen.monitors))
    return std::nullopt;
  return Rect{area.left, area.top, std::clamp(window.width, 0, area.width),
              std::clamp(window.height, 0, area.height)};
}

bool IsOffScreen(ObjectControl& control, uint32_t window) {
  const std::optional<WindowPlace> place = control.PlaceOf(window);
  if (!place) return false;
  const ScreenLayout screen = control.Screen();
  return !screen.monitors.empty() && !ShowsOnAMonitor(place->rect, screen.monitors);
}

void WindowMoveOnScreen(ObjectControl& control, const ObjectKey* record) {
  if (IsWindow(record)) MoveOnScreen(control, record->windowHandle);
}

void ProcessMoveOnScreen(ObjectControl& control, const ObjectKey* record) {
  if (IsKind(record, kKindProcess) && record->windowHandle != 0)
    MoveOnScreen(control, record->windowHandle);
}

}  // namespace orvane
