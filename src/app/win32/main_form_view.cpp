// The main window's tree and list handlers: the object list decides what they change.
#include "app/win32/main_form.h"

namespace orvane::win32 {

void MainForm::ViewObjectTreeTVClick() {
  objectList_.ChooseLevel(treeControl_.NodeOf(viewObjectTreeTV_.Selected()));
}

void MainForm::ToolGeneral0RefreshClick() {
  objectList_.Refresh();
}

void MainForm::RebuildViews() {
  viewsBroken_ = false;
  ++viewRepairs_;
  listFrame_.Quietly([this] {
    listListener_.Reset();
    listModel_.Clear();
    treeListener_.Reset();
    treeModel_.Clear();
  });
}

void MainForm::ViewObjectListLVClick() {
  objectList_.RowClicked(viewObjectListLV_.NextSelected());
}

void MainForm::ViewObjectListLVColumnClick(int column) {
  objectList_.SortByColumn(column);
}

}  // namespace orvane::win32
