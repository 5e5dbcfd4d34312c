// The tool dialogs' portable logic: search matching, the report's column rule, log gathering
// and clearing, and the text-file format.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/log/log.h"
#include "dialogs/report/report.h"
#include "dialogs/search/search.h"
#include "doubles/fake_controls.h"
#include "doubles/fake_files.h"
#include "doubles/fake_platform.h"
#include "doubles/fake_search_target.h"
#include "platform/error.h"
#include "platform/files.h"

namespace orvane {
namespace {

using testing::FakeListControl;
using testing::FakeSearchTarget;

ObjectKey Key(int32_t kind, uint32_t id) {
  return {kind,
          0,
          0,
          kind >= kKindProcess ? id : 0,
          kind >= kKindThread ? id : 0,
          kind == kKindWindow ? id : 0};
}

// The found keys' ids.
std::vector<uint32_t> Found(const FakeSearchTarget& target) {
  std::vector<uint32_t> ids;
  for (const ObjectKey& key : target.found) ids.push_back(key.processId);
  return ids;
}

TEST(Search, MatchesByCaseExactnessKindAndNeverTheComputer) {
  testing::FakeLocale locale;
  FakeSearchTarget target;
  target.nodes = {
      {"WORKSTATION notepad", Key(kKindComputer, 0)}, {"notepad.exe", Key(kKindProcess, 1)},
      {"Notepad - readme", Key(kKindProcess, 2)},     {"", Key(kKindProcess, 3)},
      {"notepad.exe", Key(kKindThread, 4)},           {"notepad", Key(kKindWindow, 5)}};
  struct Case {
    const char* text;
    SearchOptions options;
    std::vector<uint32_t> found;
  };
  const SearchOptions processesOnly{.threads = false, .windows = false};
  const Case cases[] = {
      {"Note", processesOnly, {1, 2}},
      {"Note", {.threads = false, .windows = false, .caseSensitive = true}, {2}},
      {"notepad", {.threads = false, .windows = false, .exact = true}, {}},
      {"notepad.exe", {.threads = false, .windows = false, .exact = true}, {1}},
      // Exact with case ignored compares both texts lower-cased.
      {"NOTEPAD.EXE", {.threads = false, .windows = false, .exact = true}, {1}},
      {"", processesOnly, {}},
      {"notepad", {.processes = false, .threads = false, .windows = false}, {}},
      {"notepad", {}, {1, 2, 4, 5}},
      {"WORKSTATION", {}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    RunSearch(target, locale, c.text, c.options);
    EXPECT_EQ(Found(target), c.found);
  }
  EXPECT_EQ(target.results, static_cast<int>(std::size(cases)));
}

std::vector<std::string> Report(const std::vector<std::string>& captions,
                                const std::vector<RowCells>& rows) {
  FakeListControl control;
  ListModel list(control);
  uint32_t id = 1;
  for (const RowCells& row : rows) list.AddRow(Key(kKindProcess, id++), row);
  return BuildReport("Processes running on the computer \"PC\"", "08.12.2026 10:00:00", captions,
                     list);
}

TEST(Report, ColumnRulePlacesTextsAtTheStopsAndNeverCuts) {
  const std::string longCaption(40, 'c');
  const auto lines = Report({"Process Name", "Priority", "Executable"},
                            {{"notepad.exe", {"Normal (8)", "C:\\notepad.exe"}, 3, 0},
                             {"csrss.exe", {"High (13)", "C:\\csrss.exe"}, 4, 0},
                             {longCaption, {"Normal (8)"}, 3, 0},
                             {"short", {}, 3, 0}});
  ASSERT_EQ(lines.size(), 8u);
  EXPECT_EQ(lines[0], "Processes running on the computer \"PC\" 08.12.2026 10:00:00");
  EXPECT_EQ(lines[1], "");
  EXPECT_EQ(lines[2], "Process Name" + std::string(20, ' ') + "Priority" + std::string(10, ' ') +
                          "Executable");
  EXPECT_EQ(lines[2].find("Priority"), 32u);
  EXPECT_EQ(lines[2].find("Executable"), 50u);
  EXPECT_EQ(lines[3], "");
  EXPECT_EQ(lines[4].find("Normal (8)"), 32u);
  EXPECT_EQ(lines[4].find("C:\\notepad.exe"), 50u);
  // A system process: "(s)" glued to the caption.
  EXPECT_EQ(lines[5].rfind("(s)csrss.exe ", 0), 0u);
  // A caption past the stop: the next text follows directly; fewer sub-items: no trailing
  // blanks.
  EXPECT_EQ(lines[6], longCaption + "Normal (8)");
  EXPECT_EQ(lines[7], "short");
}

TEST(Report, ShowsAtMostSevenColumnsAndAnEmptyListGivesTheHeadLines) {
  const std::vector<std::string> eight{"a", "b", "c", "d", "e", "f", "g", "h"};
  const auto lines = Report(eight, {{"row", {"1", "2", "3", "4", "5", "6", "7"}, 0, 0}});
  EXPECT_EQ(lines[2], ReportLine("a", {"b", "c", "d", "e", "f", "g"}));
  EXPECT_EQ(lines[2].back(), 'g');
  EXPECT_EQ(lines[2].find('g'), 86u);
  EXPECT_EQ(lines[4].back(), '6');
  EXPECT_EQ(Report({"Name"}, {}).size(), 4u);
}

TEST(Report, ColumnsBeyondARowsOwnCellsTakeTheExtraTextsWithoutTrailingBlanks) {
  FakeListControl control;
  ListModel list(control);
  list.AddRow(Key(kKindProcess, 7), {"calc.exe", {"Normal (8)", "calc.exe"}, 0, 0});
  list.AddRow(Key(kKindThread, 7), {"20", {"8"}, 0, 0});
  const std::vector<std::string> seven{"Process Name", "Priority", "Executable", "PID",
                                       "CPU",          "Memory",   "Threads"};
  const auto extra = [](const ListRow& row, int column) {
    if (row.key.kind != kKindProcess) return std::string();
    return std::vector<std::string>{"7", "25.0", "1,024 K", "3"}[column - 3];
  };
  const auto lines = BuildReport("Heading", "now", seven, list, extra);
  EXPECT_EQ(lines[4],
            ReportLine("calc.exe", {"Normal (8)", "calc.exe", "7", "25.0", "1,024 K", "3"}));
  EXPECT_EQ(lines[4].find("25.0"), 70u) << "at the fifth column's stop";
  EXPECT_EQ(lines[5], ReportLine("20", {"8"})) << "no figures, no blanks";
  EXPECT_EQ(BuildReport("Heading", "now", seven, list)[4],
            ReportLine("calc.exe", {"Normal (8)", "calc.exe"}));
}

TEST(Log, ACyclesLinesReachTheTextInOneAppendAndClearingKeepsTheFirstLine) {
  std::vector<std::vector<std::string>> appends;
  LogBuffer buffer([&](std::vector<std::string>&& lines) { appends.push_back(std::move(lines)); });
  buffer.Flush();
  EXPECT_TRUE(appends.empty());
  buffer.AppendLine("Log started at PC\t08.12.2026 10:00:00");
  buffer.AppendLine("");
  buffer.Flush();
  buffer.AppendLine("Process created a.exe\tnow");
  buffer.AppendLine("Process created b.exe\tnow");
  buffer.Flush();
  buffer.Flush();
  EXPECT_EQ(appends, (std::vector<std::vector<std::string>>{
                         {"Log started at PC\t08.12.2026 10:00:00", ""},
                         {"Process created a.exe\tnow", "Process created b.exe\tnow"}}));

  EXPECT_EQ(ClearedLog("Log started at PC"), (std::vector<std::string>{"Log started at PC", ""}));
  EXPECT_EQ(ClearedLog(std::nullopt), (std::vector<std::string>{"", ""}));
}

TEST(Files, LinesEndInCrLfAndReadBackTheSame) {
  EXPECT_EQ(JoinCrLf({"first", "second"}), "first\r\nsecond\r\n");
  EXPECT_EQ(JoinCrLf({"", ""}), "\r\n\r\n");
  EXPECT_EQ(JoinCrLf({}), "");
  EXPECT_EQ(SplitLines("a\r\nb\nc\rd\r\n"), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLines("\r\n\r\n"), (std::vector<std::string>{"", ""}));
  EXPECT_EQ(SplitLines("no end"), (std::vector<std::string>{"no end"}));

  testing::FakeFiles files;
  files.files["log.txt"] = "old\r\n";
  files.refused.insert("log.txt");
  try {
    WriteLines(files, "log.txt", {"new"});
    ADD_FAILURE() << "a refused write must raise";
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), "Cannot create file log.txt");
  }
  EXPECT_EQ(ReadLines(files, "log.txt"), (std::vector<std::string>{"old"}));
  EXPECT_EQ(ReadLines(files, "missing.txt"), std::nullopt);
}

TEST(Files, RelativePathsAreTakenInTheProgramFolderAndAbsoluteOnesStay) {
  const struct {
    const char* folder;
    const char* path;
    const char* opened;
  } cases[] = {
      {"C:\\Orvane\\", "tray.dat", "C:\\Orvane\\tray.dat"},
      {"C:\\Orvane", "help\\index.html", "C:\\Orvane\\help\\index.html"},
      {"C:\\Orvane\\", "D:\\saved\\log.txt", "D:\\saved\\log.txt"},
      {"C:\\Orvane\\", "d:log.txt", "d:log.txt"},
      {"C:\\Orvane\\", "\\\\server\\share\\r.txt", "\\\\server\\share\\r.txt"},
      {"C:\\Orvane\\", "\\root.txt", "\\root.txt"},
      {"", "workspace.dat", "workspace.dat"},
      {"C:\\Orvane\\", "", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(PathIn(c.folder, c.path), c.opened) << c.path;
  EXPECT_EQ(DirectoryOf("C:\\Program Files\\Orvane\\orvn2k.exe"), "C:\\Program Files\\Orvane\\");
  EXPECT_EQ(DirectoryOf("orvn2k.exe"), "");
}

}  // namespace
}  // namespace orvane
