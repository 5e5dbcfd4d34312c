#pragma once
// "Find Window": a small tool window with a crosshair. Pressed and dragged over the desktop, the
// crosshair outlines the top-level window under it with an inverted frame; released, it hands
// that window to the main window. Escape cancels a drag, and hides the window otherwise.

#include <windows.h>

#include <array>

#include "dialogs/find/find.h"
#include "winui/dialog_base.h"
#include "winui/gdi.h"
#include "winui/static_controls.h"

namespace orvane::win32 {

// One side of the outline: a window of ours showing the screen under it inverted.
class OutlineBand {
 public:
  OutlineBand() = default;
  OutlineBand(const OutlineBand&) = delete;
  OutlineBand& operator=(const OutlineBand&) = delete;
  ~OutlineBand();
  void Show(const RECT& where);  // on the screen
  void Hide();

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  HWND window_ = nullptr;  // owned; made at the first Show
  winui::Bitmap pixels_;   // what was under it, inverted
};

class FindWindowDlg : public winui::DialogBase, private OutlinePainter {
 public:
  // target: not owned, must outlive the dialog.
  explicit FindWindowDlg(FoundWindowTarget& target);

  // Creates the window, hidden.
  void Create(HWND owner);
  // Shows the window, or brings it forward when it is shown.
  void FormShow();

  // The crosshair's middle on the screen, where a drag starts.
  POINT CrosshairCentre() const;
  const WindowFinder& Finder() const { return finder_; }
  // The top-level window at a point of the screen; none for the desktop.
  static PointedWindow PointedAt(POINT screen);

 protected:
  void OnCreate() override;
  void OnCancel() override;
  bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

 private:
  void DrawOutline(uint32_t window) override;
  void EraseOutline() override;
  void PaintCrosshair(HDC dc) const;
  // The box the drag starts from, in client pixels at the window's DPI.
  RECT Crosshair() const;
  void InvalidateCrosshair();
  void EndDrag();

  WindowFinder finder_;
  std::array<OutlineBand, 4> outline_;
  winui::Label hint_;
};

}  // namespace orvane::win32
