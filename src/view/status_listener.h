#pragma once
// Keeps the three status bar figures: running processes, memory, processor load.

#include <cstdint>
#include <string_view>

#include "view/record_listener.h"

namespace orvane {

// The status bar's panels 0, 1 and 2.
class StatusPanels {
 public:
  virtual ~StatusPanels() = default;
  virtual void SetPanelText(int32_t panel, std::string_view text) = 0;
};

class StatusListener : public RecordListener {
 public:
  // panels: not owned, must outlive the listener.
  explicit StatusListener(StatusPanels& panels) : panels_(panels) {}

  // The processes currently tracked.
  int32_t ProcessCount() const { return processCount_; }

 protected:
  bool Created(const TrackedObject& object) override;
  bool Removed(const TrackedObject& object) override;
  void Modified(const TrackedObject& object) override;
  // Threads and windows are never counted.
  bool MayTrack(int32_t kind) const override { return kind <= kKindProcess; }

 private:
  void WritePanels(const ComputerRecord& computer);

  StatusPanels& panels_;  // not owned
  int32_t processCount_ = 0;
};

}  // namespace orvane
