#pragma once
// In-memory doubles of the log text and the status bar panels.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "view/log_listener.h"
#include "view/status_listener.h"

namespace orvane::testing {

class FakeLogOutput : public LogOutput {
 public:
  std::vector<std::string> lines;
  void AppendLine(std::string_view line) override { lines.emplace_back(line); }
};

class FakeStatusPanels : public StatusPanels {
 public:
  std::array<std::string, 3> panels;
  int32_t writes = 0;
  void SetPanelText(int32_t panel, std::string_view text) override {
    panels.at(static_cast<std::size_t>(panel)) = std::string(text);
    ++writes;
  }
};

}  // namespace orvane::testing
