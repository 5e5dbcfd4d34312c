#pragma once
// A report-view list: columns, rows with a caption and further cells, a small image, a state
// image and a pointer-sized value; selection; and the owner's typed events. Cells are
// addressed by column: column 0 is the row's caption, column 1 its first sub-item.

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <functional>
#include <string>

#include "winui/control.h"

namespace orvane::winui {

struct ListItemArgs {
  int index = -1;  // -1 appends
  std::string text;
  int image = -1;       // small image index; -1 none
  int stateImage = -1;  // index in the state image list; -1 none
  LPARAM param = 0;
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

  // Selection.
  bool IsSelected(int index) const;
  void SetSelected(int index, bool selected);
  // The first selected row after `after` (-1: from the start), or -1.
  int NextSelected(int after = -1) const {
    return static_cast<int>(
        SendMessage(LVM_GETNEXTITEM, static_cast<WPARAM>(after), LVNI_SELECTED));
  }
  int SelectedCount() const { return static_cast<int>(SendMessage(LVM_GETSELECTEDCOUNT)); }

  // Events for the owner; empty functions are not called.
  std::function<void(int column)> onColumnClick;
  std::function<void()> onClick;
  std::function<void(int index)> onDoubleClick;
  std::function<void(WORD key)> onKeyDown;
  std::function<void(int index)> onSelectionChanged;

  bool OnReflectedNotify(NMHDR& header, LRESULT& result) override;

 private:
  void SetState(int index, UINT state, UINT mask);
};

}  // namespace orvane::winui
