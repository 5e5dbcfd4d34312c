// The rich-text box as the log and the report use it: text appended at the end, long texts,
// tabs, fonts and sizes, and printing that fails without touching the text.
#include <richedit.h>

#include <string>
#include <vector>

#include "gui_fixture.h"
#include "winui/dialog_base.h"
#include "winui/printing.h"

namespace orvane::winui::testing {
namespace {

class TextDialog : public DialogBase {
 public:
  RichEdit text;
  RichEditStyle style;
  Font font = MakeFixedFont("Courier", -8);

 protected:
  void OnCreate() override {
    text.Create({.parent = *this, .id = 100, .width = 300, .height = 200, .font = font}, style);
  }
};

class RichTextTest : public ::testing::Test {
 protected:
  void SetUp() override { InitCommonControls(); }

  void Open(const RichEditStyle& style) {
    dialog.style = style;
    dialog.Create({.caption = "Log events", .width = 320, .height = 220});
  }

  TextDialog dialog;
};

std::string Numbered(int from, int to) {
  std::string text;
  for (int i = from; i <= to; ++i) text += "\r\nline " + std::to_string(i);
  return text;
}

TEST_F(RichTextTest, AppendingAddsAtTheEndAndKeepsTextAndSelection) {
  Open({.wrap = false, .acceptsTabs = true});
  RichEdit& log = dialog.text;
  log.SetLines({"Log started at HOST\t12.05.2024 10:00:00"});
  log.AppendText("\r\nProcess created notepad.exe\t12.05.2024 10:00:01");
  log.AppendText("");
  // The user selected part of the first line: the selection stays where it was.
  CHARRANGE selected{4, 11};
  log.SendMessage(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&selected));
  log.AppendText("\r\n\r\nThread removed 100\t12.05.2024 10:00:02");
  EXPECT_EQ(log.GetLines(),
            (std::vector<std::string>{"Log started at HOST\t12.05.2024 10:00:00",
                                      "Process created notepad.exe\t12.05.2024 "
                                      "10:00:01",
                                      "", "Thread removed 100\t12.05.2024 10:00:02"}));
  CHARRANGE now{};
  log.SendMessage(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&now));
  EXPECT_EQ(now.cpMin, 4);
  EXPECT_EQ(now.cpMax, 11);
  // Appending cannot be undone: the log is not the user's edit.
  EXPECT_EQ(log.SendMessage(EM_CANUNDO), 0);
  // A caret at the end stays at the end.
  const int end = log.TextLength();
  CHARRANGE atEnd{end, end};
  log.SendMessage(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&atEnd));
  log.AppendText("\r\nWindow created Notepad");
  log.SendMessage(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&now));
  EXPECT_EQ(now.cpMin, log.TextLength());
  EXPECT_EQ(now.cpMax, log.TextLength());
}

TEST_F(RichTextTest, ALongLogIsNeverCut) {
  Open({.wrap = false});
  RichEdit& log = dialog.text;
  log.SetLines({"Log started"});
  log.AppendText(Numbered(1, 100000));
  log.AppendText(Numbered(100001, 100500));
  const std::vector<std::string> lines = log.GetLines();
  ASSERT_EQ(lines.size(), 100501u);
  EXPECT_EQ(lines[0], "Log started");
  EXPECT_EQ(lines[50000], "line 50000");
  EXPECT_EQ(lines[100500], "line 100500");
  EXPECT_EQ(log.LineCount(), 100501);
}

TEST_F(RichTextTest, TabAndEnterTypedInADialogGoIntoTheText) {
  Open({.readOnly = false, .wrap = false, .acceptsTabs = true});
  dialog.Show();
  dialog.text.Focus();
  // The keys go through the loop's dialog handling as real key presses would.
  for (WPARAM vk : {WPARAM(VK_TAB), WPARAM(VK_RETURN), WPARAM('A')}) {
    const LPARAM scan = LPARAM(::MapVirtualKeyA(UINT(vk), MAPVK_VK_TO_VSC)) << 16;
    for (UINT msg : {WM_KEYDOWN, WM_KEYUP}) {
      MSG key{dialog.text, msg, vk, scan | LPARAM(msg == WM_KEYUP ? 0xC0000001u : 1u), 0, {}};
      if (!DialogBase::PreTranslate(key)) {
        ::TranslateMessage(&key);
        ::DispatchMessageA(&key);
      }
    }
    Pump();
  }
  EXPECT_EQ(dialog.text.GetLines(), (std::vector<std::string>{"\t", "a"}));
  EXPECT_TRUE(dialog.IsVisible()) << "Enter did not press the dialog's default button";
  EXPECT_EQ(::GetFocus(), dialog.text.Handle());
}

TEST_F(RichTextTest, LinesDoNotWrapAndTheSizeIsSetInPoints) {
  Open({.wrap = false, .acceptsTabs = true});
  RichEdit& report = dialog.text;
  const std::string wide(400, 'x');
  report.SetLines({wide, "short"});
  EXPECT_EQ(report.LineCount(), 2) << "a line wider than the box stays one line";
  report.SetPointSize(12);
  CHARFORMAT2A format{};
  format.cbSize = sizeof format;
  report.SendMessage(EM_GETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
  EXPECT_TRUE(format.dwMask & CFM_SIZE) << "one size for the whole text";
  EXPECT_EQ(format.yHeight, 240);
  EXPECT_TRUE((format.bPitchAndFamily & 0x3) == FIXED_PITCH ||
              (format.bPitchAndFamily & 0xF0) == FF_MODERN)
      << "the fixed-pitch font stays";

  RichEditStyle wrapping{.wrap = true};
  TextDialog other;
  other.style = wrapping;
  other.Create({.caption = "Wrapped", .width = 320, .height = 220});
  other.text.SetLines({wide, "short"});
  EXPECT_GT(other.text.LineCount(), 2) << "the default box wraps";
}

TEST_F(RichTextTest, AFailingPrinterIsReportedAndTheTextStays) {
  Open({.readOnly = false, .wrap = false});
  dialog.text.SetLines({"(s)System", "Process Name\tPriority"});
  const std::string before = dialog.text.GetText();
  try {
    PrintRichText(dialog.text, nullptr, "Printed by Orvane 2000");
    ADD_FAILURE() << "a missing printer is reported";
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), "Cannot print \"Printed by Orvane 2000\": no printer was given.");
  }
  // A device that is no printer refuses the job.
  HDC screen = ::CreateCompatibleDC(nullptr);
  EXPECT_THROW(PrintRichText(dialog.text, screen, "Printed by Orvane 2000"), Error);
  ::DeleteDC(screen);
  EXPECT_FALSE(PrinterDcByName("No Such Printer 2000"));
  EXPECT_EQ(dialog.text.GetText(), before);
}

}  // namespace
}  // namespace orvane::winui::testing
