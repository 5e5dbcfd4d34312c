#pragma once
// An owned image list, loaded from a bitmap strip resource whose key colour (magenta) is
// transparent. The controls that show it never own it (our list view is made with
// LVS_SHAREIMAGELISTS; a tree view never destroys its lists), so it must outlive them.

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <span>
#include <utility>

#include "platform/display_scale.h"
#include "winui/gdi.h"

namespace orvane::winui {

using orvane::ImageSource;
using orvane::SourceFor;

// A picture width x height from the best source (SourceFor by width), shrunk smoothly where it
// is not of that size; throws orvane::Error when it cannot be loaded.
Bitmap LoadPicture(std::span<const ImageSource> sources, int width, int height);

class ImageList {
 public:
  ImageList() = default;
  ImageList(const ImageList&) = delete;
  ImageList& operator=(const ImageList&) = delete;
  ImageList(ImageList&& other) noexcept : list_(std::exchange(other.list_, nullptr)) {}
  ImageList& operator=(ImageList&& other) noexcept {
    if (this != &other) {
      Reset();
      list_ = std::exchange(other.list_, nullptr);
    }
    return *this;
  }
  ~ImageList() { Reset(); }

  // Loads a strip of square images, each `size` pixels wide; throws orvane::Error.
  static ImageList FromResource(int bitmapId, int size = 16, COLORREF key = RGB(255, 0, 255));
  // Square images of size pixels from the best strip (SourceFor); shrunk pixel by pixel, so
  // the key colour stays exact and transparent.
  static ImageList FromSources(std::span<const ImageSource> sources, int size,
                               COLORREF key = RGB(255, 0, 255));

  operator HIMAGELIST() const { return list_; }
  int Count() const { return list_ ? ImageList_GetImageCount(list_) : 0; }
  void Reset() {
    if (list_) ImageList_Destroy(list_);
    list_ = nullptr;
  }

 private:
  HIMAGELIST list_ = nullptr;  // owned
};

}  // namespace orvane::winui
