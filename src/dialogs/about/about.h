#pragma once
// The about box's texts, built from the main window's title and the version numbers, where
// it goes over the main window, and the home page it opens.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "version.h"

namespace orvane {

// The numbers the patch label is made of: the patch level, then the major and minor version.
constexpr std::array<uint32_t, 3> kVersionNumbers{ORVANE_VERSION_PATCH, ORVANE_VERSION_MAJOR,
                                                  ORVANE_VERSION_MINOR};

constexpr char kHomePageAddress[] = "http://www.orvane.example/";
constexpr char kMakerNotice[] = "Copyright (C) 2000 Orvane. All rights reserved.";

// "About " and the title.
std::string AboutCaption(std::string_view title);
// The title up to its first "(" (whole without one), " Version ", the major version and
// the minor version's tens and units digits: "Orvane 2000 Professional Version 3.10".
std::string ProductLabel(std::string_view title,
                         const std::array<uint32_t, 3>& numbers = kVersionNumbers);
// "Current patch: OV" and, for each number, its tenth and its remainder: "OV010310".
std::string PatchLabel(const std::array<uint32_t, 3>& numbers = kVersionNumbers);

// The text of the strip along the bottom: the address and three blanks.
std::string HomePageStripText(std::string_view address = kHomePageAddress);
// What a click opens: the strip's text without its surrounding blanks, since the shell
// may find nothing to open under an address that ends in blanks.
std::string HomePageTarget(std::string_view stripText);

struct AboutPoint {
  int x;
  int y;
  bool operator==(const AboutPoint&) const = default;
};
// The top-left corner that centres a box of the given size on the window; halves truncated
// towards zero, and not kept on the screen.
AboutPoint CentredOn(int left, int top, int width, int height, int boxWidth, int boxHeight);

}  // namespace orvane
