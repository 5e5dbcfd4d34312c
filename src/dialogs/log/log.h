#pragma once
// The event log's text between the log listener and the log dialog's text area: a cycle's
// lines are gathered and reach the text area in one append, so a long log costs nothing more
// per cycle than a short one.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "view/log_listener.h"

namespace orvane {

class LogBuffer : public LogOutput {
 public:
  // append: adds text at the very end of the text area; lines in it are separated by CR LF.
  explicit LogBuffer(std::function<void(std::string_view)> append) : append_(std::move(append)) {}

  void AppendLine(std::string_view line) override;
  // Hands the gathered lines to the text area in one append; nothing when there are none.
  void Flush();
  // The text area has been given lineCount lines by other means (cleared or replaced).
  void Reset(std::size_t lineCount) { lineCount_ = lineCount; }

  std::size_t LineCount() const { return lineCount_ + pendingLines_; }

 private:
  std::function<void(std::string_view)> append_;
  std::string pending_;
  std::size_t pendingLines_ = 0;
  std::size_t lineCount_ = 0;  // in the text area
};

// What a cleared log holds: its first line (an empty one when it had none), then an empty
// line.
std::vector<std::string> ClearedLog(const std::optional<std::string>& firstLine);

}  // namespace orvane
