#pragma once
// The owning base of our dialogs. A dialog is built from an empty in-memory template (caption,
// style and font only; no .rc dialog resources) and sized in pixels; its controls are created
// in OnCreate with the same control wrappers and layout as any window. So a dialog is written
// like a window, and still gets the dialog manager's keyboard handling (Tab, Enter, Escape).
//
//   class AboutDlg : public DialogBase {
//     void OnCreate() override { ok_.Create({.parent = *this, .id = IDOK, ...}); }
//   };
//   about.RunModal({.owner = mainWindow, .caption = "About", .width = 300, .height = 160});
//
// Modeless dialogs (Create) live hidden until shown and are hidden, not destroyed, by OK and
// Cancel, so one instance can be shown again and again. RunMessageLoop routes their keys.

#include <windows.h>

#include <string>
#include <vector>

#include "winui/dpi.h"
#include "winui/gdi.h"
#include "winui/message_handler.h"
#include "winui/window.h"

namespace orvane::winui {

// Sizes and positions at 96 DPI: the dialog scales them for its display.
struct DialogArgs {
  HWND owner = nullptr;  // not owned
  std::string caption{};
  int width = 320;  // client area, pixels
  int height = 200;
  bool outerSize = false;  // width and height are the whole window's, frame included
  // The window's top-left corner on the screen; CW_USEDEFAULT centres it over the owner.
  int x = CW_USEDEFAULT;
  int y = CW_USEDEFAULT;
  DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
  DWORD exStyle = 0;
  std::string fontFace = "MS Sans Serif";
  WORD fontPoints = 8;
};

class DialogBase : public Window, protected MessageHandler {
 public:
  DialogBase() = default;
  ~DialogBase() override;

  // A modeless dialog, hidden until shown; throws orvane::Error when the system refuses.
  void Create(const DialogArgs& args);
  // A modal dialog; returns the result given to End (IDCANCEL when closed by the system).
  INT_PTR RunModal(const DialogArgs& args);
  // Ends a modal run with the result, or hides a modeless dialog.
  void End(INT_PTR result);
  bool IsModal() const { return modal_; }

  // Gives the modeless dialog that msg belongs to its keyboard handling; true when consumed.
  static bool PreTranslate(MSG& msg);

  // The DPI of the dialog's display, and a size given at 96 DPI in its pixels.
  int Dpi() const { return dpi_; }
  int Px(int value) const { return Scale(value, dpi_); }

 protected:
  // WM_DPICHANGED: the controls keep their places in proportion, then the dialog takes the
  // suggested rectangle (a sizeable one lays itself out again in OnSize).
  virtual void OnDpiChanged(int oldDpi, const RECT& suggested);
  virtual void OnOk() { End(IDOK); }
  virtual void OnCancel() { End(IDCANCEL); }

 private:
  static INT_PTR CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  INT_PTR HandleMessage(UINT msg, WPARAM wp, LPARAM lp);

  DialogArgs args_;
  bool modal_ = false;
  int dpi_ = kBaseDpi;
  std::vector<Font> scaledFonts_;  // owned: the controls' fonts made for the last DPI change
};

}  // namespace orvane::winui
