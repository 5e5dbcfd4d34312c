#include "winui/image_list.h"

#include <string>

#include "platform/error.h"

namespace orvane::winui {

namespace {

// A copy of the bitmap at width x height in the screen's format.
Bitmap Resized(HBITMAP source, int width, int height, int stretchMode) {
  BITMAP info{};
  ::GetObjectA(source, sizeof info, &info);
  HDC screen = ::GetDC(nullptr);
  Bitmap out(::CreateCompatibleBitmap(screen, width, height));
  HDC from = ::CreateCompatibleDC(screen);
  HDC to = ::CreateCompatibleDC(screen);
  ::ReleaseDC(nullptr, screen);
  if (out && from && to) {
    HGDIOBJ oldFrom = ::SelectObject(from, source);
    HGDIOBJ oldTo = ::SelectObject(to, out.Get());
    ::SetStretchBltMode(to, stretchMode);
    ::SetBrushOrgEx(to, 0, 0, nullptr);
    ::StretchBlt(to, 0, 0, width, height, from, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
    ::SelectObject(from, oldFrom);
    ::SelectObject(to, oldTo);
  }
  if (from) ::DeleteDC(from);
  if (to) ::DeleteDC(to);
  return out;
}

Bitmap LoadSource(const ImageSource& source) {
  Bitmap bitmap = LoadBitmapResource(source.bitmapId);
  if (!bitmap) throw Error("Cannot load bitmap " + std::to_string(source.bitmapId));
  return bitmap;
}

}  // namespace

Bitmap LoadPicture(std::span<const ImageSource> sources, int width, int height) {
  if (sources.empty()) throw Error("No image source");
  const ImageSource& source = SourceFor(sources, width);
  Bitmap bitmap = LoadSource(source);
  if (source.size == width) return bitmap;
  Bitmap resized = Resized(bitmap.Get(), width, height, HALFTONE);
  if (!resized) throw Error("Cannot size bitmap " + std::to_string(source.bitmapId));
  return resized;
}

ImageList ImageList::FromResource(int bitmapId, int size, COLORREF key) {
  ImageList images;
  images.list_ = ImageList_LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(bitmapId), size,
                                      0, key, IMAGE_BITMAP, LR_CREATEDIBSECTION);
  if (!images.list_) throw Error("Cannot load image list " + std::to_string(bitmapId));
  return images;
}

ImageList ImageList::FromSources(std::span<const ImageSource> sources, int size, COLORREF key) {
  if (sources.empty()) throw Error("No image source");
  const ImageSource& source = SourceFor(sources, size);
  if (source.size == size) return FromResource(source.bitmapId, size, key);
  Bitmap strip = LoadSource(source);
  BITMAP info{};
  ::GetObjectA(strip.Get(), sizeof info, &info);
  const int count = source.size > 0 ? info.bmWidth / source.size : 0;
  Bitmap resized = Resized(strip.Get(), count * size, size, COLORONCOLOR);
  ImageList images;
  images.list_ = ImageList_Create(size, size, ILC_COLOR24 | ILC_MASK, count, 0);
  if (!images.list_ || !resized || count <= 0 ||
      ImageList_AddMasked(images.list_, resized.Get(), key) < 0)
    throw Error("Cannot load image list " + std::to_string(source.bitmapId));
  return images;
}

}  // namespace orvane::winui
