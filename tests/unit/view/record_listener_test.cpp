#include "view/record_listener.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "platform/error.h"
#include "unit/view/view_records.h"

namespace orvane {
namespace {

using testing::Computer;
using testing::Process;
using testing::Root;
using testing::Send;
using testing::Thread;
using testing::Window;

// Records every hook call as "C:pid", "R:pid", "M:pid" (the key's word of the object's kind).
class Recorder : public RecordListener {
 public:
  std::vector<std::string> events;
  std::function<bool(const TrackedObject&)> accept = [](const TrackedObject&) { return true; };
  std::function<bool(const TrackedObject&)> release = [](const TrackedObject&) { return true; };
  std::vector<TrackedObject> modified;

  static std::string Name(const TrackedObject& o) {
    switch (o.key.kind) {
      case kKindRoot:
        return "root";
      case kKindComputer:
        return "computer";
      case kKindProcess:
        return "p" + std::to_string(o.key.processId);
      case kKindThread:
        return "t" + std::to_string(o.key.threadId);
      default:
        return "w" + std::to_string(o.key.windowHandle);
    }
  }

 protected:
  bool Created(const TrackedObject& o) override {
    events.push_back("C:" + Name(o));
    return accept(o);
  }
  bool Removed(const TrackedObject& o) override {
    events.push_back("R:" + Name(o));
    return release(o);
  }
  void Modified(const TrackedObject& o) override {
    events.push_back("M:" + Name(o));
    modified.push_back(o);
  }
};

std::vector<std::string> Take(Recorder& r) {
  std::vector<std::string> e;
  e.swap(r.events);
  return e;
}

using Events = std::vector<std::string>;

TEST(RecordListenerTiming, CreatedAtFirstRecordRemovedTwoCycleStartsLater) {
  Recorder r;
  Send(r, Root());  // cycle 1
  Send(r, Process(1, "a.exe"));
  Send(r, Process(2, "b.exe"));
  EXPECT_EQ(Take(r), (Events{"C:root", "C:p1", "C:p2"}));

  Send(r, Root());  // cycle 2: only p1
  Send(r, Process(1, "a.exe"));
  Send(r, Root());  // cycle 3: p2 created in 1, absent from 2
  EXPECT_EQ(Take(r), Events{});
  Send(r, Root());  // cycle 4: p2 absent from 2 and 3; p1 seen in 2, absent from 3
  EXPECT_EQ(Take(r), (Events{"R:p1", "R:p2"}));
  EXPECT_EQ(r.TrackedCount(), 1u);  // the root, found again at every cycle
}

TEST(RecordListenerTiming, SeenThenAbsentForOneCycleIsRemovedAtTheStartOfTheNext) {
  Recorder r;
  Send(r, Root());
  Send(r, Process(1, "a.exe"));
  Send(r, Root());
  Send(r, Process(1, "a.exe"));  // seen in cycle 2
  Send(r, Root());               // cycle 3 without it
  Take(r);
  Send(r, Root());  // start of cycle 4
  EXPECT_EQ(Take(r), Events{"R:p1"});
}

TEST(RecordListenerTiming, RefusedRemovalIsOfferedAgainUntilARecordReturns) {
  Recorder r;
  r.release = [](const TrackedObject& o) { return o.key.kind != kKindProcess; };
  Send(r, Process(1, "a.exe"));
  Send(r, Root());
  Send(r, Root());
  Send(r, Root());
  EXPECT_EQ(Take(r), (Events{"C:p1", "C:root", "R:p1"}));
  Send(r, Root());
  EXPECT_EQ(Take(r), Events{"R:p1"});
  // Its record arrives first: tracked again, no Created, and it survives the next start.
  Send(r, Process(1, "a.exe"));
  Send(r, Root());
  EXPECT_EQ(Take(r), Events{});
  ASSERT_TRUE(r.FindTracked(Process(1, "").key).has_value());
  EXPECT_EQ(r.FindTracked(Process(1, "").key)->age, 0);
}

TEST(RecordListenerTiming, RefusedCreationIsOfferedAgainWithTheNextRecord) {
  Recorder r;
  r.accept = [](const TrackedObject& o) { return o.key.kind != kKindComputer; };
  Send(r, Computer());
  Send(r, Computer());
  EXPECT_EQ(Take(r), (Events{"C:computer", "C:computer"}));
  EXPECT_EQ(r.TrackedCount(), 0u);
}

TEST(RecordListenerStore, TwoEqualKeysInOneCycleCreateOnceThenCompare) {
  Recorder r;
  Send(r, Root());
  Send(r, Thread(1, 10, 8));
  Send(r, Thread(1, 10, 8));
  Send(r, Thread(1, 10, 9));
  EXPECT_EQ(Take(r), (Events{"C:root", "C:t10", "M:t10"}));
  EXPECT_EQ(r.TrackedCount(), 2u);
  EXPECT_EQ(r.FindTracked(Thread(1, 10).key)->thread().basePriority, 9);
}

TEST(RecordListenerStore, KeepsInsertionOrderWhenGapsCloseAndReusesNothingOutOfOrder) {
  Recorder r;
  Send(r, Root());
  for (uint32_t pid = 1; pid <= 5; ++pid) Send(r, Process(pid, "x.exe"));
  Send(r, Root());
  for (uint32_t pid : {1u, 3u, 5u}) Send(r, Process(pid, "x.exe"));
  Send(r, Root());
  Send(r, Root());  // 2 and 4 go; then 1, 3, 5 too
  Send(r, Process(4, "x.exe"));
  Send(r, Process(3, "x.exe"));
  std::vector<uint32_t> order;
  for (const TrackedObject& o : r.Tracked()) order.push_back(o.key.processId);
  EXPECT_EQ(order, (std::vector<uint32_t>{0, 4, 3}));
  // Found through the index after reuse of freed places.
  Send(r, Process(4, "y.exe"));
  EXPECT_EQ(r.events.back(), "M:p4");
}

TEST(RecordListenerStore, HookErrorsLeaveTheStoreAsItWas) {
  Recorder r;
  Send(r, Root());
  for (uint32_t pid = 1; pid <= 3; ++pid) Send(r, Process(pid, "x.exe"));
  r.accept = [](const TrackedObject&) -> bool { throw Error("no"); };
  EXPECT_THROW(Send(r, Process(9, "x.exe")), Error);
  EXPECT_FALSE(r.FindTracked(Process(9, "").key).has_value());

  r.release = [](const TrackedObject& o) -> bool {
    if (o.key.processId == 2) throw Error("no");
    return true;
  };
  Send(r, Root());
  Send(r, Root());
  EXPECT_THROW(Send(r, Root()), Error);  // p1 removed, p2 raised; p2 and p3 stay
  std::vector<uint32_t> order;
  for (const TrackedObject& o : r.Tracked()) order.push_back(o.key.processId);
  EXPECT_EQ(order, (std::vector<uint32_t>{0, 2, 3}));
}

TEST(RecordListenerInput, IgnoresShortUnknownAndMissingRecords) {
  Recorder r;
  const ProcessRecord p = Process(1, "a.exe");
  r.RecordArrived(&p, 100);  // a process record needs 224 bytes
  r.RecordArrived(&p, 10);   // not even a key
  r.RecordArrived(nullptr, 224);
  ObjectKey unknown{7, 0, 0, 1, 2, 3};
  r.RecordArrived(&unknown, sizeof unknown);
  unknown.kind = -1;
  r.RecordArrived(&unknown, sizeof unknown);
  EXPECT_TRUE(r.events.empty());
  EXPECT_EQ(r.TrackedCount(), 0u);
  // A longer buffer is fine: only the kind's record is copied.
  unsigned char big[300] = {};
  std::memcpy(big, &p, sizeof p);
  r.RecordArrived(big, sizeof big);
  EXPECT_EQ(r.events, Events{"C:p1"});
}

TEST(ContentDiffers, ProcessIgnoresDirectoryMainWindowAndOsCode) {
  Recorder r;
  Send(r, Process(1, "a.exe", 8, "c:\\"));
  Send(r, Process(1, "a.exe", 8, "d:\\", 0x55, 4));
  EXPECT_TRUE(r.modified.empty());
  // The stored copy keeps the old key words, since nothing was replaced.
  EXPECT_EQ(r.FindTracked(Process(1, "").key)->key.windowHandle, 0u);

  ProcessRecord renamed = Process(1, "a.exe", 8, "d:\\", 0x66);
  CopyText(renamed.caption, "Untitled - A");
  Send(r, renamed);
  ASSERT_EQ(r.modified.size(), 1u);
  EXPECT_EQ(FieldText(r.modified[0].process().caption), "Untitled - A");
  EXPECT_EQ(r.FindTracked(Process(1, "").key)->key.windowHandle, 0x66u);
  Send(r, Process(1, "a.exe", 13, "d:\\", 0x66));
  Send(r, Process(1, "A.exe", 13, "d:\\", 0x66));  // case matters
  EXPECT_EQ(r.modified.size(), 3u);
}

TEST(ContentDiffers, WindowTitleAndMoveInOneRecordGiveOneModified) {
  Recorder r;
  Send(r, Window(1, 2, 3, "Old"));
  WindowRecord w = Window(1, 2, 3, "New");
  w.left = 99;
  Send(r, w);
  ASSERT_EQ(r.modified.size(), 1u);
  EXPECT_EQ(FieldText(r.modified[0].window().title), "New");
  w.visible = 0;
  Send(r, w);
  w.showState = 1;
  Send(r, w);
  EXPECT_EQ(r.modified.size(), 3u);
}

TEST(ContentDiffers, TextsCompareUpToTheirTerminatorAndComputerFieldsCount) {
  Recorder r;
  ComputerRecord c = Computer("HOST");
  Send(r, c);
  c.computerName[10] = 'z';  // after the terminator: meaningless
  Send(r, c);
  EXPECT_TRUE(r.modified.empty());
  c.reserved2 = 1;
  Send(r, c);
  c.cpuLoad = 50;
  Send(r, c);
  CopyText(c.userName, "bob");
  Send(r, c);
  EXPECT_EQ(r.modified.size(), 3u);

  // A field without a terminator is read to its end and never beyond.
  WindowRecord w = Window(1, 2, 3, "");
  std::memset(w.title, 'a', sizeof w.title);
  Send(r, w);
  Send(r, w);
  EXPECT_EQ(r.modified.size(), 3u);
  w.title[63] = 'b';
  Send(r, w);
  EXPECT_EQ(r.modified.size(), 4u);
  EXPECT_EQ(FieldText(r.modified.back().window().title).size(), kTextField);
}

TEST(ContentDiffers, RootNeverDiffersAndIsNeverRemoved) {
  Recorder r;
  for (int cycle = 0; cycle < 4; ++cycle) Send(r, Root());
  EXPECT_EQ(Take(r), Events{"C:root"});
}

TEST(ClearAll, EmptiesInPassesAndStopsWhenNothingGives) {
  Recorder r;
  r.ClearAll();
  EXPECT_TRUE(r.events.empty());

  // Each object refuses while a later one (its child) is tracked: one level per pass.
  Send(r, Process(1, "a.exe"));
  Send(r, Thread(1, 10));
  Send(r, Window(1, 10, 100, "w"));
  int passesSeen = 0;
  r.release = [&r, &passesSeen](const TrackedObject& o) {
    ++passesSeen;
    for (const TrackedObject& other : r.Tracked()) {
      if (KeyIsAncestor(o.key, other.key)) return false;
    }
    return true;
  };
  Take(r);
  r.ClearAll();
  EXPECT_EQ(Take(r), (Events{"R:p1", "R:t10", "R:w100", "R:p1", "R:t10", "R:p1"}));
  EXPECT_EQ(r.TrackedCount(), 0u);

  // A hook that always refuses does not hang ClearAll; the object stays.
  Send(r, Process(2, "b.exe"));
  r.release = [](const TrackedObject&) { return false; };
  r.ClearAll();
  EXPECT_EQ(r.TrackedCount(), 1u);

  // Reset forgets without asking, even a hook that throws; the same keys are then new.
  r.release = [](const TrackedObject&) -> bool { throw Error("list rem not found"); };
  Take(r);
  r.Reset();
  EXPECT_EQ(r.TrackedCount(), 0u);
  EXPECT_TRUE(Take(r).empty());
  Send(r, Process(2, "b.exe"));
  Send(r, Thread(2, 20));
  EXPECT_EQ(Take(r), (Events{"C:p2", "C:t20"}));
  EXPECT_TRUE(r.FindTracked(Process(2, "b.exe").key));
}

TEST(RecordListenerStore, ArrivalOrderDifferentFromStoreOrderChangesNothing) {
  Recorder r;
  Send(r, Root());
  for (uint32_t pid = 1; pid <= 6; ++pid) Send(r, Thread(pid, pid * 10));
  for (int cycle = 0; cycle < 3; ++cycle) {
    Send(r, Root());
    for (uint32_t pid : {4u, 5u, 6u, 1u, 3u, 2u}) Send(r, Thread(pid, pid * 10));
    Send(r, Thread(3, 30));  // again, straight after its own record
  }
  EXPECT_EQ(r.events.size(), 7u);  // the creations only
  EXPECT_EQ(r.TrackedCount(), 7u);
}

TEST(RecordListenerStore, AKeyThatLeavesAndComesBackIsANewObjectBeforeAndAfterCompaction) {
  Recorder r;
  auto cycle = [&r](std::vector<uint32_t> pids, const char* name) {
    Send(r, Root());
    for (uint32_t pid : pids) Send(r, Process(pid, name));
  };
  cycle({1, 2, 3, 4, 5, 6, 7, 8}, "a.exe");
  cycle({2, 3, 4, 5, 6, 7, 8}, "a.exe");
  cycle({2, 3, 4, 5, 6, 7, 8}, "a.exe");
  Take(r);
  cycle({1, 2, 3, 4, 5, 6, 7, 8}, "a.exe");  // p1 went at this cycle's start, one of nine
  EXPECT_EQ(Take(r), (Events{"R:p1", "C:p1"}));
  cycle({1, 2, 3, 4, 5, 6, 7, 8}, "b.exe");
  EXPECT_EQ(r.modified.size(), 8u);
  ASSERT_TRUE(r.FindTracked(Process(1, "").key).has_value());
  EXPECT_STREQ(r.FindTracked(Process(1, "").key)->process().fileName, "b.exe");
  // Most leave, the store is compacted, and p1 is found in its new place.
  cycle({1}, "b.exe");
  cycle({1}, "b.exe");
  cycle({1}, "c.exe");
  Events events = Take(r);
  EXPECT_EQ(std::count(events.begin(), events.end(), "M:p1"), 2);  // to b.exe, then to c.exe
  EXPECT_EQ(r.TrackedCount(), 2u);
  EXPECT_FALSE(r.FindTracked(Process(2, "").key).has_value());
  cycle({2}, "c.exe");
  EXPECT_EQ(Take(r).back(), "C:p2");
}

// Sees, in Modified, the record the change replaced.
class PreviousReader : public RecordListener {
 public:
  std::vector<std::string> seen;  // "old->new" file names
  bool raise = false;
  bool PreviousOutsideModified() const { return Previous().has_value(); }

 protected:
  bool Created(const TrackedObject&) override { return true; }
  bool Removed(const TrackedObject&) override { return true; }
  void Modified(const TrackedObject& o) override {
    const std::optional<TrackedObject> before = Previous();
    seen.push_back(std::string(before ? FieldText(before->process().fileName) : "none") + "->" +
                   std::string(FieldText(o.process().fileName)));
    if (raise) throw Error("no");
  }
};

TEST(RecordListenerStore, ModifiedCanReadTheReplacedRecordAndNothingElseCan) {
  PreviousReader r;
  Send(r, Root());
  Send(r, Process(1, "a.exe"));
  Send(r, Process(1, "b.exe"));
  r.raise = true;
  EXPECT_THROW(Send(r, Process(1, "c.exe")), Error);
  EXPECT_EQ(r.seen, (std::vector<std::string>{"a.exe->b.exe", "b.exe->c.exe"}));
  EXPECT_FALSE(r.PreviousOutsideModified());
  EXPECT_STREQ(r.FindTracked(Process(1, "").key)->process().fileName, "c.exe");
}

// Processes come and go every cycle, each with two threads, and one changes: the kinds are
// interleaved in the store but arrive grouped by kind, and forgotten places pile up until the
// store is rewritten. Every hook call and the store's order must be those of a plain list.
TEST(RecordListenerStore, LongChurnKeepsOrderHooksAndLookups) {
  Recorder r;
  struct Expected {
    std::string name;
    int age;
  };
  std::vector<Expected> model;  // insertion order
  std::vector<uint32_t> alive;  // processes, oldest first
  uint32_t nextPid = 1;
  for (int i = 0; i < 12; ++i) alive.push_back(nextPid++);
  for (int cycle = 0; cycle < 30; ++cycle) {
    if (cycle > 0) {
      // The four oldest stop arriving, four new ones come.
      alive.erase(alive.begin(), alive.begin() + 4);
      for (int i = 0; i < 4; ++i) alive.push_back(nextPid++);
    }
    Events expected;
    std::erase_if(model, [&](Expected& e) {
      if (e.age >= 1) return --e.age, false;
      expected.push_back("R:" + e.name);
      return true;
    });
    std::vector<std::string> arrivals{"root"};
    for (uint32_t pid : alive) arrivals.push_back("p" + std::to_string(pid));
    for (uint32_t pid : alive) {
      arrivals.push_back("t" + std::to_string(pid * 10));
      arrivals.push_back("t" + std::to_string(pid * 10 + 1));
    }
    for (const std::string& n : arrivals) {
      auto found =
          std::find_if(model.begin(), model.end(), [&](const Expected& e) { return e.name == n; });
      if (found != model.end()) {
        found->age = 1;
      } else {
        expected.push_back("C:" + n);
        model.push_back({n, 2});
      }
    }

    const uint32_t changed = alive[static_cast<std::size_t>(cycle) % alive.size()];
    r.modified.clear();
    Send(r, Root());
    for (uint32_t pid : alive) Send(r, Process(pid, pid == changed ? "changed.exe" : "x.exe"));
    for (uint32_t pid : alive) {
      Send(r, Thread(pid, pid * 10));
      Send(r, Thread(pid, pid * 10 + 1));
    }
    Events events = Take(r);
    std::erase_if(events, [](const std::string& e) { return e.starts_with("M:"); });
    ASSERT_EQ(events, expected) << "cycle " << cycle;
    std::vector<std::string> order;
    for (const TrackedObject& o : r.Tracked()) order.push_back(Recorder::Name(o));
    std::vector<std::string> expectedOrder;
    for (const Expected& e : model) expectedOrder.push_back(e.name);
    ASSERT_EQ(order, expectedOrder) << "cycle " << cycle;
    // The changed process, and the one changed the cycle before, back to x.exe.
    for (const TrackedObject& o : r.modified) EXPECT_EQ(o.key.kind, kKindProcess);
    EXPECT_LE(r.modified.size(), 2u);
    EXPECT_STREQ(r.FindTracked(Process(changed, "").key)->process().fileName, "changed.exe");
  }
}

}  // namespace
}  // namespace orvane
