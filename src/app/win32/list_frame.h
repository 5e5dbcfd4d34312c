#pragma once
// The object list's frame in the main window: the heading panel, the list view's columns, the
// information box, and the holds of the tree and the list views.

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/object_list.h"
#include "view/win32/view_controls.h"
#include "winui/dpi.h"
#include "winui/list_view.h"
#include "winui/panel.h"
#include "winui/rich_edit.h"
#include "winui/tree_view.h"

namespace orvane::win32 {

// None of the controls is owned; their windows may be created later, before the first call.
struct ListFrameControls {
  winui::Panel& heading;
  winui::ListView& list;
  winui::RichEdit& info;
  winui::TreeView& tree;
  TreeViewControl& treeControl;
  ListViewControl& listControl;
};

class Win32ListFrame : public ListFrame {
 public:
  explicit Win32ListFrame(const ListFrameControls& controls) : c_(controls) {}

  void SetHeading(const std::string& text) override { c_.heading.SetCaption(text); }
  int ColumnCount() override { return c_.list.ColumnCount(); }
  std::string ColumnCaption(int index) override { return c_.list.GetColumnText(index); }
  void AddColumn(std::string_view caption, int width) override {
    c_.list.AddColumn(std::string(caption), ColumnWidth(width));
  }
  void SetColumn(int index, std::string_view caption, int width) override {
    c_.list.SetColumn(index, std::string(caption), ColumnWidth(width));
  }
  void ReplaceColumns(std::span<const ColumnSpec> columns) override;
  void SetInfoLines(const std::vector<std::string>& lines) override { c_.info.SetLines(lines); }
  void Quietly(const std::function<void()>& f) override;
  void SelectNode(const TreeNode& node) override;
  void SelectRow(int index) override;
  void RedrawCells(int first, int last,
                   const std::function<bool(const ListRow&, int)>& changed) override {
    c_.listControl.RedrawCells(first, last, changed);
  }

 private:
  // Widths come at 96 DPI; the system's own (negative: fit to text) stay as they are.
  int ColumnWidth(int width) const { return width > 0 ? winui::ScaleFor(c_.list, width) : width; }

  ListFrameControls c_;
};

}  // namespace orvane::win32
