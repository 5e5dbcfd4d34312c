// The tree model behind a real tree view: the tree view shows the nodes' texts as the model
// holds them, and a held tree that had changes in view is drawn again at the release.
#include <windows.h>

#include <string>

#include "view/win32/view_controls.h"
#include "win/winui/gui_fixture.h"

namespace orvane::win32 {
namespace {

ObjectKey Key(int32_t kind, uint32_t pid, uint32_t tid = 0) {
  return ObjectKey{kind, 1, 1, pid, tid, 0};
}

class TreeViewControlTest : public winui::testing::DemoFormTest {
 protected:
  void SetUp() override {
    DemoFormTest::SetUp();
    form.tree.SetItemSource(&control);
  }

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
  EXPECT_EQ(control.ItemText(0), "");
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

}  // namespace
}  // namespace orvane::win32
