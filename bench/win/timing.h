#pragma once
// Clock, summary figures and the display check shared by the Windows benchmarks.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace orvane::bench {

// Milliseconds on the performance counter.
inline double NowMs() {
  LARGE_INTEGER f, c;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&c);
  return 1000.0 * static_cast<double>(c.QuadPart) / static_cast<double>(f.QuadPart);
}

inline double Median(std::vector<double> v) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  const std::size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// Under Wine without a display (no DISPLAY, or a session whose desktop started without one)
// every window creation fails: the benchmarks would end on their first window with a
// misleading error, or time no windows at all. Says so and ends instead.
inline void RequireDisplay(const char* name) {
  HWND probe = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
  if (probe) {
    DestroyWindow(probe);
    return;
  }
  std::fprintf(stderr,
               "%s: cannot create a window (%lu): no display. Run it with scripts/bench, which "
               "gives it a virtual display of its own.\n",
               name, GetLastError());
  std::exit(2);
}

}  // namespace orvane::bench
