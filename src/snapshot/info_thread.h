#pragma once
// The collector thread: one snapshot cycle per wake-up, its records handed to the GUI thread
// in batches and delivered there, one by one and in stream order, to the sink's receivers.

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "snapshot/collector.h"
#include "snapshot/record_sink.h"

namespace orvane {

// Runs a step on the GUI thread and returns when it has run there.
class GuiDispatcher {
 public:
  virtual ~GuiDispatcher() = default;
  virtual void RunOnGui(const std::function<void()>& step) = 0;
};

class InfoThread : private RecordOutput {
 public:
  // Records per cross-thread call at most; a pass end hands over what is pending too.
  static constexpr std::size_t kBatchRecords = 4096;

  // Created suspended: nothing runs until the first Wake.
  InfoThread(Collector& collector, GuiDispatcher& dispatcher);
  // Only when no cycle runs (the program itself never ends the thread).
  ~InfoThread() override;
  InfoThread(const InfoThread&) = delete;
  InfoThread& operator=(const InfoThread&) = delete;

  void SetSink(RecordSink* sink) { sink_ = sink; }
  // Called on the GUI thread with the text of an error a receiver raised; the rest of that
  // cycle is then abandoned.
  void SetErrorHandler(std::function<void(const std::string&)> handler) {
    onError_ = std::move(handler);
  }

  // Called on the GUI thread once at the end of every cycle, after its last records (also when
  // the cycle was abandoned) and before the cycle-end step, with the figures of the cycle's
  // processes; the table is valid only during the call. An error it raises goes to the error
  // handler.
  void SetFiguresReceiver(std::function<void(const ProcessFigureTable&)> receiver) {
    figuresReceiver_ = std::move(receiver);
  }
  // A step run on the GUI thread once at the end of every cycle, after its last records
  // (also when the cycle was abandoned), so the GUI can settle what the cycle changed.
  void SetCycleEndStep(std::function<void()> step) { cycleEnd_ = std::move(step); }

  // Starts one cycle unless one is running; a wake-up during a cycle is dropped, not queued.
  // Returns whether a cycle was started.
  bool Wake();
  bool Busy() const;
  uint64_t CyclesCompleted() const;

 private:
  void Run();
  void Send(const void* record, int32_t size) override;
  void EndPass() override;
  void Flush();
  void EndCycle();
  // Runs a receiver's step on the GUI thread's side of a hand-over. A receiver's error must not
  // reach the collector thread: it would leave the thread dead and the views frozen. The rest
  // of the cycle is dropped; the next root record sweeps.
  void Guarded(const std::function<void()>& step);

  Collector& collector_;        // not owned
  GuiDispatcher& dispatcher_;   // not owned
  RecordSink* sink_ = nullptr;  // not owned
  std::function<void(const std::string&)> onError_;
  std::function<void(const ProcessFigureTable&)> figuresReceiver_;
  std::function<void()> cycleEnd_;

  // Pending records: each one its size in bytes followed by its words.
  std::vector<uint32_t> batch_;
  std::size_t batchCount_ = 0;
  bool abandoned_ = false;  // a receiver failed: drop the rest of this cycle

  mutable std::mutex mutex_;
  std::condition_variable wake_;
  bool running_ = false;
  bool stopping_ = false;
  uint64_t cycles_ = 0;
  std::thread thread_;  // last, so it starts after everything it uses
};

}  // namespace orvane
