// The companion's trapped key combinations as the keyboard's events complete them, and when
// it writes or removes its replacement of the system's task manager.
#include "companion/companion_rules.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "doubles/fake_platform.h"
#include "tray/task_manager_trap.h"

namespace orvane {
namespace {

TEST(CompanionRulesTest, ATrappedCombinationFiresOnceWhenItBecomesComplete) {
  using enum ChordKey;
  struct Event {
    ChordKey key;
    bool down;
  };
  struct Case {
    const char* name;
    TrapMask traps;
    std::vector<Event> events;
    std::vector<int> fired;  // indexes of the events that fire
  };
  const Case cases[] = {
      {"ctrl alt shift",
       kTrapCtrlAltShift,
       {{kLeftControl, true}, {kLeftAlt, true}, {kLeftShift, true}},
       {2}},
      {"any order, right-hand keys",
       kTrapCtrlAltShift,
       {{kRightShift, true}, {kRightAlt, true}, {kRightControl, true}},
       {2}},
      // Held down, the keys repeat: no second firing until the combination is broken.
      {"repeat and press again",
       kTrapCtrlAltShift,
       {{kLeftControl, true},
        {kLeftAlt, true},
        {kLeftShift, true},
        {kLeftShift, true},
        {kLeftShift, false},
        {kLeftShift, true}},
       {2, 5}},
      {"ctrl alt shift not trapped",
       kTrapShiftShift,
       {{kLeftControl, true}, {kLeftAlt, true}, {kLeftShift, true}},
       {}},
      {"ctrl shift only",
       kAllTraps,
       {{kLeftControl, true}, {kLeftShift, true}, {kLeftControl, false}, {kLeftAlt, true}},
       {}},
      {"both shifts", kTrapShiftShift, {{kLeftShift, true}, {kRightShift, true}}, {1}},
      {"one shift twice",
       kTrapShiftShift,
       {{kLeftShift, true}, {kLeftShift, true}, {kLeftShift, false}, {kLeftShift, true}},
       {}},
      {"released between",
       kTrapShiftShift,
       {{kRightShift, true}, {kRightShift, false}, {kLeftShift, true}},
       {}},
      {"both shifts not trapped", kTrapCtrlAltShift, {{kLeftShift, true}, {kRightShift, true}}, {}},
      {"no traps", kNoTraps, {{kLeftControl, true}, {kLeftAlt, true}, {kRightShift, true}}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    KeyChords chords(c.traps);
    std::vector<int> fired;
    for (std::size_t i = 0; i < c.events.size(); ++i)
      if (chords.OnKey(c.events[i].key, c.events[i].down)) fired.push_back(static_cast<int>(i));
    EXPECT_EQ(fired, c.fired);
  }
}

TEST(CompanionRulesTest, OurReplacementOfTheTaskManagerIsWrittenOnlyWhereNoneIsThere) {
  constexpr char kDir[] = "C:\\Program Files\\Orvane\\";
  constexpr RegistryRoot k64 = RegistryRoot::kLocalMachine64;
  const std::string ours = "\"C:\\Program Files\\Orvane\\orvn2k.exe\"";
  const std::string other = "\"C:\\Tools\\other.exe\"";
  struct Case {
    const char* name;
    bool key;  // the key is there before
    RegistryRoot root;
    std::optional<std::string> before;
    bool refused;  // without an administrator's right
    bool written;
  };
  const Case cases[] = {
      {"no key", false, k64, std::nullopt, false, true},
      {"an empty key", true, k64, std::nullopt, false, true},
      {"ours", true, k64, ours, false, false},
      {"another program's", true, k64, other, false, false},
      {"no key, refused", false, k64, std::nullopt, true, false},
      // The system's task manager reads the 64-bit view alone.
      {"another's in the 32-bit view", true, RegistryRoot::kLocalMachine32, other, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    testing::FakeRegistry registry;
    if (c.key) registry.AddKey(c.root, kTaskManagerOptionsKey);
    if (c.before) registry.SetString(c.root, kTaskManagerOptionsKey, kDebuggerValue, *c.before);
    registry.refuseWrites = c.refused;
    EXPECT_EQ(WriteOurDebugger(registry, kDir), c.written);
    const auto now = registry.ReadString(k64, kTaskManagerOptionsKey, kDebuggerValue);
    EXPECT_EQ(now, c.written ? std::optional(ours) : c.root == k64 ? c.before : std::nullopt);
    EXPECT_EQ(registry.HasKey(k64, kTaskManagerOptionsKey), c.written || (c.key && c.root == k64));
  }
}

}  // namespace
}  // namespace orvane
