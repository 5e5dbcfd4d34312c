#pragma once
// The companion's decisions that need no window: which key events complete a trapped
// combination, and when its replacement of the system's task manager may be written or
// removed.

#include <optional>
#include <string>
#include <string_view>

#include "snapshot/platform.h"
#include "tray/tray_interface.h"

namespace orvane {

// Where Windows looks, before it starts taskmgr.exe, for a program to start instead. The
// system starts that program with the task manager's path as its argument, so Ctrl+Alt+Del's
// "Task Manager" brings up this program.
constexpr char kTaskManagerOptionsKey[] =
    "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Image File Execution Options\\taskmgr.exe";
constexpr char kDebuggerValue[] = "Debugger";

// Whether a command-line argument names the system's task manager: "taskmgr.exe" in any
// folder, or without its extension as a command line may give it; in any letter case, in
// double quotes or not.
bool NamesTaskManager(std::string_view argument);

// A path in double quotes, as a command line names a program: the value the companion
// writes is the program's full path so quoted.
std::string QuotedPath(std::string_view programPath);

enum class DebuggerChange { kNone, kWrite, kRemove };

// trapped: "Trap CTRL ALT DEL" is set and the companion runs. current: the value now there.
// Only a value equal to ours (letter case aside, as paths compare) is ever removed; another
// program's replacement is neither removed nor overwritten.
DebuggerChange DebuggerChangeFor(bool trapped, const std::optional<std::string>& current,
                                 std::string_view ours);

// The "Debugger" value the companion writes: the program in appDirectory (which ends in a
// backslash), quoted.
std::string OurDebugger(std::string_view appDirectory);
// Takes the replacement back so that Windows starts its own task manager again: removes the
// "Debugger" value when it is ours, leaves another program's. Without the right to change the
// key (an administrator's) nothing changes, silently. True when our value was removed.
bool RemoveOurDebugger(Registry& registry, std::string_view appDirectory);

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

}  // namespace orvane
