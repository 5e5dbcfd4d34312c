// The companion's trapped key combinations as the keyboard's events complete them, and when
// it writes or removes its replacement of the system's task manager.
#include "tray/companion_rules.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace orvane {
namespace {

TEST(CompanionRulesTest, ReplacesTheTaskManagerOnlyWhereNoOtherProgramDoes) {
  const std::string ours = QuotedPath("C:\\Program Files\\Orvane\\orvn2k.exe");
  EXPECT_EQ(ours, "\"C:\\Program Files\\Orvane\\orvn2k.exe\"");
  struct Case {
    bool trapped;
    std::optional<std::string> current;
    DebuggerChange change;
  };
  const Case cases[] = {
      {true, std::nullopt, DebuggerChange::kWrite},
      {true, ours, DebuggerChange::kNone},
      {true, "\"C:\\Tools\\other.exe\"", DebuggerChange::kNone},
      {false, ours, DebuggerChange::kRemove},
      {false, "\"c:\\program files\\ORVANE\\orvn2k.exe\"", DebuggerChange::kRemove},
      {false, std::nullopt, DebuggerChange::kNone},
      {false, "\"C:\\Tools\\other.exe\"", DebuggerChange::kNone},
      // Ours from another folder, or unquoted, is another program's as far as we can tell.
      {false, "\"D:\\Orvane\\orvn2k.exe\"", DebuggerChange::kNone},
      {false, "C:\\Program Files\\Orvane\\orvn2k.exe", DebuggerChange::kNone},
      {false, "", DebuggerChange::kNone},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DebuggerChangeFor(c.trapped, c.current, ours), c.change)
        << c.trapped << " " << c.current.value_or("(none)");
  }
}

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
