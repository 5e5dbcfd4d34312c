#pragma once
// A status bar with fixed-width panels, each holding one text.

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <string>
#include <vector>

#include "winui/control.h"

namespace orvane::winui {

class StatusBar : public Control {
 public:
  // Sits at the bottom of its parent; a DockLayout gives it the bottom edge.
  void Create(const ControlArgs& args);

  // One panel per width, left to right; the last one runs to the end of the bar.
  void SetPanels(const std::vector<int>& widths);
  int PanelCount() const { return static_cast<int>(SendMessage(SB_GETPARTS, 0, 0)); }
  // The panel's right edge, in pixels from the bar's left.
  int PanelRight(int panel) const;
  void SetPanelText(int panel, const std::string& text);
  std::string GetPanelText(int panel) const;
  int Height() const;
};

}  // namespace orvane::winui
