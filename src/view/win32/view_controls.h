#pragma once
// The Win32 controls behind the view models: the TreeView follows the tree model node for
// node, the ListView the list model row for row, the status bar the status figures.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "view/list_model.h"
#include "view/status_listener.h"
#include "view/tree_model.h"
#include "view/tree_rows.h"
#include "winui/list_view.h"
#include "winui/status_bar.h"
#include "winui/tree_view.h"

namespace orvane::win32 {

// The tree view's items follow the model's nodes.
class TreeViewControl : public TreeControl {
 public:
  // tree: not owned; its window may be created later, before the first node arrives.
  explicit TreeViewControl(winui::TreeView& tree) : tree_(tree) {}

  void NodeAdded(TreeNode& node) override;
  void NodeRemoved(TreeNode& node) override;
  void NodeRefilled(TreeNode& node) override;

  // Between the two, the tree view stops drawing at the first node added, removed or renamed
  // under unfolded nodes, and draws again at the last release: while drawing, it repaints all
  // of itself and its scroll bars for each such node. At the release only the rows in view
  // that changed are repainted. Changes under folded nodes leave it drawing. Nested pairs
  // count once.
  void HoldRedraw() { ++holds_; }
  void ReleaseRedraw();

  // The model node behind a tree item, or nullptr.
  TreeNode* NodeOf(HTREEITEM item) const;
  static HTREEITEM ItemOf(const TreeNode& node) {
    return reinterpret_cast<HTREEITEM>(node.controlItem);
  }

 private:
  // While held, stops the drawing for a change among parent's children (null: the top level)
  // if they are shown.
  void QuietFor(const TreeNode* parent);
  // The rows in view, top to bottom, with what the control draws beside their texts.
  std::vector<TreeRowShape> ShownRows() const;
  void RepaintChangedRows();

  winui::TreeView& tree_;  // not owned
  int holds_ = 0;
  bool quiet_ = false;               // drawing is off until the last release
  std::vector<TreeRowShape> shown_;  // the rows in view when drawing went off
  std::vector<uintptr_t> refilled_;  // items whose text or image changed meanwhile
};

// Serves an owner-data list view from the model: the list view keeps only the row count and
// the selection, so a change costs a count or a repaint of the rows in view, and the selection
// and focus are moved along with their rows.
class ListViewControl : public ListControl, public winui::ListItemSource {
 public:
  // list: not owned; created with LVS_OWNERDATA, with this control as its item source.
  // model: where the rows are read; not owned.
  ListViewControl(winui::ListView& list, const ListModel& model) : list_(list), model_(model) {}

  void RowAdded(std::size_t index, const ListRow& row) override;
  void RowRemoved(std::size_t index) override;
  void RowRefilled(std::size_t index, const ListRow& row) override;
  void RowMoved(std::size_t from, std::size_t to) override;

  // Paints every row again, as after a change of columns.
  void RedrawAll() { list_.Invalidate(); }
  // Paints again the cells of the columns first to last (0-based) in view for which changed
  // says so: their texts change without their rows changing. These are the extra cells, which
  // the list draws itself.
  void RedrawCells(int first, int last, const std::function<bool(const ListRow&, int)>& changed);
  // The texts of the columns after a row's own cells, which change every cycle without the row
  // changing (the processes' figures); none when not given.
  std::function<std::string(const ListRow& row, int column)> extraCells;
  // Between the two, the row count reaches the list view once, at the release: each new count
  // repaints the list view's scroll bar, which costs more than all other row changes of a
  // cycle together. Nested pairs count once.
  void HoldCount() { ++holds_; }
  void ReleaseCount();

  // The model row behind a list row, or nullptr.
  const ListRow* RowAt(int index) const;

  std::string_view CellText(int index, int column) const override;
  int Image(int index) const override;
  int StateImage(int index) const override;
  // The extra cells.
  bool IsLiveCell(int index, int column) const override;
  // The row's change mark as a colour; also what tests read of it.
  std::optional<COLORREF> Background(int index) const override;
  bool HasBackgrounds() const override { return model_.MarkedRows() > 0; }

 private:
  // Carries the selection, the focus and the selection mark of the rows first..last to where
  // newIndexOf puts each row (-1: the row is gone).
  void FollowRows(int first, int last, const std::function<int(int)>& newIndexOf);

  void ShowCount();

  winui::ListView& list_;   // not owned
  const ListModel& model_;  // not owned
  int holds_ = 0;
  mutable std::string extra_;  // the last extra cell's text, until the list view has copied it
};

class StatusBarPanels : public StatusPanels {
 public:
  // widths: the panels' widths; a panel grows when its text needs more room in the bar's font
  // (fonts differ from system to system), so the figures are never cut.
  StatusBarPanels(winui::StatusBar& bar, std::vector<int> widths)
      : bar_(bar), widths_(std::move(widths)), texts_(widths_.size()) {}
  void SetPanelText(int32_t panel, std::string_view text) override;
  // The panels' widths anew (another display scale); the texts are measured again as they come.
  void SetWidths(std::vector<int> widths);

 private:
  winui::StatusBar& bar_;  // not owned
  std::vector<int> widths_;
  std::vector<std::string> texts_;  // what each panel shows now
};

}  // namespace orvane::win32
