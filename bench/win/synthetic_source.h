#pragma once
// A deterministic synthetic computer for the Windows benchmarks: a desktop's processes,
// threads and windows; each step ends 1% of the processes, starts as many, and changes 10%
// of every kind of object.

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "snapshot/snapshot_source.h"

namespace orvane::bench {

struct Workload {
  int processes;
  int threads;
  int windows;
};

inline constexpr Workload kW1{300, 5000, 300};

class SyntheticSource : public SnapshotSource {
 public:
  // A copy keeps the computer as it is; assigning it back replays the same steps from there.
  SyntheticSource(const SyntheticSource&) = default;
  SyntheticSource& operator=(const SyntheticSource&) = default;

  explicit SyntheticSource(const Workload& w) {
    for (int i = 0; i < w.processes; ++i) {
      StartProcess(Share(w.threads, w.processes, i), Share(w.windows, w.processes, i));
    }
    removePerCycle_ = std::max(1, w.processes / 100);
  }

  // Called on the GUI thread between cycles only: the collector thread reads the objects
  // during a cycle, and the end of the cycle orders its reads before these writes.
  void Step() {
    ++cycle_;
    for (int n = 0; n < removePerCycle_; ++n) {
      const std::size_t victim = Next() % processes_.size();
      const uint32_t pid = processes_[victim].id;
      const Shape shape = shapes_[pid];
      shapes_.erase(pid);
      processes_.erase(processes_.begin() + static_cast<std::ptrdiff_t>(victim));
      std::erase_if(threads_, [pid](const ThreadEntry& t) { return t.ownerProcessId == pid; });
      std::erase_if(windows_, [pid](const Window& w) { return w.processId == pid; });
      StartProcess(shape.threads, shape.windows);
    }
    for (Process& p : processes_) {
      if (Next() % 10 == 0) p.priority = p.priority == 8 ? 9 : 8;
    }
    for (ThreadEntry& t : threads_) {
      if (Next() % 10 == 0) t.basePriority = t.basePriority == 8 ? 9 : 8;
    }
    for (Window& w : windows_) {
      if (Next() % 10 == 0) ++w.left;
    }
  }

  std::size_t ObjectCount() const { return processes_.size() + threads_.size() + windows_.size(); }

  void EnumProcesses(const std::function<void(const ProcessEntry&)>& each) override {
    // Figures that change every cycle, as a busy computer's do.
    for (const Process& p : processes_) {
      ProcessCounters counters{.threadCount = 2,
                               .handleCount = 40,
                               .createTime = p.id,
                               .userTime = uint64_t{cycle_} * (p.id % 7) * 100000,
                               .privateBytes = uint64_t{p.id} * 4096 + cycle_ * 1024,
                               .workingSet = uint64_t{p.id} * 8192};
      each(ProcessEntry{p.id, p.priority, p.exe, counters});
    }
  }
  void EnumThreads(const std::function<void(const ThreadEntry&)>& each) override {
    for (const ThreadEntry& t : threads_) each(t);
  }
  void EnumWindows(const std::function<void(const WindowEntry&)>& each) override {
    for (const Window& w : windows_) {
      WindowEntry e;
      e.handle = w.handle;
      e.processId = w.processId;
      e.threadId = w.threadId;
      e.title = w.title;
      e.left = w.left;
      e.top = 100;
      e.right = w.left + 640;
      e.bottom = 580;
      e.visible = true;
      each(e);
    }
  }
  MemoryFigures Memory() override { return {512ull << 20, 40}; }
  std::string ComputerName() override { return "BENCH"; }
  std::string UserName() override { return "bench"; }
  uint32_t CurrentProcessId() override { return 1; }
  uint32_t ProcessorCount() override { return 2; }
  uint32_t OwnPriorityClass() override { return kNormalPriorityClass; }
  void SetOwnPriorityClass(uint32_t) override {}

 private:
  struct Process {
    uint32_t id;
    int32_t priority;
    std::string exe;
  };
  struct Window {
    uint32_t handle, processId, threadId;
    int32_t left;
    std::string title;
  };
  struct Shape {
    int threads;
    int windows;
  };

  static int Share(int total, int parts, int i) {
    return static_cast<int>(static_cast<long long>(total) * (i + 1) / parts -
                            static_cast<long long>(total) * i / parts);
  }

  uint32_t Next() {
    rng_ = rng_ * 6364136223846793005ull + 1442695040888963407ull;
    return static_cast<uint32_t>(rng_ >> 33);
  }

  void StartProcess(int threads, int windows) {
    const uint32_t pid = nextPid_ += 4;
    const std::string file = "prog" + std::to_string(pid) + ".exe";
    processes_.push_back(Process{pid, 8, "C:\\Program Files\\Bench\\" + file});
    shapes_[pid] = Shape{threads, windows};
    uint32_t firstThread = 0;
    for (int t = 0; t < threads; ++t) {
      const uint32_t tid = nextTid_ += 4;
      if (t == 0) firstThread = tid;
      threads_.push_back(ThreadEntry{pid, tid, 8});
    }
    for (int w = 0; w < windows && firstThread != 0; ++w) {
      windows_.push_back(Window{nextHwnd_ += 2, pid, firstThread, 100, "Window of " + file});
    }
  }

  std::vector<Process> processes_;
  std::vector<ThreadEntry> threads_;
  std::vector<Window> windows_;
  std::map<uint32_t, Shape> shapes_;
  uint64_t rng_ = 0x5EED;
  uint32_t nextPid_ = 0, nextTid_ = 0, nextHwnd_ = 0x10000;
  int removePerCycle_ = 1;
  uint32_t cycle_ = 0;  // Steps so far: the counters grow with it
};

}  // namespace orvane::bench
