#include "winui/list_view.h"

#include <algorithm>
#include <vector>

#include "platform/error.h"
#include "winui/drawing_stop.h"
#include "winui/gdi.h"
#include "winui/text_buffer.h"

namespace orvane::winui {

namespace {

// Where a live cell's text starts and ends within the cell, as the list view's own texts.
constexpr int kLiveCellMargin = 6;

// LVITEMA or LVITEMW: the text goes into the list's own buffer, the only way every list reads
// it back (LVM_GETITEMTEXT among them).
template <class Item>
void AnswerItem(const ListItemSource& source, Item& item) {
  const int index = item.iItem;
  if (item.mask & LVIF_TEXT)
    FillTextBuffer(source.CellText(index, item.iSubItem), item.pszText, item.cchTextMax);
  if (item.iSubItem != 0) return;
  if (item.mask & LVIF_IMAGE) item.iImage = source.Image(index);
  if ((item.mask & LVIF_STATE) && (item.stateMask & LVIS_STATEIMAGEMASK)) {
    item.state = (item.state & ~LVIS_STATEIMAGEMASK) |
                 INDEXTOSTATEIMAGEMASK(static_cast<UINT>(source.StateImage(index) + 1));
  }
}

}  // namespace

void ListView::Create(const ControlArgs& args) {
  CreateControl(WC_LISTVIEWA, args,
                WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS,
                WS_EX_CLIENTEDGE);
  const DWORD extended = LVS_EX_FULLROWSELECT;
  SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, extended, extended);
}

int ListView::AddColumn(const std::string& caption, int width) {
  LVCOLUMNA column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
  column.pszText = const_cast<char*>(caption.c_str());
  column.cx = width;
  const int index = ColumnCount();
  column.iSubItem = index;
  return static_cast<int>(SendMessage(LVM_INSERTCOLUMNA, static_cast<WPARAM>(index),
                                      reinterpret_cast<LPARAM>(&column)));
}

void ListView::SetColumn(int index, const std::string& caption, int width) {
  LVCOLUMNA column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH;
  column.pszText = const_cast<char*>(caption.c_str());
  column.cx = width;
  SendMessage(LVM_SETCOLUMNA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column));
}

int ListView::ColumnCount() const {
  auto header = reinterpret_cast<HWND>(SendMessage(LVM_GETHEADER));
  return header ? static_cast<int>(::SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

std::string ListView::GetColumnText(int index) const {
  char buffer[260] = {};
  LVCOLUMNA column{};
  column.mask = LVCF_TEXT;
  column.pszText = buffer;
  column.cchTextMax = sizeof buffer;
  SendMessage(LVM_GETCOLUMNA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column));
  return buffer;
}

void ListView::DeleteAllColumns() {
  for (int n = ColumnCount(); n > 0; --n) SendMessage(LVM_DELETECOLUMN, 0);
}

int ListView::Insert(const ListItemArgs& item) {
  LVITEMA lv{};
  lv.mask = LVIF_TEXT | LVIF_PARAM | LVIF_STATE | (item.image >= 0 ? LVIF_IMAGE : 0);
  lv.iItem = item.index < 0 ? Count() : item.index;
  lv.pszText = const_cast<char*>(item.text.c_str());
  lv.iImage = item.image;
  lv.lParam = item.param;
  lv.state = INDEXTOSTATEIMAGEMASK(static_cast<UINT>(item.stateImage + 1));
  lv.stateMask = LVIS_STATEIMAGEMASK;
  const int index =
      static_cast<int>(SendMessage(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&lv)));
  if (index < 0) throw Error("Cannot insert list item");
  return index;
}

void ListView::SetText(int index, int column, const std::string& text) {
  LVITEMA lv{};
  lv.iSubItem = column;
  lv.pszText = const_cast<char*>(text.c_str());
  SendMessage(LVM_SETITEMTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&lv));
}

std::string ListView::GetText(int index, int column) const {
  char buffer[260] = {};
  LVITEMA lv{};
  lv.iSubItem = column;
  lv.pszText = buffer;
  lv.cchTextMax = sizeof buffer;
  SendMessage(LVM_GETITEMTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&lv));
  return buffer;
}

void ListView::SetImage(int index, int image) {
  LVITEMA lv{};
  lv.mask = LVIF_IMAGE;
  lv.iItem = index;
  lv.iImage = image;
  SendMessage(LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&lv));
}

int ListView::GetImage(int index) const {
  LVITEMA lv{};
  lv.mask = LVIF_IMAGE;
  lv.iItem = index;
  SendMessage(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&lv));
  return lv.iImage;
}

void ListView::SetStateImage(int index, int stateImage) {
  SetState(index, INDEXTOSTATEIMAGEMASK(static_cast<UINT>(stateImage + 1)), LVIS_STATEIMAGEMASK);
}

int ListView::GetStateImage(int index) const {
  auto state = static_cast<UINT>(
      SendMessage(LVM_GETITEMSTATE, static_cast<WPARAM>(index), LVIS_STATEIMAGEMASK));
  return static_cast<int>((state & LVIS_STATEIMAGEMASK) >> 12) - 1;
}

void ListView::SetParam(int index, LPARAM param) {
  LVITEMA lv{};
  lv.mask = LVIF_PARAM;
  lv.iItem = index;
  lv.lParam = param;
  SendMessage(LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&lv));
}

LPARAM ListView::GetParam(int index) const {
  LVITEMA lv{};
  lv.mask = LVIF_PARAM;
  lv.iItem = index;
  SendMessage(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&lv));
  return lv.lParam;
}

int ListView::FindParam(LPARAM param) const {
  LVFINDINFOA find{};
  find.flags = LVFI_PARAM;
  find.lParam = param;
  return static_cast<int>(
      SendMessage(LVM_FINDITEMA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find)));
}

void ListView::SetItemSource(const ListItemSource* source) {
  source_ = source;
  SendMessage(LVM_SETCALLBACKMASK, source ? LVIS_STATEIMAGEMASK : 0);
}

void ListView::SetCount(int count) {
  constexpr LPARAM kKeepView = LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL;
  const int before = Count();
  if (count == before || !::IsWindowVisible(*this)) {
    SendMessage(LVM_SETITEMCOUNT, static_cast<WPARAM>(count), kKeepView);
    return;
  }
  // The list view sets each bar twice for a new count, and under Wine each call redraws the
  // bar, changed or not: about 4 ms a bar with the default theme, and with columns wider than
  // the list there are two bars. So the count is set with the list kept from drawing, and what
  // changed is drawn after: the rows that came or went, and the bars whose values moved.
  // What was waiting to be painted is painted first, as keeping it from drawing validates it.
  ::RedrawWindow(*this, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  const ScrollBarValues bars = ReadScrollBars(*this);
  StopDrawingOf(*this);
  SendMessage(LVM_SETITEMCOUNT, static_cast<WPARAM>(count), kKeepView);
  ResumeDrawingOf(*this);
  // Made drawable again, its frame waits to be painted under Wine: the bars that changed are
  // drawn below, and the border did not.
  ::RedrawWindow(*this, nullptr, nullptr, RDW_VALIDATE | RDW_NOFRAME | RDW_NOCHILDREN);
  const ScrollBarValues now = ReadScrollBars(*this);
  if (now.style != bars.style || now.vertical.nPos != bars.vertical.nPos ||
      now.horizontal.nPos != bars.horizontal.nPos) {
    // A bar came or went, or the rows moved in view: all of it.
    ::RedrawWindow(*this, nullptr, nullptr,
                   RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    return;
  }
  InvalidateRows(std::min(before, count), std::max(before, count));
  DrawChangedScrollBars(*this, bars);
}

void ListView::InvalidateRows(int from, int to) {
  RECT area{};
  ::GetClientRect(*this, &area);
  // Below the header, which the list view paints over otherwise.
  const auto header = reinterpret_cast<HWND>(SendMessage(LVM_GETHEADER));
  RECT heading{};
  if (header && ::IsWindowVisible(header) && ::GetWindowRect(header, &heading)) {
    ::MapWindowPoints(nullptr, *this, reinterpret_cast<POINT*>(&heading), 2);
    area.top = std::max(area.top, heading.bottom);
  }
  // A report view's rows share one height, so a row that is still there places those gone.
  const int count = Count();
  RECT rows = area;
  if (count > 0) {
    const int known = std::min(from, count - 1);
    RECT row{LVIR_BOUNDS, 0, 0, 0};
    if (SendMessage(LVM_GETITEMRECT, static_cast<WPARAM>(known), reinterpret_cast<LPARAM>(&row))) {
      const LONG height = row.bottom - row.top;
      rows.top = row.top + (from - known) * height;
      rows.bottom = rows.top + (to - from) * height;
    }
  }
  if (::IntersectRect(&rows, &rows, &area)) ::InvalidateRect(*this, &rows, TRUE);
}

void ListView::RedrawRows(int first, int last) {
  // Only the rows in view: the list marks each row it is given, and most changed rows are out
  // of view.
  const auto top = static_cast<int>(SendMessage(LVM_GETTOPINDEX));
  const auto page = static_cast<int>(SendMessage(LVM_GETCOUNTPERPAGE));
  first = std::max(first, top);
  last = std::min({last, top + page, Count() - 1});
  if (first <= last) {
    SendMessage(LVM_REDRAWITEMS, static_cast<WPARAM>(first), static_cast<LPARAM>(last));
  }
}

ListView::CellColours ListView::ListColours() const {
  auto back = static_cast<COLORREF>(SendMessage(LVM_GETBKCOLOR));
  auto text = static_cast<COLORREF>(SendMessage(LVM_GETTEXTCOLOR));
  if (back == CLR_NONE || back == CLR_DEFAULT) back = GetSysColor(COLOR_WINDOW);
  if (text == CLR_DEFAULT) text = GetSysColor(COLOR_WINDOWTEXT);
  return {back, text};
}

ListView::CellColours ListView::RowColours(int index, bool selected, bool focus,
                                           const CellColours& list) const {
  // As the list view colours a row: selected, in the highlight while the list has the focus,
  // else in the face colour (LVS_SHOWSELALWAYS).
  if (selected) {
    return {GetSysColor(focus ? COLOR_HIGHLIGHT : COLOR_BTNFACE),
            GetSysColor(focus ? COLOR_HIGHLIGHTTEXT : COLOR_BTNTEXT)};
  }
  const auto own = source_->HasBackgrounds() ? source_->Background(index) : std::nullopt;
  return {own.value_or(list.back), list.text};
}

bool ListView::CellBounds(int index, int column, RECT& bounds) const {
  bounds = {LVIR_BOUNDS, column, 0, 0};
  return SendMessage(LVM_GETSUBITEMRECT, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&bounds)) != 0;
}

void ListView::DrawCells(std::span<const Cell> cells) {
  if (source_ == nullptr || cells.empty()) return;
  const bool focus = GetFocus() == Handle();
  const int focused = focus ? Focused() : -1;
  const CellColours list = ListColours();
  // Each column's edges are asked once; a row's top follows from the first row asked, as a
  // report view's rows share one height.
  struct Placed {
    int column;
    int index;
    CellColours colours;
    RECT bounds;
    std::string text;  // a copy: the source may give each text in the same buffer
  };
  std::vector<Placed> placed;
  placed.reserve(cells.size());
  std::vector<std::pair<int, RECT>> columns;
  int firstIndex = -1, row = -1;
  LONG firstTop = 0, height = 0;
  CellColours colours = list;
  for (const Cell& cell : cells) {
    RECT bounds{};
    if (cell.index == focused) {
      if (CellBounds(cell.index, cell.column, bounds)) InvalidateRect(Handle(), &bounds, FALSE);
      continue;
    }
    auto known = std::find_if(columns.begin(), columns.end(),
                              [&](const auto& c) { return c.first == cell.column; });
    if (known == columns.end()) {
      if (!CellBounds(cell.index, cell.column, bounds)) continue;
      known = columns.insert(columns.end(), {cell.column, bounds});
      if (firstIndex < 0) {
        firstIndex = cell.index;
        firstTop = bounds.top;
        height = bounds.bottom - bounds.top;
      }
    }
    if (cell.index != row) {
      row = cell.index;
      colours = RowColours(row, IsSelected(row), focus, list);
    }
    const LONG top = firstTop + (cell.index - firstIndex) * height;
    placed.push_back({cell.column,
                      cell.index,
                      colours,
                      {known->second.left, top, known->second.right, top + height},
                      std::string(source_->CellText(cell.index, cell.column))});
  }
  if (placed.empty()) return;
  // A column's cells in rows one under another, in the same colours, take one call.
  std::stable_sort(placed.begin(), placed.end(), [](const Placed& a, const Placed& b) {
    return a.column != b.column ? a.column < b.column : a.index < b.index;
  });
  HDC dc = GetDC(Handle());
  if (dc == nullptr) return;
  {
    TextStyle style(dc, reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)), list.back, list.text);
    widths_.Fit(dc);  // unfitted, FillTextColumn declines and each cell is drawn alone
    std::vector<TextCell> run;
    for (auto begin = placed.begin(); begin != placed.end();) {
      auto end = begin + 1;
      while (end != placed.end() && end->column == begin->column &&
             end->index == (end - 1)->index + 1 && end->colours.back == begin->colours.back &&
             end->colours.text == begin->colours.text)
        ++end;
      style.SetColours(begin->colours.back, begin->colours.text);
      run.clear();
      for (auto it = begin; it != end; ++it) run.push_back({LiveCellLabel(it->bounds), it->text});
      const RECT strip{begin->bounds.left, begin->bounds.top, begin->bounds.right,
                       (end - 1)->bounds.bottom};
      if (!FillTextColumn(dc, strip, run, DT_LEFT, widths_)) {
        for (auto it = begin; it != end; ++it) DrawLiveCell(dc, it->bounds, it->text);
      }
      begin = end;
    }
  }  // the dc's own style back before it goes
  ReleaseDC(Handle(), dc);
}

RECT ListView::LiveCellLabel(const RECT& bounds) {
  return {bounds.left + kLiveCellMargin, bounds.top, bounds.right - kLiveCellMargin, bounds.bottom};
}

void ListView::DrawLiveCell(HDC dc, const RECT& bounds, std::string_view text) {
  FillTextLine(dc, bounds, LiveCellLabel(bounds), text, DT_LEFT | DT_END_ELLIPSIS);
}

LRESULT ListView::CustomDraw(NMLVCUSTOMDRAW& draw) {
  const int index = static_cast<int>(draw.nmcd.dwItemSpec);
  switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
      // Asked once a paint: under Wine GetFocus is a round trip to the window server, which
      // cost more than drawing the cell itself.
      paint_ = {GetFocus() == Handle(), ListColours()};
      return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT:
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM: {
      if (draw.nmcd.dwDrawStage & CDDS_SUBITEM && source_->IsLiveCell(index, draw.iSubItem)) {
        RECT bounds{};
        if (CellBounds(index, draw.iSubItem, bounds)) {
          const CellColours colours =
              RowColours(index, IsSelected(index), paint_.focus, paint_.list);
          const TextStyle style(draw.nmcd.hdc, nullptr, colours.back, colours.text);
          DrawLiveCell(draw.nmcd.hdc, bounds, source_->CellText(index, draw.iSubItem));
        }
        return CDRF_SKIPDEFAULT;
      }
      LRESULT answer =
          draw.nmcd.dwDrawStage & CDDS_SUBITEM ? CDRF_DODEFAULT : CDRF_NOTIFYSUBITEMDRAW;
      // A row's own background, for the row and again for each of its cells.
      if (source_->HasBackgrounds()) {
        if (const auto colour = source_->Background(index)) {
          draw.clrTextBk = *colour;
          answer |= CDRF_NEWFONT;
        }
      }
      return answer;
    }
    default:
      return CDRF_DODEFAULT;
  }
}

int ListView::FindCaption(const std::string& text, UINT flags, int start) const {
  if (source_ == nullptr || !(flags & (LVFI_STRING | LVFI_PARTIAL))) return -1;
  const int count = Count();
  const auto matches = [&](int index) {
    const std::string_view caption = source_->CellText(index, 0);
    if (!(flags & LVFI_PARTIAL) && caption.size() != text.size()) return false;
    if (caption.size() < text.size()) return false;
    return ::CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, caption.data(),
                            static_cast<int>(text.size()), text.data(),
                            static_cast<int>(text.size())) == CSTR_EQUAL;
  };
  start = std::clamp(start, 0, count);
  for (int i = start; i < count; ++i)
    if (matches(i)) return i;
  if (flags & LVFI_WRAP) {
    for (int i = 0; i < start; ++i)
      if (matches(i)) return i;
  }
  return -1;
}

void ListView::SetFocused(int index, bool focused) {
  SetState(index, focused ? LVIS_FOCUSED : 0, LVIS_FOCUSED);
}

bool ListView::IsSelected(int index) const {
  return SendMessage(LVM_GETITEMSTATE, static_cast<WPARAM>(index), LVIS_SELECTED) != 0;
}

void ListView::SetSelected(int index, bool selected) {
  SetState(index, selected ? LVIS_SELECTED : 0, LVIS_SELECTED);
}

void ListView::SetState(int index, UINT state, UINT mask) {
  LVITEMA lv{};
  lv.state = state;
  lv.stateMask = mask;
  SendMessage(LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&lv));
}

bool ListView::OnReflectedNotify(NMHDR& header, LRESULT& result) {
  result = 0;
  switch (header.code) {
    case LVN_COLUMNCLICK:
      if (!onColumnClick) return false;
      onColumnClick(reinterpret_cast<NMLISTVIEW&>(header).iSubItem);
      return true;
    case NM_CLICK:
      if (!onClick) return false;
      onClick();
      return true;
    case NM_DBLCLK:
      if (!onDoubleClick) return false;
      onDoubleClick(reinterpret_cast<NMITEMACTIVATE&>(header).iItem);
      return true;
    case LVN_KEYDOWN:
      if (!onKeyDown) return false;
      onKeyDown(reinterpret_cast<NMLVKEYDOWN&>(header).wVKey);
      return true;
    case LVN_GETDISPINFOA:
    case LVN_GETDISPINFOW:
      if (source_ == nullptr) return false;
      if (header.code == LVN_GETDISPINFOA) {
        AnswerItem(*source_, reinterpret_cast<NMLVDISPINFOA&>(header).item);
      } else {
        AnswerItem(*source_, reinterpret_cast<NMLVDISPINFOW&>(header).item);
      }
      return true;
    case NM_CUSTOMDRAW:
      // The header's own custom draw comes this way too.
      if (header.hwndFrom != Handle() || source_ == nullptr) return false;
      result = CustomDraw(reinterpret_cast<NMLVCUSTOMDRAW&>(header));
      return true;
    case LVN_ODFINDITEMA: {
      const auto& find = reinterpret_cast<NMLVFINDITEMA&>(header);
      result = FindCaption(find.lvfi.psz ? find.lvfi.psz : "", find.lvfi.flags, find.iStart);
      return true;
    }
    case LVN_ODFINDITEMW: {
      const auto& find = reinterpret_cast<NMLVFINDITEMW&>(header);
      result = FindCaption(NarrowText(find.lvfi.psz), find.lvfi.flags, find.iStart);
      return true;
    }
    case LVN_ITEMCHANGED: {
      const auto& change = reinterpret_cast<NMLISTVIEW&>(header);
      if (!onSelectionChanged || !(change.uChanged & LVIF_STATE) ||
          ((change.uOldState ^ change.uNewState) & LVIS_SELECTED) == 0)
        return false;
      onSelectionChanged(change.iItem);
      return true;
    }
    default:
      return false;
  }
}

}  // namespace orvane::winui
