#pragma once
// A read-only view of a long text kept as lines: it paints only the lines in view and takes
// new lines at the end without touching the others, so a log of hundreds of thousands of lines
// costs no more per append than a short one. One font, tabs at every eighth character, no
// wrapping, a vertical scroll bar. Whole lines are selected with the mouse or the keyboard and
// copied with Ctrl+C. Its window text, for screen readers and automation, is every line joined
// by CR LF; it is made only when asked for.

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "winui/window_base.h"

namespace orvane::winui {

struct LineViewArgs {
  HWND parent = nullptr;  // not owned
  int id = 0;
  HFONT font = nullptr;  // not owned; must outlive the view
};

class LineView : public WindowBase {
 public:
  void Create(const LineViewArgs& args);

  // Adds lines at the end. A view showing its last line goes on showing the end.
  void AppendLines(std::vector<std::string>&& lines);
  void SetLines(std::vector<std::string> lines);
  const std::vector<std::string>& Lines() const { return lines_; }
  std::size_t LineCount() const { return lines_.size(); }
  // The length of the window text, without a terminator.
  std::size_t TextLength() const;
  // Copies as much of the window text as fits before the terminator, which is always written;
  // nothing for a null buffer or a size of 0. Returns the characters copied.
  std::size_t CopyText(char* buffer, std::size_t size) const;

  // The first line in view, and how many lines fit.
  std::size_t TopLine() const { return top_; }
  std::size_t PageLines() const;
  void ScrollTo(std::size_t top);

  // The selected lines, first to last inclusive; none when the view has no lines.
  std::size_t SelectionFirst() const { return std::min(anchor_, caret_); }
  std::size_t SelectionLast() const { return std::max(anchor_, caret_); }
  void Select(std::size_t anchor, std::size_t caret);
  // The selected lines, each followed by CR LF, onto the clipboard.
  void CopySelection();

  // Prints every line as the view shows it, in the view's font at the same size on paper, page
  // after page over the printer's whole printable area. jobTitle names the job in the printer
  // queue. Throws orvane::Error when the printer refuses the job or a page (the job is then
  // aborted); the lines are never changed.
  void Print(HDC printer, const std::string& jobTitle) const;

 protected:
  void OnSize(int width, int height) override;
  bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

 private:
  void Paint(HDC dc, const RECT& dirty);
  void UpdateScrollBar();
  std::size_t MaxTop() const;
  std::size_t LineAt(int y) const;
  void MoveCaret(std::size_t caret, bool extend);
  void OnKey(WPARAM key);

  std::vector<std::string> lines_;
  std::size_t characters_ = 0;  // in lines_, without line breaks
  HFONT font_ = nullptr;        // not owned
  int lineHeight_ = 1;
  std::size_t top_ = 0;
  std::size_t anchor_ = 0;
  std::size_t caret_ = 0;
  int wheelRest_ = 0;
  bool dragging_ = false;
};

}  // namespace orvane::winui
