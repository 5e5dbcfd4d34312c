// FillTextLine draws a line of text where FillRect and DrawText would, pixel for pixel, whether
// the text fits (one call of its own) or not (DrawText's ellipsis); FillTextColumn draws a
// column of them as FillTextLine does, or nothing.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "winui/gdi.h"
#include "winui/text_column.h"

namespace orvane::winui {
namespace {

class Canvas {
 public:
  Canvas(int width, int height) : width_(width), height_(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_.Reset(CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0));
    old_ = SelectObject(dc_, bitmap_);
    oldFont_ = SelectObject(dc_, GetStockObject(DEFAULT_GUI_FONT));
    SetBkColor(dc_, RGB(250, 240, 200));
    SetBkMode(dc_, TRANSPARENT);
    SetBkColor(dc_, RGB(250, 240, 200));
    SetTextColor(dc_, RGB(20, 30, 140));
  }
  ~Canvas() {
    SelectObject(dc_, oldFont_);
    SelectObject(dc_, old_);
    DeleteDC(dc_);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  HDC Dc() const { return dc_; }
  void Select(HFONT font) { SelectObject(dc_, font); }
  std::vector<uint32_t> Pixels() const {
    GdiFlush();
    const auto* first = static_cast<const uint32_t*>(bits_);
    return {first, first + static_cast<std::size_t>(width_) * height_};
  }
  void Clear() {
    GdiFlush();
    std::memset(bits_, 0, static_cast<std::size_t>(width_) * height_ * 4);
  }

 private:
  int width_, height_;
  HDC dc_ = nullptr;
  Bitmap bitmap_;
  void* bits_ = nullptr;
  HGDIOBJ old_ = nullptr, oldFont_ = nullptr;
};

TEST(FillTextLineTest, DrawsWhereDrawTextDrawsInEveryFontHeightAlignmentAndWidth) {
  Canvas canvas(120, 40);
  const Font bold = MakeFont("Tahoma", -13, true);
  const UINT formats[] = {DT_LEFT, DT_RIGHT, DT_LEFT | DT_END_ELLIPSIS};
  const char* texts[] = {"12.5", "12,345,678 K", "notepad.exe with a long name",
                         "caf\xe9 1\xa0"
                         "234",
                         ""};
  for (HFONT font : {static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)), bold.Get()}) {
    canvas.Select(font);
    for (int height = 13; height <= 22; ++height) {
      for (int width : {30, 70, 110}) {
        for (UINT format : formats) {
          for (const std::string text : texts) {
            const RECT area{2, 3, 2 + width + 8, 3 + height};
            const RECT textArea{area.left + 4, area.top, area.right - 4, area.bottom};
            canvas.Clear();
            FillTextLine(canvas.Dc(), area, textArea, text, format);
            const std::vector<uint32_t> drawn = canvas.Pixels();

            canvas.Clear();
            Brush background(CreateSolidBrush(GetBkColor(canvas.Dc())));
            FillRect(canvas.Dc(), &area, background);
            RECT r = textArea;
            DrawTextA(canvas.Dc(), text.c_str(), static_cast<int>(text.size()), &r,
                      format | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
            EXPECT_EQ(drawn, canvas.Pixels())
                << "\"" << text << "\" in " << width << "x" << height << ", format " << format;
          }
        }
      }
    }
  }
}

// Cells one under another, as a list's rows: every cell of the column drawn in one call leaves
// what FillTextLine leaves for each; where one cell cannot be, nothing is drawn.
TEST(FillTextColumnTest, DrawsWhatFillTextLineDrawsForEachCellOrNothing) {
  Canvas canvas(140, 260);
  const Font bold = MakeFont("Tahoma", -13, true);
  const Font italic(CreateFontA(-15, 0, 0, 0, FW_NORMAL, TRUE, FALSE, FALSE, DEFAULT_CHARSET,
                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                DEFAULT_PITCH | FF_SWISS, "Tahoma"));
  const std::vector<std::string> texts = {"12.5", "", "12,345,678 K", "0.0", "999 K", "fj|"};
  for (HFONT font :
       {static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)), bold.Get(), italic.Get()}) {
    canvas.Select(font);
    AsciiWidths widths;
    ASSERT_TRUE(widths.Fit(canvas.Dc()));
    for (int height = widths.Height(); height <= widths.Height() + 6; height += 3) {
      for (UINT format : {UINT(DT_LEFT), UINT(DT_RIGHT)}) {
        const auto cells = [&](const std::vector<std::string>& column, int width) {
          std::vector<TextCell> laid;
          for (std::size_t i = 0; i < column.size(); ++i) {
            const int top = 5 + static_cast<int>(i) * height;
            laid.push_back({{9, top, 9 + width, top + height}, column[i]});
          }
          return laid;
        };
        const auto strip = [](const std::vector<TextCell>& laid) {
          return RECT{laid.front().textArea.left - 6, laid.front().textArea.top,
                      laid.front().textArea.right + 6, laid.back().textArea.bottom};
        };
        const std::vector<TextCell> laid = cells(texts, 110);
        canvas.Clear();
        for (const TextCell& cell : laid) {
          const RECT area{cell.textArea.left - 6, cell.textArea.top, cell.textArea.right + 6,
                          cell.textArea.bottom};
          FillTextLine(canvas.Dc(), area, cell.textArea, cell.text, format);
        }
        const std::vector<uint32_t> lines = canvas.Pixels();
        canvas.Clear();
        EXPECT_TRUE(FillTextColumn(canvas.Dc(), strip(laid), laid, format, widths));
        EXPECT_EQ(lines, canvas.Pixels()) << "height " << height << ", format " << format;

        // A text too wide for its cell, one outside printable ASCII, a font taller than the
        // cells: FillTextLine's ellipsis and code page are wanted, and nothing is drawn.
        canvas.Clear();
        const std::vector<uint32_t> empty = canvas.Pixels();
        std::vector<TextCell> low = cells({"1", "2"}, 110);
        for (TextCell& cell : low) cell.textArea.bottom = cell.textArea.top + widths.Height() - 1;
        for (const std::vector<TextCell>& column :
             {cells({"12.5", "12,345,678 K"}, 40), cells({"12\xa0K", "5"}, 110), low}) {
          EXPECT_FALSE(FillTextColumn(canvas.Dc(), strip(column), column, format, widths));
          EXPECT_EQ(empty, canvas.Pixels());
        }
      }
    }
  }
}

}  // namespace
}  // namespace orvane::winui
