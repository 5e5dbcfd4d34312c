#include "dialogs/log/log.h"

namespace orvane {

void LogBuffer::AppendLine(std::string_view line) {
  if (lineCount_ + pendingLines_ > 0) pending_ += "\r\n";
  pending_ += line;
  ++pendingLines_;
}

void LogBuffer::Flush() {
  if (pendingLines_ == 0) return;
  // The text area keeps what it was given even if append raises: the lines are counted.
  lineCount_ += pendingLines_;
  pendingLines_ = 0;
  std::string text;
  text.swap(pending_);
  append_(text);
}

std::vector<std::string> ClearedLog(const std::optional<std::string>& firstLine) {
  return {firstLine.value_or(std::string()), std::string()};
}

}  // namespace orvane
