#pragma once
// Push buttons and check boxes of the system's button class.

#include <windows.h>

#include <functional>

#include "winui/control.h"

namespace orvane::winui {

class Button : public Control {
 public:
  // A push button; `isDefault` makes it the one Enter presses in a dialog.
  void Create(const ControlArgs& args, bool isDefault = false);
  void Click() { SendMessage(BM_CLICK); }

  std::function<void()> onClick;  // empty: the click reaches the parent's OnCommand

  bool OnReflectedCommand(int code) override;
};

class CheckBox : public Button {
 public:
  // A check box that toggles itself when clicked.
  void Create(const ControlArgs& args);
  bool IsChecked() const { return SendMessage(BM_GETCHECK) == BST_CHECKED; }
  void SetChecked(bool checked) { SendMessage(BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED); }
};

// A frame with a caption around a group of controls; the controls are the dialog's own
// children placed over it, so their notifications reach the dialog.
class GroupBox : public Control {
 public:
  void Create(const ControlArgs& args) { CreateControl("BUTTON", args, BS_GROUPBOX); }
};

}  // namespace orvane::winui
