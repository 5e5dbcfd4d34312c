#include "snapshot/operations.h"

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

}  // namespace orvane
