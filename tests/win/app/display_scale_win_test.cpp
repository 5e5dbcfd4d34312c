// The main window and the dialogs at 150% display scale (the session's LogPixels 144, set by
// the win_tests.dpi entry): every size given for 96 DPI comes 1.5 times as large, and a move to a
// display of another scale lays the window out again.
#include <gtest/gtest.h>
#include <windows.h>

#include "win/support/main_form_fixture.h"
#include "winui/dpi.h"

namespace orvane {
namespace {

using testing::PumpUntil;

SIZE SizeOf(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return {r.right - r.left, r.bottom - r.top};
}

class DisplayScaleWin : public testing::MainFormFixture {
 protected:
  void SetUp() override {
    if (winui::DpiOf(nullptr) == kBaseDpi) GTEST_SKIP() << "runs at 144 DPI (win_tests.dpi)";
    ASSERT_EQ(winui::DpiOf(nullptr), 144);
  }
};

TEST_F(DisplayScaleWin, TheMainWindowItsBarsAndColumnsAreOneAndAHalfTimesAsLarge) {
  OpenAtProcesses();
  EXPECT_EQ(form->Dpi(), 144);
  const RECT window = form->WindowRect();
  EXPECT_EQ(window.right - window.left, 1367) << "911 at 96 DPI";
  EXPECT_EQ(window.bottom - window.top, 1086) << "724";
  EXPECT_EQ(window.left, 429);
  EXPECT_EQ(window.top, 123);
  EXPECT_EQ(SizeOf(form->DockBig()).cy, 77) << "51";
  EXPECT_EQ(SizeOf(form->DockBig()).cx, 614) << "409";
  EXPECT_EQ(SizeOf(form->DockTop()).cy, 6) << "4 while empty";
  EXPECT_EQ(SizeOf(form->Tree()).cx, 300) << "the default workspace's 200";
  EXPECT_EQ(SizeOf(form->Heading()).cy, 36) << "24";
  EXPECT_EQ(list().GetColumnWidth(0), 225) << "150";
  EXPECT_EQ(list().GetColumnWidth(2), 300) << "200";
  EXPECT_GE(form->Status().PanelRight(0), 300) << "200, or more where the text needs it";

  // The Common palette in DockBig: 72-pixel buttons with 48-pixel glyphs; docked on DockTop,
  // the bar is 51 high and the buttons 48.
  win32::PaletteWindow& common = form->Bars().PaletteOf(PaletteId::kCommon);
  EXPECT_EQ(SizeOf(common).cy, 72) << "48";
  int cx = 0, cy = 0;
  ImageList_GetIconSize(
      reinterpret_cast<HIMAGELIST>(form->Tree().SendMessage(TVM_GETIMAGELIST, TVSIL_STATE)), &cx,
      &cy);
  EXPECT_EQ(cx, 24) << "the object icons drawn at 24, not stretched from 16";
  form->Bars().Arrangement().Dock(PaletteId::kCommon, DockSite::kDockTop, 0, 0);
  form->Bars().ApplyArrangement();
  EXPECT_EQ(SizeOf(form->DockTop()).cy, 51) << "34";
  EXPECT_EQ(SizeOf(common).cy, 48) << "32";
}

TEST_F(DisplayScaleWin, DialogsScaleTheirFormsAndAMoveToAnotherScaleLaysTheWindowOutAgain) {
  OpenAtProcesses();
  win32::SearchDlg& search = program->SearchDialog();
  const RECT client = search.ClientRect();
  EXPECT_EQ(client.right, 375) << "250";
  EXPECT_EQ(client.bottom, 258) << "172";
  EXPECT_EQ(search.WindowRect().left, 350) << "233";
  win32::AboutDlg& about = program->AboutDialog();
  EXPECT_EQ(about.ClientRect().right, 518) << "345";

  // To a 200% display: the suggested rectangle, and the bars, panes and columns for 192 DPI.
  const int treeWidth = SizeOf(form->Tree()).cx;
  const int column = list().GetColumnWidth(0);
  RECT suggested{10, 20, 10 + 1822, 20 + 1448};
  form->SendMessage(WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));
  EXPECT_EQ(form->Dpi(), 192);
  const RECT window = form->WindowRect();
  EXPECT_EQ(window.left, 10);
  EXPECT_EQ(window.right - window.left, 1822);
  EXPECT_EQ(SizeOf(form->DockBig()).cy, 102);
  EXPECT_EQ(SizeOf(form->Tree()).cx, treeWidth * 4 / 3);
  EXPECT_EQ(list().GetColumnWidth(0), column * 4 / 3);
  EXPECT_EQ(SizeOf(form->Bars().PaletteOf(PaletteId::kCommon)).cy, 96);
  LOGFONTA font{};
  GetObjectA(form->Tree().GetFont(), sizeof font, &font);
  EXPECT_EQ(font.lfHeight, -22) << "-11 at 96 DPI";
  EXPECT_EQ(form->Bars().PaletteOf(PaletteId::kCommon).Button("ToolCommon0Run")->GetFont(),
            form->Tree().GetFont());

  // A dialog keeps its controls in proportion and takes the suggested rectangle.
  search.FormShow();
  HWND field = GetNextDlgTabItem(search, nullptr, FALSE);
  const SIZE before = SizeOf(field);
  GetObjectA(winui::Window(field).GetFont(), sizeof font, &font);
  const LONG fontBefore = font.lfHeight;
  RECT dialogRect{100, 100, 100 + 600, 100 + 400};
  search.SendMessage(WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&dialogRect));
  EXPECT_EQ(search.Dpi(), 192);
  EXPECT_EQ(search.WindowRect().right - search.WindowRect().left, 600);
  EXPECT_EQ(SizeOf(field).cx, before.cx * 4 / 3);
  GetObjectA(winui::Window(field).GetFont(), sizeof font, &font);
  EXPECT_EQ(font.lfHeight, MulDiv(fontBefore, 4, 3)) << "the dialog's font made again";

  // The about box's banner is drawn again at the new size.
  RECT aboutRect{0, 0, 700, 560};
  about.SendMessage(WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&aboutRect));
  HWND banner = GetWindow(about, GW_CHILD);
  BITMAP shown{};
  GetObjectA(reinterpret_cast<HBITMAP>(SendMessageA(banner, STM_GETIMAGE, IMAGE_BITMAP, 0)),
             sizeof shown, &shown);
  EXPECT_EQ(shown.bmWidth, 690) << "345 at 96 DPI, from the twice-as-large source";
}

}  // namespace
}  // namespace orvane
