#pragma once
// Reflection of WM_COMMAND and WM_NOTIFY: a control's parent receives its notifications, but
// the control's wrapper knows what they mean. The wrapper registers itself on its window
// handle, and the parent's window procedure hands each notification back to it, so the
// owner of the control receives typed calls (a column index, a selected item) instead of
// raw messages.

#include <windows.h>

namespace orvane::winui {

class ReflectTarget {
 public:
  virtual ~ReflectTarget() = default;

  // Return true when the notification was consumed; otherwise the parent's own hooks see it.
  virtual bool OnReflectedCommand(int /*code*/) { return false; }
  virtual bool OnReflectedNotify(NMHDR& /*header*/, LRESULT& /*result*/) { return false; }

  // The target registered on a window, or nullptr.
  static ReflectTarget* From(HWND hwnd);

 protected:
  static void Register(HWND hwnd, ReflectTarget* target);
  static void Unregister(HWND hwnd);
};

// Hands WM_COMMAND or WM_NOTIFY to the sending control's target; true when it consumed it.
bool ReflectToControl(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

}  // namespace orvane::winui
