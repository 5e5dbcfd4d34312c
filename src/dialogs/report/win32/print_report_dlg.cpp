#include "dialogs/report/win32/print_report_dlg.h"

#include "winui/printing.h"

namespace orvane::win32 {

namespace {

enum ControlId : int { kReport = 100 };

}  // namespace

void PrintReportDlg::Create(HWND owner) {
  DialogBase::Create({.owner = owner,
                      .caption = "Print Object List",
                      .width = 603,
                      .height = 559,
                      .outerSize = true,
                      .x = 246,
                      .y = 72,
                      .style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME,
                      .exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST});
}

void PrintReportDlg::OnCreate() {
  font_ = winui::MakeFixedFont("Courier", Px(-16));
  report_.Create({.parent = *this, .id = kReport, .font = font_},
                 {.readOnly = false,
                  .scrollBars = winui::ScrollBars::Both,
                  .wrap = false,
                  .acceptsTabs = true});
  strip_.Create(*this, *this, {});
  const RECT client = ClientRect();
  OnSize(client.right, client.bottom);
}

void PrintReportDlg::OnSize(int width, int height) {
  if (!strip_.IsCreated()) return;
  report_.Move(0, 0, width, height - strip_.Height());
  strip_.Place(0, height - strip_.Height());
}

void PrintReportDlg::FormShow() {
  if (!IsVisible()) BuildReport();
  Show();
  ::SetForegroundWindow(*this);
}

void PrintReportDlg::BuildReport() {
  report_.SetLines(orvane::BuildReport(
      source_.Heading(), clock_.NowText(), source_.ColumnCaptions(), source_.Rows(),
      [this](const ListRow& row, int column) { return source_.ExtraCell(row, column); }));
  report_.SetPointSize(12);
}

void PrintReportDlg::PrintOn(HDC printer, const std::string& jobTitle) {
  winui::PrintRichText(report_, printer, jobTitle);
}

void PrintReportDlg::SaveTo(const std::string& path) {
  WriteLines(files_, path, report_.GetLines());
}

}  // namespace orvane::win32
