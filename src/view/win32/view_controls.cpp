#include "view/win32/view_controls.h"

#include <algorithm>

#include "winui/gdi.h"

namespace orvane::win32 {

void TreeViewControl::NodeAdded(TreeNode& node) {
  winui::TreeItemArgs item;
  item.parent = node.parent ? ItemOf(*node.parent) : TVI_ROOT;
  item.text = node.content.text;
  item.stateImage = node.content.stateImage;
  item.param = reinterpret_cast<LPARAM>(&node);
  QuietFor(node.parent);
  node.controlItem = reinterpret_cast<uintptr_t>(tree_.Insert(item));
}

void TreeViewControl::NodeRemoved(TreeNode& node) {
  if (node.controlItem) {
    QuietFor(node.parent);
    tree_.Delete(ItemOf(node));
  }
  node.controlItem = 0;
}

void TreeViewControl::ReleaseRedraw() {
  if (holds_ == 0 || --holds_ > 0 || !quiet_) return;
  quiet_ = false;
  RepaintChangedRows();
}

void TreeViewControl::QuietFor(const TreeNode* parent) {
  if (holds_ == 0 || quiet_) return;
  for (const TreeNode* at = parent; at != nullptr; at = at->parent) {
    if (!tree_.IsExpanded(ItemOf(*at))) return;
  }
  quiet_ = true;
  shown_ = ShownRows();
  refilled_.clear();
  tree_.StopDrawing();
}

std::vector<TreeRowShape> TreeViewControl::ShownRows() const {
  std::vector<TreeRowShape> rows;
  const HTREEITEM selected = tree_.Selected();
  // The last row may show in part.
  const int count = tree_.VisibleCount() + 1;
  for (HTREEITEM item = tree_.FirstVisible(); item && static_cast<int>(rows.size()) < count;
       item = tree_.NextVisible(item)) {
    TreeRowShape row{reinterpret_cast<uintptr_t>(item), 0};
    if (tree_.FirstChild(item)) row.lines |= 1;
    if (tree_.IsExpanded(item)) row.lines |= 2;
    if (item == selected) row.lines |= 4;
    int bit = 3;
    for (HTREEITEM at = item; at && bit < 32; at = tree_.ParentOf(at), ++bit) {
      if (tree_.NextSibling(at)) row.lines |= 1u << bit;
    }
    rows.push_back(row);
  }
  return rows;
}

void TreeViewControl::RepaintChangedRows() {
  tree_.ResumeDrawing();
  const TreeRepaint plan = PlanRepaint(shown_, ShownRows(), refilled_);
  shown_.clear();
  refilled_.clear();
  const int height = tree_.ItemHeight();
  RECT client{};
  GetClientRect(tree_, &client);
  if (plan.shift.count > 0) {
    // The rows below a row added or removed in view move as they are: drawing a row costs
    // Wine's tree about a third of a millisecond.
    const RECT band{client.left, plan.shift.first * height, client.right,
                    (plan.shift.first + plan.shift.count) * height};
    ScrollWindowEx(tree_, 0, plan.shift.by * height, &band, &client, nullptr, nullptr,
                   SW_INVALIDATE | SW_ERASE);
  }
  for (int row : plan.rows) {
    const RECT r{client.left, row * height, client.right, (row + 1) * height};
    InvalidateRect(tree_, &r, TRUE);
  }
}

void TreeViewControl::NodeRefilled(TreeNode& node) {
  // The model reports real changes only: a new text, a new state image, or both. Either, written
  // to an item in view, has the tree redraw its scroll bars, which costs milliseconds under
  // Wine, so only what changed is written, and with the drawing off if the row shows.
  const HTREEITEM item = ItemOf(node);
  const bool newText = tree_.GetText(item) != node.content.text;
  const bool newImage = tree_.GetStateImage(item) != node.content.stateImage;
  if (newText || newImage) QuietFor(node.parent);
  if (newText) tree_.SetText(item, node.content.text);
  if (newImage) tree_.SetStateImage(item, node.content.stateImage);
  // While the tree does not draw, its item positions are not kept up: the row is found when
  // drawing resumes.
  if (quiet_) refilled_.push_back(reinterpret_cast<uintptr_t>(item));
}

TreeNode* TreeViewControl::NodeOf(HTREEITEM item) const {
  return item ? reinterpret_cast<TreeNode*>(tree_.GetParam(item)) : nullptr;
}

void StatusBarPanels::SetWidths(std::vector<int> widths) {
  widths_ = std::move(widths);
  texts_.assign(widths_.size(), std::string());
  bar_.SetPanels(widths_);
}

void StatusBarPanels::SetPanelText(int32_t panel, std::string_view text) {
  const std::string value(text);
  if (panel >= 0 && static_cast<std::size_t>(panel) < widths_.size()) {
    // Every cycle writes all three figures; most of them have not changed.
    std::string& shown = texts_[static_cast<std::size_t>(panel)];
    if (shown == value) return;
    shown = value;
    int& width = widths_[static_cast<std::size_t>(panel)];
    const int needed = winui::TextWidth(bar_.GetFont(), value) + 12;  // borders and margins
    if (needed > width) {
      width = needed;
      bar_.SetPanels(widths_);
    }
  }
  bar_.SetPanelText(panel, value);
}

void ListViewControl::RowAdded(std::size_t, const ListRow&) {
  ShowCount();
}

void ListViewControl::RowRemoved(std::size_t index) {
  // The selection is moved up before the count drops, which would take the last row's along.
  const int at = static_cast<int>(index);
  const int count = static_cast<int>(model_.RowCount());
  FollowRows(at, count, [at](int i) { return i == at ? -1 : i - 1; });
  ShowCount();
  list_.RedrawRows(at, count);
}

void ListViewControl::ReleaseCount() {
  if (holds_ > 0 && --holds_ == 0) ShowCount();
}

void ListViewControl::ShowCount() {
  const int count = static_cast<int>(model_.RowCount());
  if (holds_ == 0 && list_.Count() != count) list_.SetCount(count);
}

void ListViewControl::RowRefilled(std::size_t index, const ListRow&) {
  list_.RedrawRows(static_cast<int>(index), static_cast<int>(index));
}

void ListViewControl::RowMoved(std::size_t from, std::size_t to) {
  const int a = static_cast<int>(from);
  const int b = static_cast<int>(to);
  FollowRows(std::min(a, b), std::max(a, b), [a, b](int i) {
    if (i == a) return b;
    return a < b ? i - 1 : i + 1;
  });
  list_.RedrawRows(std::min(a, b), std::max(a, b));
}

const ListRow* ListViewControl::RowAt(int index) const {
  if (index < 0 || static_cast<std::size_t>(index) >= model_.RowCount()) return nullptr;
  return &model_.Row(static_cast<std::size_t>(index));
}

std::string_view ListViewControl::CellText(int index, int column) const {
  const ListRow* row = RowAt(index);
  if (row == nullptr || column < 0) return {};
  if (column == 0) return row->cells.caption;
  const auto sub = static_cast<std::size_t>(column - 1);
  if (sub < row->cells.subItems.size()) return row->cells.subItems[sub];
  if (!extraCells) return {};
  // The list view copies the text before it asks again.
  extra_ = extraCells(*row, column);
  return extra_;
}

void ListViewControl::RedrawCells(int first, int last,
                                  const std::function<bool(const ListRow&, int)>& changed) {
  if (last >= list_.ColumnCount()) last = list_.ColumnCount() - 1;
  if (first > last) return;
  // Only the rows in view, and of them only the cells whose text changed.
  const int top = static_cast<int>(SendMessageA(list_, LVM_GETTOPINDEX, 0, 0));
  const int shown = static_cast<int>(SendMessageA(list_, LVM_GETCOUNTPERPAGE, 0, 0)) + 1;
  std::vector<winui::ListView::Cell> cells;
  for (int index = std::max(top, 0); index < top + shown; ++index) {
    const ListRow* row = RowAt(index);
    if (row == nullptr) break;
    for (int column = first; column <= last; ++column) {
      if (IsLiveCell(index, column) && changed(*row, column)) cells.push_back({index, column});
    }
  }
  list_.DrawCells(cells);
}

bool ListViewControl::IsLiveCell(int index, int column) const {
  const ListRow* row = RowAt(index);
  return extraCells && row != nullptr && column > 0 &&
         static_cast<std::size_t>(column - 1) >= row->cells.subItems.size();
}

int ListViewControl::Image(int index) const {
  const ListRow* row = RowAt(index);
  return row ? row->cells.smallImage : -1;
}

int ListViewControl::StateImage(int index) const {
  const ListRow* row = RowAt(index);
  return row ? row->cells.stateImage : -1;
}

std::optional<COLORREF> ListViewControl::Background(int index) const {
  const ListRow* row = RowAt(index);
  if (row == nullptr) return std::nullopt;
  return BackgroundOf(row->mark);
}

void ListViewControl::FollowRows(int first, int last, const std::function<int(int)>& newIndexOf) {
  // All three are read before any is changed: focusing a row can set the mark.
  const int focused = list_.Focused();
  const int mark = list_.SelectionMark();
  // Only selected rows are visited, and only when there are any: a sort moves rows hundreds of
  // times, mostly with nothing selected.
  std::vector<int> was;
  if (list_.SelectedCount() > 0) {
    for (int i = list_.NextSelected(first - 1); i >= 0 && i <= last; i = list_.NextSelected(i)) {
      was.push_back(i);
    }
  }
  std::vector<int> now;
  for (int i : was) {
    if (const int to = newIndexOf(i); to >= 0) now.push_back(to);
  }
  std::sort(now.begin(), now.end());
  // A row that is selected before and after keeps its state: a block of selected rows moved
  // by one changes at its two ends only.
  for (int i : was) {
    if (!std::binary_search(now.begin(), now.end(), i)) list_.SetSelected(i, false);
  }
  for (int i : now) {
    if (!std::binary_search(was.begin(), was.end(), i)) list_.SetSelected(i, true);
  }

  if (focused >= first && focused <= last) {
    list_.SetFocused(focused, false);
    if (const int to = newIndexOf(focused); to >= 0) list_.SetFocused(to, true);
  }
  if (mark >= first && mark <= last) list_.SetSelectionMark(newIndexOf(mark));
}

}  // namespace orvane::win32
