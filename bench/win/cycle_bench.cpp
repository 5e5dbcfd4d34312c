// Times whole snapshot cycles against the real services, once with the tool-help snapshots and
// once with the system query: each cycle split into the computer figures (without the load
// estimator's sleeps), the process and thread passes, the window pass and the hand-over to a
// GUI thread that pumps messages; then what each window query costs. Prints medians.
// Run it on a display: scripts/bench cycle [cycles] (scripts/load runs it under a load).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "platform/win32/system_services.h"
#include "snapshot/collector.h"
#include "snapshot/info_thread.h"
#include "snapshot/win32/nt_query_source.h"
#include "snapshot/win32/window_dispatcher.h"
#include "timing.h"

namespace {

using namespace orvane;
using bench::Median;
using bench::NowMs;

// Milliseconds spent in each part of one cycle.
struct Split {
  double computer = 0, sleeps = 0, processes = 0, threads = 0, windows = 0, handOver = 0;
  double total = 0;
  long records = 0;
};

// Adds the time of each call to the part it belongs to. The hand-over runs inside the passes
// (a full batch is handed over from within the enumeration), so it is taken out of them.
class TimedSource : public SnapshotSource {
 public:
  explicit TimedSource(SnapshotSource& inner) : inner_(inner) {}
  Split split;

  void EnumProcesses(const std::function<void(const ProcessEntry&)>& each) override {
    Timed(split.processes, [&] { inner_.EnumProcesses(each); });
  }
  void EnumThreads(const std::function<void(const ThreadEntry&)>& each) override {
    Timed(split.threads, [&] { inner_.EnumThreads(each); });
  }
  void EnumWindows(const std::function<void(const WindowEntry&)>& each) override {
    Timed(split.windows, [&] { inner_.EnumWindows(each); });
  }
  MemoryFigures Memory() override { return inner_.Memory(); }
  std::string ComputerName() override { return inner_.ComputerName(); }
  std::string UserName() override { return inner_.UserName(); }
  uint32_t CurrentProcessId() override { return inner_.CurrentProcessId(); }
  uint32_t ProcessorCount() override { return inner_.ProcessorCount(); }
  uint32_t OwnPriorityClass() override { return inner_.OwnPriorityClass(); }
  void SetOwnPriorityClass(uint32_t c) override { inner_.SetOwnPriorityClass(c); }

 private:
  template <typename F>
  void Timed(double& part, F&& f) {
    const double handOver0 = split.handOver;
    const double start = NowMs();
    f();
    part += NowMs() - start - (split.handOver - handOver0);
  }
  SnapshotSource& inner_;
};

class TimedClock : public win32::Win32Clock {
 public:
  explicit TimedClock(Split& split) : split_(split) {}
  void Sleep(uint32_t ms) override {
    const double start = NowMs();
    Win32Clock::Sleep(ms);
    split_.sleeps += NowMs() - start;
  }

 private:
  Split& split_;
};

class TimedDispatcher : public GuiDispatcher {
 public:
  TimedDispatcher(GuiDispatcher& inner, Split& split) : inner_(inner), split_(split) {}
  void RunOnGui(const std::function<void()>& step) override {
    const double start = NowMs();
    inner_.RunOnGui(step);
    split_.handOver += NowMs() - start;
  }

 private:
  GuiDispatcher& inner_;
  Split& split_;
};

struct Counter : RecordReceiver {
  long records = 0;
  void RecordArrived(const void*, int32_t) override { ++records; }
};

// Runs the cycles through the collector thread, as the program does, and prints the medians.
void Cycles(const char* name, SnapshotSource& real, int cycles) {
  TimedSource source(real);
  TimedClock clock(source.split);
  win32::Win32Registry registry;
  win32::Win32Locale locale;
  TrayShared tray;
  Collector collector(source, registry, clock, locale, tray);
  win32::WindowDispatcher windowDispatcher;
  TimedDispatcher dispatcher(windowDispatcher, source.split);
  RecordSink sink;
  Counter counter;
  sink.Register(&counter);
  InfoThread thread(collector, dispatcher);
  thread.SetSink(&sink);

  std::vector<Split> splits;
  for (int i = 0; i < cycles + 2; ++i) {
    source.split = {};
    counter.records = 0;
    const double start = NowMs();
    thread.Wake();
    while (thread.Busy()) {
      MSG msg;
      while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
    }
    Split s = source.split;
    s.total = NowMs() - start;
    s.computer = s.total - s.sleeps - s.processes - s.threads - s.windows - s.handOver;
    s.records = counter.records;
    if (i >= 2) splits.push_back(s);  // the first cycles fill the caches
  }
  auto median = [&](double Split::*part) {
    std::vector<double> v;
    for (const Split& s : splits) v.push_back(s.*part);
    return Median(v);
  };
  std::printf(
      "%-13s cycle %7.2f ms = computer figures %5.2f + estimator sleeps %6.2f + processes %6.2f "
      "+ threads %7.2f + windows %6.2f + hand-over %6.2f; without sleeps %7.2f ms; %ld records\n",
      name, median(&Split::total), median(&Split::computer), median(&Split::sleeps),
      median(&Split::processes), median(&Split::threads), median(&Split::windows),
      median(&Split::handOver), median(&Split::total) - median(&Split::sleeps),
      splits.back().records);
}

BOOL CALLBACK CollectHandle(HWND hwnd, LPARAM param) {
  reinterpret_cast<std::vector<HWND>*>(param)->push_back(hwnd);
  return TRUE;
}

// What one call of each window query costs, over every top-level window.
void WindowCalls(int rounds) {
  std::vector<HWND> handles;
  double start = NowMs();
  for (int r = 0; r < rounds; ++r) {
    handles.clear();
    EnumWindows(CollectHandle, reinterpret_cast<LPARAM>(&handles));
  }
  const double perEnum = (NowMs() - start) / rounds;
  if (handles.empty()) {
    std::printf("window queries: no top-level window to query\n");
    return;
  }
  std::printf("window queries over %zu top-level windows (us per call):\n", handles.size());
  std::printf("  %-26s %8.1f per enumeration\n", "EnumWindows", 1000 * perEnum);
  auto time = [&](const char* name, auto&& call) {
    const double t0 = NowMs();
    for (int r = 0; r < rounds; ++r)
      for (HWND h : handles) call(h);
    std::printf("  %-26s %8.1f\n", name,
                1000 * (NowMs() - t0) / (rounds * static_cast<double>(handles.size())));
  };
  DWORD pid = 0;
  char text[64];
  RECT rect;
  time("GetWindowThreadProcessId", [&](HWND h) { GetWindowThreadProcessId(h, &pid); });
  time("GetWindowTextA", [&](HWND h) { GetWindowTextA(h, text, 63); });
  time("GetWindowRect", [&](HWND h) { GetWindowRect(h, &rect); });
  time("IsWindowVisible", [&](HWND h) { IsWindowVisible(h); });
  time("IsIconic", [&](HWND h) { IsIconic(h); });
  time("IsZoomed", [&](HWND h) { IsZoomed(h); });
  time("GetWindowLongA(GWL_STYLE)", [&](HWND h) { GetWindowLongA(h, GWL_STYLE); });
  time("IsHungAppWindow", [&](HWND h) { IsHungAppWindow(h); });
}

}  // namespace

int main(int argc, char** argv) {
  const int cycles = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
  // The window pass and the window queries need a desktop with windows on it.
  bench::RequireDisplay("cycle_bench");
  win32::ToolhelpSource toolhelp;
  win32::NtQuerySource query(false);
  Cycles("tool-help", toolhelp, cycles);
  Cycles("system query", query, cycles);
  WindowCalls(20);
  return 0;
}
