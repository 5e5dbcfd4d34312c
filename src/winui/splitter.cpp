#include "winui/splitter.h"

#include <algorithm>

#include "platform/error.h"

namespace orvane::winui {

void Splitter::Create(const SplitterArgs& args) {
  if (!args.layout || !args.target) throw Error("Splitter without layout or target");
  args_ = args;
  WindowArgs w;
  w.className = "OrvaneSplitter";
  w.style = WS_CHILD | WS_VISIBLE;
  w.parent = args.parent;
  w.id = args.id;
  w.width = args.thickness;
  w.height = args.thickness;
  w.x = 0;
  w.y = 0;
  WindowBase::Create(w);
  args_.layout->Add(*this, args_.layout->GetAlign(args.target), args.thickness);
}

int Splitter::MousePosition(LPARAM lp) const {
  // Signed: while the mouse is captured it may be left of or above the splitter.
  POINT p{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
  ::MapWindowPoints(*this, args_.parent, &p, 1);
  return args_.vertical ? p.x : p.y;
}

int Splitter::Clamp(int size) const {
  RECT parent{};
  ::GetClientRect(args_.parent, &parent);
  const int extent = args_.vertical ? parent.right : parent.bottom;
  const int most = std::max(args_.minSize, extent - args_.thickness - args_.minSize);
  return std::clamp(size, args_.minSize, most);
}

void Splitter::SetTargetSize(int size) {
  args_.layout->SetSize(args_.target, Clamp(size));
  args_.layout->Apply();
}

bool Splitter::OnMessage(UINT msg, WPARAM, LPARAM lp, LRESULT& result) {
  switch (msg) {
    case WM_SETCURSOR:
      ::SetCursor(::LoadCursor(nullptr, args_.vertical ? IDC_SIZEWE : IDC_SIZENS));
      result = TRUE;
      return true;
    case WM_LBUTTONDOWN:
      dragging_ = true;
      dragStart_ = MousePosition(lp);
      sizeAtStart_ = args_.layout->GetSize(args_.target);
      ::SetCapture(*this);
      return true;
    case WM_MOUSEMOVE:
      if (dragging_) {
        const int delta = MousePosition(lp) - dragStart_;
        const Align align = args_.layout->GetAlign(args_.target);
        // Dragging away from the target's edge makes it bigger.
        const bool grows = align == Align::Left || align == Align::Top;
        SetTargetSize(sizeAtStart_ + (grows ? delta : -delta));
        if (onMoved) onMoved(args_.layout->GetSize(args_.target));
      }
      return true;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
      if (dragging_) {
        dragging_ = false;
        if (msg == WM_LBUTTONUP) ::ReleaseCapture();
      }
      return true;
    default:
      return false;
  }
}

}  // namespace orvane::winui
