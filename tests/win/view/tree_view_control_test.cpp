// The tree model behind a real tree view: the tree view shows the nodes' texts as the model
// holds them, and a held tree that had changes in view is drawn again at the release.
#include <windows.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "view/win32/view_controls.h"
#include "win/support/pixels.h"
#include "win/winui/gui_fixture.h"

namespace orvane::win32 {
namespace {

using orvane::testing::Pixels;

ObjectKey Key(int32_t kind, uint32_t pid, uint32_t tid = 0) {
  return ObjectKey{kind, 1, 1, pid, tid, 0};
}

class TreeViewControlTest : public winui::testing::DemoFormTest {
 protected:
  winui::TreeView& tree = form.tree;
  TreeViewControl control{form.tree};
  TreeModel model{control};
};

TEST_F(TreeViewControlTest, TheTreeViewShowsTheNodesTextsAndTheirChanges) {
  TreeNode& computer = model.AddNode(nullptr, Key(kKindComputer, 0), {"HOST", 2});
  TreeNode& process = model.AddNode(&computer, Key(kKindProcess, 7), {"edit.exe", 3});
  TreeNode& thread = model.AddNode(&process, Key(kKindThread, 7, 70), {"70", 5});
  const HTREEITEM item = TreeViewControl::ItemOf(process);
  EXPECT_EQ(tree.GetText(tree.Root()), "HOST");
  EXPECT_EQ(tree.GetText(item), "edit.exe");
  EXPECT_EQ(tree.GetStateImage(item), 3);
  EXPECT_EQ(tree.GetText(TreeViewControl::ItemOf(thread)), "70");
  EXPECT_EQ(control.NodeOf(item), &process);

  model.RefillNode(process, {"Doc - Edit", 3});
  EXPECT_EQ(tree.GetText(item), "Doc - Edit");
  model.RefillNode(process, {"Doc - Edit", 4});
  EXPECT_EQ(tree.GetStateImage(item), 4);
  // Texts longer than the tree's buffer are cut, not overrun.
  model.RefillNode(process, {std::string(400, 'x'), 4});
  const std::string shown = tree.GetText(item);
  EXPECT_GT(shown.size(), 100u);
  EXPECT_EQ(shown, std::string(shown.size(), 'x'));

  model.DeleteNode(process);
  EXPECT_EQ(tree.Count(), 1);
}

TEST_F(TreeViewControlTest, AHeldTreeWithChangesInViewIsDrawnAgainAtTheLastRelease) {
  ::ShowWindow(form, SW_SHOWNA);
  TreeNode& computer = model.AddNode(nullptr, Key(kKindComputer, 0), {"HOST", 2});
  TreeNode& process = model.AddNode(&computer, Key(kKindProcess, 7), {"edit.exe", 3});
  model.AddNode(&process, Key(kKindThread, 7, 70), {"70", 5});
  tree.Expand(TreeViewControl::ItemOf(computer));
  winui::testing::Pump();
  tree.Update();
  auto invalid = [&] {
    RECT r{};
    return ::GetUpdateRect(tree, &r, FALSE) != FALSE;
  };
  ASSERT_FALSE(invalid());

  // Under the folded process: nothing to draw again.
  control.HoldRedraw();
  model.AddNode(&process, Key(kKindThread, 7, 71), {"71", 5});
  control.ReleaseRedraw();
  EXPECT_FALSE(invalid());

  // Under the unfolded computer: drawn again once the last hold ends.
  control.HoldRedraw();
  control.HoldRedraw();
  model.AddNode(&computer, Key(kKindProcess, 8), {"calc.exe", 3});
  control.ReleaseRedraw();
  tree.Update();
  control.ReleaseRedraw();
  EXPECT_TRUE(invalid());
  EXPECT_EQ(tree.GetText(tree.NextSibling(TreeViewControl::ItemOf(process))), "calc.exe");
}

// How many rows' worth of the tree is invalid.
double InvalidRows(const winui::TreeView& tree) {
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  GetUpdateRgn(tree, region, FALSE);
  std::vector<char> data(GetRegionData(region, 0, nullptr));
  auto* header = reinterpret_cast<RGNDATA*>(data.data());
  GetRegionData(region, static_cast<DWORD>(data.size()), header);
  DeleteObject(region);
  RECT client{};
  GetClientRect(tree, &client);
  double area = 0;
  const auto* rects = reinterpret_cast<const RECT*>(header->Buffer);
  for (DWORD i = 0; i < header->rdh.nCount; ++i) {
    area += static_cast<double>(rects[i].right - rects[i].left) * (rects[i].bottom - rects[i].top);
  }
  return area / (static_cast<double>(client.right) * tree.ItemHeight());
}

TEST_F(TreeViewControlTest, AtTheReleaseOnlyChangedRowsArePaintedAndThePictureIsWhole) {
  ::ShowWindow(form, SW_SHOWNA);
  SetWindowPos(form, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  TreeNode& computer = model.AddNode(nullptr, Key(kKindComputer, 0), {"HOST", 2});
  std::vector<TreeNode*> processes;
  for (uint32_t pid = 1; pid <= 60; ++pid) {
    // Appended rather than "p" + ...: GCC 12 at -O3 on 32-bit warns wrongly about the latter.
    std::string name = "p";
    name += std::to_string(pid);
    processes.push_back(&model.AddNode(&computer, Key(kKindProcess, pid), {name, 3}));
  }
  TreeNode& unfolded = *processes[2];
  model.AddNode(&unfolded, Key(kKindThread, 3, 30), {"30", 5});
  tree.Expand(TreeViewControl::ItemOf(computer));
  tree.Expand(TreeViewControl::ItemOf(unfolded));
  winui::testing::Pump();
  tree.Update();
  {
    const std::vector<uint32_t> shown = Pixels(tree);
    ASSERT_NE(std::adjacent_find(shown.begin(), shown.end(), std::not_equal_to<>()), shown.end())
        << "the capture sees the drawn rows";
  }

  struct Case {
    const char* what;
    std::function<void()> change;
    bool fewRows;  // at most a few rows to paint
  } cases[] = {
      {"a process appended far below the view",
       [&] {
         model.AddNode(&computer, Key(kKindProcess, 99), {"p99", 3});
       },
       true},
      {"a refilled process in view while the tree does not draw",
       [&] {
         // The addition stops the drawing first.
         model.AddNode(&computer, Key(kKindProcess, 98), {"p98", 3});
         model.RefillNode(*processes[1], {"renamed", 3});
       },
       true},
      {"a thread added as the last child of an unfolded process: the rows below move down",
       [&] {
         model.AddNode(&unfolded, Key(kKindThread, 3, 31), {"31", 5});
       },
       true},
      {"a process in view removed: the rows below move up",
       [&] { model.DeleteNode(*processes[0]); }, true},
      {"a process in view renamed, the tree drawing",
       [&] {
         model.RefillNode(*processes[3], {"renamed again", 4});
       },
       true},
      {"sixty processes added: the scroll bar's thumb shrinks",
       [&] {
         for (uint32_t pid = 200; pid < 260; ++pid) {
           model.AddNode(&computer, Key(kKindProcess, pid), {"more", 3});
         }
       },
       true},
  };
  for (const Case& c : cases) {
    control.HoldRedraw();
    c.change();
    control.ReleaseRedraw();
    if (c.fewRows) {
      EXPECT_LE(InvalidRows(tree), 3.0) << c.what;
    }
    tree.Update();
    const std::vector<uint32_t> partial = Pixels(tree, true);
    RedrawWindow(tree, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_TRUE(partial == Pixels(tree, true))
        << c.what << ": the repaint left stale rows or scroll bars";
  }
}

}  // namespace
}  // namespace orvane::win32
