#pragma once
// The base of the wrappers around the system's control classes. A control's window is owned
// by its parent window (destroyed with it); the wrapper only names it and receives its
// reflected notifications. The wrapper must outlive the window or be destroyed first; it
// unregisters itself either way.

#include <windows.h>

#include <cstddef>
#include <string>

#include "winui/dpi.h"
#include "winui/reflect.h"
#include "winui/window.h"

namespace orvane::winui {

// Creation arguments shared by every control. Position and size are in the parent's client
// coordinates; a control placed by a DockLayout may leave them 0.
struct ControlArgs {
  HWND parent = nullptr;  // not owned
  int id = 0;
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  std::string text{};
  DWORD style = 0;       // added to the control's own base style
  DWORD exStyle = 0;     // added to the control's own base extended style
  HFONT font = nullptr;  // not owned; nullptr: the parent's font
  bool visible = true;
};

// A control of a form whose controls stand still: one row of the form's constexpr layout table,
// at 96 DPI; Args gives it scaled for the parent's display.
struct LayoutRow {
  int id = 0;
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  const char* text = "";

  ControlArgs Args(HWND parent, HFONT font = nullptr) const {
    const int dpi = DpiOf(parent);
    return {.parent = parent,
            .id = id,
            .x = Scale(x, dpi),
            .y = Scale(y, dpi),
            .width = Scale(width, dpi),
            .height = Scale(height, dpi),
            .text = text,
            .font = font};
  }
};

// The table's row for id, found while compiling: an id the table lacks does not compile.
template <std::size_t N>
consteval const LayoutRow& RowOf(const LayoutRow (&table)[N], int id) {
  for (const LayoutRow& row : table) {
    if (row.id == id) return row;
  }
  throw "no row for this id in the layout table";
}

class Control : public Window, public ReflectTarget {
 public:
  Control() = default;
  ~Control() override;

 protected:
  // Creates the control and registers it for reflection; throws orvane::Error on failure.
  void CreateControl(const char* className, const ControlArgs& args, DWORD baseStyle,
                     DWORD baseExStyle = 0);
};

}  // namespace orvane::winui
