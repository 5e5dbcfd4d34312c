#include "winui/text_column.h"

#include <cstring>
#include <vector>

namespace orvane::winui {

namespace {

bool SameFont(const LOGFONTA& a, const LOGFONTA& b) {
  return std::memcmp(&a, &b, offsetof(LOGFONTA, lfFaceName)) == 0 &&
         std::strncmp(a.lfFaceName, b.lfFaceName, LF_FACESIZE) == 0;
}

}  // namespace

bool AsciiWidths::Fit(HDC dc) {
  LOGFONTA font{};
  if (!::GetObjectA(::GetCurrentObject(dc, OBJ_FONT), sizeof font, &font)) return known_ = false;
  if (known_ && SameFont(font, font_)) return true;
  TEXTMETRICA metrics{};
  INT widths[kLast - kFirst + 1];
  known_ = ::GetTextMetricsA(dc, &metrics) && ::GetCharWidth32A(dc, kFirst, kLast, widths);
  if (!known_) return false;
  font_ = font;
  height_ = metrics.tmHeight;
  std::memcpy(widths_.data(), widths, sizeof widths);
  return true;
}

int AsciiWidths::Width(std::string_view text) const {
  int width = 0;
  for (char c : text) {
    const auto code = static_cast<unsigned char>(c);
    if (code < kFirst || code > kLast) return -1;
    width += Advance(c);
  }
  return width;
}

bool FillTextColumn(HDC dc, const RECT& strip, std::span<const TextCell> cells, UINT format,
                    const AsciiWidths& widths) {
  if (!widths.Known()) return false;
  // ETO_PDY: each glyph's step to the next one, across and up (as the font's own axis), so
  // that the step after a cell's last glyph lands on the next cell's first.
  std::wstring glyphs;
  std::vector<INT> steps;
  POINT origin{}, last{};
  for (const TextCell& cell : cells) {
    const RECT& area = cell.textArea;
    const int width = widths.Width(cell.text);
    if (width < 0 || width > area.right - area.left || widths.Height() > area.bottom - area.top)
      return false;
    if (cell.text.empty()) continue;
    const POINT at{(format & DT_RIGHT) ? area.right - width : area.left,
                   area.top + (area.bottom - area.top) / 2 - widths.Height() / 2};
    if (glyphs.empty()) {
      origin = at;
    } else {
      steps[steps.size() - 2] = at.x - last.x;
      steps[steps.size() - 1] = last.y - at.y;
    }
    for (char c : cell.text) {
      glyphs.push_back(static_cast<wchar_t>(c));
      steps.push_back(widths.Advance(c));
      steps.push_back(0);
    }
    last = {at.x + width - widths.Advance(cell.text.back()), at.y};
  }
  return ::ExtTextOutW(dc, origin.x, origin.y, ETO_OPAQUE | ETO_CLIPPED | ETO_PDY, &strip,
                       glyphs.c_str(), static_cast<UINT>(glyphs.size()),
                       steps.empty() ? nullptr : steps.data()) != FALSE;
}

}  // namespace orvane::winui
