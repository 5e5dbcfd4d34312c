#include "snapshot/win32/window_dispatcher.h"

namespace orvane::win32 {

namespace {

constexpr UINT kRunStep = WM_APP + 1;
constexpr char kClassName[] = "OrvaneHandOver";

}  // namespace

WindowDispatcher::WindowDispatcher() : guiThread_(GetCurrentThreadId()) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = Proc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = kClassName;
  RegisterClassA(&wc);  // fails harmlessly when already registered
  hwnd_ =
      CreateWindowA(kClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
}

WindowDispatcher::~WindowDispatcher() {
  if (hwnd_) DestroyWindow(hwnd_);
}

void WindowDispatcher::RunOnGui(const std::function<void()>& step) {
  if (GetCurrentThreadId() == guiThread_) {
    step();
    return;
  }
  SendMessageA(hwnd_, kRunStep, 0, reinterpret_cast<LPARAM>(&step));
}

LRESULT CALLBACK WindowDispatcher::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == kRunStep) {
    // Nothing may unwind into the system's message dispatch.
    try {
      (*reinterpret_cast<const std::function<void()>*>(lp))();
    } catch (...) {
    }
    return 0;
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace orvane::win32
