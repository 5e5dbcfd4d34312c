#pragma once
// The docking machinery's windows: the mouse drag of a palette, the small tool window that a
// floating palette sits in, and the translucent rectangle that shows where a dragged palette
// will land.

#include <windows.h>

#include <functional>
#include <string>

#include "winui/window_base.h"

namespace orvane::win32 {

enum class DragPhase { kBegin, kMove, kDrop, kCancel };

// Follows one mouse drag on a window through the mouse capture: begun on a button press, it
// reports every move and the release in screen coordinates, and a lost capture as a cancel.
class DragTracker {
 public:
  std::function<void(DragPhase, POINT screen)> onDrag;

  void Begin(HWND window, POINT screen);
  // Takes the window's mouse messages while a drag runs; true when it took this one.
  bool Handle(HWND window, UINT msg, LPARAM lp);
  bool Dragging() const { return dragging_; }

 private:
  bool dragging_ = false;
};

// The tool window of a floating palette: a small caption, by which the palette is dragged, and
// a close box that hides it.
class FloatingHost : public winui::WindowBase {
 public:
  // owner: the main window, which the tool window stays above (not owned).
  void Create(HWND owner, const std::string& caption);
  // The window at left, top on the screen, with a client area of width x height.
  void Place(int left, int top, int clientWidth, int clientHeight);
  // The outer size of a tool window with this client area.
  static SIZE OuterSize(int clientWidth, int clientHeight);

  DragTracker drag;
  std::function<void()> onClose;  // instead of closing: the owner hides it

 protected:
  bool OnClose() override;
  bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
};

// The landing place of a dragged palette, drawn over everything without taking the mouse.
class DropIndicator : public winui::WindowBase {
 public:
  void Create();
  void ShowAt(const RECT& screen);
};

}  // namespace orvane::win32
