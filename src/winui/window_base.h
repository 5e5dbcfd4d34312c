#pragma once
// The owning base of our own window classes (main window, panels, splitters, tool buttons).
// One static window procedure stores `this` at WM_NCCREATE and turns every later message
// into a virtual hook call; exceptions end at that procedure in the standard error box.
//
//   class MainForm : public WindowBase {
//     void OnCreate() override { ...create controls... }
//     void OnSize(int w, int h) override { layout_.Apply(); }
//   };
//   MainForm form;  form.Create({.text = "Orvane 2000", .style = WS_OVERLAPPEDWINDOW});

#include <windows.h>

#include <string>

#include "winui/message_handler.h"
#include "winui/window.h"

namespace orvane::winui {

struct WindowArgs {
  // The window class; registered at its first use, so the first creator's class settings
  // (background, cursor, icon, style) hold for every later window of that class.
  const char* className = "OrvaneWindow";
  std::string text{};
  DWORD style = WS_OVERLAPPEDWINDOW;
  DWORD exStyle = 0;
  int x = CW_USEDEFAULT;
  int y = CW_USEDEFAULT;
  int width = CW_USEDEFAULT;
  int height = CW_USEDEFAULT;
  HWND parent = nullptr;  // not owned
  int id = 0;             // child windows: the control id
  HMENU menu = nullptr;   // top-level windows: owned by the window once created
  UINT classStyle = CS_DBLCLKS;
  HBRUSH background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);  // not owned
  HCURSOR cursor = nullptr;                                         // nullptr: the arrow
  HICON icon = nullptr;       // not owned (shared resource icons)
  HICON smallIcon = nullptr;  // not owned
};

class WindowBase : public Window, protected MessageHandler {
 public:
  WindowBase() = default;
  // Destroys the window if it still exists, without calling hooks of the gone derived part.
  ~WindowBase() override;

  // Creates the window; throws orvane::Error when the system refuses.
  void Create(const WindowArgs& args);
  void Destroy();

  // The wrapper that owns a window of ours, or nullptr for any other window.
  static WindowBase* FromHandle(HWND hwnd);

 protected:
  LRESULT DefaultProc(UINT msg, WPARAM wp, LPARAM lp);

 private:
  std::string createError_;  // why OnCreate failed, for Create to report
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  static void RegisterClassOnce(const WindowArgs& args);
};

}  // namespace orvane::winui
