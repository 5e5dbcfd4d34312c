#pragma once
// A combo box: a drop-down list with an edit field, or a list to pick from.

#include <windows.h>

#include <functional>
#include <string>

#include "winui/control.h"

namespace orvane::winui {

class ComboBox : public Control {
 public:
  // `editable`: the user may type text that is not in the list. args.height is the height
  // of the dropped-down list.
  void Create(const ControlArgs& args, bool editable = true);

  int Add(const std::string& text);
  void Insert(int index, const std::string& text);
  void Remove(int index) { SendMessage(CB_DELETESTRING, static_cast<WPARAM>(index)); }
  void Clear() { SendMessage(CB_RESETCONTENT); }
  int Count() const { return static_cast<int>(SendMessage(CB_GETCOUNT)); }
  std::string GetItem(int index) const;
  int Find(const std::string& text) const;
  int Selected() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
  void Select(int index) { SendMessage(CB_SETCURSEL, static_cast<WPARAM>(index)); }

  std::function<void(int index)> onSelChange;
  std::function<void()> onEditChange;

  bool OnReflectedCommand(int code) override;
};

}  // namespace orvane::winui
