#pragma once
// "About": the product, its version and patch level, and a link to the maker's home page.
// Made hidden at start-up; each showing centres it on the main window and fills in its texts.

#include <windows.h>

#include "platform/program_start.h"
#include "winui/colour_label.h"
#include "winui/dialog_base.h"
#include "winui/gdi.h"
#include "winui/static_controls.h"

namespace orvane::win32 {

class AboutDlg : public winui::DialogBase {
 public:
  // starter: not owned; opens the home page.
  explicit AboutDlg(ProgramStarter& starter) : starter_(starter) {}

  // Creates the window, hidden; owner is the main window, whose title names the product.
  void Create(HWND owner);
  // Centres the box on the main window, fills in its texts and shows it (FormShow).
  void FormShow();

  // Opens the home page, as a click on the link or on the strip does.
  void HomePageClick();

  winui::ColourLabel& Product() { return product_; }
  winui::ColourLabel& Patch() { return patch_; }
  winui::ColourLabel& Link() { return link_; }
  winui::ColourLabel& HomePage() { return homePage_; }

 protected:
  void OnCreate() override;
  bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
  // The banner drawn again for the new scale.
  void OnDpiChanged(int oldDpi, const RECT& suggested) override;

 private:
  ProgramStarter& starter_;  // not owned
  HWND owner_ = nullptr;     // not owned

  winui::Bitmap bannerBitmap_;
  winui::Font textFont_;
  winui::Font boldFont_;
  winui::Font linkFont_;
  winui::Font stripFont_;
  winui::Brush white_;
  winui::Picture banner_;
  winui::ColourLabel product_;
  winui::ColourLabel patch_;
  winui::ColourLabel visit_;
  winui::ColourLabel link_;
  winui::ColourLabel notice_;
  winui::ColourLabel homePage_;
};

}  // namespace orvane::win32
