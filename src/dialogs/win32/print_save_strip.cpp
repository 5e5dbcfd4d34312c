#include "dialogs/win32/print_save_strip.h"

#include "winui/dpi.h"
#include "winui/file_dialogs.h"
#include "winui/printing.h"

namespace orvane::win32 {

namespace {

enum ControlId : int { kPrint = 200, kSave };
constexpr int kSaveWidth = 85;
constexpr int kCancelWidth = 75;

}  // namespace

void PrintSaveStrip::Create(HWND dialog, PrintSaveTarget& target, Look look) {
  dialog_ = dialog;
  target_ = &target;
  look_ = look;
  print_.Create({.parent = dialog, .id = kPrint, .text = "&Print"});
  print_.onClick = [this] { PrintClick(); };
  save_.Create({.parent = dialog, .id = kSave, .text = "&Save To File"});
  save_.onClick = [this] { SaveClick(); };
  cancel_.Create({.parent = dialog, .id = IDCANCEL, .text = "Cancel"});
}

int PrintSaveStrip::Width() const {
  return winui::ScaleFor(dialog_,
                         look_.printWidth + look_.gap + kSaveWidth + look_.gap + kCancelWidth);
}

int PrintSaveStrip::Height() const {
  return winui::ScaleFor(dialog_, kHeight);
}

void PrintSaveStrip::Place(int x, int y) {
  const int dpi = winui::DpiOf(dialog_);
  const int height = Height();
  const int gap = winui::Scale(look_.gap, dpi);
  print_.Move(x, y, winui::Scale(look_.printWidth, dpi), height);
  x += winui::Scale(look_.printWidth, dpi) + gap;
  save_.Move(x, y, winui::Scale(kSaveWidth, dpi), height);
  x += winui::Scale(kSaveWidth, dpi) + gap;
  cancel_.Move(x, y, winui::Scale(kCancelWidth, dpi), height);
}

void PrintSaveStrip::PrintClick() {
  winui::PrinterDc printer = winui::ChoosePrinter(dialog_);
  if (printer) {
    target_->PrintOn(printer.Get(),
                     "Printed by " + winui::Window(::GetWindow(dialog_, GW_OWNER)).GetText());
  }
}

void PrintSaveStrip::SaveClick() {
  const auto path = winui::ChooseTextFileToSave(dialog_);
  if (path) target_->SaveTo(*path);
}

}  // namespace orvane::win32
