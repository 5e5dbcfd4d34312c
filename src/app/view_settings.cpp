#include "app/view_settings.h"

#include <array>
#include <optional>

namespace orvane {

namespace {

constexpr int32_t kVersion = 1;
constexpr int32_t kDetailsFlag = 1;
constexpr int32_t kPlacedFlag = 2;
constexpr int32_t kHighlightFlag = 8;
constexpr std::size_t kFileSize = 24;

void Put(std::string& bytes, int32_t value) {
  const auto bits = static_cast<uint32_t>(value);
  for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<char>((bits >> (8 * i)) & 0xFF));
}

int32_t Get(std::string_view bytes, std::size_t at) {
  uint32_t bits = 0;
  for (std::size_t i = 0; i < 4; ++i)
    bits |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
  return static_cast<int32_t>(bits);
}

}  // namespace

std::string EncodeViewSettings(const ViewSettings& settings) {
  std::string bytes;
  Put(bytes, kVersion);
  Put(bytes, (settings.processDetails ? kDetailsFlag : 0) |
                 (settings.performancePlaced ? kPlacedFlag : 0) |
                 (settings.highlightChanges ? kHighlightFlag : 0));
  const Rect& r = settings.performance;
  for (int32_t value : {r.left, r.top, r.width, r.height}) Put(bytes, value);
  return bytes;
}

ViewSettings DecodeViewSettings(std::string_view bytes) {
  if (bytes.size() != kFileSize || Get(bytes, 0) != kVersion) return {};
  const int32_t flags = Get(bytes, 4);
  if ((flags & ~(kDetailsFlag | kPlacedFlag | kHighlightFlag)) != 0) return {};
  ViewSettings settings;
  settings.processDetails = (flags & kDetailsFlag) != 0;
  settings.performancePlaced = (flags & kPlacedFlag) != 0;
  settings.highlightChanges = (flags & kHighlightFlag) != 0;
  settings.performance = {Get(bytes, 8), Get(bytes, 12), Get(bytes, 16), Get(bytes, 20)};
  if (settings.performancePlaced &&
      (settings.performance.width <= 0 || settings.performance.height <= 0)) {
    return {};
  }
  return settings;
}

ViewSettings ReadViewSettings(Files& files) {
  const std::optional<std::string> bytes = files.ReadAll(kViewSettingsFile);
  return bytes ? DecodeViewSettings(*bytes) : ViewSettings{};
}

void WriteViewSettings(Files& files, const ViewSettings& settings) {
  files.WriteAll(kViewSettingsFile, EncodeViewSettings(settings));
}

}  // namespace orvane
