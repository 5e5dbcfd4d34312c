#include "tray/task_manager_trap.h"

#include <algorithm>
#include <cctype>

#include "tray/tray_interface.h"

namespace orvane {

namespace {

bool SameText(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  });
}

}  // namespace

bool NamesTaskManager(std::string_view argument) {
  const auto blankOrQuote = [](char c) { return c == ' ' || c == '\t' || c == '"'; };
  while (!argument.empty() && blankOrQuote(argument.front())) argument.remove_prefix(1);
  while (!argument.empty() && blankOrQuote(argument.back())) argument.remove_suffix(1);
  const std::size_t slash = argument.find_last_of("\\/");
  if (slash != std::string_view::npos) argument.remove_prefix(slash + 1);
  return SameText(argument, "taskmgr.exe") || SameText(argument, "taskmgr");
}

std::string QuotedPath(std::string_view programPath) {
  std::string command(1, '"');
  command.append(programPath);
  command.push_back('"');
  return command;
}

DebuggerChange DebuggerChangeFor(bool trapped, const std::optional<std::string>& current,
                                 std::string_view ours) {
  const bool isOurs = current && SameText(*current, ours);
  if (trapped) return current ? DebuggerChange::kNone : DebuggerChange::kWrite;
  return isOurs ? DebuggerChange::kRemove : DebuggerChange::kNone;
}

std::string OurDebugger(std::string_view appDirectory) {
  return QuotedPath(std::string(appDirectory) + std::string(kProgramExeName));
}

bool RemoveOurDebugger(Registry& registry, std::string_view appDirectory) {
  constexpr RegistryRoot root = RegistryRoot::kLocalMachine64;
  const std::optional<std::string> current =
      registry.ReadString(root, kTaskManagerOptionsKey, kDebuggerValue);
  return DebuggerChangeFor(false, current, OurDebugger(appDirectory)) == DebuggerChange::kRemove &&
         registry.DeleteValue(root, kTaskManagerOptionsKey, kDebuggerValue);
}

}  // namespace orvane
