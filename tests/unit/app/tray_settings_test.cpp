// The Settings menu's companion handlers and Help against the doubles: what each starts,
// closes, writes and registers, with the Run value refused per machine or everywhere.
#include "app/tray_settings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "doubles/fake_files.h"
#include "doubles/fake_object_control.h"
#include "doubles/fake_platform.h"
#include "doubles/fake_program_starter.h"
#include "platform/error.h"
#include "tray/task_manager_trap.h"

namespace orvane {
namespace {

using testing::FakeClock;
using testing::FakeFiles;
using testing::FakeObjectControl;
using testing::FakeProgramStarter;
using testing::FakeRegistry;

constexpr char kDir[] = "C:\\Orvane\\";
constexpr char kTrayPath[] = "C:\\Orvane\\tray.exe";
constexpr uint32_t kTrayWindow = 0x7070;

// Where the Run value may be written: a standard user may change only the per-user key.
enum class RunKeys { kBoth, kUserOnly, kNone };

struct Rig {
  FakeRegistry registry;
  FakeProgramStarter starter;
  FakeFiles files;
  FakeObjectControl control;
  TrayShared tray;
  TraySettings settings{{registry, starter, files, control, tray, kDir}};

  Rig(RunKeys keys, bool running) {
    if (keys == RunKeys::kBoth) registry.AddKey(RegistryRoot::kLocalMachine, kRunKey);
    if (keys != RunKeys::kNone) registry.AddKey(RegistryRoot::kCurrentUser, kRunKey);
    tray.TrayRunning = running ? 1 : 0;
    tray.TrayWindowKey.Store({kKindWindow, 0, 0, 5, 6, kTrayWindow});
  }
  // Where the value is now: "machine", "user", both, or neither.
  std::string Registered() {
    std::string where;
    for (auto [root, name] : {std::pair{RegistryRoot::kLocalMachine, "machine"},
                              std::pair{RegistryRoot::kCurrentUser, "user"}}) {
      const auto value = registry.ReadString(root, kRunKey, kTrayRunValue);
      if (!value) continue;
      EXPECT_EQ(*value, kTrayPath);
      where += where.empty() ? name : std::string(" ") + name;
    }
    return where;
  }
  int Starts() const {
    int n = 0;
    for (const auto& c : starter.commands) {
      EXPECT_EQ(c.commandLine, std::string("\"") + kTrayPath + "\"");
      EXPECT_EQ(c.show, ShowCommand::kShowNormal);
      ++n;
    }
    return n;
  }
  bool Closed() const { return control.actions == std::vector<std::string>{"post-close 0x7070"}; }
  std::optional<std::string> TrayData() {
    const auto found = files.files.find("tray.dat");
    if (found == files.files.end()) return std::nullopt;
    return found->second;
  }
};

// Runs the handler; true when it raised the Run value's error.
template <typename F>
bool Failed(F&& handler) {
  try {
    handler();
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), "Failed to set data for 'Orvane2000Tray'");
    return true;
  }
  return false;
}

TEST(TraySettingsTest, FirstRunInstallsOnlyWithoutTrayDat) {
  struct Case {
    const char* name;
    bool trayDat;
    RunKeys keys;
    TrapChecks traps;
    int starts;
    std::string registered;
    std::optional<std::string> trayData;
    bool error;
  };
  using namespace std::string_literals;
  const Case cases[] = {
      {"first run", false, RunKeys::kBoth, {}, 1, "machine", "\0\0\0\0"s, false},
      {"first run with traps",
       false,
       RunKeys::kBoth,
       {true, false, true},
       1,
       "machine",
       "\x05\0\0\0"s,
       false},
      {"standard user", false, RunKeys::kUserOnly, {}, 1, "user", "\0\0\0\0"s, false},
      // Left for the next start to try again.
      {"no Run key writable", false, RunKeys::kNone, {}, 1, "", std::nullopt, true},
      {"installed before", true, RunKeys::kBoth, {}, 0, "", "old"s, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Rig rig(c.keys, false);
    if (c.trayDat) rig.files.files["tray.dat"] = "old";
    EXPECT_EQ(Failed([&] { rig.settings.InstallOnFirstRun(c.traps); }), c.error);
    EXPECT_EQ(rig.Starts(), c.starts);
    EXPECT_EQ(rig.Registered(), c.registered);
    EXPECT_EQ(rig.TrayData(), c.trayData);
    EXPECT_TRUE(rig.control.actions.empty());
  }
}

TEST(TraySettingsTest, AddTrayIconStartsOrStopsTheCompanionOnlyWhenMarkAndStateAgree) {
  struct Case {
    const char* name;
    bool checked;
    bool running;
    RunKeys keys;
    bool registeredBefore;
    int starts;
    bool closed;
    std::string registered;
    bool trapsCleared;
    bool error;
  };
  const Case cases[] = {
      {"turn on", false, false, RunKeys::kBoth, false, 1, false, "machine", false, false},
      {"turn on as standard user", false, false, RunKeys::kUserOnly, false, 1, false, "user", false,
       false},
      {"turn on, no Run key writable", false, false, RunKeys::kNone, false, 1, false, "", false,
       true},
      {"turn off", true, true, RunKeys::kBoth, true, 0, true, "", true, false},
      // Removal is silent where it is refused.
      {"turn off, nothing writable", true, true, RunKeys::kNone, false, 0, true, "", true, false},
      {"checked but gone", true, false, RunKeys::kBoth, true, 0, false, "machine user", false,
       false},
      {"unchecked but seen", false, true, RunKeys::kBoth, true, 0, false, "machine user", false,
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Rig rig(c.keys, c.running);
    if (c.registeredBefore) {
      rig.registry.SetString(RegistryRoot::kLocalMachine, kRunKey, kTrayRunValue, kTrayPath);
      rig.registry.SetString(RegistryRoot::kCurrentUser, kRunKey, kTrayRunValue, kTrayPath);
    }
    TrayMenuChecks checks{c.checked, {true, true, false}};
    EXPECT_EQ(Failed([&] { rig.settings.AddTrayIconClick(checks); }), c.error);
    EXPECT_EQ(rig.Starts(), c.starts);
    EXPECT_EQ(rig.Closed(), c.closed);
    EXPECT_EQ(rig.Registered(), c.registered);
    // The item's own mark waits for the tick; the traps go at once; "tray.dat" stays.
    EXPECT_EQ(checks, (TrayMenuChecks{c.checked, c.trapsCleared ? TrapChecks{}
                                                                : TrapChecks{true, true, false}}));
    EXPECT_FALSE(rig.TrayData());
  }
}

TEST(TraySettingsTest, TrapItemsRewriteTrayDatAndRestartTheCompanion) {
  struct Case {
    const char* name;
    TrapMask invoked;
    TrapChecks before;
    bool icon;
    bool running;
    TrapChecks after;
    bool closed;
    int starts;
  };
  const Case cases[] = {
      {"check CTRL ALT SHIFT alone",
       kTrapCtrlAltShift,
       {},
       true,
       true,
       {false, true, false},
       true,
       1},
      {"check a trap, companion not running",
       kTrapShiftShift,
       {},
       false,
       false,
       {false, false, true},
       false,
       1},
      {"uncheck the last trap, no icon",
       kTrapCtrlAltDel,
       {true, false, false},
       false,
       true,
       {},
       true,
       0},
      {"uncheck a trap, icon kept",
       kTrapCtrlAltDel,
       {true, false, true},
       true,
       true,
       {false, false, true},
       true,
       1},
      // The restored workspace: no item inverted, "tray.dat" rewritten, the companion started.
      {"at start-up", kNoTraps, {true, true, true}, false, false, {true, true, true}, false, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Rig rig(RunKeys::kNone, c.running);
    TrayMenuChecks checks{c.icon, c.before};
    const bool start = rig.settings.TrapClick(checks, c.invoked);
    EXPECT_EQ(checks, (TrayMenuChecks{c.icon, c.after}));
    EXPECT_EQ(rig.TrayData(), EncodeTrapMask(TrapMaskOf(c.after)));
    EXPECT_EQ(rig.Closed(), c.closed);
    // The handler never waits: the new companion starts when the window's timer calls for it,
    // half a second later, once the old one has gone.
    EXPECT_EQ(rig.Starts(), 0);
    EXPECT_EQ(start, c.starts == 1);
    if (start) rig.settings.StartCompanion();
    EXPECT_EQ(rig.Starts(), c.starts);
    // The Run value is not this handler's business, so an unwritable one is no error.
    EXPECT_EQ(rig.Registered(), "");
  }
}

TEST(TraySettingsTest, AtStartUpOurReplacementOfTheTaskManagerGoesUnlessTheTrapIsChecked) {
  constexpr RegistryRoot k64 = RegistryRoot::kLocalMachine64;
  const std::string ours = "\"C:\\Orvane\\orvn2k.exe\"";
  const std::string other = "\"C:\\Tools\\other.exe\"";
  const struct {
    TrapChecks traps;
    std::string before;
    bool kept;
  } cases[] = {
      {{}, ours, false},
      {{false, true, true}, ours, false},
      {{true, false, false}, ours, true},
      {{}, other, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.before + (c.traps.ctrlAltDel ? " trapped" : " not trapped"));
    Rig rig(RunKeys::kBoth, false);
    rig.registry.SetString(k64, kTaskManagerOptionsKey, kDebuggerValue, c.before);
    rig.settings.RemoveStaleTaskManagerTrap(c.traps);
    EXPECT_EQ(rig.registry.HasValue(k64, kTaskManagerOptionsKey, kDebuggerValue), c.kept);
    EXPECT_EQ(rig.Starts(), 0);
    EXPECT_TRUE(rig.control.actions.empty());
  }
}

TEST(TraySettingsTest, TickMarkFollowsTheCompanionAndHelpOpensTheDocument) {
  Rig rig(RunKeys::kBoth, false);
  EXPECT_FALSE(rig.settings.TrayIconChecked());
  rig.tray.TrayRunning = 1;
  EXPECT_TRUE(rig.settings.TrayIconChecked());

  rig.starter.starts = false;  // a missing document: nothing is reported
  rig.settings.OpenHelp();
  EXPECT_EQ(rig.starter.documents,
            (std::vector<FakeProgramStarter::Document>{
                {"C:\\Orvane\\help\\index.html", "", "", ShowCommand::kShowNormal}}));
}

}  // namespace
}  // namespace orvane
