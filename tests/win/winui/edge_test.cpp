// The edge of every window procedure: an exception from a handler is shown in the standard
// error box, captioned with the application title, and goes no further; and dialogs built
// from in-memory templates behave like dialogs.
#include <stdexcept>

#include "gui_fixture.h"
#include "winui/button.h"
#include "winui/combo_box.h"
#include "winui/dialog_base.h"

namespace orvane::winui::testing {
namespace {

class ThrowingWindow : public WindowBase {
 public:
  bool throwOnCreate = false;
  int commandsSeen = 0;

 protected:
  void OnCreate() override {
    if (throwOnCreate) throw Error("Cannot create file workspace.dat");
  }
  bool OnCommand(int id, int, HWND) override {
    ++commandsSeen;
    if (id == 1) throw Error("TreeNode mod not found");
    if (id == 2) throw 42;
    return true;
  }
};

class EdgeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitCommonControls();
    SetApplicationTitle("Orvane edge test");
  }
  void TearDown() override { SetApplicationTitle("Orvane 2000"); }

  ErrorBoxWatcher watcher;
};

TEST_F(EdgeTest, AnExceptionInAHandlerIsShownAndTheWindowGoesOn) {
  ThrowingWindow window;
  window.Create({.text = "thrower", .style = WS_OVERLAPPEDWINDOW});
  EXPECT_EQ(window.SendMessage(WM_COMMAND, 1), 0);
  EXPECT_EQ(ErrorBoxWatcher::Texts(), std::vector<std::string>{"TreeNode mod not found"});
  // The window still answers its next message.
  window.SendMessage(WM_COMMAND, 3);
  EXPECT_EQ(window.commandsSeen, 2);
  EXPECT_TRUE(window.IsValid());
}

TEST_F(EdgeTest, AnExceptionOfAnyTypeIsCaught) {
  ThrowingWindow window;
  window.Create({.text = "thrower"});
  window.SendMessage(WM_COMMAND, 2);
  EXPECT_EQ(ErrorBoxWatcher::Texts(), std::vector<std::string>{"Unknown error"});
}

TEST_F(EdgeTest, AWindowWhoseCreationThrowsIsNotCreated) {
  ThrowingWindow window;
  window.throwOnCreate = true;
  try {
    window.Create({.text = "thrower"});
    ADD_FAILURE() << "Create returned";
  } catch (const Error& e) {
    // The creator hears why, and shows it at its own edge; no box appears twice.
    EXPECT_STREQ(e.what(), "Cannot create file workspace.dat");
  }
  EXPECT_FALSE(window.IsValid());
  EXPECT_TRUE(ErrorBoxWatcher::Texts().empty());
}

TEST_F(EdgeTest, DestroyingTheWrapperDestroysItsWindow) {
  HWND hwnd = nullptr;
  {
    ThrowingWindow window;
    window.Create({.text = "short-lived"});
    hwnd = window;
    ASSERT_TRUE(::IsWindow(hwnd));
  }
  EXPECT_FALSE(::IsWindow(hwnd));
  EXPECT_EQ(WindowBase::FromHandle(hwnd), nullptr);
}

// A dialog that checks itself once it runs, then presses its own OK button.
class SettingsDialog : public DialogBase {
 public:
  Button ok;
  Button cancel;
  CheckBox ask;
  ComboBox history;
  int clicks = 0;
  RECT client{};
  std::vector<std::string> items;
  bool checkedAfterClick = false;
  bool throwFirst = false;

 protected:
  void OnCreate() override {
    ok.Create(
        {.parent = *this, .id = IDOK, .x = 150, .y = 90, .width = 75, .height = 23, .text = "OK"},
        true);
    cancel.Create({.parent = *this,
                   .id = IDCANCEL,
                   .x = 230,
                   .y = 90,
                   .width = 75,
                   .height = 23,
                   .text = "Cancel"});
    ask.Create({.parent = *this,
                .id = 3,
                .x = 10,
                .y = 10,
                .width = 200,
                .height = 20,
                .text = "Ask before terminate"});
    history.Create({.parent = *this, .id = 4, .x = 10, .y = 40, .width = 200, .height = 120});
    history.Add("notepad.exe");
    history.Add("calc.exe");
    ask.onClick = [this] { ++clicks; };
    PostMessage(WM_APP);
  }
  bool OnMessage(UINT msg, WPARAM, LPARAM, LRESULT&) override {
    if (msg != WM_APP) return false;
    if (throwFirst) {
      throwFirst = false;
      PostMessage(WM_APP);
      throw std::runtime_error("Cannot open start.dat");
    }
    client = ClientRect();
    for (int i = 0; i < history.Count(); ++i) items.push_back(history.GetItem(i));
    ask.Click();
    checkedAfterClick = ask.IsChecked();
    ok.Click();
    return true;
  }
};

TEST_F(EdgeTest, AModalDialogFromAnInMemoryTemplateRunsAndEnds) {
  SettingsDialog dialog;
  const INT_PTR result = dialog.RunModal({.caption = "Settings", .width = 320, .height = 124});
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(dialog.client.right, 320);
  EXPECT_EQ(dialog.client.bottom, 124);
  // The history keeps the order it was given in.
  EXPECT_EQ(dialog.items, (std::vector<std::string>{"notepad.exe", "calc.exe"}));
  EXPECT_EQ(dialog.clicks, 1);
  EXPECT_TRUE(dialog.checkedAfterClick);
  EXPECT_FALSE(dialog.IsValid());
  EXPECT_TRUE(ErrorBoxWatcher::Texts().empty());
}

TEST_F(EdgeTest, AnExceptionInADialogIsShownAndTheDialogGoesOn) {
  SettingsDialog dialog;
  dialog.throwFirst = true;
  EXPECT_EQ(dialog.RunModal({.caption = "Settings"}), IDOK);
  EXPECT_EQ(ErrorBoxWatcher::Texts(), std::vector<std::string>{"Cannot open start.dat"});
  EXPECT_EQ(dialog.clicks, 1);
}

class PlainDialog : public DialogBase {
 public:
  Button ok;

 protected:
  void OnCreate() override {
    ok.Create(
        {.parent = *this, .id = IDOK, .x = 10, .y = 10, .width = 75, .height = 23, .text = "OK"});
  }
};

TEST_F(EdgeTest, AModelessDialogIsHiddenNotDestroyedByOk) {
  PlainDialog dialog;
  dialog.Create({.caption = "Log"});
  ASSERT_TRUE(dialog.IsValid());
  EXPECT_FALSE(dialog.IsVisible());
  dialog.Show();
  EXPECT_TRUE(dialog.IsVisible());
  dialog.ok.Click();
  EXPECT_FALSE(dialog.IsVisible());
  EXPECT_TRUE(dialog.IsValid());
  // Escape reaches the dialog through the loop's dialog handling and hides it again.
  dialog.Show();
  dialog.ok.Focus();
  MSG key{dialog.ok, WM_KEYDOWN, VK_ESCAPE, 0x00010001, 0, {}};
  EXPECT_TRUE(DialogBase::PreTranslate(key));
  EXPECT_FALSE(dialog.IsVisible());
}

}  // namespace
}  // namespace orvane::winui::testing
