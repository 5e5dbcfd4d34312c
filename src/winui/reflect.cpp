#include "winui/reflect.h"

namespace orvane::winui {

namespace {

constexpr char kProperty[] = "Orvane.ReflectTarget";

}  // namespace

ReflectTarget* ReflectTarget::From(HWND hwnd) {
  return hwnd ? static_cast<ReflectTarget*>(::GetPropA(hwnd, kProperty)) : nullptr;
}

void ReflectTarget::Register(HWND hwnd, ReflectTarget* target) {
  ::SetPropA(hwnd, kProperty, target);
}

void ReflectTarget::Unregister(HWND hwnd) {
  if (hwnd && ::IsWindow(hwnd)) ::RemovePropA(hwnd, kProperty);
}

bool ReflectToControl(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  if (msg == WM_COMMAND && lp != 0) {
    ReflectTarget* target = ReflectTarget::From(reinterpret_cast<HWND>(lp));
    if (target && target->OnReflectedCommand(HIWORD(wp))) {
      result = 0;
      return true;
    }
  } else if (msg == WM_NOTIFY && lp != 0) {
    auto* header = reinterpret_cast<NMHDR*>(lp);
    ReflectTarget* target = ReflectTarget::From(header->hwndFrom);
    if (target) return target->OnReflectedNotify(*header, result);
  }
  return false;
}

}  // namespace orvane::winui
