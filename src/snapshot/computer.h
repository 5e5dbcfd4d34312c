#pragma once
// The figures of the computer record: memory, operating-system code, names and the
// processor-load estimate.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/clock.h"
#include "platform/registry.h"
#include "snapshot/records.h"
#include "snapshot/snapshot_source.h"

namespace orvane {

enum OsCode : int32_t {
  kOsUnknown = 0,
  kOsWindows95 = 1,
  kOsWindows98 = 2,
  kOsWindowsNT = 4,
  kOsWindows2000 = 5,
};

// The four case-sensitive substring tests, in order; the last match wins.
int32_t OsCodeFromProductName(std::string_view productName);

// Reads the product name and classifies it. Systems of the NT family from version 5.0 on all
// have the six priority classes, so a product name that none of the tests recognise ("Windows
// 10 Pro") is taken as code 5 there rather than as unknown.
int32_t ReadOsCode(Registry& registry);

// Total physical memory in decimal megabytes, as the record holds it.
uint32_t MemoryMegabytes(uint64_t totalBytes);

// Estimates processor load by timing short sleeps at normal and real-time priority and
// smoothing the samples across cycles.
class CpuLoadEstimator {
 public:
  // One cycle's measurement; changes the own process's priority class for its duration.
  int32_t Measure(SnapshotSource& process, Clock& clock);

  // The sample for the two timings (milliseconds, each at least 1).
  static float Sample(int32_t tn, int32_t tr);
  // Folds a sample into the average and returns the figure to report.
  int32_t Add(float sample);

  float average() const { return average_; }

 private:
  float average_ = -1.0f;  // below 0: no sample yet
};

}  // namespace orvane
