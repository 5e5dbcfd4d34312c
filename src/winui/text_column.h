#pragma once
// A column of one-line text cells drawn in one call, as FillTextLine draws each of them: under
// Wine each text drawing call costs about as much as its glyphs, and a list's figures change
// in every row each cycle.

#include <windows.h>

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace orvane::winui {

// The advance widths of the printable ASCII characters in a font, and its height: what
// GetTextExtentPoint32 sums and gives for such a text, asked of the font once.
class AsciiWidths {
 public:
  // Takes the dc's font; asks its widths only when it is not the font of the last call. False
  // when they cannot be had.
  bool Fit(HDC dc);
  // The text's width, or -1 when it holds a character outside printable ASCII.
  int Width(std::string_view text) const;
  int Height() const { return height_; }
  bool Known() const { return known_; }
  // One printable ASCII character's.
  int Advance(char c) const { return widths_[static_cast<unsigned char>(c) - kFirst]; }

 private:
  static constexpr unsigned char kFirst = 0x20, kLast = 0x7e;

  bool known_ = false;
  LOGFONTA font_{};
  int height_ = 0;
  std::array<int, kLast - kFirst + 1> widths_{};
};

struct TextCell {
  RECT textArea;
  std::string text;
};

// Fills strip with the dc's background colour and draws each cell's text in its textArea, as
// FillTextLine(dc, area, textArea, text, format) draws it for cells whose areas tile strip
// (format: DT_LEFT or DT_RIGHT), in the dc's font, which widths has been fitted to. False, with
// nothing drawn, when a text does not fit its area or is not printable ASCII, or the font is
// taller than an area: such cells take FillTextLine, which shortens a text with an ellipsis.
bool FillTextColumn(HDC dc, const RECT& strip, std::span<const TextCell> cells, UINT format,
                    const AsciiWidths& widths);

}  // namespace orvane::winui
