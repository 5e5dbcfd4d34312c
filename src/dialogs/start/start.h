#pragma once
// The run-program history: the programs the user has chosen, oldest first, kept in
// "start.dat" and rewritten whole after every change; and the command line that runs one.

#include <string>
#include <string_view>
#include <vector>

#include "platform/files.h"
#include "platform/program_start.h"

namespace orvane {

constexpr char kRunHistoryFile[] = "start.dat";
// The open dialog's filter for choosing a program.
constexpr char kProgramFilter[] = "Program|*.exe|Command|*.com|Batch Script|*.bat";

class RunHistory {
 public:
  // path: the history file ("start.dat" in the program's directory). files: not owned.
  RunHistory(Files& files, std::string path) : files_(files), path_(std::move(path)) {}

  // Reads the file and selects its last entry; a missing or unreadable file gives an empty
  // history and no selection.
  void Load();
  const std::vector<std::string>& Entries() const { return entries_; }
  // The selected entry's index, or -1 for none.
  int Selected() const { return selected_; }
  // An index outside the history selects nothing.
  void Select(int index);
  // Appends the entry, selects it and saves. Raises orvane::Error when the file cannot be
  // written; the entry stays in the history.
  void Add(std::string entry);
  // Empties the history and saves it as an empty file; raises as Add does.
  void Clear();
  // Starts the selected entry as WinExec would; with none selected, or an empty one,
  // nothing starts. The result is not reported.
  void Run(ProgramStarter& starter) const;

 private:
  void Save();

  Files& files_;  // not owned
  std::string path_;
  std::vector<std::string> entries_;
  int selected_ = -1;
};

// The command line that runs a history entry. WinExec splits an unquoted path at its first
// blank and runs "C:\Program.exe" for "C:\Program Files\Tool\tool.exe" when such a file
// exists; so an entry with a blank that is not quoted and names an existing file as a whole
// is quoted. Anything else (a command with arguments, a quoted path) is left as it is.
std::string CommandLineFor(std::string_view entry, Files& files);

}  // namespace orvane
