#pragma once
// Fans the collector's records out, on the GUI thread, to the view model's listeners.

#include <cstdint>
#include <utility>
#include <vector>

namespace orvane {

// Anything that takes the record stream; the view model's listeners derive from it.
class RecordReceiver {
 public:
  virtual ~RecordReceiver() = default;
  // record: a whole record whose first 24 bytes are its ObjectKey, valid only during the call.
  virtual void RecordArrived(const void* record, int32_t size) = 0;
};

class RecordSink {
 public:
  // Receivers are not owned; they live as long as the sink. They are served in the order given,
  // then in the order registered.
  explicit RecordSink(std::vector<RecordReceiver*> receivers = {})
      : receivers_(std::move(receivers)) {}
  void Register(RecordReceiver* receiver) { receivers_.push_back(receiver); }

  // Passes one record to every receiver in registration order.
  void Deliver(const void* record, int32_t size) {
    for (RecordReceiver* r : receivers_) r->RecordArrived(record, size);
  }

 private:
  std::vector<RecordReceiver*> receivers_;  // not owned
};

}  // namespace orvane
