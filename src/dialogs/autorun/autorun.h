#pragma once
// The programs that Windows starts by itself at log-on, as the registry's Run keys record
// them: the list built once at start-up, and running, adding and removing its entries. Every
// removal is kept as one line of "removed.dat".

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "platform/clock.h"
#include "platform/files.h"
#include "platform/message_boxes.h"
#include "platform/program_start.h"
#include "platform/registry.h"
#include "view/known_programs.h"

namespace orvane {

constexpr char kServicesKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Services";
constexpr char kRemovedFile[] = "removed.dat";
constexpr char kIdenticalKeyText[] = "Identical key already in registry!";

struct StartupLocation {
  RegistryRoot root;
  const char* keyPath;
};

// The keys the list is read from, in order. The last is the 32-bit view of the per-machine
// Run key, from which 64-bit Windows starts programs too. New entries go to the second.
constexpr std::array<StartupLocation, 4> kStartupLocations{{
    {RegistryRoot::kCurrentUser, kRunKey},
    {RegistryRoot::kLocalMachine, kRunKey},
    {RegistryRoot::kLocalMachine, kServicesKey},
    {RegistryRoot::kLocalMachine32, kRunKey},
}};

// One row of the list.
struct StartupEntry {
  std::string command;  // the value's data, the row's caption
  std::string valueName;
  std::string keyPath;  // below the root, as it was opened
  RegistryRoot rootKey = RegistryRoot::kCurrentUser;
  int systemMark = 0;  // state image: 1 for a bare known system program, else 0
  bool operator==(const StartupEntry&) const = default;
};

// Every text value of the locations, in order; a command already listed (letter case aside,
// in the user's locale) is skipped. Values of other types are not commands and are skipped.
std::vector<StartupEntry> BuildStartupList(Registry& registry, Locale& locale,
                                           const KnownPrograms& programs);

// The line of "removed.dat" that records the entry's removal: the key as the registry editor
// names it, the value's name, " = " and the command, with any line break in them as a blank.
std::string RemovedLine(const StartupEntry& entry);
std::string RemoveConfirmText(std::string_view command);
// The error raised when a new value cannot be written.
std::string FailedToSetDataText(std::string_view name);

// The window's logic: its rows and what its buttons do with them.
class StartupEntries {
 public:
  // Builds the list. None is owned; all must outlive this.
  StartupEntries(Registry& registry, Files& files, MessageBoxes& boxes, ProgramStarter& starter,
                 Locale& locale, const KnownPrograms& programs);

  const std::vector<StartupEntry>& Rows() const { return rows_; }
  // "removed.dat" as last read or written.
  const std::vector<std::string>& RemovedLines() const { return removedLines_; }

  // Starts the row's command; index -1 (no selection) does nothing. Failures are silent.
  void Run(int index);
  // Writes command as a new value of the per-machine Run key, named as its data, and appends
  // its row. A value of that name already there is refused with kIdenticalKeyText. Raises
  // orvane::Error with FailedToSetDataText when the write fails. True when a row was added.
  bool Add(const std::string& command);
  // After the confirmation, records the row in "removed.dat" and deletes its value: both or
  // neither. A value that is gone or cannot be deleted leaves the row and the file alone; a
  // file that cannot be read or written raises orvane::Error and leaves the value. True when
  // the row is gone.
  bool Remove(int index);

 private:
  Registry& registry_;       // not owned
  Files& files_;             // not owned
  MessageBoxes& boxes_;      // not owned
  ProgramStarter& starter_;  // not owned
  std::vector<StartupEntry> rows_;
  std::vector<std::string> removedLines_;
};

}  // namespace orvane
