#include "view/win32/view_controls.h"

namespace orvane::win32 {

void TreeViewControl::NodeAdded(TreeNode& node) {
  winui::TreeItemArgs item;
  item.parent = node.parent ? ItemOf(*node.parent) : TVI_ROOT;
  item.text = node.content.text;
  item.stateImage = node.content.stateImage;
  item.param = reinterpret_cast<LPARAM>(&node);
  node.controlItem = reinterpret_cast<uintptr_t>(tree_.Insert(item));
}

void TreeViewControl::NodeRemoved(TreeNode& node) {
  if (node.controlItem) tree_.Delete(ItemOf(node));
  node.controlItem = 0;
}

void TreeViewControl::NodeRefilled(TreeNode& node) {
  // Most refills (a thread's priority, a window's place) leave the node as it is, and under
  // Wine every TVM_SETITEM costs 0.1 to 1 ms against a few microseconds for reading it back.
  const HTREEITEM item = ItemOf(node);
  if (tree_.GetText(item) != node.content.text) tree_.SetText(item, node.content.text);
  if (tree_.GetStateImage(item) != node.content.stateImage) {
    tree_.SetStateImage(item, node.content.stateImage);
  }
}

TreeNode* TreeViewControl::NodeOf(HTREEITEM item) const {
  return item ? reinterpret_cast<TreeNode*>(tree_.GetParam(item)) : nullptr;
}

void ListViewControl::RowAdded(std::size_t index, const ListRow& row) {
  Insert(index, row);
}

void ListViewControl::RowRemoved(std::size_t index) {
  list_.Delete(static_cast<int>(index));
}

void ListViewControl::RowRefilled(std::size_t index, const ListRow& row) {
  WriteCells(index, row);
}

void ListViewControl::RowMoved(std::size_t from, std::size_t to) {
  // The row is made anew at its place: its selection and focus stay behind.
  list_.Delete(static_cast<int>(from));
  Insert(to, model_.Row(to));
}

void ListViewControl::RewriteAll() {
  for (std::size_t i = 0; i < model_.RowCount(); ++i) WriteCells(i, model_.Row(i));
}

void StatusBarPanels::SetPanelText(int32_t panel, std::string_view text) {
  const std::string value(text);
  if (panel >= 0 && static_cast<std::size_t>(panel) < widths_.size()) {
    // Every cycle writes all three figures; most of them have not changed.
    std::string& shown = texts_[static_cast<std::size_t>(panel)];
    if (shown == value) return;
    shown = value;
    HDC dc = GetDC(bar_);
    HGDIOBJ old = SelectObject(dc, bar_.GetFont());
    SIZE size{};
    GetTextExtentPoint32A(dc, value.c_str(), static_cast<int>(value.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(bar_, dc);
    int& width = widths_[static_cast<std::size_t>(panel)];
    const int needed = size.cx + 12;  // the panel's borders and margins
    if (needed > width) {
      width = needed;
      bar_.SetPanels(widths_);
    }
  }
  bar_.SetPanelText(panel, value);
}

void ListViewControl::Insert(std::size_t index, const ListRow& row) {
  winui::ListItemArgs item;
  item.index = static_cast<int>(index);
  item.text = row.cells.caption;
  item.image = row.cells.smallImage;
  item.stateImage = row.cells.stateImage;
  item.param = reinterpret_cast<LPARAM>(&row);
  const int at = list_.Insert(item);
  for (std::size_t i = 0; i < row.cells.subItems.size(); ++i) {
    list_.SetText(at, static_cast<int>(i + 1), row.cells.subItems[i]);
  }
}

void ListViewControl::WriteCells(std::size_t index, const ListRow& row) {
  // Only what differs is written: each write costs about 0.1 ms under Wine, a read a few
  // microseconds, and a refill mostly changes one cell. A column the list view keeps no text
  // for reads back empty, so its cells are still written.
  const int at = static_cast<int>(index);
  auto write = [&](int column, const std::string& text) {
    if (list_.GetText(at, column) != text) list_.SetText(at, column, text);
  };
  write(0, row.cells.caption);
  for (std::size_t i = 0; i < row.cells.subItems.size(); ++i) {
    write(static_cast<int>(i + 1), row.cells.subItems[i]);
  }
  if (list_.GetImage(at) != row.cells.smallImage) list_.SetImage(at, row.cells.smallImage);
  if (list_.GetStateImage(at) != row.cells.stateImage) {
    list_.SetStateImage(at, row.cells.stateImage);
  }
}

}  // namespace orvane::win32
