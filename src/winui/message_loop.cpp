#include "winui/message_loop.h"

#include <commctrl.h>

#include "winui/dialog_base.h"

namespace orvane::winui {

namespace {

void Deliver(MSG& msg, HWND accelWindow, HACCEL accelerators) {
  if (accelWindow && accelerators && ::TranslateAcceleratorA(accelWindow, accelerators, &msg))
    return;
  if (DialogBase::PreTranslate(msg)) return;
  ::TranslateMessage(&msg);
  ::DispatchMessageA(&msg);
}

}  // namespace

void InitCommonControls() {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES |
                                           ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES};
  ::InitCommonControlsEx(&icc);
}

int RunMessageLoop(HWND accelWindow, HACCEL accelerators) {
  MSG msg;
  while (::GetMessageA(&msg, nullptr, 0, 0) > 0) Deliver(msg, accelWindow, accelerators);
  return static_cast<int>(msg.wParam);
}

bool PumpMessages() {
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      return false;
    }
    Deliver(msg, nullptr, nullptr);
  }
  return true;
}

}  // namespace orvane::winui
