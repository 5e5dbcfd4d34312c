#include "app/startup.h"

#include "tray/task_manager_trap.h"

namespace orvane {

bool StartsAsTaskManager(const std::vector<std::string>& arguments) {
  return !arguments.empty() && NamesTaskManager(arguments[0]);
}

bool AppliesSingleInstanceRule(const std::vector<std::string>& arguments) {
  return arguments.size() < 2 || StartsAsTaskManager(arguments);
}

bool OpensCommandLineDialog(const std::vector<std::string>& arguments) {
  // Not only "notray": the dialog also carries out "stop" and reports an unknown word.
  return arguments.size() >= 2 && !StartsAsTaskManager(arguments);
}

}  // namespace orvane
