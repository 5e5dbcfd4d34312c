#pragma once
// The Win32 controls behind the view models: the TreeView follows the tree model node for
// node, the ListView the list model row for row, the status bar the status figures.

#include <string>
#include <vector>

#include "view/list_model.h"
#include "view/status_listener.h"
#include "view/tree_model.h"
#include "winui/list_view.h"
#include "winui/status_bar.h"
#include "winui/tree_view.h"

namespace orvane::win32 {

class TreeViewControl : public TreeControl {
 public:
  // tree: not owned; its window may be created later, before the first node arrives.
  explicit TreeViewControl(winui::TreeView& tree) : tree_(tree) {}

  void NodeAdded(TreeNode& node) override;
  void NodeRemoved(TreeNode& node) override;
  void NodeRefilled(TreeNode& node) override;

  // The model node behind a tree item, or nullptr.
  TreeNode* NodeOf(HTREEITEM item) const;
  static HTREEITEM ItemOf(const TreeNode& node) {
    return reinterpret_cast<HTREEITEM>(node.controlItem);
  }

 private:
  winui::TreeView& tree_;  // not owned
};

class ListViewControl : public ListControl {
 public:
  // list: not owned. model: read for the rows' contents when a row moves; not owned.
  ListViewControl(winui::ListView& list, const ListModel& model) : list_(list), model_(model) {}

  void RowAdded(std::size_t index, const ListRow& row) override;
  void RowRemoved(std::size_t index) override;
  void RowRefilled(std::size_t index, const ListRow& row) override;
  void RowMoved(std::size_t from, std::size_t to) override;

  // Writes every row's cells again: a list view keeps no text for columns it does not have,
  // so rows made before their columns show their cells only after this.
  void RewriteAll();

 private:
  void Insert(std::size_t index, const ListRow& row);
  void WriteCells(std::size_t index, const ListRow& row);

  winui::ListView& list_;   // not owned
  const ListModel& model_;  // not owned
};

class StatusBarPanels : public StatusPanels {
 public:
  // widths: the panels' widths; a panel grows when its text needs more room in the bar's font
  // (fonts differ from system to system), so the figures are never cut.
  StatusBarPanels(winui::StatusBar& bar, std::vector<int> widths)
      : bar_(bar), widths_(std::move(widths)), texts_(widths_.size()) {}
  void SetPanelText(int32_t panel, std::string_view text) override;

 private:
  winui::StatusBar& bar_;  // not owned
  std::vector<int> widths_;
  std::vector<std::string> texts_;  // what each panel shows now
};

}  // namespace orvane::win32
