#include "view/list_filter.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "unit/view/view_records.h"

namespace orvane {
namespace {

using testing::Computer;
using testing::Process;
using testing::Root;
using testing::Send;
using testing::Thread;
using testing::Window;

class KeyCollector : public RecordReceiver {
 public:
  std::vector<ObjectKey> keys;
  void RecordArrived(const void* record, int32_t) override {
    ObjectKey k;
    std::memcpy(&k, record, sizeof k);
    keys.push_back(k);
  }
};

// One cycle: two processes, each with a thread, each thread with a window.
void SendCycle(RecordReceiver& r) {
  Send(r, Root());
  Send(r, Computer());
  Send(r, Process(1, "a.exe"));
  Send(r, Process(2, "b.exe", 8, "", 0x200));
  Send(r, Thread(1, 10));
  Send(r, Thread(2, 20));
  Send(r, Window(1, 10, 0x100, "a"));
  Send(r, Window(2, 20, 0x200, "b"));
}

std::vector<int32_t> Kinds(const KeyCollector& c) {
  std::vector<int32_t> kinds;
  for (const ObjectKey& k : c.keys) kinds.push_back(k.kind);
  return kinds;
}

TEST(ListFilter, PassesTheRootAndDirectChildrenOfTheCurrentKey) {
  KeyCollector list;
  ListFilter filter(list);
  SendCycle(filter);
  EXPECT_EQ(Kinds(list), (std::vector<int32_t>{0, 2, 2}));

  list.keys.clear();
  filter.currentKey = Process(2, "").key;
  SendCycle(filter);
  ASSERT_EQ(Kinds(list), (std::vector<int32_t>{0, 3}));
  EXPECT_EQ(list.keys[1].threadId, 20u);

  list.keys.clear();
  filter.currentKey = Thread(1, 10).key;
  SendCycle(filter);
  ASSERT_EQ(Kinds(list), (std::vector<int32_t>{0, 4}));
  EXPECT_EQ(list.keys[1].windowHandle, 0x100u);

  // A window has no children; the root key's child is the computer.
  list.keys.clear();
  filter.currentKey = Window(1, 10, 0x100, "").key;
  SendCycle(filter);
  EXPECT_EQ(Kinds(list), (std::vector<int32_t>{0}));
  list.keys.clear();
  filter.currentKey = Root().key;
  SendCycle(filter);
  EXPECT_EQ(Kinds(list), (std::vector<int32_t>{0, 1}));
}

TEST(ListFilter, PinnedKeysReplaceTheChildRule) {
  KeyCollector list;
  ListFilter filter(list);
  filter.pinnedKeys.push_back(Window(2, 20, 0x200, "").key);
  filter.pinnedKeys.push_back(Thread(1, 10).key);
  filter.pinnedKeys.push_back(Thread(1, 10).key);  // passed once all the same
  SendCycle(filter);
  EXPECT_EQ(Kinds(list), (std::vector<int32_t>{0, 3, 4}));

  // A process key pinned with mainWindow set matches the process, not its window.
  list.keys.clear();
  filter.pinnedKeys.clear();
  filter.pinnedKeys.push_back(Process(2, "", 8, "", 0x999).key);
  SendCycle(filter);
  EXPECT_EQ(Kinds(list), (std::vector<int32_t>{0, 2}));

  list.keys.clear();
  filter.pinnedKeys.clear();
  filter.pinnedKeys.push_back(Process(77, "").key);
  SendCycle(filter);
  EXPECT_EQ(Kinds(list), (std::vector<int32_t>{0}));
}

TEST(ListFilter, DropsRecordsTooShortForAKeyAndSurvivesExtremeKinds) {
  KeyCollector list;
  ListFilter filter(list);
  const RootRecord root = Root();
  filter.RecordArrived(&root, 20);
  filter.RecordArrived(nullptr, 24);
  filter.currentKey.kind = INT32_MAX;  // one more would overflow
  SendCycle(filter);
  EXPECT_EQ(Kinds(list), (std::vector<int32_t>{0}));
}

}  // namespace
}  // namespace orvane
