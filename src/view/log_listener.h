#pragma once
// Turns the change events into the lines of the event log.

#include <cstdint>
#include <string_view>

#include "platform/clock.h"
#include "view/record_listener.h"

namespace orvane {

// Where the log's lines go: the log dialog's text view, which the listener only appends to.
class LogOutput {
 public:
  virtual ~LogOutput() = default;
  virtual void AppendLine(std::string_view line) = 0;
};

// LogFlags bits: which events are written.
constexpr uint8_t kLogProcess = 1;
constexpr uint8_t kLogThread = 2;
constexpr uint8_t kLogWindow = 4;
constexpr uint8_t kLogProcessMod = 8;
constexpr uint8_t kLogThreadMod = 16;
constexpr uint8_t kLogWindowMod = 32;

class LogListener : public RecordListener {
 public:
  // Neither is owned; both must outlive the listener.
  LogListener(LogOutput& output, Clock& clock) : output_(output), clock_(clock) {}

  // Set by the log dialog; a change applies to the next hook call.
  uint8_t LogFlags = 0;
  // While above 0 no created lines are written, so the objects that exist when the program
  // starts are not logged; the computer record of each of the first two cycles lowers it.
  int32_t LogStartCountdown = 2;

 protected:
  bool Created(const TrackedObject& object) override;
  bool Removed(const TrackedObject& object) override;
  void Modified(const TrackedObject& object) override;

 private:
  LogOutput& output_;  // not owned
  Clock& clock_;       // not owned
};

}  // namespace orvane
