#pragma once
// An owned image list, loaded from a bitmap strip resource whose key colour (magenta) is
// transparent. The controls that show it never own it (our list view is made with
// LVS_SHAREIMAGELISTS; a tree view never destroys its lists), so it must outlive them.

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <utility>

namespace orvane::winui {

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
