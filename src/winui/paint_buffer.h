#pragma once
// Paints a window's client area into a bitmap and copies it onto the window in one piece, so
// that nothing drawn over something else flickers. The bitmap is kept between paints and made
// again only when the size changes; out of GDI objects the painting goes straight to the window.
//
//   buffer_.Paint(dc, client.right, client.bottom, [this](HDC memory) { Draw(memory); });

#include <windows.h>

#include "winui/gdi.h"

namespace orvane::winui {

class PaintBuffer {
 public:
  PaintBuffer() = default;
  PaintBuffer(const PaintBuffer&) = delete;
  PaintBuffer& operator=(const PaintBuffer&) = delete;
  ~PaintBuffer() { Release(); }

  // paint(HDC) draws the width by height area at the origin; then it reaches dc.
  template <typename Painter>
  void Paint(HDC dc, int width, int height, Painter&& paint) {
    if (!Fit(dc, width > 0 ? width : 1, height > 0 ? height : 1)) {
      paint(dc);
      return;
    }
    paint(memory_);
    ::BitBlt(dc, 0, 0, width_, height_, memory_, 0, 0, SRCCOPY);
  }

  // paint(HDC) draws over the picture of the last Paint, which the buffer holds at this size, and
  // returns the rectangles it changed; only those reach dc. False, with nothing drawn, when the
  // buffer holds no picture of this size.
  template <typename Painter>
  bool PaintChanges(HDC dc, int width, int height, Painter&& paint) {
    if (!memory_ || width != width_ || height != height_) return false;
    for (const RECT& r : paint(memory_)) {
      ::BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, memory_, r.left, r.top,
               SRCCOPY);
    }
    return true;
  }

 private:
  // Has a bitmap of this size selected into the memory context; false when none can be made.
  bool Fit(HDC dc, int width, int height);
  void Release();

  HDC memory_ = nullptr;        // owned
  Bitmap bitmap_;               // owned; selected into memory_ while both exist
  HGDIOBJ original_ = nullptr;  // not owned: memory_'s own bitmap, put back before deleting
  int width_ = 0;
  int height_ = 0;
};

}  // namespace orvane::winui
