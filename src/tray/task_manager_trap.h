#pragma once
// The companion's replacement of the system's task manager, which both programs handle: when
// it may be written or removed, and what a start in its place looks like.

#include <optional>
#include <string>
#include <string_view>

#include "platform/registry.h"

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

}  // namespace orvane
