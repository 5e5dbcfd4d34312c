#include "app/list_copy.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "doubles/fake_controls.h"

namespace orvane {
namespace {

TEST(ListCopyText, CaptionsThenTheChosenRowsAsShownTabbedAndEndedByCrLf) {
  testing::FakeListControl control;
  ListModel list(control);
  list.AddRow({kKindProcess, 0, 0, 1, 0, 0}, {"notepad.exe", {"Normal (8)", "c:\\notepad.exe"}});
  // A title with a tab and a line break, and a row with fewer cells than columns.
  list.AddRow({kKindWindow, 0, 0, 1, 2, 3}, {"a\tb\r\nc", {"Normal"}});
  list.AddRow({kKindProcess, 0, 0, 4, 0, 0}, {"calc.exe", {"High (13)", "c:\\calc.exe"}});
  // A removed object's row that stays to be seen is never copied.
  list.Retire(
      list.AddRow({kKindProcess, 0, 0, 5, 0, 0}, {"gone.exe", {"Idle (4)", "c:\\gone.exe"}}));
  const std::vector<std::string> captions{"Process Name", "Priority", "Executable"};
  const std::string header = "Process Name\tPriority\tExecutable\r\n";
  const std::string notepad = "notepad.exe\tNormal (8)\tc:\\notepad.exe\r\n";
  const std::string window = "a b  c\tNormal\t\r\n";
  const std::string calc = "calc.exe\tHigh (13)\tc:\\calc.exe\r\n";
  struct Case {
    std::string name;
    std::vector<std::size_t> selected;
    std::string expected;
  } cases[] = {
      {"none selected: every row", {}, header + notepad + window + calc},
      {"the selected ones, in list order", {0, 2}, header + notepad + calc},
      {"a cell keeps to its column", {1}, header + window},
      {"an index past the rows is passed over", {2, 9}, header + calc},
      {"a removed row, even selected, is not", {3}, header},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ListCopyText(captions, list, c.selected), c.expected) << c.name;

  // Columns beyond a row's cells come from the extra cells; fewer columns cut the row.
  const auto extra = [](const ListRow& row, int column) {
    return std::to_string(row.key.processId) + "/" + std::to_string(column) + "\t";
  };
  EXPECT_EQ(
      ListCopyText({"Process Name", "Priority", "Executable", "PID"}, list,
                   std::vector<std::size_t>{2}, extra),
      "Process Name\tPriority\tExecutable\tPID\r\ncalc.exe\tHigh (13)\tc:\\calc.exe\t4/3 \r\n");
  EXPECT_EQ(ListCopyText({"Name"}, list, std::vector<std::size_t>{0}), "Name\r\nnotepad.exe\r\n");
  EXPECT_EQ(ListCopyText({}, list, {}), "") << "no columns, nothing shown";
  ListModel empty(control);
  EXPECT_EQ(ListCopyText(captions, empty, {}), header) << "no rows, the captions";
}

}  // namespace
}  // namespace orvane
