// The startup-entries list: building it from the registry, and adding, running and removing
// entries with the record of removals in "removed.dat".
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/autorun/autorun.h"
#include "doubles/fake_files.h"
#include "doubles/fake_message_boxes.h"
#include "doubles/fake_platform.h"
#include "doubles/fake_program_starter.h"
#include "platform/error.h"

namespace orvane {
namespace {

using namespace std::string_literals;

constexpr auto kUser = RegistryRoot::kCurrentUser;
constexpr auto kMachine = RegistryRoot::kLocalMachine;
constexpr auto kMachine32 = RegistryRoot::kLocalMachine32;

class AutorunTest : public ::testing::Test {
 protected:
  StartupEntries Make() { return {registry, files, boxes, starter, locale, programs}; }
  std::string Removed() { return files.files.count(kRemovedFile) ? files.files[kRemovedFile] : ""; }

  testing::FakeRegistry registry;
  testing::FakeFiles files;
  testing::FakeMessageBoxes boxes;
  testing::FakeProgramStarter starter;
  testing::FakeLocale locale;
  KnownPrograms programs{locale};
};

TEST_F(AutorunTest, ListsEachCommandOnceFromTheFourLocationsInOrder) {
  registry.SetString(kMachine, kRunKey, "Shell", "explorer.exe");
  registry.SetString(kMachine, kRunKey, "Tool", "c:\\TOOLS\\tool.exe /MIN");  // case aside
  registry.SetDword(kMachine, kRunKey, "Number", 1);
  registry.SetBinary(kMachine, kRunKey, "Binary");
  registry.SetString(kMachine, kRunKey, "Empty", "");
  registry.SetString(kMachine, kRunKey, "Full", "C:\\Windows\\explorer.exe");
  registry.SetString(kMachine, kRunKey, "Argument", "explorer.exe /n");
  registry.SetString(kMachine, std::string(kRunKey) + "\\Sub", "Inner", "inner.exe");
  registry.SetString(kUser, kRunKey, "Tool", "C:\\Tools\\tool.exe /min");
  registry.SetString(kMachine, kServicesKey, "Svc", "EXPLORER.EXE");  // case aside
  registry.SetString(kMachine, kServicesKey, "Service", "svc.exe");
  registry.SetString(kMachine32, kRunKey, "Wow", "C:\\x86\\wow.exe");
  registry.SetString(kMachine32, kRunKey, "Again", "svc.exe");

  const std::vector<StartupEntry> expected{
      {"C:\\Tools\\tool.exe /min", "Tool", kRunKey, kUser, 0},
      {"explorer.exe", "Shell", kRunKey, kMachine, 1},
      {"", "Empty", kRunKey, kMachine, 0},
      {"C:\\Windows\\explorer.exe", "Full", kRunKey, kMachine, 0},
      {"explorer.exe /n", "Argument", kRunKey, kMachine, 0},
      {"svc.exe", "Service", kServicesKey, kMachine, 0},
      {"C:\\x86\\wow.exe", "Wow", kRunKey, kMachine32, 0},
  };
  EXPECT_EQ(Make().Rows(), expected);

  testing::FakeRegistry empty;
  empty.AddKey(kUser, kRunKey);
  EXPECT_TRUE(BuildStartupList(empty, locale, programs).empty()) << "empty or missing keys";
}

TEST(Autorun, RemovedLineNamesTheKeyAsTheRegistryEditorShowsIt) {
  EXPECT_EQ(RemovedLine({"C:\\Tools\\tool.exe /min", "Tool", kRunKey, kUser, 0}),
            "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\\Tool = "
            "C:\\Tools\\tool.exe /min");
  EXPECT_EQ(RemovedLine({"svc.exe \"a = b\"", "S\\v", kServicesKey, kMachine, 0}),
            "HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Services\\S\\v = "
            "svc.exe \"a = b\"");
  EXPECT_EQ(RemovedLine({"wow.exe", "Wow", kRunKey, kMachine32, 0}),
            "HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\Microsoft\\Windows\\CurrentVersion\\Run\\"
            "Wow = wow.exe");
  // Found by fuzzing: a line break in the registry's texts made one removal two lines.
  EXPECT_EQ(
      RemovedLine({"a.exe\r\n/b\rc\n", "T\no", kRunKey, kUser, 0}),
      "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\\T o = a.exe  /b c ");
}

TEST_F(AutorunTest, RunStartsTheSelectedCommandOnly) {
  registry.SetString(kUser, kRunKey, "Tool", "tool.exe /min");
  StartupEntries entries = Make();
  entries.Run(-1);
  entries.Run(1);
  EXPECT_TRUE(starter.commands.empty());
  starter.starts = false;
  entries.Run(0);
  EXPECT_EQ(starter.commands, (std::vector<testing::FakeProgramStarter::Command>{
                                  {"tool.exe /min", ShowCommand::kShowNormal}}));
}

TEST_F(AutorunTest, AddWritesANewValueOfTheMachineRunKeyNamedAsItsCommand) {
  registry.AddKey(kMachine, kRunKey);
  registry.SetString(kUser, kRunKey, "C:\\Tools\\tool.exe", "C:\\Tools\\tool.exe");
  StartupEntries entries = Make();
  ASSERT_EQ(entries.Rows().size(), 1u);

  EXPECT_TRUE(entries.Add("C:\\Tools\\tool.exe")) << "listed from another location: added";
  EXPECT_EQ(registry.ReadString(kMachine, kRunKey, "C:\\Tools\\tool.exe"), "C:\\Tools\\tool.exe");
  EXPECT_EQ(entries.Rows().back(),
            (StartupEntry{"C:\\Tools\\tool.exe", "C:\\Tools\\tool.exe", kRunKey, kMachine, 0}));

  EXPECT_FALSE(entries.Add("c:\\tools\\TOOL.exe"));
  EXPECT_EQ(boxes.messages, std::vector<std::string>{kIdenticalKeyText});
  EXPECT_EQ(entries.Rows().size(), 2u);
  EXPECT_EQ(registry.EnumValues(kMachine, kRunKey).size(), 1u);

  EXPECT_TRUE(entries.Add("C:\\Tools\\tool.exe /min"));
  EXPECT_EQ(registry.EnumValues(kMachine, kRunKey).size(), 2u);

  registry.refuseWrites = true;
  try {
    entries.Add("locked.exe");
    ADD_FAILURE() << "a refused write raises";
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), "Failed to set data for 'locked.exe'");
  }
  EXPECT_EQ(entries.Rows().size(), 3u);
}

TEST_F(AutorunTest, AddNeverCreatesTheRunKey) {
  StartupEntries entries = Make();
  EXPECT_THROW(entries.Add("tool.exe"), Error);
  EXPECT_FALSE(registry.HasKey(kMachine, kRunKey));
  EXPECT_TRUE(entries.Rows().empty());
}

TEST_F(AutorunTest, RemoveConfirmsThenDeletesTheValueAndAppendsItsLine) {
  registry.SetString(kUser, kRunKey, "Tool", "C:\\Tools\\tool.exe /min");
  registry.SetString(kMachine, kServicesKey, "Svc", "svc.exe");
  registry.SetString(kMachine32, kRunKey, "Wow", "wow.exe");
  registry.SetString(kMachine32, kRunKey, "Gone", "gone.exe");
  StartupEntries entries = Make();
  ASSERT_EQ(entries.Rows().size(), 4u);

  boxes.answers = {false};
  EXPECT_FALSE(entries.Remove(0));
  EXPECT_EQ(boxes.okCancels, std::vector<std::string>{
                                 "This will remove C:\\Tools\\tool.exe /min from the registry!"});
  EXPECT_TRUE(registry.HasValue(kUser, kRunKey, "Tool"));
  EXPECT_FALSE(files.Exists(kRemovedFile));
  EXPECT_FALSE(entries.Remove(-1));
  EXPECT_EQ(boxes.okCancels.size(), 1u) << "no selection: no question";

  EXPECT_TRUE(entries.Remove(0));
  EXPECT_FALSE(registry.HasValue(kUser, kRunKey, "Tool"));
  const std::string first =
      "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\\Tool = "
      "C:\\Tools\\tool.exe /min\r\n";
  EXPECT_EQ(Removed(), first);

  // The file is read again before each addition, whatever its line ends.
  files.files[kRemovedFile] = "edited\rby hand\nlast";
  EXPECT_TRUE(entries.Remove(0));
  EXPECT_FALSE(registry.HasValue(kMachine, kServicesKey, "Svc"));
  const std::string second =
      "edited\r\nby hand\r\nlast\r\n"
      "HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Services\\Svc = "
      "svc.exe\r\n";
  EXPECT_EQ(Removed(), second);

  // A missing file keeps the lines known so far.
  files.files.erase(kRemovedFile);
  EXPECT_TRUE(entries.Remove(0));
  EXPECT_FALSE(registry.HasValue(kMachine32, kRunKey, "Wow"));
  EXPECT_EQ(Removed(), second +
                           "HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\Microsoft\\Windows\\"
                           "CurrentVersion\\Run\\Wow = wow.exe\r\n");
  EXPECT_EQ(entries.RemovedLines().size(), 5u);

  // A value that went meanwhile: nothing happens, the row stays.
  registry.DeleteValue(kMachine32, kRunKey, "Gone");
  const std::string before = Removed();
  EXPECT_FALSE(entries.Remove(0));
  EXPECT_EQ(Removed(), before);
  EXPECT_EQ(entries.Rows().size(), 1u);
  EXPECT_TRUE(boxes.messages.empty());
}

TEST_F(AutorunTest, RemoveIsAllOrNothing) {
  registry.SetString(kMachine, kRunKey, "Tool", "tool.exe");
  StartupEntries entries = Make();
  const std::string binary = "\x01\x00\xff\r\nno end"s;

  struct Case {
    const char* what;
    std::optional<std::string> file;  // "removed.dat" before; nullopt: none
    bool refuseFile;
    bool refuseDelete;
  };
  for (const Case& c : {Case{"file refused", binary, true, false},
                        Case{"no file, file refused", std::nullopt, true, false},
                        Case{"deletion refused", binary, false, true},
                        Case{"no file, deletion refused", std::nullopt, false, true}}) {
    SCOPED_TRACE(c.what);
    files.files.erase(kRemovedFile);
    if (c.file) files.files[kRemovedFile] = *c.file;
    files.refused.clear();
    if (c.refuseFile) files.refused.insert(kRemovedFile);
    registry.refuseWrites = c.refuseDelete;

    if (c.refuseFile) {
      EXPECT_THROW(entries.Remove(0), Error);
    } else {
      EXPECT_FALSE(entries.Remove(0));
    }
    EXPECT_TRUE(registry.HasValue(kMachine, kRunKey, "Tool"));
    EXPECT_EQ(entries.Rows().size(), 1u);
    EXPECT_EQ(files.ReadAll(kRemovedFile), c.file) << "the file as it was";
  }

  files.refused.clear();
  registry.refuseWrites = false;
  EXPECT_TRUE(entries.Remove(0));
  EXPECT_EQ(Removed(), "\x01\x00\xff\r\nno end\r\n"s +
                           "HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\\"
                           "Tool = tool.exe\r\n")
      << "binary bytes kept";
}

}  // namespace
}  // namespace orvane
