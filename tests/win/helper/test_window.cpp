// A process with a known top-level window and a few idle threads, started by the Windows
// tests. Arguments: [title] [extra threads] [hidden|shown] [extra windows] [busy threads] [child
// title]; a busy thread spins without pause; a child title starts a second helper with that
// title as this one's child. It ends when its window is closed (WM_CLOSE), and its exit code is
// then 7 so a test can tell a close from a terminate. A posted WM_APP makes its window's thread
// sleep for wParam milliseconds: a window that does not respond for that long.
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_APP) {
    Sleep(static_cast<DWORD>(wp));
    return 0;
  }
  if (msg == WM_DESTROY) {
    PostQuitMessage(7);
    return 0;
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

DWORD WINAPI Idle(LPVOID) {
  Sleep(INFINITE);
  return 0;
}

DWORD WINAPI Busy(LPVOID) {
  volatile unsigned spins = 0;
  for (;;) {
    const unsigned next = spins + 1;
    spins = next;
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  const char* title = __argc > 1 ? __argv[1] : "Orvane test window";
  const int threads = __argc > 2 ? std::atoi(__argv[2]) : 2;
  const bool hidden = __argc > 3 && std::strcmp(__argv[3], "hidden") == 0;
  const int extraWindows = __argc > 4 ? std::atoi(__argv[4]) : 0;
  const int busyThreads = __argc > 5 ? std::atoi(__argv[5]) : 0;
  if (__argc > 6) {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string command = std::string("\"") + self + "\" \"" + __argv[6] + "\" 0";
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION child{};
    if (CreateProcessA(self, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                       &child)) {
      CloseHandle(child.hThread);
      CloseHandle(child.hProcess);
    }
  }

  for (int i = 0; i < threads; ++i)
    CloseHandle(CreateThread(nullptr, 0, Idle, nullptr, 0, nullptr));
  for (int i = 0; i < busyThreads; ++i)
    CloseHandle(CreateThread(nullptr, 0, Busy, nullptr, 0, nullptr));

  WNDCLASSA wc{};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = "OrvaneTestWindow";
  RegisterClassA(&wc);
  HWND hwnd = CreateWindowA("OrvaneTestWindow", title, WS_OVERLAPPEDWINDOW, 100, 120, 400, 300,
                            nullptr, nullptr, instance, nullptr);
  if (!hidden) ShowWindow(hwnd, SW_SHOWNORMAL);
  for (int i = 0; i < extraWindows; ++i) {
    CreateWindowA("OrvaneTestWindow", "extra", WS_OVERLAPPED, 10 + i % 200, 10, 120, 40, nullptr,
                  nullptr, instance, nullptr);
  }

  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}
