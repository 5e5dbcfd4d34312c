// The main window's tree and list commands: choosing a level, Refresh, the information box
// and the column sort.
#include "app/presentation.h"
#include "app/win32/main_form.h"

namespace orvane::win32 {

void MainForm::ViewObjectTreeTVClick() {
  if (!services_.listFilter.pinnedKeys.empty()) {
    Quietly([this] { services_.listListener.ClearAll(); });
    services_.listFilter.pinnedKeys.clear();
  }
  TreeNode* node = treeControl_.NodeOf(viewObjectTreeTV_.Selected());
  if (node == nullptr) return;
  // A window shows the windows of the thread that created it.
  if (node->key.kind == kKindWindow && node->parent) {
    node = node->parent;
    Quietly([&] { viewObjectTreeTV_.Select(TreeViewControl::ItemOf(*node)); });
  }
  const ObjectKey key = node->key;

  const std::string parentText = node->parent ? node->parent->content.text : std::string();
  if (auto heading = ListHeading(key.kind, node->content.text, parentText)) {
    viewListName_.SetCaption(*heading);
  }
  savedListHeading_ = viewListName_.Caption();

  if (!KeyEquals(key, services_.listFilter.currentKey)) {
    services_.listFilter.currentKey = key;
    Quietly([this] { services_.listListener.ClearAll(); });
    services_.listFilter.pinnedKeys.clear();
  }

  // Drawing off meanwhile: each column change would otherwise repaint the list and its scroll
  // bars (about 8 ms under Wine), where switching back on repaints it once.
  viewObjectListLV_.SetRedraw(false);
  viewObjectListLV_.DeleteAllColumns();
  for (const ColumnSpec& column : ColumnsFor(key.kind)) {
    viewObjectListLV_.AddColumn(std::string(column.caption), column.width);
  }
  viewObjectListLV_.SetRedraw(true);
  listControl_.RedrawAll();
}

void MainForm::ToolGeneral0RefreshClick() {
  Quietly([this] {
    services_.listListener.ClearAll();
    services_.treeListener.ClearAll();
  });
  services_.listFilter.pinnedKeys.clear();
  viewListName_.SetCaption(savedListHeading_);
}

void MainForm::ViewObjectListLVClick() {
  const int selected = viewObjectListLV_.NextSelected();
  if (selected < 0) return;
  const ListRow* row = listControl_.RowAt(selected);
  if (row == nullptr) return;
  if (auto lines = InfoLinesFor(*row, services_.programs)) viewObjectInfoRE_.SetLines(*lines);
}

void MainForm::ViewObjectListLVColumnClick(int column) {
  Quietly([&] { SortListByColumn(services_.listModel, column, services_.locale); });
}

}  // namespace orvane::win32
