// The main window's side of the tool dialogs: what the search and the report read and change.
#include "app/win32/main_form.h"

namespace orvane::win32 {

void MainForm::CreateDialogs() {
  logDlg_->Create(*this);
  searchDlg_->Create(*this);
  printReportDlg_->Create(*this);
  autorunDlg_->Create(*this);
  cmdLineDlg_->Create(*this);
  startDlg_->Create(*this);
  aboutDlg_->Create(*this);
}

void MainForm::Search::ClearList() {
  form_.Quietly([this] { form_.listListener_.ClearAll(); });
}

void MainForm::Search::ForEachNode(
    const std::function<void(std::string_view, const ObjectKey&)>& each) {
  form_.treeModel_.ForEachNode([&](const TreeNode& node) { each(node.content.text, node.key); });
}

void MainForm::Search::SetHeading(const std::string& heading) {
  form_.viewListName_.SetCaption(heading);
}

void MainForm::Search::AddColumn(const std::string& caption, int width) {
  form_.viewObjectListLV_.AddColumn(caption, width);
}

void MainForm::Search::SetColumn(int index, const std::string& caption, int width) {
  form_.viewObjectListLV_.SetColumn(index, caption, width);
}

std::vector<std::string> MainForm::Report::ColumnCaptions() {
  std::vector<std::string> captions;
  winui::ListView& list = form_.viewObjectListLV_;
  for (int i = 0; i < list.ColumnCount(); ++i) captions.push_back(list.GetColumnText(i));
  return captions;
}

}  // namespace orvane::win32
