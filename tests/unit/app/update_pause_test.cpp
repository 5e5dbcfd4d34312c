#include "app/update_pause.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace orvane {
namespace {

struct Panels : StatusPanels {
  std::map<int32_t, std::string> shown;
  void SetPanelText(int32_t panel, std::string_view text) override { shown[panel] = text; }
};

// Each step, in turn: a panel written by the listener (panel >= 0) or the pause switched
// (panel -1, on or off), then what the first two panels show.
TEST(UpdatePause, TheFirstPanelSaysPausedAfterItsFigureWhateverWritesFirst) {
  Panels panels;
  UpdatePause pause(panels);
  struct Step {
    int32_t panel;
    std::string text;  // for a switch: "on" or "off"
    std::string first, second;
  } steps[] = {
      {-1, "on", "Paused", ""},  // before any figure
      {-1, "on", "Paused", ""},  // twice is once
      {0, "Running Processes: 5", "Running Processes: 5 - Paused", ""},
      {1, "Memory Usage: 40%", "Running Processes: 5 - Paused", "Memory Usage: 40%"},
      {-1, "off", "Running Processes: 5", "Memory Usage: 40%"},
      {0, "Running Processes: 6", "Running Processes: 6", "Memory Usage: 40%"},
      {-1, "on", "Running Processes: 6 - Paused", "Memory Usage: 40%"},
      {0, "", "Paused", "Memory Usage: 40%"},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(std::to_string(step.panel) + " " + step.text);
    if (step.panel < 0) {
      pause.SetPaused(step.text == "on");
    } else {
      pause.SetPanelText(step.panel, step.text);
    }
    EXPECT_EQ(pause.Paused(), panels.shown[0].ends_with("Paused"));
    EXPECT_EQ(panels.shown[0], step.first);
    EXPECT_EQ(panels.shown[1], step.second);
  }
}

}  // namespace
}  // namespace orvane
