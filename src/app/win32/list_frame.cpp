#include "app/win32/list_frame.h"

namespace orvane::win32 {

void Win32ListFrame::ReplaceColumns(std::span<const ColumnSpec> columns) {
  // Drawing off meanwhile: each column change would otherwise repaint the list and its scroll
  // bars (about 8 ms under Wine), where switching back on repaints it once.
  c_.list.SetRedraw(false);
  c_.list.DeleteAllColumns();
  for (const ColumnSpec& column : columns) AddColumn(column.caption, column.width);
  c_.list.SetRedraw(true);
  c_.listControl.RedrawAll();
}

void Win32ListFrame::Quietly(const std::function<void()>& f) {
  // Both holds nest, so a call inside a cycle's own hold changes nothing until the cycle ends.
  c_.treeControl.HoldRedraw();
  c_.listControl.HoldCount();
  try {
    f();
  } catch (...) {
    c_.listControl.ReleaseCount();
    c_.treeControl.ReleaseRedraw();
    throw;
  }
  c_.listControl.ReleaseCount();
  c_.treeControl.ReleaseRedraw();
}

void Win32ListFrame::SelectNode(const TreeNode& node) {
  Quietly([&] { c_.tree.Select(TreeViewControl::ItemOf(node)); });
  c_.tree.SendMessage(TVM_ENSUREVISIBLE, 0,
                      reinterpret_cast<LPARAM>(TreeViewControl::ItemOf(node)));
}

void Win32ListFrame::SelectRow(int index) {
  c_.list.SetSelected(-1, false);  // every row
  c_.list.SetSelected(index, true);
  c_.list.SetFocused(index, true);
  c_.list.SetSelectionMark(index);
  c_.list.SendMessage(LVM_ENSUREVISIBLE, static_cast<WPARAM>(index), FALSE);
}

}  // namespace orvane::win32
