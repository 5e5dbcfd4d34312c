#pragma once
// A splitter: a thin bar that the user drags to resize its target, a neighbour in the same
// DockLayout. A vertical splitter (moved left and right) resizes a Left or Right target's
// width; a horizontal one (moved up and down) a Top or Bottom target's height. The splitter
// itself is a child of the layout too, placed right after its target.

#include <windows.h>

#include <functional>

#include "winui/dock_layout.h"
#include "winui/window_base.h"

namespace orvane::winui {

struct SplitterArgs {
  HWND parent = nullptr;  // not owned
  int id = 0;
  bool vertical = true;  // true: a vertical bar dragged sideways
  int thickness = 3;
  DockLayout* layout = nullptr;  // not owned: the layout holding target and splitter
  HWND target = nullptr;         // not owned: the window whose size the drag sets
  int minSize = 30;              // neither the target nor the rest shrinks below this
};

class Splitter : public WindowBase {
 public:
  // Also adds the splitter to the layout, with the target's alignment.
  void Create(const SplitterArgs& args);

  // Sets the target's size as a drag to that size would (clamped), and lays out again.
  void SetTargetSize(int size);

  std::function<void(int size)> onMoved;  // after each move of a drag

 protected:
  bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

 private:
  // The mouse position of a message, along the drag axis, in the parent's coordinates.
  int MousePosition(LPARAM lp) const;
  int Clamp(int size) const;

  SplitterArgs args_;
  bool dragging_ = false;
  int dragStart_ = 0;
  int sizeAtStart_ = 0;
};

}  // namespace orvane::winui
