#include "platform/files.h"

namespace orvane {

std::string JoinCrLf(const std::vector<std::string>& lines) {
  std::size_t size = 0;
  for (const std::string& line : lines) size += line.size() + 2;
  std::string text;
  text.reserve(size);
  for (const std::string& line : lines) text.append(line).append("\r\n");
  return text;
}

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.emplace_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

std::string PathIn(std::string_view folder, std::string_view path) {
  const bool absolute =
      path.starts_with('\\') || path.starts_with('/') || (path.size() >= 2 && path[1] == ':');
  if (folder.empty() || path.empty() || absolute) return std::string(path);
  std::string full(folder);
  if (!full.ends_with('\\') && !full.ends_with('/')) full.push_back('\\');
  return full.append(path);
}

std::string CannotCreateFileText(std::string_view path) {
  return "Cannot create file " + std::string(path);
}

std::optional<std::vector<std::string>> ReadLines(Files& files, std::string_view path) {
  std::optional<std::string> text = files.ReadAll(path);
  if (!text) return std::nullopt;
  return SplitLines(*text);
}

void WriteLines(Files& files, std::string_view path, const std::vector<std::string>& lines) {
  files.WriteAll(path, JoinCrLf(lines));
}

std::string DirectoryOf(std::string_view exePath) {
  const std::size_t slash = exePath.rfind('\\');
  return slash == std::string_view::npos ? std::string()
                                         : std::string(exePath.substr(0, slash + 1));
}

}  // namespace orvane
