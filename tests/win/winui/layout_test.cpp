// Dock layout and splitters against real windows: placement after WM_SIZE, hidden children,
// the order rule, and drags that resize the splitter's target.
#include "gui_fixture.h"

namespace orvane::winui::testing {
namespace {

using LayoutTest = DemoFormTest;

::testing::AssertionResult Placed(HWND child, LONG left, LONG top, LONG right, LONG bottom) {
  const RECT r = RectIn(child);
  if (r.left == left && r.top == top && r.right == right && r.bottom == bottom)
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "at (" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom
         << "), expected (" << left << "," << top << ")-(" << right << "," << bottom << ")";
}

TEST_F(LayoutTest, AMainWindowLayoutFollowsEveryResize) {
  for (SIZE size : {SIZE{760, 520}, SIZE{911, 724}, SIZE{500, 400}}) {
    form.Move(40, 40, size.cx, size.cy);
    Pump();
    const RECT client = form.ClientRect();
    const int statusTop = RectIn(form.status).top;
    EXPECT_EQ(RectIn(form.status).bottom, client.bottom);
    EXPECT_TRUE(Placed(form.mainBar, 0, 0, client.right, DemoForm::kBarHeight));
    EXPECT_TRUE(Placed(form.center, 0, DemoForm::kBarHeight, client.right, statusTop));

    const RECT inside = form.center.ClientRect();  // inside the lowered bevel
    EXPECT_TRUE(Placed(form.tree, 0, 0, DemoForm::kTreeWidth, inside.bottom));
    EXPECT_TRUE(Placed(form.treeSplitter, DemoForm::kTreeWidth, 0, DemoForm::kTreeWidth + 3,
                       inside.bottom));
    EXPECT_TRUE(Placed(form.right, DemoForm::kTreeWidth + 3, 0, inside.right, inside.bottom));

    const RECT rest = form.right.ClientRect();
    const LONG infoTop = rest.bottom - DemoForm::kInfoHeight;
    EXPECT_TRUE(Placed(form.heading, 0, 0, rest.right, DemoForm::kHeadingHeight));
    EXPECT_TRUE(Placed(form.info, 0, infoTop, rest.right, rest.bottom));
    EXPECT_TRUE(Placed(form.infoSplitter, 0, infoTop - 3, rest.right, infoTop));
    EXPECT_TRUE(Placed(form.list, 0, DemoForm::kHeadingHeight, rest.right, infoTop - 3));

    // The logo keeps its right edge 10 pixels beyond the bar's.
    EXPECT_EQ(RectIn(form.logoPicture).right, client.right + 10);
  }
}

TEST_F(LayoutTest, AHiddenChildGivesItsEdgeToTheOthers) {
  form.tree.Hide();
  form.center.Layout().Apply();
  EXPECT_EQ(RectIn(form.treeSplitter).left, 0);
  EXPECT_EQ(RectIn(form.right).left, 3);
  form.tree.Show();
  form.center.Layout().Apply();
  EXPECT_EQ(RectIn(form.right).left, DemoForm::kTreeWidth + 3);
}

// A stop in the tree's drawing clears WS_VISIBLE for its time: a layout applied meanwhile must
// not give its edge away, and a hide or show meanwhile must hold once drawing resumes.
TEST_F(LayoutTest, ATreeKeptFromDrawingKeepsItsEdgeAndHoldsAHideOrShowMeanwhile) {
  ShowWindow(form, SW_SHOWNOACTIVATE);  // drawing stops only in a window on the screen
  Pump();
  form.tree.StopDrawing();
  EXPECT_TRUE(form.tree.IsVisible());
  form.center.Layout().Apply();
  EXPECT_EQ(RectIn(form.right).left, DemoForm::kTreeWidth + 3);
  form.tree.Hide();
  form.center.Layout().Apply();
  EXPECT_EQ(RectIn(form.right).left, 3);
  form.tree.ResumeDrawing();
  EXPECT_FALSE(IsWindowVisible(form.tree));

  form.tree.StopDrawing();
  form.tree.Show();
  form.center.Layout().Apply();
  EXPECT_EQ(RectIn(form.right).left, DemoForm::kTreeWidth + 3);
  form.tree.ResumeDrawing();
  EXPECT_TRUE(IsWindowVisible(form.tree));
}

TEST_F(LayoutTest, EdgesAreTakenInOrderAndClientGetsTheRest) {
  Panel host;
  host.Create({.parent = form.right, .width = 300, .height = 200, .visible = false});
  Panel lowest, above, left, right, fill;
  for (Panel* p : {&lowest, &above, &left, &right, &fill}) p->Create({.parent = host});
  DockLayout& layout = host.Layout();
  layout.Add(lowest, Align::Bottom, 20);
  layout.Add(above, Align::Bottom, 10);  // the second bottom child sits above the first
  layout.Add(left, Align::Left, 50);
  layout.Add(right, Align::Right, 40);
  layout.Add(fill, Align::Client);
  layout.Apply();
  EXPECT_TRUE(Placed(lowest, 0, 180, 300, 200));
  EXPECT_TRUE(Placed(above, 0, 170, 300, 180));
  EXPECT_TRUE(Placed(left, 0, 0, 50, 170));
  EXPECT_TRUE(Placed(right, 260, 0, 300, 170));
  EXPECT_TRUE(Placed(fill, 50, 0, 260, 170));
  EXPECT_EQ(layout.ClientArea().right, 260);

  // Too little room: the edges are clipped, never negative, and the rest is empty.
  host.Move(0, 0, 60, 25);
  EXPECT_TRUE(Placed(lowest, 0, 5, 60, 25));
  EXPECT_TRUE(Placed(above, 0, 0, 60, 5));
  EXPECT_TRUE(Placed(left, 0, 0, 50, 0));
  EXPECT_TRUE(Placed(fill, 50, 0, 50, 0));
}

TEST_F(LayoutTest, DraggingTheTreeSplitterSetsTheTreeWidthWithinBounds) {
  std::vector<int> moved;
  form.treeSplitter.onMoved = [&](int size) { moved.push_back(size); };
  HWND splitter = form.treeSplitter;
  // Coordinates are the splitter's own client coordinates, as the mouse messages carry them.
  ::SendMessageA(splitter, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 40));
  ::SendMessageA(splitter, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(51, 40));
  EXPECT_EQ(form.center.Layout().GetSize(form.tree), DemoForm::kTreeWidth + 50);
  EXPECT_EQ(RectIn(form.right).left, DemoForm::kTreeWidth + 53);
  ::SendMessageA(splitter, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-1000 & 0xFFFF, 40));
  EXPECT_EQ(form.center.Layout().GetSize(form.tree), 30);  // the minimum
  ::SendMessageA(splitter, WM_LBUTTONUP, 0, MAKELPARAM(-1000 & 0xFFFF, 40));
  // Without the button down, moving the mouse changes nothing.
  ::SendMessageA(splitter, WM_MOUSEMOVE, 0, MAKELPARAM(300, 40));
  EXPECT_EQ(form.center.Layout().GetSize(form.tree), 30);
  EXPECT_EQ(moved, (std::vector<int>{DemoForm::kTreeWidth + 50, 30}));
}

TEST_F(LayoutTest, DraggingTheInfoSplitterUpMakesTheBottomBoxTaller) {
  HWND splitter = form.infoSplitter;
  ::SendMessageA(splitter, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 1));
  ::SendMessageA(splitter, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(20, (-40) & 0xFFFF));
  ::SendMessageA(splitter, WM_LBUTTONUP, 0, MAKELPARAM(20, (-40) & 0xFFFF));
  EXPECT_EQ(form.right.Layout().GetSize(form.info), DemoForm::kInfoHeight + 41);
  const RECT rest = form.right.ClientRect();
  EXPECT_EQ(RectIn(form.info).top, rest.bottom - DemoForm::kInfoHeight - 41);
  EXPECT_EQ(RectIn(form.list).bottom, RectIn(form.infoSplitter).top);
}

TEST_F(LayoutTest, TheLayoutRefusesUnknownAndDoubleEntries) {
  DockLayout layout(form);
  layout.Add(form.status, Align::Bottom, 20);
  EXPECT_THROW(layout.Add(form.status, Align::Top, 5), Error);
  EXPECT_THROW(layout.GetSize(form.tree), Error);
  layout.Remove(form.status);
  EXPECT_FALSE(layout.Contains(form.status));
}

}  // namespace
}  // namespace orvane::winui::testing
