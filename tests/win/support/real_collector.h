#pragma once
// The collector over the system's own snapshots, and a record output that keeps what it sends.

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "platform/win32/system_services.h"
#include "snapshot/collector.h"
#include "snapshot/record_sink.h"
#include "snapshot/win32/toolhelp_source.h"

namespace orvane::testing {

// Keeps every record of a cycle, sent by a collector or delivered to a receiver.
class Recording : public RecordOutput, public RecordReceiver {
 public:
  std::vector<std::vector<unsigned char>> records;
  void Send(const void* record, int32_t size) override { Keep(record, size); }
  void RecordArrived(const void* record, int32_t size) override { Keep(record, size); }

  // The records of a kind, of one process (0: of all).
  template <typename T>
  std::vector<T> Of(int32_t kind, uint32_t pid = 0) const {
    std::vector<T> out;
    for (const auto& r : records) {
      T t;
      if (r.size() != sizeof t) continue;
      std::memcpy(&t, r.data(), sizeof t);
      if (t.key.kind == kind && (pid == 0 || t.key.processId == pid)) out.push_back(t);
    }
    return out;
  }

 private:
  void Keep(const void* record, int32_t size) {
    const auto* b = static_cast<const unsigned char*>(record);
    records.emplace_back(b, b + size);
  }
};

class RealCollectorTest : public ::testing::Test {
 protected:
  win32::ToolhelpSource source;
  win32::Win32Registry registry;
  win32::Win32Clock clock;
  win32::Win32Locale locale;
  TrayShared tray;
  Collector collector{source, registry, clock, locale, tray};

  Recording Cycle() {
    Recording out;
    collector.Collect(out);
    return out;
  }
};

}  // namespace orvane::testing
