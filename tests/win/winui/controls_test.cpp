// The control wrappers against the real controls: what goes in reads back out, and the
// controls' own notifications reach the owner as typed calls.
#include <cstring>
#include <string>
#include <vector>

#include "gui_fixture.h"
#include "winui/line_view.h"

namespace orvane::winui::testing {
namespace {

using ControlsTest = DemoFormTest;

TEST_F(ControlsTest, TreeKeepsTextStateImageAndValueAndWalksDepthFirst) {
  TreeView& tree = form.tree;
  HTREEITEM computer = tree.Insert({.text = "HOST", .stateImage = 2, .param = 1});
  HTREEITEM first = tree.Insert({.parent = computer, .text = "a.exe", .stateImage = 3, .param = 2});
  HTREEITEM thread = tree.Insert({.parent = first, .text = "100", .stateImage = 5, .param = 3});
  HTREEITEM second = tree.Insert({.parent = computer, .text = "csrss.exe", .stateImage = 4});
  EXPECT_EQ(tree.Count(), 4);
  EXPECT_EQ(tree.GetText(first), "a.exe");
  EXPECT_EQ(tree.GetStateImage(second), 4);
  EXPECT_EQ(tree.GetParam(thread), 3);

  std::vector<HTREEITEM> order;
  for (HTREEITEM at = tree.Root(); at; at = tree.NextInOrder(at)) order.push_back(at);
  EXPECT_EQ(order, (std::vector<HTREEITEM>{computer, first, thread, second}));

  tree.SetText(first, "Untitled - Notepad");
  tree.SetStateImage(first, 4);
  EXPECT_EQ(tree.GetText(first), "Untitled - Notepad");
  EXPECT_EQ(tree.GetStateImage(first), 4);
  EXPECT_EQ(tree.ParentOf(thread), first);

  tree.Delete(first);
  EXPECT_EQ(tree.Count(), 2);
  tree.DeleteAll();
  EXPECT_EQ(tree.Count(), 0);
}

TEST_F(ControlsTest, TreeSelectionReachesTheOwnerThroughNestedPanels) {
  HTREEITEM computer = form.tree.Insert({.text = "HOST", .stateImage = 2});
  HTREEITEM process = form.tree.Insert({.parent = computer, .text = "a.exe", .stateImage = 3});
  std::vector<HTREEITEM> selected;
  form.tree.onSelChanged = [&](HTREEITEM item, SelectedBy) { selected.push_back(item); };
  form.tree.Select(process);
  form.tree.Select(computer);
  EXPECT_EQ(selected, (std::vector<HTREEITEM>{process, computer}));
  EXPECT_EQ(form.tree.Selected(), computer);
}

TEST_F(ControlsTest, ListColumnsAreReplacedWholeAndReadBack) {
  ListView& list = form.list;
  ASSERT_EQ(list.ColumnCount(), 1);
  EXPECT_EQ(list.GetColumnText(0), "Name");
  list.DeleteAllColumns();
  EXPECT_EQ(list.ColumnCount(), 0);
  list.AddColumn("Process Name", 150);
  list.AddColumn("Priority", 120);
  list.AddColumn("Executable", 200);
  ASSERT_EQ(list.ColumnCount(), 3);
  EXPECT_EQ(list.GetColumnText(2), "Executable");
  EXPECT_EQ(list.GetColumnWidth(1), 120);
}

TEST_F(ControlsTest, ListRowsKeepCellsImagesAndValues) {
  ListView& list = form.list;
  list.AddColumn("Priority", 120);
  list.AddColumn("Executable", 200);
  for (int i = 0; i < 3; ++i) {
    std::string name = "p";
    name += std::to_string(i);
    const int row = list.Insert({.text = name, .image = i, .stateImage = 3, .param = 100 + i});
    EXPECT_EQ(row, i);
    list.SetText(row, 1, "Normal (8)");
    list.SetText(row, 2, "C:\\windows\\" + name + ".exe");
  }
  // Inserting at a position moves the later rows down.
  EXPECT_EQ(list.Insert({.index = 1, .text = "first", .image = 4, .stateImage = 6, .param = 7}), 1);
  ASSERT_EQ(list.Count(), 4);
  EXPECT_EQ(list.GetText(2, 0), "p1");
  EXPECT_EQ(list.GetText(2, 1), "Normal (8)");
  EXPECT_EQ(list.GetText(3, 2), "C:\\windows\\p2.exe");
  EXPECT_EQ(list.GetText(1, 1), "");
  EXPECT_EQ(list.GetStateImage(list.Insert({.text = "plain"})), -1);
  EXPECT_EQ(list.GetImage(1), 4);
  EXPECT_EQ(list.GetStateImage(1), 6);
  EXPECT_EQ(list.GetStateImage(0), 3);
  EXPECT_EQ(list.FindParam(102), 3);
  EXPECT_EQ(list.FindParam(999), -1);

  list.SetImage(0, 2);
  list.SetStateImage(0, 4);
  list.SetParam(0, 55);
  EXPECT_EQ(list.GetImage(0), 2);
  EXPECT_EQ(list.GetStateImage(0), 4);
  EXPECT_EQ(list.GetParam(0), 55);

  list.Delete(1);
  EXPECT_EQ(list.GetText(1, 0), "p1");
  list.Delete(list.FindParam(0));  // the "plain" row
  list.DeleteAll();
  EXPECT_EQ(list.Count(), 0);
}

TEST_F(ControlsTest, ListSelectionIsMultipleAndReported) {
  ListView& list = form.list;
  for (const char* name : {"row0", "row1", "row2", "row3"}) list.Insert({.text = name});
  std::vector<int> changed;
  list.onSelectionChanged = [&](int index) { changed.push_back(index); };
  list.SetSelected(1, true);
  list.SetSelected(3, true);
  EXPECT_EQ(list.SelectedCount(), 2);
  EXPECT_EQ(list.NextSelected(), 1);
  EXPECT_EQ(list.NextSelected(1), 3);
  EXPECT_EQ(list.NextSelected(3), -1);
  list.SetSelected(1, false);
  EXPECT_FALSE(list.IsSelected(1));
  EXPECT_TRUE(list.IsSelected(3));
  EXPECT_EQ(changed, (std::vector<int>{1, 3, 1}));
}

TEST_F(ControlsTest, ClickOnAColumnHeaderGivesTheOwnerTheColumn) {
  ListView& list = form.list;
  list.AddColumn("Priority", 120);
  std::vector<int> clicked;
  list.onColumnClick = [&](int column) { clicked.push_back(column); };
  HWND header = reinterpret_cast<HWND>(list.SendMessage(LVM_GETHEADER));
  ASSERT_NE(header, nullptr);
  // A real click in the middle of the second column's header.
  RECT item{};
  ::SendMessageA(header, HDM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
  const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
  ::SendMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, at);
  ::SendMessageA(header, WM_LBUTTONUP, 0, at);
  Pump();
  EXPECT_EQ(clicked, std::vector<int>{1});
}

TEST_F(ControlsTest, StatusBarHasThreePanelsOfTheGivenWidths) {
  StatusBar& status = form.status;
  ASSERT_EQ(status.PanelCount(), 3);
  EXPECT_EQ(status.PanelRight(0), 200);
  EXPECT_EQ(status.PanelRight(1), 400);
  EXPECT_EQ(status.PanelRight(2), -1) << "the last panel runs to the end of the bar";
  status.SetPanelText(0, "Running Processes: 0");
  status.SetPanelText(1, "Memory Usage: 37% (Total: 134mb)");
  status.SetPanelText(2, "Cpu Usage: 5%");
  EXPECT_EQ(status.GetPanelText(0), "Running Processes: 0");
  EXPECT_EQ(status.GetPanelText(1), "Memory Usage: 37% (Total: 134mb)");
  EXPECT_EQ(status.GetPanelText(2), "Cpu Usage: 5%");
  EXPECT_GT(status.Height(), 10);
}

TEST_F(ControlsTest, RichEditHoldsLinesAndIsReadOnly) {
  RichEdit& info = form.info;
  EXPECT_TRUE(info.IsReadOnly());
  ASSERT_EQ(info.GetLines().size(), 2u);
  EXPECT_EQ(info.GetLines()[0], "Object Information");
  info.SetLines({"C:\\windows\\notepad.exe", "Text editor", ""});
  EXPECT_EQ(info.GetLines(),
            (std::vector<std::string>{"C:\\windows\\notepad.exe", "Text editor", ""}));
  info.Clear();
  EXPECT_TRUE(info.GetLines().empty());
  // Typing into a read-only box changes nothing.
  info.SendMessage(WM_CHAR, 'x', 1);
  EXPECT_EQ(info.GetText(), "");
}

// Screen readers and automation read the view as one text, its lines joined by CR LF.
TEST_F(ControlsTest, LineViewAnswersForItsTextWithinTheBufferGiven) {
  LineView view;
  view.Create({.parent = form, .id = 30});
  EXPECT_EQ(::GetWindowTextLengthA(view), 0);
  view.SetLines({"Log started at HOST\t12.05.2024 10:00:00", ""});
  view.AppendLines({"Process created a.exe", "x"});
  const std::string whole =
      "Log started at HOST\t12.05.2024 10:00:00\r\n\r\nProcess created a.exe\r\nx";
  ASSERT_EQ(::GetWindowTextLengthA(view), static_cast<int>(whole.size()));
  EXPECT_EQ(view.GetText(), whole);
  wchar_t wide[128] = {};
  EXPECT_EQ(::GetWindowTextW(view, wide, 128), static_cast<int>(whole.size()));
  EXPECT_EQ(std::wstring(wide), std::wstring(whole.begin(), whole.end()));

  // A buffer too small takes what fits and the terminator; nothing past it is touched. The
  // cut may fall inside a line break.
  for (int size : {1, 5, 41, 42, static_cast<int>(whole.size())}) {
    char buffer[96];
    std::memset(buffer, '#', sizeof buffer);
    const int copied = ::GetWindowTextA(view, buffer, size);
    EXPECT_EQ(copied, size - 1) << size;
    EXPECT_EQ(std::string(buffer), whole.substr(0, static_cast<std::size_t>(size - 1))) << size;
    EXPECT_EQ(buffer[size], '#') << size;
  }
  char untouched = '#';
  EXPECT_EQ(view.SendMessage(WM_GETTEXT, 0, reinterpret_cast<LPARAM>(&untouched)), 0);
  EXPECT_EQ(untouched, '#');

  view.SetLines({});
  EXPECT_EQ(::GetWindowTextLengthA(view), 0);
  EXPECT_EQ(view.GetText(), "");
}

TEST_F(ControlsTest, PanelCaptionAndColourChange) {
  EXPECT_EQ(form.heading.Caption(), "Name");
  form.heading.SetCaption("Processes running on the computer \"HOST\"");
  EXPECT_EQ(form.heading.Caption(), "Processes running on the computer \"HOST\"");
  EXPECT_EQ(form.mainBar.Background(), kBarColour);
}

}  // namespace
}  // namespace orvane::winui::testing
