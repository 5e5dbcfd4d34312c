#pragma once
// The virtual hooks shared by windows and dialogs, and the one switch that turns a message
// into a hook call. WindowBase and DialogBase differ only in how they are created and what
// they do with an unhandled message.

#include <windows.h>

namespace orvane::winui {

class MessageHandler {
 public:
  virtual ~MessageHandler() = default;

 protected:
  // WM_CREATE for windows, WM_INITDIALOG for dialogs: create the child controls here.
  virtual void OnCreate() {}
  virtual void OnSize(int /*width*/, int /*height*/) {}
  // Reached only when the sending control's wrapper did not consume the notification.
  virtual bool OnCommand(int /*id*/, int /*code*/, HWND /*control*/) { return false; }
  virtual bool OnNotify(NMHDR& /*header*/, LRESULT& /*result*/) { return false; }
  virtual void OnTimer(UINT_PTR /*id*/) {}
  // Return true to keep the window open; false lets the default close it.
  virtual bool OnClose() { return false; }
  virtual void OnDestroy() {}
  // Every other message; return true with result set when handled.
  virtual bool OnMessage(UINT /*msg*/, WPARAM /*wp*/, LPARAM /*lp*/, LRESULT& /*result*/) {
    return false;
  }

  // True when a hook handled the message; result then holds its value.
  bool Dispatch(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
};

}  // namespace orvane::winui
