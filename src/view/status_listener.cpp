#include "view/status_listener.h"

#include <string>

namespace orvane {

void StatusListener::WritePanels(const ComputerRecord& computer) {
  panels_.SetPanelText(0, "Running Processes: " + std::to_string(processCount_));
  panels_.SetPanelText(1, "Memory Usage: " + std::to_string(computer.memoryLoad) +
                              "% (Total: " + std::to_string(computer.memoryTotal) + "mb)");
  panels_.SetPanelText(
      2, "Cpu Usage: " + std::to_string(static_cast<uint32_t>(computer.cpuLoad)) + "%");
}

bool StatusListener::Created(const TrackedObject& object) {
  switch (object.key.kind) {
    case kKindComputer:
      WritePanels(object.computer());
      // Untracked, so every cycle's computer record rewrites the panels.
      return false;
    case kKindProcess:
      ++processCount_;
      return true;
    default:
      return false;
  }
}

bool StatusListener::Removed(const TrackedObject& object) {
  switch (object.key.kind) {
    case kKindProcess:
      --processCount_;
      return true;
    case kKindComputer:
      return true;
    default:
      return false;
  }
}

void StatusListener::Modified(const TrackedObject& object) {
  if (object.key.kind == kKindComputer) WritePanels(object.computer());
}

}  // namespace orvane
