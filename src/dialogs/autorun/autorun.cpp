#include "dialogs/autorun/autorun.h"

#include <algorithm>
#include <optional>
#include <unordered_set>

#include "platform/error.h"

namespace orvane {

namespace {

// The key's path as the registry editor shows it: the 32-bit view is a subkey of SOFTWARE.
std::string EditorPath(RegistryRoot root, std::string_view keyPath) {
  if (root == RegistryRoot::kCurrentUser) return "HKEY_CURRENT_USER\\" + std::string(keyPath);
  if (root == RegistryRoot::kLocalMachine) return "HKEY_LOCAL_MACHINE\\" + std::string(keyPath);
  const std::size_t slash = keyPath.find('\\');
  const std::string_view rest = slash == std::string_view::npos ? "" : keyPath.substr(slash);
  return "HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node" + std::string(rest);
}

}  // namespace

std::vector<StartupEntry> BuildStartupList(Registry& registry, Locale& locale,
                                           const KnownPrograms& programs) {
  std::vector<StartupEntry> rows;
  std::unordered_set<std::string> seenCommands;  // lower-cased
  for (const StartupLocation& location : kStartupLocations) {
    for (RegistryValue& value : registry.EnumValues(location.root, location.keyPath)) {
      if (!value.isText || !seenCommands.insert(locale.Lower(value.text)).second) continue;
      const int mark = programs.IsSystemProgram(value.text) ? 1 : 0;
      rows.push_back(
          {std::move(value.text), std::move(value.name), location.keyPath, location.root, mark});
    }
  }
  return rows;
}

std::string RemovedLine(const StartupEntry& entry) {
  std::string line =
      EditorPath(entry.rootKey, entry.keyPath) + "\\" + entry.valueName + " = " + entry.command;
  // Registry texts may hold line breaks; as blanks they leave the removal one line of the file.
  std::replace_if(
      line.begin(), line.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
  return line;
}

std::string RemoveConfirmText(std::string_view command) {
  return "This will remove " + std::string(command) + " from the registry!";
}

std::string FailedToSetDataText(std::string_view name) {
  return "Failed to set data for '" + std::string(name) + "'";
}

StartupEntries::StartupEntries(Registry& registry, Files& files, MessageBoxes& boxes,
                               ProgramStarter& starter, Locale& locale,
                               const KnownPrograms& programs)
    : registry_(registry),
      files_(files),
      boxes_(boxes),
      starter_(starter),
      rows_(BuildStartupList(registry, locale, programs)) {}

void StartupEntries::Run(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= rows_.size()) return;
  starter_.StartCommand(rows_[static_cast<std::size_t>(index)].command, ShowCommand::kShowNormal);
}

bool StartupEntries::Add(const std::string& command) {
  const StartupLocation& target = kStartupLocations[1];
  if (registry_.HasValue(target.root, target.keyPath, command)) {
    boxes_.ShowMessage(kIdenticalKeyText);
    return false;
  }
  if (!registry_.WriteString(target.root, target.keyPath, command, command)) {
    throw Error(FailedToSetDataText(command));
  }
  rows_.push_back({command, command, target.keyPath, target.root, 0});
  return true;
}

bool StartupEntries::Remove(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= rows_.size()) return false;
  const StartupEntry& entry = rows_[static_cast<std::size_t>(index)];
  if (!boxes_.ConfirmOkCancel(RemoveConfirmText(entry.command))) return false;
  if (!registry_.HasValue(entry.rootKey, entry.keyPath, entry.valueName)) return false;

  // The file first: a failed write must not lose the only record of the command.
  std::optional<std::string> before;
  if (files_.Exists(kRemovedFile)) {
    before = files_.ReadAll(kRemovedFile);
    // Rewriting a file that could not be read would lose its lines.
    if (!before) throw Error("Cannot open file " + std::string(kRemovedFile));
    removedLines_ = SplitLines(*before);
  }
  std::vector<std::string> lines = removedLines_;
  lines.push_back(RemovedLine(entry));
  WriteLines(files_, kRemovedFile, lines);
  if (!registry_.DeleteValue(entry.rootKey, entry.keyPath, entry.valueName)) {
    if (before) {
      files_.WriteAll(kRemovedFile, *before);
    } else {
      files_.Delete(kRemovedFile);
    }
    return false;
  }
  removedLines_ = std::move(lines);
  rows_.erase(rows_.begin() + index);
  return true;
}

}  // namespace orvane
