// The GUI thread's cost of the event log per snapshot cycle: the log listener and the one
// append of the cycle's lines into the log dialog's text area, with every event ticked, on
// the synthetic desktop W1; first with a fresh log, then with one already 200,000 lines long.
// The cycles are collected beforehand, so only the log's own work is timed. Run it on a display:
// scripts/bench log [cycles] [lines of the long log].
#include <windows.h>
// After windows.h, which it needs.
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "dialogs/log/win32/log_dlg.h"
#include "platform/win32/files.h"
#include "platform/win32/system_services.h"
#include "snapshot/collector.h"
#include "synthetic_source.h"
#include "timing.h"
#include "winui/message_loop.h"

namespace {

using namespace orvane;
using bench::Median;
using bench::NowMs;

// This process's private bytes (Wine gives them as the page-file use).
double PrivateBytes() {
  PROCESS_MEMORY_COUNTERS_EX memory{};
  memory.cb = sizeof memory;
  if (!GetProcessMemoryInfo(GetCurrentProcess(),
                            reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory))
    return 0;
  return static_cast<double>(std::max(memory.PrivateUsage, memory.PagefileUsage));
}

// A cycle's records, kept to be delivered later.
class Recording : public RecordOutput {
 public:
  void Send(const void* record, int32_t size) override {
    const auto* bytes = static_cast<const char*>(record);
    records_.emplace_back(bytes, bytes + size);
  }
  void Deliver(RecordSink& sink) const {
    for (const auto& r : records_) sink.Deliver(r.data(), static_cast<int32_t>(r.size()));
  }

 private:
  std::vector<std::vector<char>> records_;
};

struct Phase {
  double listener;  // median ms of the listener alone
  double append;    // median ms of the append at the cycle's end
  double median;
  double max;
  std::size_t linesPerCycle;
};

// Delivers each recorded cycle to the log and flushes it as the main window does at a cycle's
// end, then lets the text area paint.
Phase Run(win32::LogDlg& log, RecordSink& sink, const std::vector<Recording>& cycles) {
  std::vector<double> times, listener, append;
  const std::size_t lines0 = log.Disp().LineCount();
  for (const Recording& cycle : cycles) {
    const double start = NowMs();
    cycle.Deliver(sink);
    listener.push_back(NowMs() - start);
    const double appended = NowMs();
    log.CycleEnded();
    append.push_back(NowMs() - appended);
    RedrawWindow(log, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    times.push_back(NowMs() - start);
    winui::PumpMessages();
  }
  const std::size_t lines = log.Disp().LineCount() - lines0;
  return {Median(listener), Median(append), Median(times),
          *std::max_element(times.begin(), times.end()), lines / cycles.size()};
}

}  // namespace

int main(int argc, char** argv) {
  const int count = argc > 1 ? std::max(2, std::atoi(argv[1])) : 30;
  winui::InitCommonControls();
  bench::RequireDisplay("log_bench");
  bench::SyntheticSource source(bench::kW1);
  win32::Win32Registry registry;
  win32::Win32Clock clock;
  win32::Win32Locale locale;
  TrayShared tray;
  Collector collector(source, registry, clock, locale, tray);

  // Twice the cycles needed: the first ones of each run fill the listener's store.
  std::vector<Recording> warm(3), first(static_cast<std::size_t>(count)),
      second(static_cast<std::size_t>(count));
  for (auto* batch : {&warm, &first, &second}) {
    for (Recording& cycle : *batch) {
      source.Step();
      collector.Collect(cycle);
    }
  }

  RecordSink sink;
  win32::Win32Files files;
  win32::LogDlg log(sink, clock, files);
  log.Create(nullptr);
  log.FormShow();
  for (std::size_t bit = 0; bit < 6; ++bit) log.EventBox(bit).Click();
  for (const Recording& cycle : warm) {
    cycle.Deliver(sink);
    log.CycleEnded();
  }
  winui::PumpMessages();

  const Phase fresh = Run(log, sink, first);
  // A log 200,000 lines long, handed over in one piece as a very long cycle would be.
  const int fillLines = argc > 2 ? std::max(1, std::atoi(argv[2])) : 200000;
  const double bytesBefore = PrivateBytes();
  for (int i = 0; i < fillLines; ++i)
    log.Output().AppendLine("Thread modified  123456   08.12.2026 10:00:00");
  const double fill0 = NowMs();
  log.CycleEnded();
  const double fill = NowMs() - fill0;
  winui::PumpMessages();
  const std::size_t longLines = log.Disp().LineCount();
  const double bytesPerLine = (PrivateBytes() - bytesBefore) / fillLines;
  const Phase longLog = Run(log, sink, second);

  std::printf("W1, every event ticked, %d cycles (median / max per cycle):\n", count);
  std::printf(
      "  fresh log:              %8.2f / %8.2f ms (listener %.2f, append %.2f ms), %zu lines per "
      "cycle\n",
      fresh.median, fresh.max, fresh.listener, fresh.append, fresh.linesPerCycle);
  std::printf(
      "  log of %zu lines:   %8.2f / %8.2f ms (listener %.2f, append %.2f ms), %zu lines per "
      "cycle\n",
      longLines, longLog.median, longLog.max, longLog.listener, longLog.append,
      longLog.linesPerCycle);
  std::printf("  (appending the %d lines at once took %.0f ms)\n", fillLines, fill);
  // What the soak counts as the log's own growth.
  std::printf("  private bytes per line of 44 characters: %.0f\n", bytesPerLine);
  const double worst = std::max(fresh.median, longLog.median);
  std::printf("target: at most 10 ms per cycle, not growing with the log: %.2f ms, %s\n", worst,
              worst <= 10.0 ? "met" : "NOT met");
  return 0;
}
