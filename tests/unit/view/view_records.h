#pragma once
// Builders of the records that the view tests feed to the listeners.

#include <cstdint>
#include <string_view>

#include "snapshot/record_sink.h"
#include "snapshot/records.h"

namespace orvane::testing {

inline RootRecord Root() {
  return RootRecord{ObjectKey{kKindRoot, 0, 0, 0, 0, 0}};
}

inline ComputerRecord Computer(std::string_view name = "WORKSTATION", uint32_t memoryLoad = 37,
                               uint32_t memoryTotal = 134, int32_t cpuLoad = 5) {
  ComputerRecord r{};
  r.key = ObjectKey{kKindComputer, 0, 0, 0, 0, 0};
  r.memoryTotal = memoryTotal;
  r.memoryLoad = memoryLoad;
  r.osCode = 5;
  r.cpuLoad = cpuLoad;
  CopyText(r.computerName, name);
  CopyText(r.userName, "alice");
  return r;
}

inline ProcessRecord Process(uint32_t pid, std::string_view fileName, int32_t basePriority = 8,
                             std::string_view directory = "c:\\windows\\", uint32_t mainWindow = 0,
                             int32_t osCode = 5) {
  ProcessRecord r{};
  r.key = ObjectKey{kKindProcess, 0, 0, pid, 0, mainWindow};
  r.basePriority = basePriority;
  r.osCode = osCode;
  CopyText(r.fileName, fileName);
  CopyText(r.directory, directory);
  CopyText(r.caption, fileName);
  return r;
}

inline ThreadRecord Thread(uint32_t pid, uint32_t tid, int32_t basePriority = 8) {
  return ThreadRecord{ObjectKey{kKindThread, 0, 0, pid, tid, 0}, basePriority};
}

inline WindowRecord Window(uint32_t pid, uint32_t tid, uint32_t hwnd, std::string_view title,
                           int32_t showState = 2) {
  WindowRecord r{};
  r.key = ObjectKey{kKindWindow, 0, 0, pid, tid, hwnd};
  r.showState = showState;
  r.visible = 1;
  r.width = 400;
  r.height = 300;
  r.left = 10;
  r.top = 20;
  CopyText(r.title, title);
  return r;
}

template <typename Record>
void Send(RecordReceiver& receiver, const Record& record) {
  receiver.RecordArrived(&record, static_cast<int32_t>(sizeof record));
}

template <typename Record>
void Send(RecordSink& sink, const Record& record) {
  sink.Deliver(&record, static_cast<int32_t>(sizeof record));
}

}  // namespace orvane::testing
