#pragma once
// The event log between the log listener and the log dialog's text area: a cycle's lines are
// gathered and reach the text area in one append at the cycle's end.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "view/log_listener.h"

namespace orvane {

class LogBuffer : public LogOutput {
 public:
  // append: adds the lines at the end of the text area.
  explicit LogBuffer(std::function<void(std::vector<std::string>&&)> append)
      : append_(std::move(append)) {}

  void AppendLine(std::string_view line) override { pending_.emplace_back(line); }
  // Hands the gathered lines to the text area in one append; nothing when there are none.
  void Flush();

 private:
  std::function<void(std::vector<std::string>&&)> append_;
  std::vector<std::string> pending_;
};

// What a cleared log holds: its first line (an empty one when it had none), then an empty
// line.
std::vector<std::string> ClearedLog(const std::optional<std::string>& firstLine);

}  // namespace orvane
