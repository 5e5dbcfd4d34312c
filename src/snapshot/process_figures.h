#pragma once
// Each cycle's figures of every process the snapshot lists: what the system's process list
// holds, and the share of the processors used since the previous cycle. They travel beside the
// records, not in them, so that a change in them never makes a process count as modified.

#include <cstdint>
#include <string_view>
#include <vector>

#include "snapshot/records.h"
#include "snapshot/snapshot_source.h"

namespace orvane {

// The CPU share of a process in its first cycle, or where the source gives no times.
constexpr int32_t kNoCpuShare = -1;

struct ProcessFigures {
  uint32_t processId = 0;
  int32_t cpuShare = kNoCpuShare;  // tenths of a percent of all processors, or kNoCpuShare
  ProcessCounters counters;
  // As the process record names it; also for the processes that send no record (the program
  // itself, the tray companion), so that they can be named as a parent.
  char fileName[kTextField] = {};
};

// The share of all processors that a process used between two readings of its CPU time
// (100 ns units) wallMs apart, in tenths of a percent, rounded, at most 1000. A reading lower
// than the one before (times summed over threads that have since ended) counts as no use;
// kNoCpuShare when no time passed.
int32_t CpuShareTenths(uint64_t cpuThen, uint64_t cpuNow, uint32_t wallMs, uint32_t processors);

// One cycle's figures, in process id order.
class ProcessFigureTable {
 public:
  const ProcessFigures* Find(uint32_t processId) const;
  const std::vector<ProcessFigures>& All() const { return entries_; }
  // The process that started this one, while it runs; null when it has ended, even if its id
  // now belongs to a process started later.
  const ProcessFigures* ParentOf(const ProcessFigures& process) const;

 private:
  friend class ProcessFigureBuilder;
  std::vector<ProcessFigures> entries_;
};

// Builds each cycle's table as the collector walks the processes, against the cycle before.
class ProcessFigureBuilder {
 public:
  // tickMs: the clock just before the system is asked for the list.
  void Begin(uint32_t tickMs, uint32_t processors);
  void Add(uint32_t processId, const ProcessCounters& counters, std::string_view fileName);
  // tickMs: the clock once the list has been walked. The list is read in between: its moment is
  // taken as the middle.
  void End(uint32_t tickMs);
  // The last cycle's table.
  const ProcessFigureTable& Table() const { return current_; }

 private:
  ProcessFigureTable current_, previous_;
  uint32_t begunAt_ = 0;
  uint32_t readAt_ = 0;  // the moment of current_'s reading
  uint32_t processors_ = 1;
};

}  // namespace orvane
