#include "winui/dialog_base.h"

#include <algorithm>
#include <vector>

#include "platform/error.h"
#include "winui/error_box.h"

namespace orvane::winui {

namespace {

// Modeless dialogs alive on the GUI thread, for PreTranslate.
std::vector<HWND>& Modeless() {
  static std::vector<HWND> dialogs;
  return dialogs;
}

void AppendText(std::vector<WORD>& out, const std::string& text) {
  int n = ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  std::vector<wchar_t> wide(static_cast<size_t>(n > 0 ? n : 1), L'\0');
  if (n > 0) ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), n);
  out.insert(out.end(), wide.begin(), wide.end());
}

// An empty dialog template: the dialog manager wants one, our controls come later.
std::vector<WORD> BuildTemplate(const DialogArgs& args) {
  std::vector<WORD> t;
  const DWORD style = args.style | DS_SETFONT;
  t.push_back(LOWORD(style));
  t.push_back(HIWORD(style));
  t.push_back(LOWORD(args.exStyle));
  t.push_back(HIWORD(args.exStyle));
  t.push_back(0);                   // no items
  t.insert(t.end(), {0, 0, 0, 0});  // x, y, cx, cy: sized in pixels at WM_INITDIALOG
  t.push_back(0);                   // no menu
  t.push_back(0);                   // the standard dialog class
  AppendText(t, args.caption);
  t.push_back(args.fontPoints);
  AppendText(t, args.fontFace);
  if (t.size() % 2) t.push_back(0);  // keep the DWORD alignment the loader expects
  return t;
}

}  // namespace

DialogBase::~DialogBase() {
  HWND hwnd = Handle();
  if (hwnd && ::IsWindow(hwnd)) {
    ::SetWindowLongPtrA(hwnd, DWLP_USER, 0);
    Attach(nullptr);
    ::DestroyWindow(hwnd);
  }
}

void DialogBase::Create(const DialogArgs& args) {
  if (Handle()) throw Error("Dialog created twice");
  args_ = args;
  modal_ = false;
  std::vector<WORD> t = BuildTemplate(args);
  HWND hwnd = ::CreateDialogIndirectParamA(::GetModuleHandleA(nullptr),
                                           reinterpret_cast<DLGTEMPLATE*>(t.data()), args.owner,
                                           &DialogBase::Proc, reinterpret_cast<LPARAM>(this));
  if (!hwnd) throw Error("Cannot create dialog " + args.caption);
  Modeless().push_back(hwnd);
}

INT_PTR DialogBase::RunModal(const DialogArgs& args) {
  if (Handle()) throw Error("Dialog already open");
  args_ = args;
  modal_ = true;
  std::vector<WORD> t = BuildTemplate(args);
  INT_PTR result = ::DialogBoxIndirectParamA(::GetModuleHandleA(nullptr),
                                             reinterpret_cast<DLGTEMPLATE*>(t.data()), args.owner,
                                             &DialogBase::Proc, reinterpret_cast<LPARAM>(this));
  modal_ = false;
  if (result == -1) throw Error("Cannot create dialog " + args.caption);
  return result;
}

void DialogBase::End(INT_PTR result) {
  if (modal_)
    ::EndDialog(Handle(), result);
  else
    Hide();
}

bool DialogBase::PreTranslate(MSG& msg) {
  for (HWND dialog : Modeless()) {
    if (!::IsWindowVisible(dialog) || (msg.hwnd != dialog && !::IsChild(dialog, msg.hwnd)))
      continue;
    // Escape closes the dialog even from a text area that takes every other key.
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
      ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
      return true;
    }
    return ::IsDialogMessageA(dialog, &msg) != FALSE;
  }
  return false;
}

INT_PTR DialogBase::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_INITDIALOG) {
    dpi_ = DpiOf(*this);
    RECT r{0, 0, Px(args_.width), Px(args_.height)};
    if (!args_.outerSize)
      ::AdjustWindowRectEx(&r, static_cast<DWORD>(Style()), FALSE, args_.exStyle);
    const int w = r.right - r.left;
    const int h = r.bottom - r.top;
    int x = Px(args_.x);
    int y = Px(args_.y);
    if (args_.x == CW_USEDEFAULT || args_.y == CW_USEDEFAULT) {
      // Centred over the owner, or over the screen's work area without one.
      RECT over{};
      if (args_.owner)
        ::GetWindowRect(args_.owner, &over);
      else
        ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &over, 0);
      x = over.left + (over.right - over.left - w) / 2;
      y = over.top + (over.bottom - over.top - h) / 2;
    }
    ::SetWindowPos(*this, nullptr, x, y, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
    OnCreate();
    return TRUE;
  }
  if (msg == WM_DPICHANGED) {
    const int old = dpi_;
    dpi_ = HIWORD(wp) > 0 ? HIWORD(wp) : kBaseDpi;
    OnDpiChanged(old, *reinterpret_cast<const RECT*>(lp));
    return TRUE;
  }
  LRESULT result = 0;
  if (Dispatch(msg, wp, lp, result)) {
    ::SetWindowLongPtrA(*this, DWLP_MSGRESULT, result);
    return TRUE;
  }
  // Enter and Escape (or buttons with these ids that nobody else handled) end the dialog.
  const int id = LOWORD(wp);
  if (msg == WM_COMMAND && HIWORD(wp) == BN_CLICKED && (id == IDOK || id == IDCANCEL)) {
    id == IDOK ? OnOk() : OnCancel();
    return TRUE;
  }
  return FALSE;
}

void DialogBase::OnDpiChanged(int oldDpi, const RECT& suggested) {
  // The fonts the controls show, each made again at the new size once (several controls share
  // one); the previous ones made here go when no control shows them any more.
  std::vector<std::pair<HFONT, HFONT>> remade;
  std::vector<Font> made;
  for (HWND child = ::GetWindow(*this, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    const auto font = reinterpret_cast<HFONT>(::SendMessageA(child, WM_GETFONT, 0, 0));
    if (font) {
      auto it = std::find_if(remade.begin(), remade.end(),
                             [font](const auto& pair) { return pair.first == font; });
      if (it == remade.end()) {
        LOGFONTA info{};
        if (::GetObjectA(font, sizeof info, &info) == sizeof info) {
          info.lfHeight = MulDiv(info.lfHeight, dpi_, oldDpi);
          info.lfWidth = MulDiv(info.lfWidth, dpi_, oldDpi);
          made.emplace_back(::CreateFontIndirectA(&info));
          remade.emplace_back(font, made.back().Get() ? made.back().Get() : font);
        } else {
          remade.emplace_back(font, font);
        }
        it = remade.end() - 1;
      }
      ::SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(it->second), FALSE);
    }
    RECT r{};
    ::GetWindowRect(child, &r);
    ::MapWindowPoints(nullptr, *this, reinterpret_cast<POINT*>(&r), 2);
    ::SetWindowPos(child, nullptr, MulDiv(r.left, dpi_, oldDpi), MulDiv(r.top, dpi_, oldDpi),
                   MulDiv(r.right - r.left, dpi_, oldDpi), MulDiv(r.bottom - r.top, dpi_, oldDpi),
                   SWP_NOZORDER | SWP_NOACTIVATE);
  }
  scaledFonts_ = std::move(made);
  ::SetWindowPos(*this, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  ::RedrawWindow(*this, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

INT_PTR CALLBACK DialogBase::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  DialogBase* self = nullptr;
  if (msg == WM_INITDIALOG) {
    self = reinterpret_cast<DialogBase*>(lp);
    self->Attach(hwnd);
    ::SetWindowLongPtrA(hwnd, DWLP_USER, lp);
  } else {
    self = reinterpret_cast<DialogBase*>(::GetWindowLongPtrA(hwnd, DWLP_USER));
  }
  if (!self) return FALSE;
  if (msg == WM_NCDESTROY) {
    ::SetWindowLongPtrA(hwnd, DWLP_USER, 0);
    auto& dialogs = Modeless();
    dialogs.erase(std::remove(dialogs.begin(), dialogs.end(), hwnd), dialogs.end());
    self->Attach(nullptr);
    return FALSE;
  }
  try {
    return self->HandleMessage(msg, wp, lp);
  } catch (...) {
    ReportCurrentException();
    return msg == WM_INITDIALOG ? TRUE : FALSE;
  }
}

}  // namespace orvane::winui
