#pragma once
// One snapshot cycle: root, computer, then every process, thread and top-level window, sent
// record by record. Runs on the collector thread; keeps the main-window tables across cycles.

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/clock.h"
#include "platform/registry.h"
#include "snapshot/computer.h"
#include "snapshot/process_figures.h"
#include "snapshot/records.h"
#include "snapshot/snapshot_source.h"

namespace orvane {

constexpr std::string_view kOwnExeName = "orvn2k.exe";

// Where a cycle's records go.
class RecordOutput {
 public:
  virtual ~RecordOutput() = default;
  // record is valid only during the call.
  virtual void Send(const void* record, int32_t size) = 0;
  // The end of the process, thread or window pass.
  virtual void EndPass() {}
};

// An executable path split into the two record fields.
struct ExePath {
  std::string directory;  // with its trailing backslash; empty for a bare name
  std::string fileName;
};

// Splits at the backslashes and lower-cases as the process record wants: the directory always,
// the file name only when it contains a dot.
ExePath SplitExePath(std::string_view exeFile, Locale& locale);

// Fits a path into a 64-byte field. A file name keeps its extension; a directory keeps its
// drive and its last folders, with "...\" for what is left out.
std::string ShortenFileName(std::string_view fileName);
std::string ShortenDirectory(std::string_view directory);

// The weight of a window as a process's main-window candidate; 0 never qualifies.
int32_t WindowScore(const WindowRecord& window);

class Collector {
 public:
  Collector(SnapshotSource& source, Registry& registry, Clock& clock, Locale& locale,
            TrayShared& tray);

  void Collect(RecordOutput& out);
  // The figures of the last process pass's processes; changed by the next pass.
  const ProcessFigureTable& Figures() const { return figures_.Table(); }

 private:
  struct MainTitle {
    char title[kTextField] = {};
    int32_t score = 0;
  };

  void CollectComputer(RecordOutput& out);
  void CollectProcesses(RecordOutput& out);
  void CollectThreads(RecordOutput& out);
  void CollectWindows(RecordOutput& out);
  void SendProcess(const ProcessEntry& entry, RecordOutput& out, uint32_t ownProcessId);

  SnapshotSource& source_;  // not owned
  Registry& registry_;      // not owned
  Clock& clock_;            // not owned
  Locale& locale_;          // not owned
  TrayShared& tray_;        // not owned

  // Link each process to the main window found by the previous window pass.
  std::unordered_map<uint32_t, MainTitle> mainTitles_;
  std::unordered_map<uint32_t, uint32_t> mainHandles_;
  CpuLoadEstimator cpuLoad_;
  ProcessFigureBuilder figures_;
  int32_t osCode_ = 0;  // the cycle's operating-system code
  ObjectKey header_{};  // the cycle's computer key: rootId and computerId for every record
};

}  // namespace orvane
