#pragma once
// A window's pixels as the screen shows them, for tests that compare pictures.

#include <windows.h>

#include <cstdint>
#include <vector>

namespace orvane::testing {

// The client area, or the whole window with its frame and scroll bars, row by row from the top.
inline std::vector<uint32_t> Pixels(HWND hwnd, bool withFrame = false) {
  RECT r{};
  if (withFrame) {
    GetWindowRect(hwnd, &r);
    OffsetRect(&r, -r.left, -r.top);
  } else {
    GetClientRect(hwnd, &r);
  }
  HDC screen = withFrame ? GetWindowDC(hwnd) : GetDC(hwnd);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), r.right, -r.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, r.right, r.bottom, screen, 0, 0, SRCCOPY);
  GdiFlush();
  const auto* first = static_cast<const uint32_t*>(bits);
  std::vector<uint32_t> pixels(first, first + static_cast<std::size_t>(r.right) * r.bottom);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(hwnd, screen);
  return pixels;
}

}  // namespace orvane::testing
