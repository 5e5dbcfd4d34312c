#include "snapshot/info_thread.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <stdexcept>
#include <vector>

#include "doubles/fake_platform.h"
#include "view/record_listener.h"

namespace orvane {
namespace {

using testing::FakeClock;
using testing::FakeLocale;
using testing::FakeProcess;
using testing::FakeRegistry;
using testing::FakeSnapshotSource;

// Runs each step at once on the calling thread, optionally holding the first one until the
// test opens the gate; counts the cross-thread calls.
class GatedDispatcher : public GuiDispatcher {
 public:
  void RunOnGui(const std::function<void()>& step) override {
    {
      std::unique_lock lock(mutex_);
      ++calls_;
      entered_.notify_all();
      open_.wait(lock, [this] { return gateOpen_; });
    }
    step();
  }
  void Open() {
    std::lock_guard lock(mutex_);
    gateOpen_ = true;
    open_.notify_all();
  }
  void WaitForCall() {
    std::unique_lock lock(mutex_);
    entered_.wait(lock, [this] { return calls_ > 0; });
  }
  int Calls() {
    std::lock_guard lock(mutex_);
    return calls_;
  }
  bool gateOpen_ = true;

 private:
  std::mutex mutex_;
  std::condition_variable open_, entered_;
  int calls_ = 0;
};

class Recorder : public RecordReceiver {
 public:
  std::vector<ObjectKey> keys;
  int throwAt = -1;  // index of the record whose delivery fails

  void RecordArrived(const void* record, int32_t size) override {
    EXPECT_EQ(size, RecordSize(static_cast<const ObjectKey*>(record)->kind));
    if (static_cast<int>(keys.size()) == throwAt) {
      throwAt = -1;
      throw std::runtime_error("Tree node has no parent");
    }
    keys.push_back(*static_cast<const ObjectKey*>(record));
  }
};

class InfoThreadTest : public ::testing::Test {
 protected:
  FakeSnapshotSource source;
  FakeRegistry registry;
  FakeClock clock;
  FakeLocale locale;
  TrayShared tray;
  Collector collector{source, registry, clock, locale, tray};
  GatedDispatcher dispatcher;
  RecordSink sink;
  Recorder first, second;

  void SetUp() override {
    source.processes = {{10, "a.exe"}, {11, "b.exe"}};
    source.threads = {{10, 100, 8}, {11, 110, 8}};
    source.windows = {{0x500, 10, 100, "A window"}};
    sink.Register(&first);
    sink.Register(&second);
  }

  static void WaitCycles(const InfoThread& thread, uint64_t n) {
    while (thread.CyclesCompleted() < n || thread.Busy()) std::this_thread::yield();
  }
};

TEST_F(InfoThreadTest, OneWakeDeliversOneWholeCycleInOrderToEveryReceiver) {
  InfoThread thread(collector, dispatcher);
  thread.SetSink(&sink);
  EXPECT_EQ(thread.CyclesCompleted(), 0u) << "created suspended";
  ASSERT_TRUE(thread.Wake());
  WaitCycles(thread, 1);
  std::vector<int32_t> kinds;
  for (const ObjectKey& k : first.keys) kinds.push_back(k.kind);
  EXPECT_EQ(kinds, (std::vector<int32_t>{0, 1, 2, 2, 3, 3, 4}));
  EXPECT_EQ(first.keys.size(), second.keys.size());
  EXPECT_EQ(dispatcher.Calls(), 3) << "one hand-over per pass";
}

TEST_F(InfoThreadTest, AWakeDuringACycleIsDroppedNotQueued) {
  dispatcher.gateOpen_ = false;
  InfoThread thread(collector, dispatcher);
  thread.SetSink(&sink);
  ASSERT_TRUE(thread.Wake());
  dispatcher.WaitForCall();  // the cycle is now waiting for its first delivery
  EXPECT_TRUE(thread.Busy());
  EXPECT_FALSE(thread.Wake());
  EXPECT_FALSE(thread.Wake());
  dispatcher.Open();
  WaitCycles(thread, 1);
  EXPECT_EQ(thread.CyclesCompleted(), 1u);
  EXPECT_EQ(first.keys.size(), 7u);
  ASSERT_TRUE(thread.Wake());
  WaitCycles(thread, 2);
  EXPECT_EQ(first.keys.size(), 14u);
}

TEST_F(InfoThreadTest, TheCycleEndStepRunsOnceAfterTheLastRecordEvenOfAnAbandonedCycle) {
  std::vector<std::size_t> seenAtEnd;
  InfoThread thread(collector, dispatcher);
  thread.SetSink(&sink);
  thread.SetCycleEndStep([&] { seenAtEnd.push_back(first.keys.size()); });
  thread.Wake();
  WaitCycles(thread, 1);
  EXPECT_EQ(seenAtEnd, (std::vector<std::size_t>{7}));
  second.throwAt = 9;
  thread.Wake();
  WaitCycles(thread, 2);
  EXPECT_EQ(seenAtEnd, (std::vector<std::size_t>{7, 10}));
}

TEST_F(InfoThreadTest, LargePassesAreHandedOverInBatches) {
  source.threads.clear();
  for (uint32_t i = 0; i < 5000; ++i) source.threads.push_back({10, 1000 + i, 8});
  InfoThread thread(collector, dispatcher);
  thread.SetSink(&sink);
  thread.Wake();
  WaitCycles(thread, 1);
  EXPECT_EQ(dispatcher.Calls(), 4);  // processes, threads in two batches, windows
  ASSERT_EQ(first.keys.size(), 5005u);
  for (uint32_t i = 0; i < 5000; ++i) ASSERT_EQ(first.keys[4 + i].threadId, 1000 + i);
}

TEST_F(InfoThreadTest, AReceiverErrorAbandonsTheCycleAndLaterWakesStillWork) {
  std::vector<std::string> errors;
  InfoThread thread(collector, dispatcher);
  thread.SetSink(&sink);
  thread.SetErrorHandler([&](const std::string& text) { errors.push_back(text); });
  second.throwAt = 3;  // the second process record
  thread.Wake();
  WaitCycles(thread, 1);
  EXPECT_EQ(errors, (std::vector<std::string>{"Tree node has no parent"}));
  EXPECT_EQ(first.keys.size(), 4u) << "the failing record reached the earlier receiver";
  EXPECT_EQ(second.keys.size(), 3u);
  EXPECT_EQ(dispatcher.Calls(), 1) << "the rest of the cycle is not handed over";

  thread.Wake();
  WaitCycles(thread, 2);
  EXPECT_EQ(first.keys.size(), 11u);
  EXPECT_EQ(second.keys.size(), 10u);
}

TEST_F(InfoThreadTest, FiguresReachTheGuiAfterTheLastRecordBeforeTheCycleEnd) {
  std::vector<std::string> steps, errors;
  InfoThread thread(collector, dispatcher);
  thread.SetSink(&sink);
  thread.SetErrorHandler([&](const std::string& text) { errors.push_back(text); });
  bool fail = false;
  thread.SetFiguresReceiver([&](const ProcessFigureTable& figures) {
    steps.push_back("figures of " + std::to_string(figures.All().size()) + " after " +
                    std::to_string(first.keys.size()));
    if (fail) throw std::runtime_error("No room for the figures");
  });
  thread.SetCycleEndStep([&] { steps.push_back("end"); });
  thread.Wake();
  WaitCycles(thread, 1);
  EXPECT_EQ(steps, (std::vector<std::string>{"figures of 2 after 7", "end"}));
  EXPECT_EQ(dispatcher.Calls(), 4) << "one hand-over per pass, one for both end steps";

  // A receiver's error is reported; the cycle still ends, and the next one runs.
  fail = true;
  thread.Wake();
  WaitCycles(thread, 2);
  fail = false;
  thread.Wake();
  WaitCycles(thread, 3);
  EXPECT_EQ(errors, (std::vector<std::string>{"No room for the figures"}));
  EXPECT_EQ(steps.size(), 6u);
  EXPECT_EQ(steps.back(), "end");
  EXPECT_EQ(first.keys.size(), 21u);
}

// Counts what change detection makes of the stream.
class EventCounter : public RecordListener {
 public:
  int created = 0, modified = 0, removed = 0;

 protected:
  bool Created(const TrackedObject&) override { return ++created > 0; }
  bool Removed(const TrackedObject&) override { return ++removed > 0; }
  void Modified(const TrackedObject&) override { ++modified; }
};

TEST_F(InfoThreadTest, FiguresThatChangeEveryCycleNeverMakeAProcessModified) {
  source.windows.clear();  // a main window found would change a process's caption
  EventCounter events;
  sink.Register(&events);
  std::vector<int32_t> shares;
  InfoThread thread(collector, dispatcher);
  thread.SetSink(&sink);
  thread.SetFiguresReceiver(
      [&](const ProcessFigureTable& figures) { shares.push_back(figures.Find(10)->cpuShare); });
  for (uint64_t cycle = 1; cycle <= 4; ++cycle) {
    for (FakeProcess& p : source.processes) {
      ProcessCounters& c = p.counters;
      c.createTime = 1000;
      c.kernelTime += 1000000 * cycle;
      c.userTime += 2000000;
      c.privateBytes += 4096 * cycle;
      c.workingSet += 8192;
      c.threadCount = static_cast<uint32_t>(cycle);
      c.handleCount = static_cast<uint32_t>(10 * cycle);
    }
    clock.now += 1000;
    thread.Wake();
    WaitCycles(thread, cycle);
  }
  EXPECT_EQ(events.created, 6);  // root, computer, two processes, two threads
  EXPECT_EQ(events.modified, 0);
  EXPECT_EQ(events.removed, 0);
  ASSERT_EQ(shares.size(), 4u);
  EXPECT_EQ(shares[0], kNoCpuShare);
  EXPECT_GT(shares[3], shares[1]) << "the figures did change";
}

}  // namespace
}  // namespace orvane
