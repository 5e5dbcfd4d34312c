#include "winui/message_loop.h"

#include <commctrl.h>

#include "winui/dialog_base.h"

namespace orvane::winui {

void DeliverMessage(MSG& msg, HWND accelWindow, HACCEL accelerators) {
  // The window's keys are its own: in a dialog's edit box Delete deletes a character.
  const bool key = msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST;
  if (key && accelWindow && accelerators && msg.hwnd &&
      ::GetAncestor(msg.hwnd, GA_ROOT) == accelWindow &&
      ::TranslateAcceleratorA(accelWindow, accelerators, &msg))
    return;
  // The main window is no dialog: it moves the focus itself, as a dialog's Tab would.
  if (msg.message == WM_KEYDOWN && msg.wParam == VK_TAB && accelWindow && msg.hwnd &&
      ::GetAncestor(msg.hwnd, GA_ROOT) == accelWindow) {
    ::SendMessageA(accelWindow, WM_NEXTDLGCTL, ::GetKeyState(VK_SHIFT) < 0, FALSE);
    return;
  }
  if (DialogBase::PreTranslate(msg)) return;
  ::TranslateMessage(&msg);
  ::DispatchMessageA(&msg);
}

void InitCommonControls() {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES |
                                           ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES};
  ::InitCommonControlsEx(&icc);
}

int RunMessageLoop(HWND accelWindow, HACCEL accelerators) {
  MSG msg;
  while (::GetMessageA(&msg, nullptr, 0, 0) > 0) DeliverMessage(msg, accelWindow, accelerators);
  return static_cast<int>(msg.wParam);
}

bool PumpMessages() {
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      return false;
    }
    DeliverMessage(msg);
  }
  return true;
}

}  // namespace orvane::winui
