#include "snapshot/info_thread.h"

#include <cstring>
#include <exception>

namespace orvane {

InfoThread::InfoThread(Collector& collector, GuiDispatcher& dispatcher)
    : collector_(collector), dispatcher_(dispatcher), thread_([this] { Run(); }) {}

InfoThread::~InfoThread() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_one();
  thread_.join();
}

bool InfoThread::Wake() {
  {
    std::lock_guard lock(mutex_);
    if (running_) return false;
    running_ = true;
  }
  wake_.notify_one();
  return true;
}

bool InfoThread::Busy() const {
  std::lock_guard lock(mutex_);
  return running_;
}

uint64_t InfoThread::CyclesCompleted() const {
  std::lock_guard lock(mutex_);
  return cycles_;
}

void InfoThread::Run() {
  for (;;) {
    {
      std::unique_lock lock(mutex_);
      wake_.wait(lock, [this] { return running_ || stopping_; });
      if (stopping_) return;
    }
    abandoned_ = false;
    collector_.Collect(*this);
    Flush();
    EndCycle();
    std::lock_guard lock(mutex_);
    running_ = false;
    ++cycles_;
  }
}

void InfoThread::Send(const void* record, int32_t size) {
  if (abandoned_ || size <= 0) return;
  const std::size_t words = (static_cast<std::size_t>(size) + 3) / 4;
  const std::size_t at = batch_.size();
  batch_.resize(at + 1 + words, 0);
  batch_[at] = static_cast<uint32_t>(size);
  std::memcpy(&batch_[at + 1], record, static_cast<std::size_t>(size));
  if (++batchCount_ >= kBatchRecords) Flush();
}

void InfoThread::EndPass() {
  Flush();
}

void InfoThread::Flush() {
  if (batchCount_ == 0 || abandoned_) {
    batch_.clear();
    batchCount_ = 0;
    return;
  }
  dispatcher_.RunOnGui([this] {
    Guarded([this] {
      std::size_t at = 0;
      while (at < batch_.size()) {
        const int32_t size = static_cast<int32_t>(batch_[at]);
        if (sink_) sink_->Deliver(&batch_[at + 1], size);
        at += 1 + (static_cast<std::size_t>(size) + 3) / 4;
      }
    });
  });
  batch_.clear();
  batchCount_ = 0;
}

void InfoThread::EndCycle() {
  if (!figuresReceiver_ && !cycleEnd_) return;
  // One hand-over for both.
  dispatcher_.RunOnGui([this] {
    if (figuresReceiver_) Guarded([this] { figuresReceiver_(collector_.Figures()); });
    if (cycleEnd_) cycleEnd_();
  });
}

void InfoThread::Guarded(const std::function<void()>& step) {
  try {
    step();
  } catch (const std::exception& e) {
    abandoned_ = true;
    if (onError_) onError_(e.what());
  } catch (...) {
    abandoned_ = true;
    if (onError_) onError_("Unknown error");
  }
}

}  // namespace orvane
