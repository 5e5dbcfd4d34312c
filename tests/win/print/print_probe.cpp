// Fills a rich-text box with numbered lines in a fixed-pitch font and prints it, for
// scripts/print-check, which then reads the printed document back. The lines also go to
// standard output, so the check compares the printed text with exactly what was printed.
//
//   print_probe TITLE LINES [PRINTER]
//
// Prints on the default printer, or on PRINTER. Exit code 0 when printed, 1 when printing
// failed, 2 when there is no such printer, 3 for wrong arguments; failures are told on
// standard error.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include "winui/gdi.h"
#include "winui/message_loop.h"
#include "winui/printing.h"
#include "winui/rich_edit.h"

using namespace orvane::winui;

int main(int argc, char** argv) {
  if (argc < 3 || std::atoi(argv[2]) < 1) {
    std::fprintf(stderr, "usage: print_probe TITLE LINES [PRINTER]\n");
    return 3;
  }
  const std::string title = argv[1];
  const int count = std::atoi(argv[2]);
  try {
    InitCommonControls();
    HWND host = ::CreateWindowExA(0, "STATIC", title.c_str(), WS_OVERLAPPEDWINDOW, 0, 0, 600, 400,
                                  nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
    const Font courier = MakeFixedFont("Courier", -8);
    RichEdit text;
    text.Create({.parent = host, .width = 580, .height = 360, .font = courier},
                {.wrap = false, .acceptsTabs = true});
    std::string lines;
    for (int i = 1; i <= count; ++i) {
      lines += "Line " + std::to_string(i) + " of " + std::to_string(count) +
               "\tProcess created probe.exe\t" + std::string(size_t(i % 7), '#') + "|\r\n";
    }
    text.AppendText(lines);
    for (const std::string& line : text.GetLines()) std::printf("%s\n", line.c_str());

    PrinterDc printer = argc > 3 ? PrinterDcByName(argv[3]) : DefaultPrinterDc();
    if (!printer) {
      std::fprintf(stderr, "print_probe: no printer %s\n", argc > 3 ? argv[3] : "by default");
      return 2;
    }
    PrintRichText(text, printer.Get(), title);
    ::DestroyWindow(host);
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "print_probe: %s\n", e.what());
    return 1;
  }
}
