#pragma once
// Start-up decisions from the arguments after the program name.

#include <string>
#include <vector>

namespace orvane {

// Windows starts the program in place of its task manager (the "Debugger" value the companion
// writes) with the task manager's path first, and on current versions a switch such as "/4"
// after it: a plain start, whatever follows, never a command for the command-line dialog.
bool StartsAsTaskManager(const std::vector<std::string>& arguments);
bool AppliesSingleInstanceRule(const std::vector<std::string>& arguments);
bool OpensCommandLineDialog(const std::vector<std::string>& arguments);

}  // namespace orvane
