#include "app/update_pause.h"

namespace orvane {

void UpdatePause::SetPanelText(int32_t panel, std::string_view text) {
  if (panel != 0) {
    panels_.SetPanelText(panel, text);
    return;
  }
  first_ = text;
  WriteFirst();
}

void UpdatePause::SetPaused(bool paused) {
  if (paused == paused_) return;
  paused_ = paused;
  WriteFirst();
}

void UpdatePause::WriteFirst() {
  if (!paused_) {
    panels_.SetPanelText(0, first_);
  } else if (first_.empty()) {
    panels_.SetPanelText(0, kPausedText);
  } else {
    // Set off from the figure, which would otherwise read as a count of paused processes.
    panels_.SetPanelText(0, first_ + " - " + std::string(kPausedText));
  }
}

}  // namespace orvane
