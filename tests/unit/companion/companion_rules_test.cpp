// The companion's trapped key combinations as the keyboard's events complete them, and when
// it writes or removes its replacement of the system's task manager.
#include "companion/companion_rules.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "doubles/fake_platform.h"

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

}  // namespace
}  // namespace orvane
