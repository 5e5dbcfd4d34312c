#include "winui/printing.h"

#include <cderr.h>
#include <commdlg.h>
#include <richedit.h>
#include <winspool.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "platform/error.h"
#include "winui/error_box.h"
#include "winui/gdi.h"
#include "winui/rich_edit.h"

namespace orvane::winui {

namespace {

std::string PrintDialogFailure(DWORD code) {
  switch (code) {
    case PDERR_NODEFAULTPRN:
      return "No printer is installed.";
    case PDERR_PRINTERNOTFOUND:
      return "The printer was not found.";
    case PDERR_CREATEICFAILURE:
      return "The printer could not be opened.";
    default: {
      char text[64];
      std::snprintf(text, sizeof text, "The print dialog failed (error 0x%04lX).",
                    static_cast<unsigned long>(code));
      return text;
    }
  }
}

LONG Twips(HDC dc, int pixels, int axisDpi) {
  return static_cast<LONG>(::MulDiv(pixels, 1440, ::GetDeviceCaps(dc, axisDpi)));
}

// One print job: started at construction, aborted when it is not finished, so a failure
// never leaves a half job in the queue.
class PrintJob {
 public:
  PrintJob(HDC printer, const std::string& title) : printer_(printer), title_(title) {
    DOCINFOA document{};
    document.cbSize = sizeof document;
    document.lpszDocName = title.c_str();
    if (::StartDocA(printer, &document) <= 0) throw Error(Refusal("the printer refused the job."));
  }
  PrintJob(const PrintJob&) = delete;
  PrintJob& operator=(const PrintJob&) = delete;
  ~PrintJob() {
    if (!finished_) ::AbortDoc(printer_);
  }

  // Calls draw() between the page's start and end.
  template <typename Draw>
  void Page(Draw&& draw) {
    ++pages_;
    const std::string refused = "the printer refused page " + std::to_string(pages_) + ".";
    if (::StartPage(printer_) <= 0) throw Error(Refusal(refused));
    draw();
    if (::EndPage(printer_) <= 0) throw Error(Refusal(refused));
  }

  void Finish() {
    finished_ = true;
    if (::EndDoc(printer_) <= 0) throw Error(Refusal("the printer did not finish the job."));
  }

  std::string Refusal(const std::string& what) const {
    return "Cannot print \"" + title_ + "\": " + what;
  }

 private:
  HDC printer_;  // not owned
  std::string title_;
  int pages_ = 0;
  bool finished_ = false;
};

// Frees the rich edit's cached printer formatting when the job ends, however it ends.
struct FormatCache {
  HWND richEdit;
  ~FormatCache() { ::SendMessageA(richEdit, EM_FORMATRANGE, FALSE, 0); }
};

// Formats (and with render, draws) the page that begins at from; returns where the next
// page begins.
LONG FormatPage(HWND richEdit, FORMATRANGE range, LONG from, bool render) {
  range.chrg = {from, -1};
  return static_cast<LONG>(::SendMessageA(richEdit, EM_FORMATRANGE, render ? TRUE : FALSE,
                                          reinterpret_cast<LPARAM>(&range)));
}

// The control formats each page itself, wrapping as it wraps on screen. Each page is measured
// first, so a page is printed only when it takes some text: how the count of characters
// treats the text's last paragraph end differs between versions of the control.
void PrintFormatted(HWND richEdit, const FORMATRANGE& range, LONG length, PrintJob& job) {
  LONG printed = 0;
  while (FormatPage(richEdit, range, printed, false) > printed)
    job.Page([&] { printed = FormatPage(richEdit, range, printed, true); });
  if (printed < length - 1) throw Error(job.Refusal("the text does not fit on the page."));
}

// The character format of the text's first character, which the log and the report use for
// their whole text. Read through a selection, which is put back.
CHARFORMAT2A TextFormat(HWND richEdit) {
  CHARRANGE kept{};
  ::SendMessageA(richEdit, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&kept));
  CHARRANGE first{0, 1};
  ::SendMessageA(richEdit, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&first));
  CHARFORMAT2A format{};
  format.cbSize = sizeof format;
  ::SendMessageA(richEdit, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
  ::SendMessageA(richEdit, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&kept));
  return format;
}

// Draws the lines page after page, as many to a page as the printable area holds, from its
// top-left corner; a line wider than the page is cut at its edge. tabStop 0: a tab stop at
// every eighth character.
void DrawLinePages(HDC printer, PrintJob& job, const std::vector<std::string>& lines, HFONT font,
                   int tabStop) {
  HGDIOBJ previous = ::SelectObject(printer, font);
  TEXTMETRICA metrics{};
  ::GetTextMetricsA(printer, &metrics);
  const int lineHeight =
      std::max(1, static_cast<int>(metrics.tmHeight + metrics.tmExternalLeading));
  const size_t perPage =
      static_cast<size_t>(std::max(1, ::GetDeviceCaps(printer, VERTRES) / lineHeight));
  size_t next = 0;
  do {
    job.Page([&] {
      ::SelectObject(printer, font);  // some drivers reset the context at each page
      ::SetBkMode(printer, TRANSPARENT);
      for (size_t row = 0; row < perPage && next < lines.size(); ++row, ++next) {
        const std::string& line = lines[next];
        ::TabbedTextOutA(printer, 0, static_cast<int>(row) * lineHeight, line.c_str(),
                         static_cast<int>(line.size()), tabStop > 0 ? 1 : 0, &tabStop, 0);
      }
    });
  } while (next < lines.size());
  ::SelectObject(printer, previous);
}

// For a control that cannot format for a printer (Wine's rich edit does not implement
// EM_FORMATRANGE): the lines as they are, in the text's font, size and tab stops; the log and
// the report do not wrap.
void PrintLines(HWND richEdit, HDC printer, PrintJob& job) {
  const CHARFORMAT2A format = TextFormat(richEdit);
  const int dpiY = ::GetDeviceCaps(printer, LOGPIXELSY);
  const Font font(::CreateFontA(
      -::MulDiv(static_cast<int>(format.yHeight), dpiY, 1440), 0, 0, 0,
      (format.dwEffects & CFE_BOLD) ? FW_BOLD : FW_NORMAL, (format.dwEffects & CFE_ITALIC) != 0,
      (format.dwEffects & CFE_UNDERLINE) != 0, (format.dwEffects & CFE_STRIKEOUT) != 0,
      format.bCharSet, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
      format.bPitchAndFamily, format.szFaceName));
  // The control's default tab stop: half an inch.
  DrawLinePages(printer, job, SplitLines(Window(richEdit).GetText()), font,
                ::GetDeviceCaps(printer, LOGPIXELSX) / 2);
}

}  // namespace

PrinterDc ChoosePrinter(HWND owner) {
  PRINTDLGA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.Flags = PD_RETURNDC | PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIESANDCOLLATE;
  const BOOL chosen = ::PrintDlgA(&dialog);
  if (dialog.hDevMode) ::GlobalFree(dialog.hDevMode);
  if (dialog.hDevNames) ::GlobalFree(dialog.hDevNames);
  if (chosen) return PrinterDc(dialog.hDC);
  if (const DWORD code = ::CommDlgExtendedError()) ShowErrorBox(PrintDialogFailure(code));
  return {};
}

PrinterDc DefaultPrinterDc() {
  DWORD size = 0;
  ::GetDefaultPrinterA(nullptr, &size);
  if (size == 0) return {};
  std::vector<char> name(size);
  if (!::GetDefaultPrinterA(name.data(), &size)) return {};
  return PrinterDcByName(name.data());
}

PrinterDc PrinterDcByName(const std::string& name) {
  return PrinterDc(::CreateDCA(nullptr, name.c_str(), nullptr, nullptr));
}

void PrintRichText(HWND richEdit, HDC printer, const std::string& jobTitle) {
  if (!printer) throw Error("Cannot print \"" + jobTitle + "\": no printer was given.");
  // The device origin is the corner of the printable area, so that area is the rectangle
  // from 0, 0.
  FORMATRANGE range{};
  range.hdc = printer;
  range.hdcTarget = printer;
  range.rc = {0, 0, Twips(printer, ::GetDeviceCaps(printer, HORZRES), LOGPIXELSX),
              Twips(printer, ::GetDeviceCaps(printer, VERTRES), LOGPIXELSY)};
  range.rcPage = {0, 0, Twips(printer, ::GetDeviceCaps(printer, PHYSICALWIDTH), LOGPIXELSX),
                  Twips(printer, ::GetDeviceCaps(printer, PHYSICALHEIGHT), LOGPIXELSY)};
  GETTEXTLENGTHEX lengthOf{GTL_DEFAULT, 1200};
  const LONG length = static_cast<LONG>(
      ::SendMessageA(richEdit, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&lengthOf), 0));

  FormatCache cache{richEdit};
  // Measuring the first page tells whether the control can format for the printer at all.
  FORMATRANGE probe = range;
  const bool formats = length > 0 && ::SendMessageA(richEdit, EM_FORMATRANGE, FALSE,
                                                    reinterpret_cast<LPARAM>(&probe)) > 0;
  PrintJob job(printer, jobTitle);
  if (formats)
    PrintFormatted(richEdit, range, length, job);
  else
    PrintLines(richEdit, printer, job);
  job.Finish();
}

void PrintLines(HDC printer, const std::string& jobTitle, const std::vector<std::string>& lines,
                HFONT font, int tabStop) {
  if (!printer) throw Error("Cannot print \"" + jobTitle + "\": no printer was given.");
  PrintJob job(printer, jobTitle);
  DrawLinePages(printer, job, lines, font, tabStop);
  job.Finish();
}

}  // namespace orvane::winui
