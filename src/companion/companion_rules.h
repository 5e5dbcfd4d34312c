#pragma once
// The companion's decisions that need no window: which key events complete a trapped
// combination, and putting its replacement of the task manager in place.

#include <string_view>

#include "platform/registry.h"
#include "tray/tray_interface.h"

namespace orvane {

// The keys that make up the trapped combinations, each side on its own.
enum class ChordKey { kLeftShift, kRightShift, kLeftControl, kRightControl, kLeftAlt, kRightAlt };

// Follows the modifier keys from the keyboard's events and tells when one of the trapped
// combinations has just become complete: once per press, not again while it is held.
class KeyChords {
 public:
  explicit KeyChords(TrapMask traps) : traps_(traps) {}
  // True when this event completes a trapped combination: Ctrl+Alt+Shift (either side of
  // each) or both Shift keys.
  bool OnKey(ChordKey key, bool down);

 private:
  bool Down(ChordKey key) const { return (down_ & Bit(key)) != 0; }
  static unsigned Bit(ChordKey key) { return 1u << static_cast<unsigned>(key); }
  TrapMask Complete() const;

  TrapMask traps_;
  unsigned down_ = 0;
};

// Makes the program in appDirectory (which ends in a backslash) the system's task manager:
// writes our "Debugger" value, creating its key, where no value is there yet; ours or another
// program's stays as it is. Without the right to change the key (an administrator's) nothing
// changes, silently. True when our value was written.
bool WriteOurDebugger(Registry& registry, std::string_view appDirectory);

}  // namespace orvane
