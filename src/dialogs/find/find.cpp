#include "dialogs/find/find.h"

namespace orvane {

uint32_t WindowFinder::Findable(const PointedWindow& pointed) const {
  return pointed.processId == ownProcessId_ ? 0 : pointed.window;
}

void WindowFinder::Erase() {
  if (outlined_ == 0) return;
  painter_.EraseOutline();
  outlined_ = 0;
}

void WindowFinder::Begin() {
  Erase();
  dragging_ = true;
}

void WindowFinder::Move(const PointedWindow& pointed) {
  if (!dragging_) return;
  const uint32_t window = Findable(pointed);
  if (window == outlined_) return;
  Erase();
  if (window == 0) return;
  painter_.DrawOutline(window);
  outlined_ = window;
}

void WindowFinder::Release(const PointedWindow& pointed) {
  if (!dragging_) return;
  Cancel();
  if (Findable(pointed) != 0) target_.RevealWindow(pointed);
}

void WindowFinder::Cancel() {
  Erase();
  dragging_ = false;
}

}  // namespace orvane
