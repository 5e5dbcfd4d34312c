#pragma once
// Shared by the wrapper layer's GUI tests: a shown demo form, message pumping, and a watcher
// that answers the error box so a test can check what it said.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "demo_form.h"
#include "platform/error.h"
#include "winui/error_box.h"
#include "winui/message_loop.h"

namespace orvane::winui::testing {

inline void Pump() {
  for (int i = 0; i < 3; ++i) {
    PumpMessages();
    ::Sleep(1);
  }
}

// The rectangle of a child in its parent's client coordinates.
inline RECT RectIn(HWND child) {
  RECT r{};
  ::GetWindowRect(child, &r);
  ::MapWindowPoints(HWND_DESKTOP, ::GetParent(child), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// While alive, closes every error box captioned with the application title and keeps the
// texts it showed. A thread timer, so it also fires inside the box's own modal loop.
class ErrorBoxWatcher {
 public:
  ErrorBoxWatcher() {
    Texts().clear();
    timer_ = ::SetTimer(nullptr, 0, 30, &ErrorBoxWatcher::Tick);
  }
  ~ErrorBoxWatcher() { ::KillTimer(nullptr, timer_); }
  ErrorBoxWatcher(const ErrorBoxWatcher&) = delete;
  ErrorBoxWatcher& operator=(const ErrorBoxWatcher&) = delete;

  static std::vector<std::string>& Texts() {
    static std::vector<std::string> texts;
    return texts;
  }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    HWND box = ::FindWindowA("#32770", ApplicationTitle().c_str());
    if (!box) return;
    char text[512] = {};
    ::GetDlgItemTextA(box, 0xFFFF, text, sizeof text);  // the box's message
    Texts().push_back(text);
    ::SendMessageA(box, WM_COMMAND, IDOK, 0);
  }

  UINT_PTR timer_ = 0;
};

class DemoFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitCommonControls();
    // Not shown: under Wine without a window manager every first show waits about 2 s for
    // the X server, and the controls behave the same hidden.
    form.Open();
    Pump();
  }

  DemoForm form;
};

}  // namespace orvane::winui::testing
