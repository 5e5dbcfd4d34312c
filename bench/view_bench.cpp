// One steady-state snapshot cycle through the view model's whole listener set, against three
// references: copying the records, a hash lookup and compare per record per listener, and a
// linear search of the store per record. Prints the per-cycle ratios at the end.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include "doubles/fake_platform.h"
#include "snapshot/record_sink.h"
#include "snapshot/records.h"
#include "view/key_index.h"
#include "view/known_programs.h"
#include "view/list_filter.h"
#include "view/list_listener.h"
#include "view/log_listener.h"
#include "view/record_listener.h"
#include "view/status_listener.h"
#include "view/tree_listener.h"

namespace orvane {
namespace {

struct Workload {
  const char* name;
  int processes;
  int threads;
  int windows;
};

constexpr Workload kW1{"W1", 300, 5000, 300};
constexpr Workload kW2{"W2", 3000, 50000, 2000};
constexpr int kListeners = 4;  // tree, filter with list, status, log

// A deterministic computer whose objects change by a fixed share each cycle: 1% of the
// processes end and as many start, each with its threads and windows, and 10% of every kind
// of object is modified.
class SyntheticSource {
 public:
  explicit SyntheticSource(const Workload& w) {
    for (int i = 0; i < w.processes; ++i) {
      const int threads = Share(w.threads, w.processes, i);
      const int windows = Share(w.windows, w.processes, i);
      StartProcess(threads, windows);
    }
    removePerCycle_ = w.processes / 100 > 0 ? w.processes / 100 : 1;
  }

  void Step() {
    ++cycle_;
    for (int n = 0; n < removePerCycle_; ++n) {
      const std::size_t victim = Next() % processes_.size();
      const uint32_t pid = processes_[victim].key.processId;
      const Shape shape = shapes_[pid];
      shapes_.erase(pid);
      processes_.erase(processes_.begin() + static_cast<std::ptrdiff_t>(victim));
      std::erase_if(threads_, [pid](const ThreadRecord& t) { return t.key.processId == pid; });
      std::erase_if(windows_, [pid](const WindowRecord& r) { return r.key.processId == pid; });
      StartProcess(shape.threads, shape.windows);
    }
    for (ProcessRecord& p : processes_) {
      if (Next() % 10 == 0) p.basePriority = p.basePriority == 8 ? 9 : 8;
    }
    for (ThreadRecord& t : threads_) {
      if (Next() % 10 == 0) t.basePriority = t.basePriority == 8 ? 9 : 8;
    }
    for (WindowRecord& r : windows_) {
      if (Next() % 10 == 0) ++r.left;
    }
  }

  // Lays the cycle out as the collector streams it: root, computer, processes, threads,
  // windows.
  void Stream(std::vector<uint32_t>& words, std::vector<std::pair<std::size_t, int32_t>>& at) {
    words.clear();
    at.clear();
    RootRecord root{};
    Put(words, at, root);
    ComputerRecord computer{};
    computer.key.kind = kKindComputer;
    computer.memoryTotal = 512;
    computer.memoryLoad = 40;
    computer.osCode = 5;
    computer.cpuLoad = static_cast<int32_t>(cycle_ % 100);
    CopyText(computer.computerName, "BENCH");
    Put(words, at, computer);
    for (const ProcessRecord& p : processes_) Put(words, at, p);
    for (const ThreadRecord& t : threads_) Put(words, at, t);
    for (const WindowRecord& r : windows_) Put(words, at, r);
  }

  std::size_t ObjectCount() const { return processes_.size() + threads_.size() + windows_.size(); }

 private:
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
    ProcessRecord p{};
    p.key = ObjectKey{kKindProcess, 0, 0, pid, 0, 0};
    p.basePriority = 8;
    p.osCode = 5;
    const std::string file = "prog" + std::to_string(pid) + ".exe";
    CopyText(p.fileName, file);
    CopyText(p.directory, "c:\\program files\\bench\\");
    CopyText(p.caption, file);
    processes_.push_back(p);
    shapes_[pid] = Shape{threads, windows};
    uint32_t firstThread = 0;
    for (int t = 0; t < threads; ++t) {
      const uint32_t tid = nextTid_ += 4;
      if (t == 0) firstThread = tid;
      threads_.push_back(ThreadRecord{ObjectKey{kKindThread, 0, 0, pid, tid, 0}, 8});
    }
    for (int w = 0; w < windows && firstThread != 0; ++w) {
      WindowRecord r{};
      r.key = ObjectKey{kKindWindow, 0, 0, pid, firstThread, nextHwnd_ += 2};
      r.showState = 2;
      r.visible = 1;
      r.width = 640;
      r.height = 480;
      CopyText(r.title, "Window of " + file);
      windows_.push_back(r);
    }
  }

  template <typename Record>
  static void Put(std::vector<uint32_t>& words, std::vector<std::pair<std::size_t, int32_t>>& at,
                  const Record& record) {
    static_assert(sizeof record % 4 == 0);
    const std::size_t start = words.size();
    words.resize(start + sizeof record / 4);
    std::memcpy(words.data() + start, &record, sizeof record);
    at.emplace_back(start, static_cast<int32_t>(sizeof record));
  }

  std::vector<ProcessRecord> processes_;
  std::vector<ThreadRecord> threads_;
  std::vector<WindowRecord> windows_;
  std::map<uint32_t, Shape> shapes_;
  uint64_t rng_ = 0x5EED;
  uint32_t nextPid_ = 0, nextTid_ = 0, nextHwnd_ = 0x10000;
  uint64_t cycle_ = 0;
  int removePerCycle_ = 1;
};

struct Cycle {
  std::vector<uint32_t> words;
  std::vector<std::pair<std::size_t, int32_t>> at;

  const void* Record(std::size_t i) const { return words.data() + at[i].first; }
};

// In-memory controls that keep nothing, so the figures are the view model's own.
class NullTree : public TreeControl {
 public:
  void NodeAdded(TreeNode& node) override { node.controlItem = ++items; }
  void NodeRemoved(TreeNode&) override {}
  void NodeRefilled(TreeNode&) override {}
  uintptr_t items = 0;
};
class NullList : public ListControl {
 public:
  void RowAdded(std::size_t, const ListRow&) override {}
  void RowRemoved(std::size_t) override {}
  void RowRefilled(std::size_t, const ListRow&) override {}
  void RowMoved(std::size_t, std::size_t) override {}
};
class NullPanels : public StatusPanels {
 public:
  void SetPanelText(int32_t, std::string_view) override {}
};
class CountingLog : public LogOutput {
 public:
  void AppendLine(std::string_view line) override { chars += line.size(); }
  std::size_t chars = 0;
};

// The listener set as start-up registers it.
struct ListenerSet {
  testing::FakeLocale locale;
  testing::FakeClock clock;
  KnownPrograms programs{locale};
  NullTree treeControl;
  TreeModel tree{treeControl};
  TreeListener treeListener{tree, programs};
  NullList listControl;
  ListModel list{listControl};
  ListListener listListener{list, programs};
  ListFilter filter{listListener};
  NullPanels panels;
  StatusListener status{panels};
  CountingLog logOutput;
  LogListener log{logOutput, clock};
  RecordSink sink;

  ListenerSet() {
    sink.Register(&treeListener);
    sink.Register(&filter);
    sink.Register(&status);
    sink.Register(&log);
    log.LogFlags = 63;
  }

  void Deliver(const Cycle& c) {
    for (std::size_t i = 0; i < c.at.size(); ++i) sink.Deliver(c.Record(i), c.at[i].second);
  }
};

void BM_ListenerSet(benchmark::State& state, Workload w) {
  SyntheticSource source(w);
  ListenerSet set;
  Cycle cycle;
  for (int warm = 0; warm < 4; ++warm) {
    source.Step();
    source.Stream(cycle.words, cycle.at);
    set.Deliver(cycle);
  }
  for (auto _ : state) {
    state.PauseTiming();
    source.Step();
    source.Stream(cycle.words, cycle.at);
    state.ResumeTiming();
    set.Deliver(cycle);
  }
  state.counters["objects"] = static_cast<double>(source.ObjectCount());
  state.counters["nodes"] = static_cast<double>(set.tree.NodeCount());
}

void BM_RefMemcpy(benchmark::State& state, Workload w) {
  SyntheticSource source(w);
  Cycle cycle;
  source.Step();
  source.Stream(cycle.words, cycle.at);
  std::vector<uint32_t> copy(cycle.words.size());
  for (auto _ : state) {
    for (std::size_t i = 0; i < cycle.at.size(); ++i) {
      std::memcpy(copy.data() + cycle.at[i].first, cycle.Record(i),
                  static_cast<std::size_t>(cycle.at[i].second));
    }
    benchmark::DoNotOptimize(copy.data());
    benchmark::ClobberMemory();
  }
}

// The previous cycle's records, as a store keyed for the hash reference.
using HashStore = std::unordered_map<IndexKey, RecordCopy, IndexKeyHash>;

void BM_RefHash(benchmark::State& state, Workload w) {
  SyntheticSource source(w);
  Cycle previous, cycle;
  std::vector<HashStore> stores(kListeners);
  source.Step();
  source.Stream(previous.words, previous.at);
  for (auto _ : state) {
    state.PauseTiming();
    for (HashStore& store : stores) {
      store.clear();
      for (std::size_t i = 0; i < previous.at.size(); ++i) {
        RecordCopy copy{};
        std::memcpy(&copy, previous.Record(i), static_cast<std::size_t>(previous.at[i].second));
        store.emplace(IndexKeyOf(copy.root.key), copy);
      }
    }
    source.Step();
    source.Stream(cycle.words, cycle.at);
    state.ResumeTiming();
    std::size_t differing = 0;
    for (std::size_t i = 0; i < cycle.at.size(); ++i) {
      const void* record = cycle.Record(i);
      ObjectKey key;
      std::memcpy(&key, record, sizeof key);
      for (const HashStore& store : stores) {
        auto found = store.find(IndexKeyOf(key));
        if (found != store.end() &&
            std::memcmp(&found->second, record, static_cast<std::size_t>(cycle.at[i].second)) !=
                0) {
          ++differing;
        }
      }
    }
    benchmark::DoNotOptimize(differing);
    std::swap(previous, cycle);
  }
}

// The store searched first to last for every record, for one listener.
void BM_RefLinearOneListener(benchmark::State& state, Workload w) {
  SyntheticSource source(w);
  Cycle previous, cycle;
  source.Step();
  source.Stream(previous.words, previous.at);
  std::vector<ObjectKey> store;
  for (auto _ : state) {
    state.PauseTiming();
    store.clear();
    for (std::size_t i = 0; i < previous.at.size(); ++i) {
      ObjectKey key;
      std::memcpy(&key, previous.Record(i), sizeof key);
      store.push_back(key);
    }
    source.Step();
    source.Stream(cycle.words, cycle.at);
    state.ResumeTiming();
    std::size_t found = 0;
    for (std::size_t i = 0; i < cycle.at.size(); ++i) {
      ObjectKey key;
      std::memcpy(&key, cycle.Record(i), sizeof key);
      for (const ObjectKey& stored : store) {
        if (KeyEquals(stored, key)) {
          ++found;
          break;
        }
      }
    }
    benchmark::DoNotOptimize(found);
    std::swap(previous, cycle);
  }
}

BENCHMARK_CAPTURE(BM_ListenerSet, W1, kW1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ListenerSet, W2, kW2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RefMemcpy, W1, kW1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RefMemcpy, W2, kW2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RefHash, W1, kW1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RefHash, W2, kW2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RefLinearOneListener, W1, kW1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RefLinearOneListener, W2, kW2)->Unit(benchmark::kMillisecond)->Iterations(2);

// Keeps each run's real time per cycle in milliseconds, for the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.error_occurred) continue;
      // With repetitions the median stands for the benchmark; single runs vary by 5 to 10%.
      const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
      if (run.run_type != Run::RT_Iteration && !median) continue;
      const std::string name = run.run_name.str();
      if (!median && medians.count(name) != 0) continue;
      if (median) medians.insert(name);
      // The adjusted time is in the run's unit; the multiplier turns seconds into that unit.
      const double seconds =
          run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
      ms[name] = seconds * 1000.0;
    }
  }

  void PrintRatios() const {
    const double w1 = Get("BM_ListenerSet/W1"), w2 = Get("BM_ListenerSet/W2");
    const double h1 = Get("BM_RefHash/W1"), h2 = Get("BM_RefHash/W2");
    const double l1 = Get("BM_RefLinearOneListener/W1"), l2 = Get("BM_RefLinearOneListener/W2");
    if (w1 <= 0 || w2 <= 0) return;
    std::printf(
        "\nPer cycle through the listener set: W1 %.3f ms (target <= 1), W2 %.3f ms "
        "(target <= 12)\n",
        w1, w2);
    if (h1 > 0 && h2 > 0) {
      std::printf("Listener set / hash reference: W1 %.2fx, W2 %.2fx (target <= 4)\n", w1 / h1,
                  w2 / h2);
    }
    std::printf("W2 / W1: %.2f (target <= 12)\n", w2 / w1);
    if (l1 > 0) std::printf("Linear search, one listener: W1 %.3f ms", l1);
    if (l2 > 0) std::printf(", W2 %.3f ms (W2 / W1 %.0f)", l2, l2 / l1);
    if (l1 > 0) std::printf("\n");
  }

 private:
  double Get(const std::string& name) const {
    auto found = ms.find(name);
    return found == ms.end() ? 0.0 : found->second;
  }
  std::map<std::string, double> ms;
  std::set<std::string> medians;
};

}  // namespace
}  // namespace orvane

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  orvane::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios();
  benchmark::Shutdown();
  return 0;
}
