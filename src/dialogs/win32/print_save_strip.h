#pragma once
// The "Print", "Save To File" and "Cancel" buttons under the text of the log and the report.
// The strip asks for the printer or the file; the dialog prints or writes its own text.

#include <windows.h>

#include <string>

#include "winui/button.h"

namespace orvane::win32 {

// What a dialog with the strip does once the user has chosen.
class PrintSaveTarget {
 public:
  virtual ~PrintSaveTarget() = default;
  // Prints the dialog's text on printer; jobTitle names the job in the printer queue.
  virtual void PrintOn(HDC printer, const std::string& jobTitle) = 0;
  // Writes the text to path, replacing the file; raises orvane::Error when it cannot.
  virtual void SaveTo(const std::string& path) = 0;
};

class PrintSaveStrip {
 public:
  // How one dialog's form draws the strip: the width of "Print" and the space between buttons.
  struct Look {
    int printWidth = 75;
    int gap = 0;
  };
  static constexpr int kHeight = 25;  // at 96 DPI; Height() on the dialog's display

  // Creates the buttons on dialog, last in its tab order; "Cancel" is IDCANCEL, so Escape and
  // the close box answer as it does. Neither dialog nor target is owned.
  void Create(HWND dialog, PrintSaveTarget& target, Look look);
  bool IsCreated() const { return cancel_.Handle() != nullptr; }
  int Width() const;
  int Height() const;
  // Places the buttons left to right from (x, y).
  void Place(int x, int y);

  // The print dialog, then the target prints; the job is named after the dialog's owner, the
  // main window.
  void PrintClick();
  // The save dialog, then the target writes the file.
  void SaveClick();

 private:
  HWND dialog_ = nullptr;              // not owned
  PrintSaveTarget* target_ = nullptr;  // not owned
  Look look_;
  winui::Button print_;
  winui::Button save_;
  winui::Button cancel_;
};

}  // namespace orvane::win32
