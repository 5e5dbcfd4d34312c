// Times whole snapshot cycles against the real services: collection alone, and collection with
// the hand-over to a GUI thread that pumps messages. Prints medians and record counts.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "snapshot/collector.h"
#include "snapshot/info_thread.h"
#include "snapshot/win32/system_services.h"
#include "snapshot/win32/toolhelp_source.h"
#include "snapshot/win32/window_dispatcher.h"
#include "timing.h"

namespace {

using namespace orvane;

struct Counter : RecordOutput, RecordReceiver {
  long records = 0;
  void Send(const void*, int32_t) override { ++records; }
  void RecordArrived(const void*, int32_t) override { ++records; }
};

}  // namespace

int main(int argc, char** argv) {
  const int cycles = argc > 1 ? std::atoi(argv[1]) : 20;
  win32::ToolhelpSource source;
  win32::Win32Registry registry;
  win32::Win32Clock clock;
  win32::Win32Locale locale;
  TrayShared tray;
  Collector collector(source, registry, clock, locale, tray);

  std::vector<double> direct;
  Counter counter;
  for (int i = 0; i < cycles; ++i) {
    counter.records = 0;
    const double start = bench::NowMs();
    collector.Collect(counter);
    direct.push_back(bench::NowMs() - start);
  }
  std::printf("collect only:   median %.2f ms per cycle, %ld records\n", bench::Median(direct),
              counter.records);

  win32::WindowDispatcher dispatcher;
  RecordSink sink;
  Counter delivered;
  sink.Register(&delivered);
  InfoThread thread(collector, dispatcher);
  thread.SetSink(&sink);
  std::vector<double> handedOver;
  for (int i = 0; i < cycles; ++i) {
    delivered.records = 0;
    const double start = bench::NowMs();
    thread.Wake();
    while (thread.Busy()) {
      MSG msg;
      while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
    }
    handedOver.push_back(bench::NowMs() - start);
  }
  std::printf("with hand-over: median %.2f ms per cycle, %ld records delivered\n",
              bench::Median(handedOver), delivered.records);
  return 0;
}
