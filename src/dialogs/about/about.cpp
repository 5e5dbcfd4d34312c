#include "dialogs/about/about.h"

namespace orvane {

std::string AboutCaption(std::string_view title) {
  return "About " + std::string(title);
}

std::string ProductLabel(std::string_view title, const std::array<uint32_t, 3>& numbers) {
  const std::string_view name = title.substr(0, title.find('('));
  const uint32_t minor = numbers[2];
  return std::string(name) + " Version " + std::to_string(numbers[1]) + "." +
         std::to_string(minor / 10 % 10) + std::to_string(minor % 10);
}

std::string PatchLabel(const std::array<uint32_t, 3>& numbers) {
  std::string label = "Current patch: OV";
  for (uint32_t n : numbers) label += std::to_string(n / 10) + std::to_string(n % 10);
  return label;
}

std::string HomePageStripText(std::string_view address) {
  return std::string(address) + "   ";
}

std::string HomePageTarget(std::string_view stripText) {
  const std::size_t first = stripText.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const std::size_t last = stripText.find_last_not_of(" \t");
  return std::string(stripText.substr(first, last - first + 1));
}

AboutPoint CentredOn(int left, int top, int width, int height, int boxWidth, int boxHeight) {
  return {left + width / 2 - boxWidth / 2, top + height / 2 - boxHeight / 2};
}

}  // namespace orvane
