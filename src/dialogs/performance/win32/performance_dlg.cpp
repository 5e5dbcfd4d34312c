#include "dialogs/performance/win32/performance_dlg.h"

#include <algorithm>

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

}  // namespace

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
  PaintAll(dc);
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
  // Every text is in the dialog's font, on the face colour.
  const winui::TextStyle style(dc, font_, ::GetSysColor(COLOR_BTNFACE),
                               ::GetSysColor(COLOR_BTNTEXT));
  const PerformanceLayout layout = Layout();
  PaintGraph(dc, history_.CpuText(), layout.cpuTitle, GraphPoints(history_.Cpu(), layout.cpuGraph),
             layout.cpuGraph);
  PaintGraph(dc, history_.MemoryText(), layout.memoryTitle,
             GraphPoints(history_.Memory(), layout.memoryGraph), layout.memoryGraph);
  PaintTop(dc, layout);
}

void PerformanceDlg::PaintGraph(HDC dc, const std::string& title, const Box& titleBox,
                                const std::vector<GraphPoint>& points, const Box& graph) {
  const RECT titleRect = ToRect(titleBox);
  winui::FillTextLine(dc, titleRect, titleRect, title, DT_LEFT);
  if (graph.Width() <= 0 || graph.Height() <= 0) return;
  const RECT area = ToRect(graph);
  RECT frame = area;
  ::InflateRect(&frame, 2, 2);
  ::DrawEdge(dc, &frame, EDGE_SUNKEN, BF_RECT);
  ::FillRect(dc, &area, ::GetSysColorBrush(COLOR_WINDOW));
  for (int percent : kGridPercents) {
    const int y = graph.bottom - 1 - (graph.Height() - 1) * percent / 100;
    const RECT line{graph.left, y, graph.right, y + 1};
    ::FillRect(dc, &line, ::GetSysColorBrush(COLOR_BTNFACE));
  }
  if (points.empty()) return;
  // Two pixels thick: the line drawn again a row above (below on the top row), as a wide pen
  // costs a hundred times as much to draw. A line leaves out its last pixel: one more point
  // keeps the newest.
  std::vector<POINT> line;
  line.reserve(points.size() + 1);
  for (const GraphPoint& point : points) line.push_back({point.x, point.y});
  line.push_back({line.back().x + 1, line.back().y});
  winui::Pen pen(::CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_HIGHLIGHT)));
  HGDIOBJ old = ::SelectObject(dc, pen ? pen.Get() : ::GetStockObject(BLACK_PEN));
  ::Polyline(dc, line.data(), static_cast<int>(line.size()));
  for (POINT& point : line) point.y += point.y > graph.top ? -1 : 1;
  ::Polyline(dc, line.data(), static_cast<int>(line.size()));
  ::SelectObject(dc, old);
}

void PerformanceDlg::PaintTop(HDC dc, const PerformanceLayout& layout) {
  const auto cell = [&](std::size_t row, std::size_t column, const std::string& value) {
    const RECT r = ToRect(layout.Cell(row, column));
    RECT inner = r;
    ::InflateRect(&inner, -2, 0);
    winui::FillTextLine(dc, r, inner, value, column == 0 ? DT_LEFT | DT_END_ELLIPSIS : DT_RIGHT);
  };
  for (std::size_t column = 0; column < kTopHeadings.size(); ++column)
    cell(0, column, kTopHeadings[column]);
  const Box heading = layout.Cell(0, 0);
  const RECT rule{layout.top.left, heading.bottom - 1, layout.top.right, heading.bottom};
  ::FillRect(dc, &rule, ::GetSysColorBrush(COLOR_BTNSHADOW));
  const std::vector<TopProcess>& top = history_.Top();
  for (std::size_t i = 0; i < top.size(); ++i) {
    cell(i + 1, 0, top[i].name);
    cell(i + 1, 1, top[i].cpu);
    cell(i + 1, 2, top[i].memory);
  }
}

}  // namespace orvane::win32
