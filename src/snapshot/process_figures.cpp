#include "snapshot/process_figures.h"

#include <algorithm>
#include <utility>

namespace orvane {

namespace {

constexpr uint64_t kFullShare = 1000;  // tenths of a percent

uint64_t CpuTime(const ProcessCounters& counters) {
  return counters.kernelTime + counters.userTime;
}

// Whether the source read the process's figures at all: the tool-help snapshots leave them 0.
bool Counted(const ProcessCounters& counters) {
  return counters.createTime != 0 || CpuTime(counters) != 0;
}

bool ByProcessId(const ProcessFigures& a, const ProcessFigures& b) {
  return a.processId < b.processId;
}

}  // namespace

int32_t CpuShareTenths(uint64_t cpuThen, uint64_t cpuNow, uint32_t wallMs, uint32_t processors) {
  if (wallMs == 0) return kNoCpuShare;
  const uint64_t used = cpuNow > cpuThen ? cpuNow - cpuThen : 0;
  // used * 1000 tenths / (wallMs * 10,000 units of 100 ns * processors), without overflow.
  const uint64_t perTenth = uint64_t{wallMs} * 10u * std::max<uint32_t>(processors, 1);
  if (used / perTenth >= kFullShare) return static_cast<int32_t>(kFullShare);
  return static_cast<int32_t>((used + perTenth / 2) / perTenth);
}

const ProcessFigures* ProcessFigureTable::Find(uint32_t processId) const {
  const auto at = std::lower_bound(
      entries_.begin(), entries_.end(), processId,
      [](const ProcessFigures& figures, uint32_t id) { return figures.processId < id; });
  return at != entries_.end() && at->processId == processId ? &*at : nullptr;
}

const ProcessFigures* ProcessFigureTable::ParentOf(const ProcessFigures& process) const {
  const uint32_t parentId = process.counters.parentProcessId;
  if (parentId == process.processId) return nullptr;  // the system's first processes
  const ProcessFigures* parent = Find(parentId);
  if (!parent) return nullptr;
  // A parent is older than its child; a younger process has taken the ended parent's id.
  const uint64_t born = process.counters.createTime;
  if (born != 0 && parent->counters.createTime > born) return nullptr;
  return parent;
}

void ProcessFigureBuilder::Begin(uint32_t tickMs, uint32_t processors) {
  std::swap(current_, previous_);
  current_.entries_.clear();
  begunAt_ = tickMs;
  processors_ = processors;
}

void ProcessFigureBuilder::Add(uint32_t processId, const ProcessCounters& counters,
                               std::string_view fileName) {
  ProcessFigures& figures = current_.entries_.emplace_back();
  figures.processId = processId;
  figures.counters = counters;
  CopyText(figures.fileName, fileName);
}

void ProcessFigureBuilder::End(uint32_t tickMs) {
  const uint32_t previousReadAt = readAt_;
  readAt_ = begunAt_ + (tickMs - begunAt_) / 2;
  const uint32_t wallMs = readAt_ - previousReadAt;
  std::vector<ProcessFigures>& entries = current_.entries_;
  std::stable_sort(entries.begin(), entries.end(), ByProcessId);
  for (ProcessFigures& figures : entries) {
    const ProcessFigures* before = previous_.Find(figures.processId);
    // The same process only if it was created at the same moment: an id can be used again.
    if (!before || before->counters.createTime != figures.counters.createTime ||
        !Counted(before->counters) || !Counted(figures.counters)) {
      continue;
    }
    figures.cpuShare =
        CpuShareTenths(CpuTime(before->counters), CpuTime(figures.counters), wallMs, processors_);
  }
}

}  // namespace orvane
