#include "winui/control.h"

#include "platform/error.h"

namespace orvane::winui {

Control::~Control() {
  Unregister(Handle());
}

void Control::CreateControl(const char* className, const ControlArgs& args, DWORD baseStyle,
                            DWORD baseExStyle) {
  if (Handle()) throw Error(std::string("Control created twice: ") + className);
  DWORD style = WS_CHILD | baseStyle | args.style | (args.visible ? WS_VISIBLE : 0);
  HWND hwnd = ::CreateWindowExA(baseExStyle | args.exStyle, className, args.text.c_str(), style,
                                args.x, args.y, args.width, args.height, args.parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(args.id)),
                                ::GetModuleHandleA(nullptr), nullptr);
  if (!hwnd) throw Error(std::string("Cannot create control ") + className);
  Attach(hwnd);
  Register(hwnd, this);
  HFONT font = args.font;
  if (!font && args.parent)
    font = reinterpret_cast<HFONT>(::SendMessageA(args.parent, WM_GETFONT, 0, 0));
  if (!font) font = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
  SetFont(font, false);
}

}  // namespace orvane::winui
