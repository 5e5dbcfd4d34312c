// The one-call system query against the tool-help snapshots on the live system under Wine:
// the records and the views must not be able to tell the two sources apart.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "snapshot/win32/nt_query_source.h"
#include "win/support/test_process.h"

namespace orvane {
namespace {

using testing::TestProcess;

// One read of each list: entries in their order, each as (id, the entry's fields).
struct Lists {
  std::vector<std::pair<uint32_t, std::tuple<int32_t, std::string>>> processes;
  std::vector<std::pair<uint32_t, std::tuple<uint32_t, int32_t>>> threads;
};

Lists Read(SnapshotSource& source) {
  Lists lists;
  source.EnumProcesses([&](const ProcessEntry& e) {
    lists.processes.push_back({e.processId, {e.basePriority, std::string(e.exeFile)}});
  });
  source.EnumThreads([&](const ThreadEntry& e) {
    lists.threads.push_back({e.threadId, {e.ownerProcessId, e.basePriority}});
  });
  return lists;
}

// The entries of `fast` must be those of the tool-help reads before and after it, in the same
// order with equal fields. Only an entry that the two tool-help reads disagree on (it started
// or ended, or changed, between them) may differ, and only then be missing or extra.
template <typename Fields>
void ExpectSameEntries(const std::vector<std::pair<uint32_t, Fields>>& before,
                       const std::vector<std::pair<uint32_t, Fields>>& fast,
                       const std::vector<std::pair<uint32_t, Fields>>& after, const char* what) {
  const std::map<uint32_t, Fields> afterById(after.begin(), after.end());
  std::set<uint32_t> stable, known;
  for (const auto& [id, fields] : before) {
    known.insert(id);
    const auto other = afterById.find(id);
    if (other != afterById.end() && other->second == fields) stable.insert(id);
  }
  for (const auto& [id, fields] : after) known.insert(id);
  ASSERT_GT(stable.size(), 0u) << what;

  std::vector<std::pair<uint32_t, Fields>> expected, got;
  for (const auto& entry : before)
    if (stable.count(entry.first)) expected.push_back(entry);
  for (const auto& entry : fast) {
    EXPECT_TRUE(known.count(entry.first)) << what << " " << entry.first << " seen by neither";
    if (stable.count(entry.first)) got.push_back(entry);
  }
  EXPECT_EQ(got, expected) << what << ": same ids, order and fields";
}

TEST(NtQuerySourceWin, YieldsTheToolhelpEntriesOnTheLiveSystem) {
  // A little load of our own: processes with windows and several threads each.
  TestProcess first("Orvane compare one", 5);
  TestProcess second("Orvane compare two", 9);
  win32::ToolhelpSource toolhelp;
  win32::NtQuerySource fast(false);

  const Lists before = Read(toolhelp);
  const Lists quick = Read(fast);
  const Lists after = Read(toolhelp);

  ExpectSameEntries(before.processes, quick.processes, after.processes, "processes");
  ExpectSameEntries(before.threads, quick.threads, after.threads, "threads");

  // The helpers are there, with their own name and every thread.
  std::size_t helperThreads = 0;
  for (const auto& [id, fields] : quick.threads)
    if (std::get<0>(fields) == second.pid()) ++helperThreads;
  EXPECT_GE(helperThreads, 10u);
  bool named = false;
  for (const auto& [id, fields] : quick.processes)
    named |= id == first.pid() && std::get<1>(fields) == "test_window.exe";
  EXPECT_TRUE(named);

  // For the record: what each source gives as the base priority of a normal-class process.
  for (const auto* lists : {&before, &quick})
    for (const auto& [id, fields] : lists->processes)
      if (id == first.pid())
        std::printf("%s: base priority %d\n", lists == &before ? "tool-help" : "system query",
                    std::get<0>(fields));
}

}  // namespace
}  // namespace orvane
