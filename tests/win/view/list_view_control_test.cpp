// The list model behind a real owner-data list view: what the list view reads back is the
// model's, and selection, focus and selection mark stay on their rows while rows leave, move
// and arrive.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "view/win32/view_controls.h"
#include "win/support/pixels.h"
#include "win/winui/gui_fixture.h"

namespace orvane::win32 {
namespace {

using orvane::testing::Pixels;
using winui::ListView;

RowCells Cells(const std::string& caption, int image = 0, int stateImage = 3) {
  return RowCells{caption, {caption + " priority", caption + ".exe"}, stateImage, image};
}

ObjectKey KeyOf(uint32_t pid) {
  return ObjectKey{2, 1, 1, pid, 0, 0};
}

class ListViewControlTest : public winui::testing::DemoFormTest {
 protected:
  void SetUp() override {
    DemoFormTest::SetUp();
    list.Create(
        {.parent = form.right, .id = 30, .width = 400, .height = 300, .style = LVS_OWNERDATA});
    list.SetSmallImages(form.priorityIcons);
    list.SetStateImages(form.objectIcons);
    list.AddColumn("Process Name", 150);
    list.AddColumn("Priority", 100);
    list.AddColumn("Executable", 150);
    list.SetItemSource(&control);
  }

  // The captions of the list view's rows, as it reads them.
  std::vector<std::string> Captions() const {
    std::vector<std::string> captions;
    for (int i = 0; i < list.Count(); ++i) captions.push_back(list.GetText(i, 0));
    return captions;
  }
  std::vector<std::string> SelectedCaptions() const {
    std::vector<std::string> captions;
    for (int i = list.NextSelected(); i >= 0; i = list.NextSelected(i))
      captions.push_back(list.GetText(i, 0));
    return captions;
  }
  std::string CaptionAt(int index) const { return index < 0 ? "(none)" : list.GetText(index, 0); }
  void AddRows(std::initializer_list<const char*> captions) {
    for (const char* caption : captions) model.AddRow(KeyOf(next++), Cells(caption));
  }

  ListView list;
  ListViewControl control{list, model};
  ListModel model{control};
  uint32_t next = 100;
};

TEST_F(ListViewControlTest, TheListViewReadsCellsImagesAndStateImagesFromTheModel) {
  model.AddRow(KeyOf(1), Cells("alpha", 2, 3));
  ListRow& beta = model.AddRow(KeyOf(2), Cells("beta", 4, 6));
  model.AddRow(KeyOf(3), RowCells{"gamma", {"only one cell"}, -1, -1});
  ASSERT_EQ(list.Count(), 3);
  EXPECT_EQ(list.GetText(1, 0), "beta");
  EXPECT_EQ(list.GetText(1, 1), "beta priority");
  EXPECT_EQ(list.GetText(1, 2), "beta.exe");
  EXPECT_EQ(list.GetImage(1), 4);
  EXPECT_EQ(list.GetStateImage(1), 6);
  EXPECT_EQ(list.GetStateImage(0), 3);
  // A row with fewer cells than columns shows the rest empty; no images read as none.
  EXPECT_EQ(list.GetText(2, 1), "only one cell");
  EXPECT_EQ(list.GetText(2, 2), "");
  EXPECT_EQ(list.GetStateImage(2), -1);

  model.RefillRow(beta, Cells("beta renamed", 1, 5));
  EXPECT_EQ(list.GetText(1, 0), "beta renamed");
  EXPECT_EQ(list.GetImage(1), 1);
  EXPECT_EQ(list.GetStateImage(1), 5);

  // The model row behind a list row; none outside the list.
  ASSERT_NE(control.RowAt(1), nullptr);
  EXPECT_EQ(control.RowAt(1), &beta);
  EXPECT_EQ(control.RowAt(-1), nullptr);
  EXPECT_EQ(control.RowAt(3), nullptr);
  // A list view asking for a row the model no longer has gets an empty one.
  EXPECT_EQ(control.CellText(7, 0), "");
  EXPECT_EQ(control.CellText(0, 9), "");

  model.DeleteRow(beta);
  EXPECT_EQ(Captions(), (std::vector<std::string>{"alpha", "gamma"}));
}

TEST_F(ListViewControlTest, SelectionFocusAndMarkStayOnTheirRowsWhenRowsAboveLeave) {
  AddRows({"a", "b", "c", "d", "e", "f"});
  list.SetSelected(2, true);  // c
  list.SetSelected(3, true);  // d
  list.SetSelected(5, true);  // f
  list.SetFocused(3, true);   // d
  list.SetSelectionMark(2);   // c

  model.DeleteRow(*model.FindFirst(KeyOf(100)));  // a, above all of them
  EXPECT_EQ(SelectedCaptions(), (std::vector<std::string>{"c", "d", "f"}));
  EXPECT_EQ(list.SelectedCount(), 3);
  EXPECT_EQ(CaptionAt(list.Focused()), "d");
  EXPECT_EQ(CaptionAt(list.SelectionMark()), "c");

  // A selected, focused row that leaves takes its selection and focus along.
  model.DeleteRow(*model.FindFirst(KeyOf(103)));  // d
  EXPECT_EQ(SelectedCaptions(), (std::vector<std::string>{"c", "f"}));
  EXPECT_EQ(list.Focused(), -1);
  // The last row leaving, selected: nothing selected is left behind past the end.
  model.DeleteRow(*model.FindFirst(KeyOf(105)));  // f
  EXPECT_EQ(Captions(), (std::vector<std::string>{"b", "c", "e"}));
  EXPECT_EQ(SelectedCaptions(), (std::vector<std::string>{"c"}));

  // Rows arriving at the end leave the selection where it is.
  AddRows({"g"});
  EXPECT_EQ(SelectedCaptions(), (std::vector<std::string>{"c"}));
  EXPECT_EQ(list.Count(), 4);
}

TEST_F(ListViewControlTest, SelectionFocusAndMarkFollowMovedRows) {
  AddRows({"a", "b", "c", "d", "e"});
  list.SetSelected(1, true);  // b
  list.SetSelected(3, true);  // d
  list.SetFocused(3, true);
  list.SetSelectionMark(1);

  model.MoveRow(3, 0);  // d to the front: d a b c e
  EXPECT_EQ(Captions(), (std::vector<std::string>{"d", "a", "b", "c", "e"}));
  EXPECT_EQ(SelectedCaptions(), (std::vector<std::string>{"d", "b"}));
  EXPECT_EQ(CaptionAt(list.Focused()), "d");
  EXPECT_EQ(CaptionAt(list.SelectionMark()), "b");

  model.MoveRow(0, 4);  // d to the end: a b c e d
  EXPECT_EQ(SelectedCaptions(), (std::vector<std::string>{"b", "d"}));
  EXPECT_EQ(CaptionAt(list.Focused()), "d");
  model.MoveRow(1, 3);  // b past c and e: a c e b d
  EXPECT_EQ(SelectedCaptions(), (std::vector<std::string>{"b", "d"}));
  EXPECT_EQ(CaptionAt(list.SelectionMark()), "b");
  // A move among unselected rows leaves the selection alone.
  model.MoveRow(2, 0);  // e a c b d
  EXPECT_EQ(Captions(), (std::vector<std::string>{"e", "a", "c", "b", "d"}));
  EXPECT_EQ(SelectedCaptions(), (std::vector<std::string>{"b", "d"}));
  EXPECT_EQ(list.SelectedCount(), 2);
}

TEST_F(ListViewControlTest, AHeldCountReachesTheListViewAtTheLastRelease) {
  AddRows({"a", "b"});
  control.HoldCount();
  control.HoldCount();
  AddRows({"c", "d"});
  model.DeleteRow(*model.FindFirst(KeyOf(100)));
  EXPECT_EQ(list.Count(), 2);
  control.ReleaseCount();
  EXPECT_EQ(list.Count(), 2);
  control.ReleaseCount();
  EXPECT_EQ(Captions(), (std::vector<std::string>{"b", "c", "d"}));
  // More releases than holds change nothing.
  control.ReleaseCount();
  AddRows({"e"});
  EXPECT_EQ(list.Count(), 4);
}

TEST_F(ListViewControlTest, TypingInTheListFindsARowByTheStartOfItsCaption) {
  AddRows({"svchost.exe", "explorer.exe", "Notepad.exe", "notepad2.exe"});
  list.Focus();
  list.SendMessage(WM_CHAR, 'n', 1);  // a repeat count of 1, as a key press has
  EXPECT_EQ(CaptionAt(list.Focused()), "Notepad.exe");
  EXPECT_EQ(SelectedCaptions(), std::vector<std::string>{"Notepad.exe"});
}

// The pixels of a cell as the list's window shows them.
std::vector<COLORREF> CellPixels(ListView& list, int index, int column) {
  RECT cell{};
  cell.top = column;
  cell.left = LVIR_BOUNDS;
  list.SendMessage(LVM_GETSUBITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&cell));
  std::vector<COLORREF> pixels;
  HDC dc = GetDC(list);
  for (int y = cell.top; y < cell.bottom; ++y) {
    for (int x = cell.left; x < cell.right; ++x) pixels.push_back(GetPixel(dc, x, y));
  }
  ReleaseDC(list, dc);
  return pixels;
}

TEST_F(ListViewControlTest, ExtraCellsAreDrawnAtOnceAsTheListViewPaintsThem) {
  list.AddColumn("CPU", 60);
  list.AddColumn("Memory", 40);  // too narrow for its text, which ends in an ellipsis
  // Drawn pixels need a window on the screen.
  form.Show();
  SetWindowPos(list, HWND_TOP, 0, 0, 600, 300, SWP_SHOWWINDOW);
  std::string figure = "1.5";
  control.extraCells = [&](const ListRow&, int column) {
    return column == 3 ? figure : figure + "12,345,678 K";
  };
  AddRows({"plain", "plain too", "selected", "focused"});
  list.Focus();
  list.SetSelected(2, true);
  list.SetFocused(3, true);
  UpdateWindow(list);
  const auto before = CellPixels(list, 0, 3);

  // A new figure is drawn in place at once, as the list view's own paint draws it, on plain
  // rows one under another and on a selected one; only the focused row's cell, under the focus
  // rectangle, waits for the list view.
  figure = "88.8";
  control.RedrawCells(1, 4, [](const ListRow&, int) { return true; });
  std::vector<std::vector<COLORREF>> drawn, narrow;
  for (int index : {0, 1, 2}) {
    drawn.push_back(CellPixels(list, index, 3));
    narrow.push_back(CellPixels(list, index, 4));
  }
  RECT pending{};
  ASSERT_TRUE(GetUpdateRect(list, &pending, FALSE));
  RECT focused{};
  focused.top = 3;
  focused.left = LVIR_BOUNDS;
  list.SendMessage(LVM_GETSUBITEMRECT, 3, reinterpret_cast<LPARAM>(&focused));
  RECT focusedNarrow{};
  focusedNarrow.top = 4;
  focusedNarrow.left = LVIR_BOUNDS;
  list.SendMessage(LVM_GETSUBITEMRECT, 3, reinterpret_cast<LPARAM>(&focusedNarrow));
  UnionRect(&focused, &focused, &focusedNarrow);
  EXPECT_TRUE(EqualRect(&pending, &focused));
  EXPECT_NE(drawn[0], before);

  InvalidateRect(list, nullptr, TRUE);
  UpdateWindow(list);
  for (int index : {0, 1, 2}) {
    EXPECT_EQ(CellPixels(list, index, 3), drawn[index]) << index;
    EXPECT_EQ(CellPixels(list, index, 4), narrow[index]) << index;
  }
  // On the row's background as the list view paints it: the first pixel of each cell.
  for (int index : {0, 1, 2})
    EXPECT_EQ(CellPixels(list, index, 3)[0], CellPixels(list, index, 2)[0]);
  EXPECT_NE(drawn[2], drawn[0]) << "the selected row in the highlight";
  // Without the focus, a selected row is drawn in the face colour, again as the list view does.
  SetFocus(form);
  control.RedrawCells(3, 3,
                      [](const ListRow& row, int) { return row.cells.caption == "selected"; });
  const auto unfocused = CellPixels(list, 2, 3);
  InvalidateRect(list, nullptr, TRUE);
  UpdateWindow(list);
  EXPECT_EQ(CellPixels(list, 2, 3), unfocused);
  EXPECT_EQ(unfocused[0], CellPixels(list, 2, 2)[0]);
}

// A new row count is set with the list kept from drawing (under Wine each of the list view's
// scroll bar calls redraws its bar): what then shows must be what a whole repaint shows, as rows
// come and go in view and below it, with the list or a row still to be painted, with the rows
// scrolled, and as the bars come and go.
TEST_F(ListViewControlTest, ANewRowCountShowsWhatAWholeRepaintShows) {
  list.AddColumn("Wide", 200);  // with it the columns are wider than the list: a horizontal bar
  form.Show();
  SetWindowPos(list, HWND_TOP, 0, 0, 400, 200, SWP_SHOWWINDOW);
  int made = 0;
  const auto add = [&](int rows) {
    while (rows-- > 0) {
      std::string caption = "row ";
      caption += std::to_string(made++);
      model.AddRow(KeyOf(next++), Cells(caption));
    }
  };
  const auto remove = [&](std::size_t index) {
    model.DeleteRow(*model.FindFirst(model.Row(index).key));
  };

  struct Case {
    const char* what;
    std::function<void()> change;
  } cases[] = {
      {"the first rows, the list just shown", [&] { add(2); }},
      {"rows appended in view", [&] { add(2); }},
      {"rows appended until the vertical bar shows", [&] { add(10); }},
      {"rows appended below the view", [&] { add(5); }},
      {"a row in view removed", [&] { remove(1); }},
      {"a row in view refilled, then one appended, the count held",
       [&] {
         control.HoldCount();
         model.RefillRow(*model.FindFirst(model.Row(0).key), Cells("renamed"));
         add(1);
         control.ReleaseCount();
       }},
      {"scrolled to the end, the last rows removed: the rows move down in view",
       [&] {
         list.SendMessage(LVM_ENSUREVISIBLE, static_cast<WPARAM>(list.Count() - 1), FALSE);
         RedrawWindow(list, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
         for (int i = 0; i < 3; ++i) remove(model.RowCount() - 1);
       }},
      {"scrolled right, all rows but two removed: the vertical bar goes",
       [&] {
         list.SendMessage(LVM_SCROLL, 120, 0);
         RedrawWindow(list, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
         while (model.RowCount() > 2) remove(0);
       }},
      {"every row removed", [&] { model.Clear(); }},
  };
  for (const Case& c : cases) {
    c.change();
    RedrawWindow(list, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    const std::vector<uint32_t> partial = Pixels(list, true);
    RedrawWindow(list, nullptr, nullptr,
                 RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    EXPECT_TRUE(partial == Pixels(list, true))
        << c.what << ": the repaint left stale rows, header or scroll bars";
  }
}

}  // namespace
}  // namespace orvane::win32
