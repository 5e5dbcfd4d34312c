#pragma once
// "Find Window": the user drags a crosshair over the desktop; the top-level window under it is
// outlined while the mouse moves, and on release the main window shows it: its thread's level,
// its row selected, the information box about it. Orvane's own windows are never outlined nor
// found.

#include <cstdint>

namespace orvane {

// The top-level window under the crosshair, with its process and thread; window 0: none (empty
// desktop).
struct PointedWindow {
  uint32_t window = 0;
  uint32_t processId = 0;
  uint32_t threadId = 0;
  friend bool operator==(const PointedWindow&, const PointedWindow&) = default;
};

// Where a found window is shown.
class FoundWindowTarget {
 public:
  virtual ~FoundWindowTarget() = default;
  // Selects the window's thread in the tree, lists its windows with the window's row selected
  // and in view, and describes it in the information box.
  virtual void RevealWindow(const PointedWindow& window) = 0;
};

// Draws the outline round a window and takes it away again, pixel for pixel, even if the window
// has moved meanwhile.
class OutlinePainter {
 public:
  virtual ~OutlinePainter() = default;
  virtual void DrawOutline(uint32_t window) = 0;
  virtual void EraseOutline() = 0;
};

// The drag from press to release: at most one outline at a time, always erased before another
// is drawn and when the drag ends, however it ends.
class WindowFinder {
 public:
  // Neither is owned; both must outlive the finder. ownProcessId: Orvane's own.
  WindowFinder(OutlinePainter& painter, FoundWindowTarget& target, uint32_t ownProcessId)
      : painter_(painter), target_(target), ownProcessId_(ownProcessId) {}

  // The crosshair is pressed.
  void Begin();
  // It has moved over pointed; nothing outside a drag.
  void Move(const PointedWindow& pointed);
  // It is released over pointed: the outline goes, and a window of another process is shown.
  void Release(const PointedWindow& pointed);
  // Escape, or the mouse taken away: the outline goes and nothing is shown.
  void Cancel();

  bool Dragging() const { return dragging_; }
  // The window outlined now; 0 for none.
  uint32_t Outlined() const { return outlined_; }

 private:
  // The window a drag over pointed would find: 0 for none and for our own windows.
  uint32_t Findable(const PointedWindow& pointed) const;
  void Erase();

  OutlinePainter& painter_;    // not owned
  FoundWindowTarget& target_;  // not owned
  uint32_t ownProcessId_ = 0;
  bool dragging_ = false;
  uint32_t outlined_ = 0;
};

}  // namespace orvane
