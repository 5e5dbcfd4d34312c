#pragma once
// Runs the collector's hand-over steps on the GUI thread through a message-only window (which
// window enumeration never lists), with one blocking SendMessage per step.

#include <windows.h>

#include "snapshot/info_thread.h"

namespace orvane::win32 {

class WindowDispatcher : public GuiDispatcher {
 public:
  // Create on the GUI thread; that thread must keep pumping messages.
  WindowDispatcher();
  ~WindowDispatcher() override;
  WindowDispatcher(const WindowDispatcher&) = delete;
  WindowDispatcher& operator=(const WindowDispatcher&) = delete;

  void RunOnGui(const std::function<void()>& step) override;

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  HWND hwnd_ = nullptr;  // owned
  DWORD guiThread_ = 0;
};

}  // namespace orvane::win32
