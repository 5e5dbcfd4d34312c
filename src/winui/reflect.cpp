#include "winui/reflect.h"

#include <mutex>
#include <unordered_map>

namespace orvane::winui {

namespace {

// Kept here rather than in a window property: under Wine every property read is a call to the
// window server, and an owner-data list asks its parent for each cell it paints. A wrapper
// unregisters before a handle of its window could be given to another.
struct Targets {
  std::mutex mutex;
  std::unordered_map<HWND, ReflectTarget*> byWindow;
};

Targets& AllTargets() {
  static Targets targets;
  return targets;
}

}  // namespace

ReflectTarget* ReflectTarget::From(HWND hwnd) {
  if (hwnd == nullptr) return nullptr;
  Targets& targets = AllTargets();
  std::lock_guard lock(targets.mutex);
  const auto found = targets.byWindow.find(hwnd);
  return found == targets.byWindow.end() ? nullptr : found->second;
}

void ReflectTarget::Register(HWND hwnd, ReflectTarget* target) {
  Targets& targets = AllTargets();
  std::lock_guard lock(targets.mutex);
  // A wrapper that makes its window again leaves no entry behind for the old handle.
  std::erase_if(targets.byWindow, [target](const auto& entry) { return entry.second == target; });
  targets.byWindow[hwnd] = target;
}

void ReflectTarget::Unregister(HWND hwnd) {
  if (hwnd == nullptr) return;
  Targets& targets = AllTargets();
  std::lock_guard lock(targets.mutex);
  targets.byWindow.erase(hwnd);
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
