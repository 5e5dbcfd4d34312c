#include "winui/printing.h"

#include <cderr.h>
#include <commdlg.h>
#include <richedit.h>
#include <winspool.h>

#include <cstdio>
#include <vector>

#include "snapshot/error.h"
#include "winui/error_box.h"

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

// Frees the rich edit's cached printer formatting when the job ends, however it ends.
struct FormatCache {
  HWND richEdit;
  ~FormatCache() { ::SendMessageA(richEdit, EM_FORMATRANGE, FALSE, 0); }
};

std::string Refusal(const std::string& jobTitle, const std::string& what) {
  return "Cannot print \"" + jobTitle + "\": " + what;
}

[[noreturn]] void Abort(HDC printer, const std::string& why) {
  ::AbortDoc(printer);
  throw Error(why);
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
  if (!printer) throw Error(Refusal(jobTitle, "no printer was given."));
  // The device origin is the corner of the printable area, so that area is the page's
  // rectangle from 0, 0.
  const RECT printable{0, 0, Twips(printer, ::GetDeviceCaps(printer, HORZRES), LOGPIXELSX),
                       Twips(printer, ::GetDeviceCaps(printer, VERTRES), LOGPIXELSY)};
  FORMATRANGE range{};
  range.hdc = printer;
  range.hdcTarget = printer;
  range.rcPage = {0, 0, Twips(printer, ::GetDeviceCaps(printer, PHYSICALWIDTH), LOGPIXELSX),
                  Twips(printer, ::GetDeviceCaps(printer, PHYSICALHEIGHT), LOGPIXELSY)};
  GETTEXTLENGTHEX lengthOf{GTL_DEFAULT, 1200};
  const LONG length = static_cast<LONG>(
      ::SendMessageA(richEdit, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&lengthOf), 0));

  DOCINFOA document{};
  document.cbSize = sizeof document;
  document.lpszDocName = jobTitle.c_str();
  if (::StartDocA(printer, &document) <= 0)
    throw Error(Refusal(jobTitle, "the printer refused the job."));
  FormatCache cache{richEdit};
  LONG printed = 0;
  int page = 1;
  do {
    const std::string pageRefused = "the printer refused page " + std::to_string(page) + ".";
    if (::StartPage(printer) <= 0) Abort(printer, Refusal(jobTitle, pageRefused));
    range.rc = printable;
    range.chrg = {printed, -1};
    const LONG next = static_cast<LONG>(
        ::SendMessageA(richEdit, EM_FORMATRANGE, TRUE, reinterpret_cast<LPARAM>(&range)));
    if (::EndPage(printer) <= 0) Abort(printer, Refusal(jobTitle, pageRefused));
    // A page that takes nothing would repeat for ever: the text does not fit the paper.
    if (next <= printed && printed < length)
      Abort(printer, Refusal(jobTitle, "the text does not fit on the page."));
    printed = next;
    ++page;
  } while (printed < length);
  if (::EndDoc(printer) <= 0) throw Error(Refusal(jobTitle, "the printer did not finish the job."));
}

}  // namespace orvane::winui
