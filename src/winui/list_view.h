#pragma once
// A report-view list: columns, rows with a caption and further cells, a small image, a state
// image and a pointer-sized value; selection; and the owner's typed events. Cells are
// addressed by column: column 0 is the row's caption, column 1 its first sub-item.
//
// Created with LVS_OWNERDATA in ControlArgs::style, the list keeps no rows: it holds a row
// count and the selection by index, and asks a ListItemSource for every cell it paints or is
// asked for. Such a list takes SetCount and RedrawRows instead of Insert, Delete and the setters.

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "winui/control.h"
#include "winui/text_column.h"

namespace orvane::winui {

struct ListItemArgs {
  int index = -1;  // -1 appends
  std::string text;
  int image = -1;       // small image index; -1 none
  int stateImage = -1;  // index in the state image list; -1 none
  LPARAM param = 0;
};

// Where an owner-data list reads its rows. index is below the list's count.
class ListItemSource {
 public:
  virtual ~ListItemSource() = default;
  virtual std::string_view CellText(int index, int column) const = 0;
  virtual int Image(int index) const = 0;       // -1 none
  virtual int StateImage(int index) const = 0;  // -1 none
  // A cell whose text changes without its row changing, every cycle: the list draws it itself
  // (see ListView::DrawCells).
  virtual bool IsLiveCell(int /*index*/, int /*column*/) const { return false; }
  // A background of the row's own, drawn through custom draw; none: the list's.
  virtual std::optional<COLORREF> Background(int /*index*/) const { return std::nullopt; }
  // Whether any row may have a background of its own; without, rows are drawn plainly.
  virtual bool HasBackgrounds() const { return false; }
};

class ListView : public Control {
 public:
  // Report view, read-only labels, multiple selection, whole-row selection, and image lists
  // that stay the caller's (LVS_SHAREIMAGELISTS).
  void Create(const ControlArgs& args);

  void SetSmallImages(HIMAGELIST images) {
    SendMessage(LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images));
  }
  void SetStateImages(HIMAGELIST images) {
    SendMessage(LVM_SETIMAGELIST, LVSIL_STATE, reinterpret_cast<LPARAM>(images));
  }

  // Columns.
  int AddColumn(const std::string& caption, int width);
  void SetColumn(int index, const std::string& caption, int width);
  int ColumnCount() const;
  std::string GetColumnText(int column) const;
  int GetColumnWidth(int column) const {
    return static_cast<int>(SendMessage(LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column)));
  }
  void SetColumnWidth(int column, int width) {
    SendMessage(LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), MAKELPARAM(width, 0));
  }
  void DeleteAllColumns();

  // Rows.
  int Insert(const ListItemArgs& item);
  void Delete(int index) { SendMessage(LVM_DELETEITEM, static_cast<WPARAM>(index)); }
  void DeleteAll() { SendMessage(LVM_DELETEALLITEMS); }
  int Count() const { return static_cast<int>(SendMessage(LVM_GETITEMCOUNT)); }

  void SetText(int index, int column, const std::string& text);
  std::string GetText(int index, int column) const;
  void SetImage(int index, int image);
  int GetImage(int index) const;
  void SetStateImage(int index, int stateImage);
  int GetStateImage(int index) const;
  void SetParam(int index, LPARAM param);
  LPARAM GetParam(int index) const;
  // The row holding param, or -1.
  int FindParam(LPARAM param) const;

  // Owner-data rows. source: not owned; must outlive the list's window or be replaced first.
  // Also makes the list ask the source for state images, which it would otherwise keep itself.
  void SetItemSource(const ListItemSource* source);
  // The row count, leaving the scroll position and the rows in view alone (only rows that
  // appear or go are repainted).
  void SetCount(int count);
  // Marks the rows first..last for repainting, as far as they are in view.
  void RedrawRows(int first, int last);
  // Paints the given live cells (row, column) of the rows in view at once, from the item source.
  // The list view repaints a whole row for a changed cell (under Wine about 150 us a row, beside
  // a few milliseconds a paint); live cells change every cycle, so the list draws them itself,
  // here and when the list view paints, the same way: their text on the row's background. A cell
  // under the focus rectangle is left to the list view, which draws the rectangle over it.
  struct Cell {
    int index;
    int column;
  };
  void DrawCells(std::span<const Cell> cells);

  // Selection.
  bool IsSelected(int index) const;
  void SetSelected(int index, bool selected);
  // The first selected row after `after` (-1: from the start), or -1.
  int NextSelected(int after = -1) const {
    return static_cast<int>(
        SendMessage(LVM_GETNEXTITEM, static_cast<WPARAM>(after), LVNI_SELECTED));
  }
  int SelectedCount() const { return static_cast<int>(SendMessage(LVM_GETSELECTEDCOUNT)); }
  // The row with the focus rectangle, or -1.
  int Focused() const {
    return static_cast<int>(SendMessage(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
  }
  void SetFocused(int index, bool focused);
  // Where the next shift-click range starts, or -1.
  int SelectionMark() const { return static_cast<int>(SendMessage(LVM_GETSELECTIONMARK)); }
  void SetSelectionMark(int index) {
    SendMessage(LVM_SETSELECTIONMARK, 0, static_cast<LPARAM>(index));
  }

  // Events for the owner; empty functions are not called.
  std::function<void(int column)> onColumnClick;
  std::function<void()> onClick;
  std::function<void(int index)> onDoubleClick;
  std::function<void(WORD key)> onKeyDown;
  std::function<void(int index)> onSelectionChanged;

  bool OnReflectedNotify(NMHDR& header, LRESULT& result) override;

 private:
  void SetState(int index, UINT state, UINT mask);
  struct CellColours {
    COLORREF back;
    COLORREF text;
  };
  // The list's own background and text colours.
  CellColours ListColours() const;
  // A row's; focus: the list has the keyboard focus.
  CellColours RowColours(int index, bool selected, bool focus, const CellColours& list) const;
  // Marks the rows from..to-1 for repainting as far as they are in view, rows gone included.
  void InvalidateRows(int from, int to);
  // A cell's rectangle in the client area; false when the list view has none.
  bool CellBounds(int index, int column, RECT& bounds) const;
  // Where a live cell's text goes within the cell.
  static RECT LiveCellLabel(const RECT& bounds);
  // Draws a live cell's text on the background in the colours the caller set.
  static void DrawLiveCell(HDC dc, const RECT& bounds, std::string_view text);
  // Answers the list view's custom draw: the live cells are drawn by DrawLiveCell.
  LRESULT CustomDraw(NMLVCUSTOMDRAW& draw);
  // An owner-data list's search by caption (typing in the list): the row, or -1.
  int FindCaption(const std::string& text, UINT flags, int start) const;

  const ListItemSource* source_ = nullptr;  // not owned
  AsciiWidths widths_;                      // of the list's font, for DrawCells
  // What every live cell of the paint under way is drawn with, taken as it starts.
  struct PaintState {
    bool focus = false;
    CellColours list{};
  } paint_;
};

}  // namespace orvane::winui
