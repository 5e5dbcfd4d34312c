#include "dialogs/report/win32/print_report_dlg.h"

#include "winui/file_dialogs.h"
#include "winui/printing.h"

namespace orvane::win32 {

namespace {

constexpr int kStripHeight = 25;
enum ControlId : int { kReport = 100, kPrint, kSave };

}  // namespace

void PrintReportDlg::Create(HWND owner) {
  owner_ = owner;
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
  font_ = winui::MakeFixedFont("Courier", -16);
  report_.Create({.parent = *this, .id = kReport, .font = font_},
                 {.readOnly = false,
                  .scrollBars = winui::ScrollBars::Both,
                  .wrap = false,
                  .acceptsTabs = true});
  print_.Create({.parent = *this, .id = kPrint, .text = "Print"});
  print_.onClick = [this] { PrintClick(); };
  save_.Create({.parent = *this, .id = kSave, .text = "Save To File"});
  save_.onClick = [this] { SaveClick(); };
  cancel_.Create({.parent = *this, .id = IDCANCEL, .text = "Cancel"});
  const RECT client = ClientRect();
  Place(client.right, client.bottom);
}

void PrintReportDlg::OnSize(int width, int height) {
  if (cancel_.Handle()) Place(width, height);
}

void PrintReportDlg::Place(int width, int height) {
  report_.Move(0, 0, width, height - kStripHeight);
  print_.Move(0, height - kStripHeight, 75, kStripHeight);
  save_.Move(75, height - kStripHeight, 85, kStripHeight);
  cancel_.Move(160, height - kStripHeight, 75, kStripHeight);
}

void PrintReportDlg::FormShow() {
  if (!IsVisible()) BuildReport();
  Show();
  ::SetForegroundWindow(*this);
}

void PrintReportDlg::BuildReport() {
  report_.SetLines(orvane::BuildReport(source_.Heading(), clock_.NowText(),
                                       source_.ColumnCaptions(), source_.Rows()));
  report_.SetPointSize(12);
}

void PrintReportDlg::PrintClick() {
  winui::PrinterDc printer = winui::ChoosePrinter(*this);
  if (printer) {
    winui::PrintRichText(report_, printer.Get(), "Printed by " + winui::Window(owner_).GetText());
  }
}

void PrintReportDlg::SaveClick() {
  const auto path = winui::ChooseTextFileToSave(*this);
  if (path) SaveTo(*path);
}

void PrintReportDlg::SaveTo(const std::string& path) {
  WriteLines(files_, path, report_.GetLines());
}

}  // namespace orvane::win32
