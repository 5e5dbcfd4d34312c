#include "winui/tree_view.h"

#include <cstring>

#include "snapshot/error.h"
#include "winui/text_buffer.h"

namespace orvane::winui {

namespace {

SelectedBy SelectedByAction(UINT action) {
  switch (action) {
    case TVC_BYMOUSE:
      return SelectedBy::kMouse;
    case TVC_BYKEYBOARD:
      return SelectedBy::kKeyboard;
    default:
      return SelectedBy::kProgram;
  }
}

}  // namespace

void TreeView::Create(const ControlArgs& args) {
  CreateControl(WC_TREEVIEWA, args,
                WS_TABSTOP | TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_SHOWSELALWAYS,
                WS_EX_CLIENTEDGE);
}

HTREEITEM TreeView::Insert(const TreeItemArgs& item) {
  TVINSERTSTRUCTA insert{};
  insert.hParent = item.parent;
  insert.hInsertAfter = item.after;
  insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_STATE;
  // A source's texts are asked for as they are shown: setting a text later would cost a full
  // recount of the tree's extent under Wine (about 5 ms) for every item in view.
  insert.item.pszText = source_ ? LPSTR_TEXTCALLBACKA : const_cast<char*>(item.text.c_str());
  insert.item.lParam = item.param;
  insert.item.state = INDEXTOSTATEIMAGEMASK(static_cast<UINT>(item.stateImage));
  insert.item.stateMask = TVIS_STATEIMAGEMASK;
  auto handle = reinterpret_cast<HTREEITEM>(
      SendMessage(TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
  if (!handle) throw Error("Cannot insert tree item");
  return handle;
}

void TreeView::SetText(HTREEITEM item, const std::string& text) {
  TVITEMA tv{};
  tv.mask = TVIF_TEXT;
  tv.hItem = item;
  tv.pszText = const_cast<char*>(text.c_str());
  SendMessage(TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&tv));
}

std::string TreeView::GetText(HTREEITEM item) const {
  char buffer[260] = {};
  TVITEMA tv{};
  tv.mask = TVIF_TEXT;
  tv.hItem = item;
  tv.pszText = buffer;
  tv.cchTextMax = sizeof buffer;
  SendMessage(TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&tv));
  return buffer;
}

void TreeView::SetStateImage(HTREEITEM item, int index) {
  TVITEMA tv{};
  tv.mask = TVIF_STATE;
  tv.hItem = item;
  tv.state = INDEXTOSTATEIMAGEMASK(static_cast<UINT>(index));
  tv.stateMask = TVIS_STATEIMAGEMASK;
  SendMessage(TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&tv));
}

int TreeView::GetStateImage(HTREEITEM item) const {
  auto state = static_cast<UINT>(
      SendMessage(TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), TVIS_STATEIMAGEMASK));
  return static_cast<int>((state & TVIS_STATEIMAGEMASK) >> 12);
}

LPARAM TreeView::GetParam(HTREEITEM item) const {
  TVITEMA tv{};
  tv.mask = TVIF_PARAM;
  tv.hItem = item;
  SendMessage(TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&tv));
  return tv.lParam;
}

void TreeView::RedrawItem(HTREEITEM item) {
  RECT r{};
  std::memcpy(&r, &item, sizeof item);  // the message takes the item in the rectangle
  if (SendMessage(TVM_GETITEMRECT, FALSE, reinterpret_cast<LPARAM>(&r))) {
    ::InvalidateRect(*this, &r, TRUE);
  }
}

HTREEITEM TreeView::NextInOrder(HTREEITEM item) const {
  if (HTREEITEM child = FirstChild(item)) return child;
  for (HTREEITEM at = item; at; at = ParentOf(at))
    if (HTREEITEM sibling = NextSibling(at)) return sibling;
  return nullptr;
}

HTREEITEM TreeView::ItemAtMessagePos() const {
  const DWORD at = ::GetMessagePos();
  TVHITTESTINFO hit{};
  hit.pt = {static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
  ::ScreenToClient(*this, &hit.pt);
  const auto item =
      reinterpret_cast<HTREEITEM>(SendMessage(TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
  return (hit.flags & TVHT_ONITEM) ? item : nullptr;
}

bool TreeView::OnReflectedNotify(NMHDR& header, LRESULT& result) {
  result = 0;
  switch (header.code) {
    case TVN_SELCHANGEDA:
    case TVN_SELCHANGEDW:
      if (!onSelChanged) return false;
      {
        const auto& change = reinterpret_cast<NMTREEVIEWA&>(header);
        onSelChanged(change.itemNew.hItem, SelectedByAction(change.action));
      }
      return true;
    case NM_CLICK:
      if (!onClick) return false;
      onClick(ItemAtMessagePos());
      return true;
    case TVN_GETDISPINFOA:
    case TVN_GETDISPINFOW: {
      if (source_ == nullptr) return false;
      // Both forms: the item's text goes into the tree's own buffer.
      auto& item = reinterpret_cast<NMTVDISPINFOA&>(header).item;
      if (!(item.mask & TVIF_TEXT)) return true;
      const std::string_view text = source_->ItemText(item.lParam);
      if (header.code == TVN_GETDISPINFOA) {
        FillTextBuffer(text, item.pszText, item.cchTextMax);
      } else {
        FillTextBuffer(text, reinterpret_cast<wchar_t*>(item.pszText), item.cchTextMax);
      }
      return true;
    }
    default:
      return false;
  }
}

}  // namespace orvane::winui
