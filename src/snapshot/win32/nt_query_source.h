#pragma once
// The snapshot source the program uses: processes and threads from one system query per
// cycle (NtQuerySystemInformation), which costs a fraction of the tool-help snapshots'
// per-entry calls; the rest, and the fallback when the query fails, is the tool-help source.

#include <cstdint>
#include <vector>

#include "snapshot/win32/toolhelp_source.h"

namespace orvane::win32 {

// Whether the environment asks for the tool-help passes (ORVANE_SNAPSHOT=toolhelp), so that
// the two sources can be compared on the same desktop.
bool ToolhelpRequested();

class NtQuerySource : public ToolhelpSource {
 public:
  // toolhelpOnly: every pass through the tool-help snapshots.
  explicit NtQuerySource(bool toolhelpOnly = ToolhelpRequested());

  // The same entries, fields and order as the tool-help snapshots of the same moment. One
  // query serves a process pass and the thread pass right after it: the system gives both at
  // once, and under Wine a query costs time in proportion to the threads. A thread pass on
  // its own queries afresh.
  void EnumProcesses(const std::function<void(const ProcessEntry&)>& each) override;
  void EnumThreads(const std::function<void(const ThreadEntry&)>& each) override;

 private:
  // Fills buffer_ with the system's process list; false when the query is not there or fails.
  bool Query();

  using QueryFunction = long(__stdcall*)(int, void*, unsigned long, unsigned long*);
  QueryFunction query_ = nullptr;  // null: tool-help only
  std::vector<uint64_t> buffer_;   // kept between passes; 8-byte aligned for the records
  bool threadsPending_ = false;    // buffer_ holds a process pass's answer for the thread pass
};

}  // namespace orvane::win32
