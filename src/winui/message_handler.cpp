#include "winui/message_handler.h"

#include "winui/reflect.h"

namespace orvane::winui {

bool MessageHandler::Dispatch(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  result = 0;
  switch (msg) {
    case WM_SIZE:
      OnSize(LOWORD(lp), HIWORD(lp));
      return true;
    case WM_COMMAND:
      if (ReflectToControl(msg, wp, lp, result)) return true;
      return OnCommand(LOWORD(wp), HIWORD(wp), reinterpret_cast<HWND>(lp));
    case WM_NOTIFY:
      if (ReflectToControl(msg, wp, lp, result)) return true;
      return OnNotify(*reinterpret_cast<NMHDR*>(lp), result);
    case WM_TIMER:
      if (lp != 0) return false;  // a timer with its own procedure: the default calls it
      OnTimer(wp);
      return true;
    case WM_CLOSE:
      return OnClose();
    case WM_DESTROY:
      OnDestroy();
      return true;
    default:
      return OnMessage(msg, wp, lp, result);
  }
}

}  // namespace orvane::winui
