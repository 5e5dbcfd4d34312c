#include "winui/status_bar.h"

#include <commctrl.h>

namespace orvane::winui {

void StatusBar::Create(const ControlArgs& args) {
  CreateControl(STATUSCLASSNAMEA, args, 0);
}

void StatusBar::SetPanels(const std::vector<int>& widths) {
  std::vector<int> rights;
  int right = 0;
  for (int width : widths) rights.push_back(right += width);
  // The last panel runs to the bar's end, as status bars do, so its text is not cut short.
  if (!rights.empty()) rights.back() = -1;
  SendMessage(SB_SETPARTS, rights.size(), reinterpret_cast<LPARAM>(rights.data()));
}

int StatusBar::PanelRight(int panel) const {
  std::vector<int> rights(static_cast<size_t>(PanelCount()) + 1, 0);
  SendMessage(SB_GETPARTS, rights.size(), reinterpret_cast<LPARAM>(rights.data()));
  return panel >= 0 && panel < static_cast<int>(rights.size()) ? rights[size_t(panel)] : -1;
}

void StatusBar::SetPanelText(int panel, const std::string& text) {
  SendMessage(SB_SETTEXTA, static_cast<WPARAM>(panel), reinterpret_cast<LPARAM>(text.c_str()));
}

std::string StatusBar::GetPanelText(int panel) const {
  const auto length =
      LOWORD(static_cast<DWORD>(SendMessage(SB_GETTEXTLENGTHA, static_cast<WPARAM>(panel))));
  std::string text(static_cast<size_t>(length) + 1, '\0');
  SendMessage(SB_GETTEXTA, static_cast<WPARAM>(panel), reinterpret_cast<LPARAM>(text.data()));
  text.resize(length);
  return text;
}

int StatusBar::Height() const {
  RECT r = WindowRect();
  return r.bottom - r.top;
}

}  // namespace orvane::winui
