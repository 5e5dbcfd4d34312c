#include "winui/image_list.h"

#include <string>

#include "platform/error.h"

namespace orvane::winui {

ImageList ImageList::FromResource(int bitmapId, int size, COLORREF key) {
  ImageList images;
  images.list_ = ImageList_LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(bitmapId), size,
                                      0, key, IMAGE_BITMAP, LR_CREATEDIBSECTION);
  if (!images.list_) throw Error("Cannot load image list " + std::to_string(bitmapId));
  return images;
}

}  // namespace orvane::winui
