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

namespace {

using namespace orvane;

struct Counter : RecordOutput, RecordReceiver {
  long records = 0;
  void Send(const void*, int32_t) override { ++records; }
  void RecordArrived(const void*, int32_t) override { ++records; }
};

double Now() {
  LARGE_INTEGER f, c;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&c);
  return 1000.0 * static_cast<double>(c.QuadPart) / static_cast<double>(f.QuadPart);
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

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
    const double start = Now();
    collector.Collect(counter);
    direct.push_back(Now() - start);
  }
  std::printf("collect only:   median %.2f ms per cycle, %ld records\n", Median(direct),
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
    const double start = Now();
    thread.Wake();
    while (thread.Busy()) {
      MSG msg;
      while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
    }
    handedOver.push_back(Now() - start);
  }
  std::printf("with hand-over: median %.2f ms per cycle, %ld records delivered\n",
              Median(handedOver), delivered.records);
  return 0;
}
