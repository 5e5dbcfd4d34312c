#include "winui/combo_box.h"

namespace orvane::winui {

void ComboBox::Create(const ControlArgs& args, bool editable) {
  CreateControl(
      "COMBOBOX", args,
      WS_TABSTOP | WS_VSCROLL | CBS_AUTOHSCROLL | (editable ? CBS_DROPDOWN : CBS_DROPDOWNLIST));
}

int ComboBox::Add(const std::string& text) {
  return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

void ComboBox::Insert(int index, const std::string& text) {
  SendMessage(CB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.c_str()));
}

std::string ComboBox::GetItem(int index) const {
  const auto length = SendMessage(CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
  if (length == CB_ERR) return {};
  std::string text(static_cast<size_t>(length) + 1, '\0');
  SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(length));
  return text;
}

int ComboBox::Find(const std::string& text) const {
  return static_cast<int>(SendMessage(CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                      reinterpret_cast<LPARAM>(text.c_str())));
}

bool ComboBox::OnReflectedCommand(int code) {
  if (code == CBN_SELCHANGE && onSelChange) {
    onSelChange(Selected());
    return true;
  }
  if (code == CBN_EDITCHANGE && onEditChange) {
    onEditChange();
    return true;
  }
  return false;
}

}  // namespace orvane::winui
