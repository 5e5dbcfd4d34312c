#pragma once
// The Win32 controls behind the view models: the TreeView follows the tree model node for
// node, the ListView the list model row for row, the status bar the status figures.

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

 private:
  void Insert(std::size_t index, const ListRow& row);
  void WriteCells(std::size_t index, const ListRow& row);

  winui::ListView& list_;   // not owned
  const ListModel& model_;  // not owned
};

class StatusBarPanels : public StatusPanels {
 public:
  explicit StatusBarPanels(winui::StatusBar& bar) : bar_(bar) {}
  void SetPanelText(int32_t panel, std::string_view text) override {
    bar_.SetPanelText(panel, std::string(text));
  }

 private:
  winui::StatusBar& bar_;  // not owned
};

}  // namespace orvane::win32
