#include "dialogs/start/start.h"

namespace orvane {

void RunHistory::Load() {
  entries_.clear();
  selected_ = -1;
  if (auto lines = ReadLines(files_, path_)) entries_ = std::move(*lines);
  Select(static_cast<int>(entries_.size()) - 1);
}

void RunHistory::Select(int index) {
  selected_ = index >= 0 && index < static_cast<int>(entries_.size()) ? index : -1;
}

void RunHistory::Add(std::string entry) {
  entries_.push_back(std::move(entry));
  selected_ = static_cast<int>(entries_.size()) - 1;
  Save();
}

void RunHistory::Clear() {
  entries_.clear();
  selected_ = -1;
  Save();
}

void RunHistory::Run(ProgramStarter& starter) const {
  if (selected_ < 0) return;
  const std::string& entry = entries_[static_cast<std::size_t>(selected_)];
  if (entry.empty()) return;
  starter.StartCommand(CommandLineFor(entry, files_), ShowCommand::kShowNormal);
}

void RunHistory::Save() {
  WriteLines(files_, path_, entries_);
}

std::string CommandLineFor(std::string_view entry, Files& files) {
  const bool needsQuotes =
      entry.find(' ') != std::string_view::npos && !entry.starts_with('"') && files.Exists(entry);
  if (!needsQuotes) return std::string(entry);
  std::string quoted(1, '"');
  quoted.append(entry).push_back('"');
  return quoted;
}

}  // namespace orvane
