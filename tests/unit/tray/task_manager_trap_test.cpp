// The companion's trapped key combinations as the keyboard's events complete them, and when
// it writes or removes its replacement of the system's task manager.
#include "tray/task_manager_trap.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "doubles/fake_platform.h"

namespace orvane {
namespace {

TEST(TaskManagerTrapTest, ReplacesTheTaskManagerOnlyWhereNoOtherProgramDoes) {
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

TEST(TaskManagerTrapTest, OnlyOurReplacementOfTheTaskManagerIsTakenBack) {
  constexpr char kDir[] = "C:\\Program Files\\Orvane\\";
  constexpr RegistryRoot k64 = RegistryRoot::kLocalMachine64;
  const std::string ours = "\"C:\\Program Files\\Orvane\\orvn2k.exe\"";
  EXPECT_EQ(OurDebugger(kDir), ours);
  struct Case {
    const char* name;
    RegistryRoot root;  // where the value is
    std::optional<std::string> before;
    bool refused;  // without an administrator's right
    bool removed;
  };
  const Case cases[] = {
      {"ours", k64, ours, false, true},
      {"ours in other letter case", k64, "\"c:\\program files\\ORVANE\\orvn2k.exe\"", false, true},
      {"another program's", k64, "\"C:\\Tools\\other.exe\"", false, false},
      {"ours from another folder", k64, "\"D:\\Orvane\\orvn2k.exe\"", false, false},
      {"none", k64, std::nullopt, false, false},
      {"ours, refused", k64, ours, true, false},
      // The system's task manager reads the 64-bit view alone.
      {"ours in the 32-bit view", RegistryRoot::kLocalMachine32, ours, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    testing::FakeRegistry registry;
    registry.AddKey(c.root, kTaskManagerOptionsKey);
    if (c.before) registry.SetString(c.root, kTaskManagerOptionsKey, kDebuggerValue, *c.before);
    registry.refuseWrites = c.refused;
    EXPECT_EQ(RemoveOurDebugger(registry, kDir), c.removed);
    EXPECT_EQ(registry.ReadString(c.root, kTaskManagerOptionsKey, kDebuggerValue),
              c.removed ? std::nullopt : c.before);
  }
}

}  // namespace
}  // namespace orvane
