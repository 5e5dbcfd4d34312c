#pragma once
// What the Performance window takes from each cycle: the computer's loads, as the status bar
// shows them, and the processes that used the most processor time.

#include <cstdint>

#include "dialogs/performance/performance.h"
#include "platform/clock.h"
#include "snapshot/process_figures.h"
#include "snapshot/record_sink.h"

namespace orvane {

// The loads of the last computer record in the stream.
class ComputerLoads : public RecordReceiver {
 public:
  void RecordArrived(const void* record, int32_t size) override;
  int32_t CpuLoad() const { return cpuLoad_; }
  uint32_t MemoryLoad() const { return memoryLoad_; }

 private:
  int32_t cpuLoad_ = 0;
  uint32_t memoryLoad_ = 0;
};

// The cycle's sample: the loads, and up to kTopProcesses processes by their CPU share, most
// first (equal shares in process id order); a process in its first cycle has no share and is
// left out.
PerformanceSample SampleOf(const ComputerLoads& loads, const ProcessFigureTable& figures,
                           Locale& locale);

}  // namespace orvane
