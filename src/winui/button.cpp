#include "winui/button.h"

namespace orvane::winui {

void Button::Create(const ControlArgs& args, bool isDefault) {
  CreateControl("BUTTON", args, WS_TABSTOP | (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON));
}

bool Button::OnReflectedCommand(int code) {
  if (code != BN_CLICKED || !onClick) return false;
  onClick();
  return true;
}

void CheckBox::Create(const ControlArgs& args) {
  CreateControl("BUTTON", args, WS_TABSTOP | BS_AUTOCHECKBOX);
}

}  // namespace orvane::winui
