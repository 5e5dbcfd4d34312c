#pragma once
// A tree view: items with text, a state image and a pointer-sized value, and the owner's
// typed events (selection changed, click).

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <functional>
#include <string>

#include "winui/control.h"
#include "winui/drawing_stop.h"

namespace orvane::winui {

struct TreeItemArgs {
  HTREEITEM parent = TVI_ROOT;
  HTREEITEM after = TVI_LAST;
  std::string text;
  // Index in the state image list. The tree shows image n for index n, so image 0 is
  // never shown and 0 means none.
  int stateImage = 0;
  LPARAM param = 0;
};

// What moved a tree's selection: the mouse, a key, or anything else (a program's Select, a
// deletion).
enum class SelectedBy { kProgram, kMouse, kKeyboard };

class TreeView : public Control {
 public:
  // Read-only (no label editing), lines and buttons at the root, selection always shown.
  void Create(const ControlArgs& args);

  void SetStateImages(HIMAGELIST images) {
    SendMessage(TVM_SETIMAGELIST, TVSIL_STATE, reinterpret_cast<LPARAM>(images));
  }
  void SetIndent(int pixels) { SendMessage(TVM_SETINDENT, static_cast<WPARAM>(pixels)); }

  // Drawing off for a batch of changes, then on again. Wine's tree redraws its scroll bars at
  // every change in view and every paint, changed or not, at several milliseconds each: while
  // off the window is not drawable, and on again only bars whose values changed are drawn.
  // What was invalid when drawing stopped stays invalid; what the tree invalidated meanwhile
  // is dropped, so the caller repaints what changed. Not nested.
  // While stopped the tree still counts as shown (IsShown), and a hide or show takes effect as
  // drawing resumes.
  void StopDrawing();
  void ResumeDrawing();
  void Show(bool show = true);
  void Hide() { Show(false); }

  HTREEITEM Insert(const TreeItemArgs& item);
  void Delete(HTREEITEM item) { SendMessage(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(item)); }
  void DeleteAll() { SendMessage(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT)); }
  int Count() const { return static_cast<int>(SendMessage(TVM_GETCOUNT)); }

  void SetText(HTREEITEM item, const std::string& text);
  std::string GetText(HTREEITEM item) const;
  void SetStateImage(HTREEITEM item, int index);
  int GetStateImage(HTREEITEM item) const;
  LPARAM GetParam(HTREEITEM item) const;

  HTREEITEM Root() const { return Next(nullptr, TVGN_ROOT); }
  HTREEITEM FirstChild(HTREEITEM item) const { return Next(item, TVGN_CHILD); }
  HTREEITEM NextSibling(HTREEITEM item) const { return Next(item, TVGN_NEXT); }
  HTREEITEM ParentOf(HTREEITEM item) const { return Next(item, TVGN_PARENT); }
  // Depth first: the item's first child, else its next sibling, else the next of an ancestor.
  HTREEITEM NextInOrder(HTREEITEM item) const;

  // The item shows its children (they may still be scrolled out of view).
  bool IsExpanded(HTREEITEM item) const {
    return (SendMessage(TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), TVIS_EXPANDED) &
            TVIS_EXPANDED) != 0;
  }

  HTREEITEM Selected() const { return Next(nullptr, TVGN_CARET); }
  // The rows in view: the first, the one below a row, how many fit whole, their height.
  HTREEITEM FirstVisible() const { return Next(nullptr, TVGN_FIRSTVISIBLE); }
  HTREEITEM NextVisible(HTREEITEM item) const { return Next(item, TVGN_NEXTVISIBLE); }
  int VisibleCount() const { return static_cast<int>(SendMessage(TVM_GETVISIBLECOUNT)); }
  int ItemHeight() const { return static_cast<int>(SendMessage(TVM_GETITEMHEIGHT)); }
  void Select(HTREEITEM item) {
    SendMessage(TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
  }
  void Expand(HTREEITEM item) {
    SendMessage(TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
  }

  // Events for the owner; empty functions are not called.
  std::function<void(HTREEITEM, SelectedBy)> onSelChanged;
  // A left click; item: the item whose text or image it hit, null for a button, an indent or
  // empty space. The tree reports it before it moves its selection to the item.
  std::function<void(HTREEITEM item)> onClick;

  bool OnReflectedNotify(NMHDR& header, LRESULT& result) override;

 private:
  // The item whose text or image lies under the position of the message being handled.
  HTREEITEM ItemAtMessagePos() const;
  HTREEITEM Next(HTREEITEM item, UINT relation) const {
    return reinterpret_cast<HTREEITEM>(
        SendMessage(TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
  }

  HRGN pendingPaint_ = nullptr;  // owned while drawing is off
  bool stopped_ = false;
  bool drawable_ = false;  // shown while drawing stopped
  ScrollBarValues barsBefore_{};
};

}  // namespace orvane::winui
