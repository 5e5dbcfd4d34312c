// The keyboard in the dialogs and the main window: Tab and Shift+Tab visit every control in
// reading order, Enter presses the main button (none where it belongs to the text), Escape
// cancels, no two controls of a dialog share an access letter.
#include <gtest/gtest.h>
#include <windows.h>

#include <cctype>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "dialogs/about/about.h"
#include "win/support/main_form_fixture.h"
#include "winui/message_loop.h"

namespace orvane {
namespace {

using testing::PumpUntil;

// A control as a person names it: a button or label by the text it shows, a field by its kind.
std::string Name(HWND control) {
  char cls[64] = {};
  GetClassNameA(control, cls, sizeof cls);
  const std::string kind(cls);
  if (kind != "Button" && kind != "Static" && kind != "OrvaneColourLabel") return "<" + kind + ">";
  char text[256] = {};
  GetWindowTextA(control, text, sizeof text);
  std::string shown(text);
  std::erase(shown, '&');
  return shown;
}

// The control that has the focus: a combo box's edit field counts as the combo box.
std::string Focused() {
  HWND f = GetFocus();
  while (f && !(GetWindowLongPtrA(f, GWL_STYLE) & WS_TABSTOP)) f = GetParent(f);
  return f ? Name(f) : "<none>";
}

class DialogKeys : public testing::MainFormFixture {
 protected:
  void Press(WORD key, bool shift = false) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(keys);
    MSG down{GetFocus(), WM_KEYDOWN, key, 1, 0, {}};
    winui::DeliverMessage(down, *form, form->Accelerators());
    MSG up{GetFocus(), WM_KEYUP, key, static_cast<LPARAM>(0xC0000001), 0, {}};
    winui::DeliverMessage(up, *form, form->Accelerators());
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
    winui::PumpMessages();
  }
  // Tab from the first control through all of them and round; then Shift+Tab back.
  void ExpectTabOrder(HWND first, const std::vector<std::string>& order) {
    SetFocus(first);
    ASSERT_EQ(Focused(), order.front());
    std::vector<std::string> forward{Focused()}, backward{Focused()};
    for (std::size_t i = 0; i < order.size(); ++i) {
      Press(VK_TAB);
      forward.push_back(Focused());
    }
    for (std::size_t i = 0; i < order.size(); ++i) {
      Press(VK_TAB, true);
      backward.push_back(Focused());
    }
    std::vector<std::string> round = order, back{order.front()};
    round.push_back(order.front());
    back.insert(back.end(), order.rbegin(), order.rend());
    EXPECT_EQ(forward, round);
    EXPECT_EQ(backward, back);
  }
};

BOOL CALLBACK CollectLetter(HWND control, LPARAM lp) {
  auto& letters = *reinterpret_cast<std::vector<std::pair<char, std::string>>*>(lp);
  char cls[64] = {}, text[256] = {};
  GetClassNameA(control, cls, sizeof cls);
  GetWindowTextA(control, text, sizeof text);
  const LONG_PTR style = GetWindowLongPtrA(control, GWL_STYLE);
  const bool prefixed =
      std::string(cls) == "Button" || (std::string(cls) == "Static" && (style & SS_NOPREFIX) == 0);
  const std::string t(text);
  const auto at = t.find('&');
  if (prefixed && at != std::string::npos && at + 1 < t.size())
    letters.emplace_back(static_cast<char>(std::tolower(static_cast<unsigned char>(t[at + 1]))), t);
  return TRUE;
}

TEST_F(DialogKeys, EachDialogTabsInReadingOrderWithItsOwnAccessLetters) {
  program->Open();
  auto& autorun = program->AutorunDialog();
  struct Dialog {
    winui::DialogBase* dialog;
    std::function<void()> show;
    std::vector<std::string> order;  // a group is read as one block, its rows left to right
  };
  const Dialog dialogs[] = {
      {&program->SearchDialog(),
       [&] { program->SearchDialog().FormShow(); },
       {"<Edit>", "Processes", "Case sensitive", "Exact match", "Search", "Cancel"}},
      {&program->StartDialog(),
       [&] { program->StartDialog().FormShow(); },
       {"<ComboBox>", "Run", "Browse", "Clear List", "Cancel"}},
      {&autorun,
       [&] {
         autorun.FormShow();
         autorun.ShowCommandPanel("C:\\probe.exe");
       },
       {"<SysListView32>", "Run", "Add Program", "Remove Program", "<Edit>", "OK", "Cancel"}},
      {&program->LogDialog(),
       [&] { program->LogDialog().FormShow(); },
       {"<OrvaneLineView>", "Process Add/Remove", "Process Change", "Thread Add/Remove",
        "Thread Change", "Window Add/Remove", "Window Change", "Clear Log", "Print", "Save To File",
        "Cancel"}},
      {&program->PrintReportDialog(),
       [&] { program->PrintReportDialog().FormShow(); },
       {"<RichEdit50W>", "Print", "Save To File", "Cancel"}},
      // The two links to the home page.
      {&program->AboutDialog(),
       [&] { program->AboutDialog().FormShow(); },
       {"http://www.orvane.example/", HomePageStripText()}},
  };
  for (const Dialog& d : dialogs) {
    SCOPED_TRACE(d.dialog->GetText());
    d.show();
    ASSERT_TRUE(d.dialog->IsVisible());
    HWND first = GetNextDlgTabItem(*d.dialog, nullptr, FALSE);
    ExpectTabOrder(first, d.order);

    std::vector<std::pair<char, std::string>> letters;
    EnumChildWindows(*d.dialog, CollectLetter, reinterpret_cast<LPARAM>(&letters));
    std::set<char> seen;
    for (const auto& [letter, text] : letters)
      EXPECT_TRUE(seen.insert(letter).second) << text << " repeats its access letter";
    // The about box has links only, reached by Tab.
    if (d.dialog != &program->AboutDialog()) {
      EXPECT_GE(letters.size(), 2u);
    }

    // Escape cancels: the command panel first, then the dialog.
    if (d.dialog == &autorun) {
      Press(VK_ESCAPE);
      EXPECT_FALSE(autorun.CommandPanelShown());
    }
    Press(VK_ESCAPE);
    EXPECT_FALSE(d.dialog->IsVisible());
  }
}

TEST_F(DialogKeys, EnterPressesTheMainButtonExceptWhereItBelongsToTheText) {
  program->Open();
  // Search: Enter in the field searches, which hides the dialog.
  auto& search = program->SearchDialog();
  search.FormShow();
  Press(VK_RETURN);
  EXPECT_FALSE(search.IsVisible());

  // Run: the default button, from the field as from anywhere in the dialog.
  auto& start = program->StartDialog();
  start.FormShow();
  const LRESULT def = SendMessageA(start, DM_GETDEFID, 0, 0);
  ASSERT_EQ(HIWORD(def), DC_HASDEFID);
  EXPECT_EQ(Name(GetDlgItem(start, LOWORD(def))), "Run");
  start.ExePath().Focus();
  Press(VK_RETURN);
  EXPECT_TRUE(start.IsVisible()) << "Run, with nothing chosen, starts nothing and stays";
  start.Hide();

  // The command panel's OK takes the command.
  auto& autorun = program->AutorunDialog();
  autorun.FormShow();
  const int rows = autorun.List().Count();
  const std::string command = "C:\\Orvane Probe\\enter probe.exe";
  autorun.ShowCommandPanel(command);
  ASSERT_EQ(GetFocus(), autorun.CommandEdit().Handle());
  Press(VK_RETURN);
  EXPECT_FALSE(autorun.CommandPanelShown());
  EXPECT_EQ(autorun.List().Count(), rows + 1);
  HKEY run = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\Run", 0,
                    KEY_SET_VALUE, &run) == ERROR_SUCCESS) {
    RegDeleteValueA(run, command.c_str());
    RegCloseKey(run);
  }
  EXPECT_TRUE(autorun.IsVisible());
  autorun.Hide();

  // The log and the report keep Enter for their text and stay open.
  auto& log = program->LogDialog();
  log.FormShow();
  log.Disp().Focus();
  Press(VK_RETURN);
  EXPECT_TRUE(log.IsVisible());
  log.EventBox(0).Focus();
  Press(VK_RETURN);
  EXPECT_TRUE(log.IsVisible());
  auto& report = program->PrintReportDialog();
  report.FormShow();
  report.Report().SetLines({"one"});
  report.Report().Focus();
  Press(VK_RETURN);
  EXPECT_TRUE(report.IsVisible());
  EXPECT_EQ(report.Report().GetLines().size(), 2u) << "Enter broke the line";
}

TEST_F(DialogKeys, TabInTheMainWindowGoesRoundTheTreeTheListAndTheInformationBox) {
  OpenAtProcesses();
  form->Tree().Focus();
  const HWND panes[] = {form->Tree(), form->List(), form->Info(), form->Tree()};
  for (int i = 1; i < 4; ++i) {
    Press(VK_TAB);
    EXPECT_EQ(GetFocus(), panes[i])
        << i << " tree shown " << IsWindowVisible(panes[0]) << " list " << form->List().Handle()
        << " info " << form->Info().Handle() << " active " << GetActiveWindow() << " form "
        << form->Handle();
  }
  Press(VK_TAB, true);
  EXPECT_EQ(GetFocus(), form->Info().Handle());
  form->ShowObjectInfo1Click();  // hidden, the box is left out
  form->List().Focus();
  Press(VK_TAB);
  EXPECT_EQ(GetFocus(), form->Tree().Handle());
  form->ShowObjectInfo1Click();
}

}  // namespace
}  // namespace orvane
