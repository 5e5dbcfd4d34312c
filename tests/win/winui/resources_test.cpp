// The program's resources as the executable carries them: the image strips, the logo, the
// icon sizes, the version and the manifest.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>

#include "dialogs/about/about.h"
#include "res/resource.h"
#include "winui/gdi.h"
#include "winui/image_list.h"
#include "winui/message_loop.h"

namespace orvane::winui {
namespace {

std::string Resource(LPCSTR name, LPCSTR type) {
  HRSRC found = ::FindResourceA(nullptr, name, type);
  if (!found) return {};
  HGLOBAL loaded = ::LoadResource(nullptr, found);
  return std::string(static_cast<const char*>(::LockResource(loaded)),
                     ::SizeofResource(nullptr, found));
}

TEST(ResourcesTest, TheImageStripsHaveTheirCountsOfSixteenPixelImages) {
  InitCommonControls();
  ImageList objects = ImageList::FromResource(IDB_VIEW_OBJECT_ICONS);
  ImageList priorities = ImageList::FromResource(IDB_VIEW_OBJECT_ICONS_PRIORITY);
  EXPECT_EQ(objects.Count(), VIEW_OBJECT_ICONS_COUNT);
  EXPECT_EQ(priorities.Count(), VIEW_OBJECT_ICONS_PRIORITY_COUNT);
  int w = 0, h = 0;
  ImageList_GetIconSize(objects, &w, &h);
  EXPECT_EQ(w, 16);
  EXPECT_EQ(h, 16);
}

TEST(ResourcesTest, TheLogoIsOnTheBarColourAndItsCutOffRowsArePlain) {
  Bitmap logo = LoadBitmapResource(IDB_IMAGE_LOGO);
  ASSERT_NE(logo.Get(), nullptr);
  BITMAP info{};
  ::GetObjectA(logo, sizeof info, &info);
  EXPECT_EQ(info.bmWidth, 233);
  EXPECT_EQ(info.bmHeight, 59);
  HDC dc = ::CreateCompatibleDC(nullptr);
  HGDIOBJ old = ::SelectObject(dc, logo);
  // The bar is 51 high: below that the logo holds nothing but the bar colour.
  for (int x = 0; x < 233; x += 8)
    for (int y = 52; y < 59; ++y) ASSERT_EQ(::GetPixel(dc, x, y), RGB(165, 178, 221));
  EXPECT_EQ(::GetPixel(dc, 1, 1), RGB(165, 178, 221));
  ::SelectObject(dc, old);
  ::DeleteDC(dc);
}

TEST(ResourcesTest, TheIconComesInThreeSizes) {
  for (int size : {16, 32, 48}) {
    HICON icon = static_cast<HICON>(::LoadImageA(
        ::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_APP), IMAGE_ICON, size, size, 0));
    ASSERT_NE(icon, nullptr) << size;
    ICONINFO info{};
    ASSERT_TRUE(::GetIconInfo(icon, &info));
    BITMAP bits{};
    ::GetObjectA(info.hbmColor, sizeof bits, &bits);
    EXPECT_EQ(bits.bmWidth, size);
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    ::DestroyIcon(icon);
  }
}

TEST(ResourcesTest, VersionAndManifestAreThere) {
  const std::string version = Resource(MAKEINTRESOURCEA(VS_VERSION_INFO), RT_VERSION);
  // Version strings are stored as UTF-16.
  std::string product;
  for (char c : std::string("Orvane 2000")) product += {c, '\0'};
  EXPECT_NE(version.find(product), std::string::npos);
  // The fixed part carries the same numbers as the about box: major, minor, patch.
  const std::size_t fixed = version.find("\xBD\x04\xEF\xFE");
  ASSERT_NE(fixed, std::string::npos);
  VS_FIXEDFILEINFO info{};
  ASSERT_LE(fixed + sizeof info, version.size());
  std::memcpy(&info, version.data() + fixed, sizeof info);
  EXPECT_EQ(info.dwFileVersionMS, kVersionNumbers[1] << 16 | kVersionNumbers[2]);
  EXPECT_EQ(info.dwFileVersionLS, kVersionNumbers[0] << 16);
  EXPECT_EQ(info.dwProductVersionMS, info.dwFileVersionMS);
  EXPECT_EQ(info.dwProductVersionLS, info.dwFileVersionLS);
  const std::string manifest = Resource(MAKEINTRESOURCEA(1), RT_MANIFEST);
  EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
  EXPECT_NE(manifest.find("version=\"6.0.0.0\""), std::string::npos);
}

}  // namespace
}  // namespace orvane::winui
