// The notification text buffers, filled and read in both character forms.
#include "winui/text_buffer.h"

#include <gtest/gtest.h>

#include <string>

namespace orvane::winui {
namespace {

TEST(TextBuffer, FillsWhatFitsAndAlwaysEndsTheText) {
  char narrow[6];
  FillTextBuffer("Notepad.exe", narrow, sizeof narrow);
  EXPECT_EQ(std::string(narrow), "Notep");
  FillTextBuffer("", narrow, sizeof narrow);
  EXPECT_EQ(std::string(narrow), "");
  narrow[0] = 'z';
  FillTextBuffer("abc", narrow, 0);
  EXPECT_EQ(narrow[0], 'z');
  FillTextBuffer("abc", static_cast<char*>(nullptr), 4);

  wchar_t wide[6];
  FillTextBuffer("Notepad.exe", wide, 6);
  EXPECT_EQ(std::wstring(wide), L"Notep");
  FillTextBuffer("calc", wide, 6);
  EXPECT_EQ(std::wstring(wide), L"calc");
  FillTextBuffer("calc", wide, 1);
  EXPECT_EQ(std::wstring(wide), L"");
}

TEST(TextBuffer, ReadsAWideTextNarrow) {
  EXPECT_EQ(NarrowText(L"svchost.exe"), "svchost.exe");
  EXPECT_EQ(NarrowText(L""), "");
  EXPECT_EQ(NarrowText(nullptr), "");
}

}  // namespace
}  // namespace orvane::winui
