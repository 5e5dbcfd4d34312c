#include "winui/tree_view.h"

#include <algorithm>
#include <cstring>

#include "platform/error.h"

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

// The tree view class's own procedure, the same for every tree: kept here rather than in a
// window property, which costs a round trip to the window server per message under Wine.
WNDPROC treeClassProc = nullptr;

// The tree being painted into a bitmap, and the part of it that was invalid: given a bitmap,
// the tree draws every row in view, and those outside that part are skipped (custom draw).
struct Painting {
  HWND tree = nullptr;
  RECT invalid{};
} painting;

// The tree paints into a bitmap while its window is not drawable, so that its scroll bars
// are not redrawn at every paint; the bitmap is copied where the window was invalid.
void PaintWithoutScrollBars(HWND hwnd, WNDPROC inner) {
  PAINTSTRUCT ps{};
  HDC dc = ::BeginPaint(hwnd, &ps);
  RECT client{};
  ::GetClientRect(hwnd, &client);
  HDC memory = ::CreateCompatibleDC(dc);
  HBITMAP bitmap = memory ? ::CreateCompatibleBitmap(dc, std::max<LONG>(client.right, 1),
                                                     std::max<LONG>(client.bottom, 1))
                          : nullptr;
  if (bitmap) {
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    ::IntersectClipRect(memory, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right,
                        ps.rcPaint.bottom);
    const ScrollBarValues before = ReadScrollBars(hwnd);
    ::DefWindowProcA(hwnd, WM_SETREDRAW, FALSE, 0);
    const Painting outer = painting;  // a tree inside a tree's paint: none here, but kept whole
    painting = {hwnd, ps.rcPaint};
    ::CallWindowProcA(inner, hwnd, WM_PAINT, reinterpret_cast<WPARAM>(memory), 0);
    painting = outer;
    ::DefWindowProcA(hwnd, WM_SETREDRAW, TRUE, 0);
    ::RedrawWindow(hwnd, nullptr, nullptr, RDW_VALIDATE | RDW_NOFRAME | RDW_NOCHILDREN);
    ::BitBlt(dc, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right - ps.rcPaint.left,
             ps.rcPaint.bottom - ps.rcPaint.top, memory, ps.rcPaint.left, ps.rcPaint.top, SRCCOPY);
    ::SelectObject(memory, old);
    ::DeleteObject(bitmap);
    DrawChangedScrollBars(hwnd, before);
  } else {
    // Out of GDI objects: the tree paints itself, bars and all.
    ::CallWindowProcA(inner, hwnd, WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
  }
  if (memory) ::DeleteDC(memory);
  ::EndPaint(hwnd, &ps);
}

LRESULT CALLBACK TreeProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT && wParam == 0 && ::IsWindowVisible(hwnd)) {
    PaintWithoutScrollBars(hwnd, treeClassProc);
    return 0;
  }
  return ::CallWindowProcA(treeClassProc, hwnd, message, wParam, lParam);
}

}  // namespace

void TreeView::Create(const ControlArgs& args) {
  CreateControl(WC_TREEVIEWA, args,
                WS_TABSTOP | TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_SHOWSELALWAYS,
                WS_EX_CLIENTEDGE);
  const auto classProc = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrA(*this, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TreeProc)));
  if (!treeClassProc) treeClassProc = classProc;
}

void TreeView::StopDrawing() {
  pendingPaint_ = TakeUpdateRegion(*this);
  barsBefore_ = ReadScrollBars(*this);
  stopped_ = true;
  drawable_ = ::IsWindowVisible(*this) != FALSE;
  // The tree's own switch spares it the layout work per change; the default one makes the
  // window not drawable (and valid) without hiding it.
  SendMessage(WM_SETREDRAW, FALSE);
  if (drawable_) StopDrawingOf(*this);
}

void TreeView::ResumeDrawing() {
  stopped_ = false;
  SendMessage(WM_SETREDRAW, TRUE);  // lays itself out and invalidates all of itself
  if (drawable_) ResumeDrawingOf(*this);
  ::RedrawWindow(*this, nullptr, nullptr, RDW_VALIDATE | RDW_NOFRAME | RDW_NOCHILDREN);
  GiveBackUpdateRegion(*this, pendingPaint_);
  pendingPaint_ = nullptr;
  if (drawable_) DrawChangedScrollBars(*this, barsBefore_);
}

void TreeView::Show(bool show) {
  if (!stopped_) {
    Control::Show(show);
    return;
  }
  // Not drawable either way until drawing resumes, which then sets WS_VISIBLE or leaves it off.
  if (show == drawable_) return;
  drawable_ = show;
  if (show) {
    DrawingStopped().push_back(*this);
    // Nothing of it was drawn while hidden.
    RECT client{};
    ::GetClientRect(*this, &client);
    HRGN all = ::CreateRectRgnIndirect(&client);
    if (pendingPaint_ && all) {
      ::CombineRgn(pendingPaint_, pendingPaint_, all, RGN_OR);
      ::DeleteObject(all);
    } else if (all) {
      pendingPaint_ = all;
    }
  } else {
    std::erase(DrawingStopped(), Handle());
  }
}

HTREEITEM TreeView::Insert(const TreeItemArgs& item) {
  TVINSERTSTRUCTA insert{};
  insert.hParent = item.parent;
  insert.hInsertAfter = item.after;
  insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_STATE;
  insert.item.pszText = const_cast<char*>(item.text.c_str());
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
    case NM_CUSTOMDRAW: {
      if (header.hwndFrom != painting.tree) return false;
      const auto& draw = reinterpret_cast<NMTVCUSTOMDRAW&>(header).nmcd;
      if (draw.dwDrawStage == CDDS_PREPAINT) {
        result = CDRF_NOTIFYITEMDRAW;
      } else if (draw.dwDrawStage == CDDS_ITEMPREPAINT) {
        RECT overlap{};
        result = ::IntersectRect(&overlap, &draw.rc, &painting.invalid) ? CDRF_DODEFAULT
                                                                        : CDRF_SKIPDEFAULT;
      }
      return true;
    }
    case NM_CLICK:
      if (!onClick) return false;
      onClick(ItemAtMessagePos());
      return true;
    default:
      return false;
  }
}

}  // namespace orvane::winui
