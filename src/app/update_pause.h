#pragma once
// View > "Pause Updates": while paused no tick starts a cycle, so the views hold still to be
// read, and the status bar's first panel says so after its figure. It stands between the status
// listener and the status bar, so that the figure a cycle writes keeps the word. Not saved:
// every start runs live.

#include <cstdint>
#include <string>
#include <string_view>

#include "view/status_listener.h"

namespace orvane {

constexpr std::string_view kPausedText = "Paused";

class UpdatePause : public StatusPanels {
 public:
  // panels: the status bar's; not owned, must outlive the pause.
  explicit UpdatePause(StatusPanels& panels) : panels_(panels) {}

  void SetPanelText(int32_t panel, std::string_view text) override;
  bool Paused() const { return paused_; }
  // Writes the first panel again, with the word or without it.
  void SetPaused(bool paused);

 private:
  void WriteFirst();

  StatusPanels& panels_;  // not owned
  bool paused_ = false;
  std::string first_;  // the first panel's text as the listener last wrote it
};

}  // namespace orvane
