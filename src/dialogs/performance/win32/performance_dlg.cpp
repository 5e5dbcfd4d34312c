#include "dialogs/performance/win32/performance_dlg.h"

#include <algorithm>
#include <tuple>

#include "winui/gdi.h"

namespace orvane::win32 {

namespace {

// The smallest window, frame included, that still shows both graphs above the list.
constexpr int kMinWidth = 240;
constexpr int kMinHeight = 300;
// Grid lines across each graph, at these loads.
constexpr int kGridPercents[] = {25, 50, 75};

RECT ToRect(const Box& box) {
  return {box.left, box.top, box.right, box.bottom};
}

// A graph's points as drawn: a line leaves out its last pixel, so one more point keeps the
// newest.
std::vector<POINT> GraphLine(const std::vector<GraphPoint>& points) {
  std::vector<POINT> line;
  if (points.empty()) return line;
  line.reserve(points.size() + 1);
  for (const GraphPoint& point : points) line.push_back({point.x, point.y});
  line.push_back({line.back().x + 1, line.back().y});
  return line;
}

// Two pixels thick: the line drawn again a row above (below on the top row), as a wide pen
// costs a hundred times as much to draw.
void DrawGraphLine(HDC dc, std::vector<POINT> line, const Box& graph, COLORREF colour) {
  if (line.empty()) return;
  winui::Pen pen(::CreatePen(PS_SOLID, 1, colour));
  HGDIOBJ old = ::SelectObject(dc, pen ? pen.Get() : ::GetStockObject(BLACK_PEN));
  ::Polyline(dc, line.data(), static_cast<int>(line.size()));
  for (POINT& point : line) point.y += point.y > graph.top ? -1 : 1;
  ::Polyline(dc, line.data(), static_cast<int>(line.size()));
  ::SelectObject(dc, old);
}

// Every pixel DrawGraphLine can touch for line: its points' span, and a row either side.
RECT LineBounds(const std::vector<POINT>& line) {
  RECT bounds{};
  for (const POINT& point : line) {
    const RECT pixels{point.x, point.y - 1, point.x + 1, point.y + 2};
    ::UnionRect(&bounds, &bounds, &pixels);
  }
  return bounds;
}

const std::string& TopField(const TopProcess& process, std::size_t column) {
  return column == 0 ? process.name : column == 1 ? process.cpu : process.memory;
}

}  // namespace

PerformanceDlg::Colours PerformanceDlg::SystemColours() {
  return {::GetSysColor(COLOR_WINDOW), ::GetSysColor(COLOR_HIGHLIGHT), ::GetSysColor(COLOR_BTNFACE),
          ::GetSysColor(COLOR_BTNTEXT)};
}

void PerformanceDlg::Create(HWND owner) {
  DialogBase::Create({.owner = owner,
                      .caption = "Performance",
                      .width = 400,
                      .height = 440,
                      .outerSize = true,
                      .style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME,
                      .exStyle = WS_EX_TOOLWINDOW});
}

void PerformanceDlg::OnCreate() {
  font_ = GetFont();
  const TEXTMETRICA metrics = winui::TextMetricsOf(*this, font_);
  lineHeight_ = std::max<int>(1, metrics.tmHeight + metrics.tmExternalLeading + 2);
}

void PerformanceDlg::FormShow() {
  winui::BringForward(*this);
}

void PerformanceDlg::AddSample(const PerformanceSample& sample) {
  history_.Add(sample);
  if (!IsVisible() || ::IsIconic(*this)) return;
  // Drawn at once through the window's own context rather than invalidated: under Wine the
  // paint message's round trips to the window server cost as much as the drawing itself.
  HDC dc = ::GetDC(*this);
  if (!dc) {
    Invalidate(false);
    return;
  }
  // Only what a cycle changes, over the last picture: under Wine the window's changed pixels
  // go to the display at a cost that grows with their area.
  const RECT client = ClientRect();
  const bool changed = drawn_.layout == Layout() && drawn_.colours == SystemColours() &&
                       buffer_.PaintChanges(dc, client.right, client.bottom,
                                            [this](HDC memory) { return PaintChanges(memory); });
  if (!changed) PaintAll(dc);
  ::ReleaseDC(*this, dc);
}

void PerformanceDlg::PaintAll(HDC dc) {
  const RECT client = ClientRect();
  buffer_.Paint(dc, client.right, client.bottom, [this](HDC memory) { Paint(memory); });
}

void PerformanceDlg::SetBounds(const RECT& bounds) {
  ::SetWindowPos(*this, nullptr, bounds.left, bounds.top,
                 std::max<int>(Px(kMinWidth), bounds.right - bounds.left),
                 std::max<int>(Px(kMinHeight), bounds.bottom - bounds.top),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

PerformanceLayout PerformanceDlg::Layout() const {
  const RECT client = ClientRect();
  return LayOutPerformance(client.right, client.bottom, lineHeight_);
}

void PerformanceDlg::OnSize(int, int) {
  Invalidate(false);
}

bool PerformanceDlg::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  if (msg == WM_GETMINMAXINFO) {
    auto& info = *reinterpret_cast<MINMAXINFO*>(lp);
    info.ptMinTrackSize = {Px(kMinWidth), Px(kMinHeight)};
    return true;
  }
  return winui::HandleOwnPaint(*this, msg, wp, result, [this](HDC dc) { PaintAll(dc); });
}

void PerformanceDlg::Paint(HDC dc) {
  const RECT client = ClientRect();
  ::FillRect(dc, &client, ::GetSysColorBrush(COLOR_BTNFACE));
  drawn_ = {
      Layout(), SystemColours(), history_.CpuText(), history_.MemoryText(), history_.Top(), {}, {}};
  // Every text is in the dialog's font, on the face colour.
  const winui::TextStyle style(dc, font_, drawn_.colours.face, drawn_.colours.text);
  const PerformanceLayout& layout = drawn_.layout;
  for (const Box* graph : {&layout.cpuGraph, &layout.memoryGraph}) {
    if (graph->Width() <= 0 || graph->Height() <= 0) continue;
    RECT frame = ToRect(*graph);
    ::InflateRect(&frame, 2, 2);
    ::DrawEdge(dc, &frame, EDGE_SUNKEN, BF_RECT);
  }
  PaintText(dc, layout.cpuTitle, drawn_.cpuTitle, DT_LEFT, 0);
  PaintText(dc, layout.memoryTitle, drawn_.memoryTitle, DT_LEFT, 0);
  PaintGraphs(dc, false);
  for (std::size_t column = 0; column < kTopHeadings.size(); ++column)
    PaintTopCell(dc, 0, column, kTopHeadings[column]);
  const Box heading = layout.Cell(0, 0);
  const RECT rule{layout.top.left, heading.bottom - 1, layout.top.right, heading.bottom};
  ::FillRect(dc, &rule, ::GetSysColorBrush(COLOR_BTNSHADOW));
  for (std::size_t row = 0; row < drawn_.top.size(); ++row) {
    for (std::size_t column = 0; column < kTopHeadings.size(); ++column)
      PaintTopCell(dc, row + 1, column, TopField(drawn_.top[row], column));
  }
}

std::vector<RECT> PerformanceDlg::PaintChanges(HDC dc) {
  const winui::TextStyle style(dc, font_, drawn_.colours.face, drawn_.colours.text);
  const PerformanceLayout& layout = drawn_.layout;
  std::vector<RECT> changed = PaintGraphs(dc, true);
  const auto title = [&](const Box& box, std::string& drawn, const std::string& now) {
    if (now == drawn) return;
    drawn = now;
    changed.push_back(PaintText(dc, box, now, DT_LEFT, 0));
  };
  title(layout.cpuTitle, drawn_.cpuTitle, history_.CpuText());
  title(layout.memoryTitle, drawn_.memoryTitle, history_.MemoryText());
  // A row the list no longer has is drawn empty.
  const std::vector<TopProcess>& top = history_.Top();
  const TopProcess none;
  for (std::size_t row = 0; row < kTopProcesses; ++row) {
    const TopProcess& before = row < drawn_.top.size() ? drawn_.top[row] : none;
    const TopProcess& now = row < top.size() ? top[row] : none;
    for (std::size_t column = 0; column < kTopHeadings.size(); ++column) {
      if (TopField(before, column) != TopField(now, column))
        changed.push_back(PaintTopCell(dc, row + 1, column, TopField(now, column)));
    }
  }
  drawn_.top = top;
  return changed;
}

std::vector<RECT> PerformanceDlg::PaintGraphs(HDC dc, bool over) {
  std::vector<RECT> areas;
  const PerformanceLayout& layout = drawn_.layout;
  const auto graphs = {std::tuple{&history_.Cpu(), layout.cpuGraph, &drawn_.cpuLine},
                       std::tuple{&history_.Memory(), layout.memoryGraph, &drawn_.memoryLine}};
  for (const auto& [values, graph, drawnLine] : graphs) {
    if (graph.Width() <= 0 || graph.Height() <= 0) continue;
    const RECT area = ToRect(graph);
    const std::vector<POINT> line = GraphLine(GraphPoints(*values, graph));
    // Over the last picture only the old line goes and the new one comes, with the grid rows
    // they cross: the rest of the graph is as it was, and a flat line changes a thin strip.
    RECT changed = area;
    if (over) {
      DrawGraphLine(dc, *drawnLine, graph, drawn_.colours.window);
      const RECT before = LineBounds(*drawnLine), after = LineBounds(line);
      RECT both{};
      ::UnionRect(&both, &before, &after);
      ::IntersectRect(&changed, &both, &area);
    } else {
      ::FillRect(dc, &area, ::GetSysColorBrush(COLOR_WINDOW));
    }
    for (int percent : kGridPercents) {
      const int y = graph.bottom - 1 - (graph.Height() - 1) * percent / 100;
      if (y < changed.top || y >= changed.bottom) continue;
      const RECT row{changed.left, y, changed.right, y + 1};
      ::FillRect(dc, &row, ::GetSysColorBrush(COLOR_BTNFACE));
    }
    DrawGraphLine(dc, line, graph, drawn_.colours.highlight);
    *drawnLine = line;
    if (!::IsRectEmpty(&changed)) areas.push_back(changed);
  }
  return areas;
}

RECT PerformanceDlg::PaintText(HDC dc, const Box& box, const std::string& text, UINT format,
                               int inset) {
  const RECT r = ToRect(box);
  RECT inner = r;
  ::InflateRect(&inner, -inset, 0);
  winui::FillTextLine(dc, r, inner, text, format);
  return r;
}

RECT PerformanceDlg::PaintTopCell(HDC dc, std::size_t row, std::size_t column,
                                  const std::string& text) const {
  return PaintText(dc, drawn_.layout.Cell(row, column), text,
                   column == 0 ? DT_LEFT | DT_END_ELLIPSIS : DT_RIGHT, 2);
}

}  // namespace orvane::win32
