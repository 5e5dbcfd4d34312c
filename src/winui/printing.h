#pragma once
// Printing a rich-text box: choosing the printer, and the print job itself.

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace orvane::winui {

// A printer device context, deleted when the owner goes; empty when there is no printer.
class PrinterDc {
 public:
  PrinterDc() = default;
  explicit PrinterDc(HDC dc) : dc_(dc) {}
  PrinterDc(const PrinterDc&) = delete;
  PrinterDc& operator=(const PrinterDc&) = delete;
  PrinterDc(PrinterDc&& other) noexcept : dc_(std::exchange(other.dc_, nullptr)) {}
  PrinterDc& operator=(PrinterDc&& other) noexcept {
    if (this != &other) {
      Reset();
      dc_ = std::exchange(other.dc_, nullptr);
    }
    return *this;
  }
  ~PrinterDc() { Reset(); }

  HDC Get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  void Reset() {
    if (dc_) ::DeleteDC(dc_);
    dc_ = nullptr;
  }

  HDC dc_ = nullptr;  // owned
};

// The print dialog (no selection, no page numbers). Empty when the user cancels; empty too
// when the dialog fails, after the failure was shown in the standard error box.
PrinterDc ChoosePrinter(HWND owner);

// The default printer, or the printer of that name, without a dialog; empty when there is
// no such printer.
PrinterDc DefaultPrinterDc();
PrinterDc PrinterDcByName(const std::string& name);

// Prints the box's whole text as it is formatted, page after page, each page using the
// printer's whole printable area. jobTitle names the job in the printer queue; it is not
// printed. Throws orvane::Error when there is no printer or the printer refuses the job or a
// page (the job is then aborted); the box's text is never changed.
void PrintRichText(HWND richEdit, HDC printer, const std::string& jobTitle);

// Prints the lines in font (made for the printer), as many to a page as the printer's printable
// area holds, page after page; a line wider than the page is cut at its edge. tabStop in the
// printer's pixels; 0 puts one at every eighth character. Throws as PrintRichText does.
void PrintLines(HDC printer, const std::string& jobTitle, const std::vector<std::string>& lines,
                HFONT font, int tabStop = 0);

}  // namespace orvane::winui
