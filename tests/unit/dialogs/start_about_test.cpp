// The run-program history and its command lines, and the about box's texts and place.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/about/about.h"
#include "dialogs/start/start.h"
#include "doubles/fake_files.h"
#include "doubles/fake_program_starter.h"
#include "platform/error.h"

namespace orvane {
namespace {

using testing::FakeFiles;
using testing::FakeProgramStarter;

constexpr char kPath[] = "C:\\Orvane\\start.dat";

TEST(RunHistory, ReadsEveryLineEndAndWritesCrLf) {
  struct Case {
    const char* name;
    std::string content;
    std::vector<std::string> entries;
  };
  const std::vector<Case> cases = {
      {"crlf", "a.exe\r\nb.exe\r\n", {"a.exe", "b.exe"}},
      {"lf", "a.exe\nb.exe\n", {"a.exe", "b.exe"}},
      {"lone cr", "a.exe\rb.exe\r", {"a.exe", "b.exe"}},
      {"mixed, no final end", "a.exe\n\r\nb.exe\rc.exe", {"a.exe", "", "b.exe", "c.exe"}},
      {"empty", "", {}},
      {"binary", std::string("\0\x01\xff\r\n\n", 6), {std::string("\0\x01\xff", 3), ""}},
      {"a megabyte", std::string(1 << 20, 'x'), {std::string(1 << 20, 'x')}},
  };
  for (const Case& c : cases) {
    FakeFiles files;
    files.files[kPath] = c.content;
    RunHistory history(files, kPath);
    history.Load();
    EXPECT_EQ(history.Entries(), c.entries) << c.name;
    EXPECT_EQ(history.Selected(), static_cast<int>(c.entries.size()) - 1) << c.name;
    history.Add("d.exe");
    std::string expected;
    for (const std::string& e : c.entries) expected += e + "\r\n";
    EXPECT_EQ(files.files[kPath], expected + "d.exe\r\n") << c.name;
  }
}

TEST(RunHistory, MissingOrUnreadableFileGivesAnEmptyHistory) {
  FakeFiles files;
  RunHistory history(files, kPath);
  history.Load();
  EXPECT_TRUE(history.Entries().empty());
  EXPECT_EQ(history.Selected(), -1);
  EXPECT_FALSE(files.Exists(kPath));  // loading writes nothing
}

TEST(RunHistory, BrowseAppendsEvenTwiceClearEmptiesAndARestartShowsTheLast) {
  FakeFiles files;
  RunHistory history(files, kPath);
  history.Load();
  history.Add("C:\\a.exe");
  history.Add("C:\\b.exe");
  history.Add("C:\\b.exe");
  EXPECT_EQ(history.Selected(), 2);
  history.Select(0);

  RunHistory restarted(files, kPath);
  restarted.Load();
  EXPECT_EQ(restarted.Entries(), (std::vector<std::string>{"C:\\a.exe", "C:\\b.exe", "C:\\b.exe"}));
  EXPECT_EQ(restarted.Selected(), 2);

  restarted.Clear();
  EXPECT_EQ(files.files.at(kPath), "");
  RunHistory cleared(files, kPath);
  cleared.Load();
  EXPECT_TRUE(cleared.Entries().empty());
  EXPECT_EQ(cleared.Selected(), -1);
}

TEST(RunHistory, AFileThatCannotBeWrittenRaisesAndTheChangeStaysInMemory) {
  FakeFiles files;
  files.files[kPath] = "a.exe\r\n";
  files.refused.insert(kPath);
  RunHistory history(files, kPath);
  history.Load();
  EXPECT_THROW(history.Add("b.exe"), Error);
  EXPECT_EQ(history.Entries(), (std::vector<std::string>{"a.exe", "b.exe"}));
  EXPECT_EQ(history.Selected(), 1);
  EXPECT_EQ(files.files[kPath], "a.exe\r\n");
  try {
    history.Clear();
    FAIL() << "no error";
  } catch (const Error& e) {
    EXPECT_EQ(std::string(e.what()), std::string("Cannot create file ") + kPath);
  }
  EXPECT_TRUE(history.Entries().empty());
}

TEST(RunHistory, RunsOnlyTheSelectedEntryQuotingAPathWithBlanks) {
  FakeFiles files;
  files.files["C:\\Program Files\\Tool\\tool.exe"] = "";
  files.files["C:\\Program.exe"] = "";
  files.files[kPath] =
      JoinCrLf({"C:\\Program Files\\Tool\\tool.exe", "", "C:\\Program Files\\Tool\\tool.exe /min",
                "\"C:\\Program Files\\Tool\\tool.exe\"", "C:\\Tools\\t.exe",
                "C:\\Program Files\\Gone\\gone.exe"});
  RunHistory history(files, kPath);
  history.Load();
  FakeProgramStarter starter;
  for (int i = -1; i < 6; ++i) {
    history.Select(i);
    history.Run(starter);
  }
  history.Select(99);
  history.Run(starter);
  const auto normal = ShowCommand::kShowNormal;
  // Nothing for no selection or an empty entry; a command with arguments, a quoted path,
  // a path without blanks and a path that is not there run as they are.
  EXPECT_EQ(starter.commands, (std::vector<FakeProgramStarter::Command>{
                                  {"\"C:\\Program Files\\Tool\\tool.exe\"", normal},
                                  {"C:\\Program Files\\Tool\\tool.exe /min", normal},
                                  {"\"C:\\Program Files\\Tool\\tool.exe\"", normal},
                                  {"C:\\Tools\\t.exe", normal},
                                  {"C:\\Program Files\\Gone\\gone.exe", normal}}));
  // The history keeps what the user chose.
  EXPECT_EQ(history.Entries()[0], "C:\\Program Files\\Tool\\tool.exe");
}

TEST(AboutBox, LabelsFromTheTitleAndTheVersionNumbers) {
  EXPECT_EQ(AboutCaption("Orvane 2000 Professional"), "About Orvane 2000 Professional");
  EXPECT_EQ(ProductLabel("Orvane 2000 Professional"), "Orvane 2000 Professional Version 3.10");
  EXPECT_EQ(ProductLabel("Orvane 2000 (demo) x"), "Orvane 2000  Version 3.10");
  EXPECT_EQ(ProductLabel("(x)"), " Version 3.10");
  EXPECT_EQ(ProductLabel("T", {0, 4, 7}), "T Version 4.07");
  EXPECT_EQ(PatchLabel(), "Current patch: OV010310");
  EXPECT_EQ(PatchLabel({0, 12, 5}), "Current patch: OV001205");
}

TEST(AboutBox, TheStripShowsTrailingBlanksAndAClickOpensTheAddressWithout) {
  const std::string strip = HomePageStripText();
  EXPECT_EQ(strip, kHomePageAddress + std::string(3, ' '));
  EXPECT_EQ(HomePageTarget(strip), kHomePageAddress);
  EXPECT_EQ(HomePageTarget(" \twww.a.example \t "), "www.a.example");
  EXPECT_EQ(HomePageTarget("   "), "");
}

TEST(AboutBox, CentredOnTheMainWindowWithoutClamping) {
  // The about box's outer size for a 345 by 271 client area depends on the frame; any will do.
  EXPECT_EQ(CentredOn(0, 0, 800, 600, 351, 297), (AboutPoint{400 - 175, 300 - 148}));
  EXPECT_EQ(CentredOn(100, 50, 801, 601, 350, 296), (AboutPoint{100 + 400 - 175, 50 + 300 - 148}));
  // A main window at the right edge of a 1280-pixel screen: the box reaches past it.
  EXPECT_EQ(CentredOn(1100, 900, 400, 300, 351, 297),
            (AboutPoint{1100 + 200 - 175, 900 + 150 - 148}));
  // A main window partly off the screen to the left and above.
  EXPECT_EQ(CentredOn(-300, -200, 201, 101, 351, 297),
            (AboutPoint{-300 + 100 - 175, -200 + 50 - 148}));
}

}  // namespace
}  // namespace orvane
