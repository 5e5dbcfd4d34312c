// The main window's tree and list handlers: the object list decides what they change.
#include "app/win32/main_form.h"

namespace orvane::win32 {

void MainForm::ViewObjectTreeTVClick() {
  services_.objectList.ChooseLevel(treeControl_.NodeOf(viewObjectTreeTV_.Selected()));
}

void MainForm::ToolGeneral0RefreshClick() {
  services_.objectList.Refresh();
}

void MainForm::ViewObjectListLVClick() {
  services_.objectList.RowClicked(viewObjectListLV_.NextSelected());
}

void MainForm::ViewObjectListLVColumnClick(int column) {
  services_.objectList.SortByColumn(column);
}

}  // namespace orvane::win32
