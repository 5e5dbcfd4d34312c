#include "winui/window_base.h"

#include "platform/error.h"
#include "winui/error_box.h"

namespace orvane::winui {

WindowBase::~WindowBase() {
  HWND hwnd = Handle();
  if (hwnd && ::IsWindow(hwnd)) {
    ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    Attach(nullptr);
    ::DestroyWindow(hwnd);
  }
}

void WindowBase::RegisterClassOnce(const WindowArgs& args) {
  HINSTANCE instance = ::GetModuleHandleA(nullptr);
  WNDCLASSEXA existing{};
  existing.cbSize = sizeof existing;
  if (::GetClassInfoExA(instance, args.className, &existing)) return;
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.style = args.classStyle;
  wc.lpfnWndProc = &WindowBase::Proc;
  wc.hInstance = instance;
  wc.hIcon = args.icon;
  wc.hIconSm = args.smallIcon;
  wc.hCursor = args.cursor ? args.cursor : ::LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = args.background;
  wc.lpszClassName = args.className;
  if (!::RegisterClassExA(&wc))
    throw Error(std::string("Cannot register window class ") + args.className);
}

void WindowBase::Create(const WindowArgs& args) {
  if (Handle()) throw Error("Window created twice");
  RegisterClassOnce(args);
  HMENU menuOrId = args.parent && (args.style & WS_CHILD)
                       ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(args.id))
                       : args.menu;
  HWND hwnd = ::CreateWindowExA(args.exStyle, args.className, args.text.c_str(), args.style, args.x,
                                args.y, args.width, args.height, args.parent, menuOrId,
                                ::GetModuleHandleA(nullptr), this);
  if (!hwnd) {
    std::string why = createError_.empty() ? std::string("Cannot create window ") + args.className +
                                                 " (" + std::to_string(::GetLastError()) + ")"
                                           : createError_;
    createError_.clear();
    throw Error(why);
  }
}

void WindowBase::Destroy() {
  if (Handle()) ::DestroyWindow(Handle());
}

WindowBase* WindowBase::FromHandle(HWND hwnd) {
  if (!hwnd) return nullptr;
  if (reinterpret_cast<WNDPROC>(::GetClassLongPtrA(hwnd, GCLP_WNDPROC)) != &WindowBase::Proc)
    return nullptr;
  return reinterpret_cast<WindowBase*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

LRESULT WindowBase::DefaultProc(UINT msg, WPARAM wp, LPARAM lp) {
  return ::DefWindowProcA(Handle(), msg, wp, lp);
}

LRESULT CALLBACK WindowBase::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  WindowBase* self = nullptr;
  if (msg == WM_NCCREATE) {
    self = static_cast<WindowBase*>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams);
    self->Attach(hwnd);
    ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  } else {
    self = reinterpret_cast<WindowBase*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  }
  // Messages before WM_NCCREATE (WM_GETMINMAXINFO) and after WM_NCDESTROY have no wrapper.
  if (!self) return ::DefWindowProcA(hwnd, msg, wp, lp);
  if (msg == WM_NCDESTROY) {
    ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    self->Attach(nullptr);
    return ::DefWindowProcA(hwnd, msg, wp, lp);
  }
  try {
    if (msg == WM_CREATE) {
      self->OnCreate();
      return 0;
    }
    LRESULT result = 0;
    if (self->Dispatch(msg, wp, lp, result)) return result;
    return ::DefWindowProcA(hwnd, msg, wp, lp);
  } catch (...) {
    if (msg == WM_CREATE) {
      // A window whose controls could not be made is not created at all; Create reports why.
      try {
        throw;
      } catch (const std::exception& e) {
        self->createError_ = e.what();
      } catch (...) {
        self->createError_ = "Unknown error";
      }
      return -1;
    }
    ReportCurrentException();
    return 0;
  }
}

}  // namespace orvane::winui
