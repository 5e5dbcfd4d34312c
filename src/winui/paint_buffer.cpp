#include "winui/paint_buffer.h"

namespace orvane::winui {

bool PaintBuffer::Fit(HDC dc, int width, int height) {
  if (memory_ && bitmap_ && width == width_ && height == height_) return true;
  Release();
  memory_ = ::CreateCompatibleDC(dc);
  if (!memory_) return false;
  bitmap_.Reset(::CreateCompatibleBitmap(dc, width, height));
  if (!bitmap_) {
    Release();
    return false;
  }
  original_ = ::SelectObject(memory_, bitmap_);
  width_ = width;
  height_ = height;
  return true;
}

void PaintBuffer::Release() {
  if (memory_) {
    if (original_) ::SelectObject(memory_, original_);
    ::DeleteDC(memory_);
  }
  bitmap_.Reset();
  memory_ = nullptr;
  original_ = nullptr;
  width_ = height_ = 0;
}

}  // namespace orvane::winui
