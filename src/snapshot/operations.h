#pragma once
// The actions on the objects of the snapshot: terminate a process, step its priority class,
// change the show state of a process's main window or of any window, ask a window to close.
// Each reads only the key words of the record it is given (its first 24 bytes) and ignores a
// record of another kind, or a null one. They ask nothing and report nothing: failures (an
// ended process, access denied, a stale window handle) are silent, and the effect shows in
// the next snapshot cycle.

#include <cstdint>
#include <optional>
#include <span>

#include "platform/object_control.h"
#include "snapshot/records.h"

namespace orvane {

// Priority stepping over four levels (idle, normal, high, real-time); below-normal behaves as
// idle and above-normal as high. nullopt: nothing is set (real-time raised, or a class
// outside the table, such as 0 from a failed query).
std::optional<uint32_t> RaisedPriorityClass(uint32_t current);
std::optional<uint32_t> LoweredPriorityClass(uint32_t current);

// Process operations: kind 2.
void ProcessStop(ObjectControl& control, const ObjectKey* record);  // exit code 1
void ProcessInc(ObjectControl& control, const ObjectKey* record);
void ProcessDec(ObjectControl& control, const ObjectKey* record);

// The process's main window (word 5 of a process record); nothing when it is 0.
void ProcessShow(ObjectControl& control, const ObjectKey* record);
void ProcessHide(ObjectControl& control, const ObjectKey* record);
void ProcessMax(ObjectControl& control, const ObjectKey* record);
void ProcessMin(ObjectControl& control, const ObjectKey* record);
void ProcessNorm(ObjectControl& control, const ObjectKey* record);

// Window operations: kind 4.
void WindowClose(ObjectControl& control, const ObjectKey* record);
void WindowShow(ObjectControl& control, const ObjectKey* record);
void WindowHide(ObjectControl& control, const ObjectKey* record);
void WindowMax(ObjectControl& control, const ObjectKey* record);
void WindowMin(ObjectControl& control, const ObjectKey* record);
void WindowNorm(ObjectControl& control, const ObjectKey* record);

// Move On Screen. A window shows on a monitor when they share a pixel; a window without area
// counts as the pixel at its top-left corner.
bool ShowsOnAMonitor(const Rect& window, std::span<const Rect> monitors);
// Where Move On Screen puts a window: its size, each side shrunk to the work area's, at the
// primary work area's top-left corner. nullopt leaves it where it is: it shows on a monitor,
// or the screen is not known (no monitor, or a work area without area).
std::optional<Rect> OnScreenPlace(const Rect& window, const ScreenLayout& screen);
// A window that exists and shows on no monitor of a known screen.
bool IsOffScreen(ObjectControl& control, uint32_t window);
// The window (kind 4), or the process's main window (kind 2), placed by OnScreenPlace and
// restored if minimised; nothing for a window that is gone or shows on a monitor.
void WindowMoveOnScreen(ObjectControl& control, const ObjectKey* record);
void ProcessMoveOnScreen(ObjectControl& control, const ObjectKey* record);

// The process whose exit code ProcessStop leaves.
constexpr uint32_t kTerminateExitCode = 1;

}  // namespace orvane
