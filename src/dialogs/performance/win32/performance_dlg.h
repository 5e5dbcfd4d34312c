#pragma once
// "Performance": graphs of the processor and memory load over the last 120 cycles and, below
// them, the processes that used the most processor time in the last one. Made hidden at
// start-up and kept until exit; Escape and its close box only hide it, and it goes on taking
// the cycles' figures while hidden.

#include <windows.h>

#include <string>
#include <vector>

#include "dialogs/performance/performance.h"
#include "winui/dialog_base.h"
#include "winui/paint_buffer.h"

namespace orvane::win32 {

class PerformanceDlg : public winui::DialogBase {
 public:
  // Creates the window, hidden.
  void Create(HWND owner);
  // Shows the window, or brings it forward when it is shown.
  void FormShow();

  // Keeps one cycle's figures and repaints the window.
  void AddSample(const PerformanceSample& sample);
  const PerformanceHistory& History() const { return history_; }

  // The window on the screen, frame included, for the setting that keeps it. A size below the
  // smallest the window takes is raised to it.
  RECT Bounds() const { return WindowRect(); }
  void SetBounds(const RECT& bounds);

  // What is painted at the window's present size; for tests, which read points, not pixels.
  PerformanceLayout Layout() const;
  std::vector<GraphPoint> CpuPoints() const {
    return GraphPoints(history_.Cpu(), Layout().cpuGraph);
  }
  std::vector<GraphPoint> MemoryPoints() const {
    return GraphPoints(history_.Memory(), Layout().memoryGraph);
  }

 protected:
  void OnCreate() override;
  void OnSize(int width, int height) override;
  bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

 private:
  // The whole client area, through the buffer.
  void PaintAll(HDC dc);
  void Paint(HDC dc);
  // Over what Paint drew: the graphs, and the texts that read differently now; the rectangles
  // drawn.
  std::vector<RECT> PaintChanges(HDC dc);
  // The graphs' insides, without their frames, whole or over the last picture; the rectangles
  // changed.
  std::vector<RECT> PaintGraphs(HDC dc, bool over);
  static RECT PaintText(HDC dc, const Box& box, const std::string& text, UINT format, int inset);
  RECT PaintTopCell(HDC dc, std::size_t row, std::size_t column, const std::string& text) const;

  // The system colours a picture was drawn in: others need the whole picture drawn again.
  struct Colours {
    COLORREF window, highlight, face, text;
    friend bool operator==(const Colours&, const Colours&) = default;
  };
  static Colours SystemColours();

  PerformanceHistory history_;
  // What the buffer's picture shows.
  struct Drawn {
    PerformanceLayout layout;
    Colours colours;
    std::string cpuTitle;
    std::string memoryTitle;
    std::vector<TopProcess> top;
    std::vector<POINT> cpuLine, memoryLine;  // the graphs' lines (see PaintGraphs)
  } drawn_;
  winui::PaintBuffer buffer_;
  HFONT font_ = nullptr;  // not owned: the dialog's
  int lineHeight_ = 1;
};

}  // namespace orvane::win32
