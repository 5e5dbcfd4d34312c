#include "dialogs/log/log.h"

namespace orvane {

void LogBuffer::Flush() {
  if (pending_.empty()) return;
  std::vector<std::string> lines;
  lines.swap(pending_);
  append_(std::move(lines));
}

std::vector<std::string> ClearedLog(const std::optional<std::string>& firstLine) {
  return {firstLine.value_or(std::string()), std::string()};
}

}  // namespace orvane
