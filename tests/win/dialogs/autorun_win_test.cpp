// The startup entries against the real registry and file system: the list, adding and
// removing through the logic and through the dialog, the 32-bit view of the per-machine Run
// key, values of every type, and the main window's "Autostart Program" button.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "dialogs/autorun/win32/autorun_dlg.h"
#include "doubles/fake_message_boxes.h"
#include "doubles/fake_program_starter.h"
#include "platform/error.h"
#include "platform/win32/files.h"
#include "platform/win32/system_services.h"
#include "win/support/main_form_fixture.h"

namespace orvane {
namespace {

using testing::PumpUntil;

// A raw handle to a Run key, in the native or the 32-bit view, for setting up and checking
// what the program should find; the values it set are deleted when it goes.
class RawKey {
 public:
  RawKey(HKEY root, const char* path, REGSAM view = 0) {
    RegCreateKeyExA(root, path, 0, nullptr, 0, KEY_ALL_ACCESS | view, nullptr, &key_, nullptr);
  }
  ~RawKey() {
    for (const std::string& name : set_) RegDeleteValueA(key_, name.c_str());
    RegCloseKey(key_);
  }
  RawKey(const RawKey&) = delete;
  RawKey& operator=(const RawKey&) = delete;

  void Set(const std::string& name, DWORD type, const void* data, DWORD size) {
    set_.push_back(name);
    ASSERT_EQ(RegSetValueExA(key_, name.c_str(), 0, type, static_cast<const BYTE*>(data), size),
              ERROR_SUCCESS);
  }
  void SetText(const std::string& name, const std::string& text) {
    Set(name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
  }
  // Also deleted at the end, when the program wrote it.
  void Forget(const std::string& name) { set_.push_back(name); }
  std::optional<std::string> Text(const std::string& name) const {
    char data[512] = {};
    DWORD size = sizeof data - 1;
    DWORD type = 0;
    if (RegQueryValueExA(key_, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data),
                         &size) != ERROR_SUCCESS) {
      return std::nullopt;
    }
    return std::string(data);
  }

 private:
  HKEY key_ = nullptr;  // owned
  std::vector<std::string> set_;
};

// A fresh directory made current for the test, where "removed.dat" goes.
class ScratchDirectory {
 public:
  ScratchDirectory() {
    char old[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, old);
    old_ = old;
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    path_ = std::string(temp) + "orvane autorun " + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(path_.c_str(), nullptr);
    SetCurrentDirectoryA(path_.c_str());
  }
  ~ScratchDirectory() {
    DeleteFileA("removed.dat");
    RemoveDirectoryA("removed.dat");
    SetCurrentDirectoryA(old_.c_str());
    RemoveDirectoryA(path_.c_str());
  }
  ScratchDirectory(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(const ScratchDirectory&) = delete;

 private:
  std::string old_;
  std::string path_;
};

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

const StartupEntry* Find(const StartupEntries& entries, const std::string& valueName) {
  for (const StartupEntry& e : entries.Rows())
    if (e.valueName == valueName) return &e;
  return nullptr;
}

int IndexOf(const StartupEntries& entries, const std::string& valueName) {
  const StartupEntry* e = Find(entries, valueName);
  return e ? static_cast<int>(e - entries.Rows().data()) : -1;
}

class AutorunWin : public ::testing::Test {
 protected:
  StartupEntries Make() { return {registry, files, boxes, starter, locale, programs}; }

  ScratchDirectory scratch;
  win32::Win32Registry registry;
  win32::Win32Files files;
  testing::FakeMessageBoxes boxes;
  testing::FakeProgramStarter starter;
  win32::Win32Locale locale;
  KnownPrograms programs{locale};
  RawKey userRun{HKEY_CURRENT_USER, kRunKey};
  RawKey machineRun{HKEY_LOCAL_MACHINE, kRunKey};
  RawKey machineRun32{HKEY_LOCAL_MACHINE, kRunKey, KEY_WOW64_32KEY};
};

TEST_F(AutorunWin, ListsTextValuesOfEveryTypeAndSkipsTheOthers) {
  const char multi[] = "a.exe\0b.exe\0";
  const DWORD number = 7;
  const char unterminated[] = {'u', 'n', 't', '.', 'e', 'x', 'e'};
  const std::string longName(16383, 'N');
  userRun.Set("Orvane binary", REG_BINARY, "\x01\x02", 2);
  userRun.Set("Orvane dword", REG_DWORD, &number, sizeof number);
  userRun.Set("Orvane multi", REG_MULTI_SZ, multi, sizeof multi);
  userRun.Set("Orvane empty", REG_SZ, "", 0);
  userRun.Set("Orvane unterminated", REG_SZ, unterminated, sizeof unterminated);
  userRun.Set("Orvane expand", REG_EXPAND_SZ, "%SystemRoot%\\x.exe", 19);
  userRun.SetText(longName, "C:\\Orvane\\long name.exe");
  machineRun.SetText("Orvane shell", "TaskMon.exe");

  const StartupEntries entries = Make();
  for (const char* skipped : {"Orvane binary", "Orvane dword", "Orvane multi"})
    EXPECT_EQ(Find(entries, skipped), nullptr) << skipped;
  ASSERT_NE(Find(entries, "Orvane empty"), nullptr);
  EXPECT_EQ(Find(entries, "Orvane empty")->command, "");
  ASSERT_NE(Find(entries, "Orvane unterminated"), nullptr);
  EXPECT_EQ(Find(entries, "Orvane unterminated")->command, "unt.exe");
  ASSERT_NE(Find(entries, "Orvane expand"), nullptr);
  EXPECT_EQ(Find(entries, "Orvane expand")->command, "%SystemRoot%\\x.exe") << "as Windows runs it";
  ASSERT_NE(Find(entries, longName), nullptr);
  EXPECT_EQ(Find(entries, longName)->rootKey, RegistryRoot::kCurrentUser);
  ASSERT_NE(Find(entries, "Orvane shell"), nullptr);
  EXPECT_EQ(Find(entries, "Orvane shell")->systemMark, 1);
  EXPECT_LT(IndexOf(entries, longName), IndexOf(entries, "Orvane shell")) << "the user's key first";
}

TEST_F(AutorunWin, AddsAndRemovesARunValueAndRecordsTheRemoval) {
  const std::string command = "C:\\Orvane Probe\\probe.exe";
  machineRun.Forget(command);
  StartupEntries entries = Make();
  ASSERT_EQ(Find(entries, command), nullptr);

  ASSERT_TRUE(entries.Add(command));
  EXPECT_EQ(machineRun.Text(command), command);
  EXPECT_FALSE(entries.Add(command));
  EXPECT_EQ(boxes.messages, std::vector<std::string>{kIdenticalKeyText});

  const int index = static_cast<int>(entries.Rows().size()) - 1;
  ASSERT_TRUE(entries.Remove(index));
  EXPECT_EQ(machineRun.Text(command), std::nullopt);
  EXPECT_EQ(Find(entries, command), nullptr);
  EXPECT_EQ(Slurp("removed.dat"),
            "HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\\" + command +
                " = " + command + "\r\n");
}

TEST_F(AutorunWin, AValueOfThe32BitViewIsListedAndRemovedFromThatView) {
  machineRun32.SetText("Orvane wow probe", "C:\\Orvane\\wow probe.exe");
  ASSERT_EQ(machineRun.Text("Orvane wow probe"), std::nullopt) << "the views are apart";

  StartupEntries entries = Make();
  const StartupEntry* row = Find(entries, "Orvane wow probe");
  ASSERT_NE(row, nullptr);
  EXPECT_EQ(row->rootKey, RegistryRoot::kLocalMachine32);
  for (auto r = entries.Rows().begin() + IndexOf(entries, "Orvane wow probe");
       r != entries.Rows().end(); ++r) {
    EXPECT_EQ(r->rootKey, RegistryRoot::kLocalMachine32) << "the fourth location comes last";
  }

  ASSERT_TRUE(entries.Remove(IndexOf(entries, "Orvane wow probe")));
  EXPECT_EQ(machineRun32.Text("Orvane wow probe"), std::nullopt);
  EXPECT_EQ(Slurp("removed.dat"),
            "HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\Microsoft\\Windows\\CurrentVersion\\Run\\"
            "Orvane wow probe = C:\\Orvane\\wow probe.exe\r\n");
}

TEST_F(AutorunWin, AFolderNamedLikeTheFileKeepsTheValue) {
  userRun.SetText("Orvane kept", "kept.exe");
  ASSERT_TRUE(CreateDirectoryA("removed.dat", nullptr));
  StartupEntries entries = Make();
  try {
    entries.Remove(IndexOf(entries, "Orvane kept"));
    ADD_FAILURE() << "the failed write is reported";
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), "Cannot create file removed.dat");
  }
  EXPECT_EQ(userRun.Text("Orvane kept"), "kept.exe");
  EXPECT_NE(Find(entries, "Orvane kept"), nullptr);
}

// Answers the OK/Cancel warning with OK, keeping its text.
class WarningAnswer {
 public:
  WarningAnswer() { timer_ = SetTimer(nullptr, 0, 30, &WarningAnswer::Tick); }
  ~WarningAnswer() { KillTimer(nullptr, timer_); }
  WarningAnswer(const WarningAnswer&) = delete;
  WarningAnswer& operator=(const WarningAnswer&) = delete;
  static std::string& Text() {
    static std::string text;
    return text;
  }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    HWND box = FindWindowA("#32770", "Warning");
    if (!box) return;
    char text[512] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    Text() = text;
    SendMessageA(box, WM_COMMAND, IDOK, 0);
  }
  UINT_PTR timer_ = 0;
};

TEST_F(AutorunWin, TheDialogAddsThroughItsPanelAndRemovesTheSelectedRow) {
  userRun.SetText("Orvane shell", "mdm.exe");
  const std::string command = "C:\\Orvane Probe\\dialog probe.exe /min";
  machineRun.Forget(command);
  win32::AutorunDlg dlg(registry, files, locale, programs);
  dlg.Create(nullptr);
  winui::ListView& list = dlg.List();
  EXPECT_EQ(dlg.GetText(), "Started by Windows at boot");
  EXPECT_EQ(list.GetColumnText(0), "Executable");
  ASSERT_EQ(list.Count(), static_cast<int>(dlg.Entries().Rows().size()));
  const int shell = IndexOf(dlg.Entries(), "Orvane shell");
  ASSERT_GE(shell, 0);
  EXPECT_EQ(list.GetText(shell, 0), "mdm.exe");
  EXPECT_EQ(list.GetStateImage(shell), 4) << "the system process picture";
  dlg.FormShow();
  EXPECT_FALSE(dlg.CommandPanel().IsVisible());

  // Cancel and Escape hide the panel and write nothing; Escape again hides the window.
  dlg.ShowCommandPanel("C:\\Orvane Probe\\dialog probe.exe");
  EXPECT_TRUE(dlg.CommandPanel().IsVisible());
  dlg.CancelClick();
  EXPECT_FALSE(dlg.CommandPanel().IsVisible());
  dlg.ShowCommandPanel("C:\\Orvane Probe\\dialog probe.exe");
  SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  EXPECT_FALSE(dlg.CommandPanel().IsVisible());
  EXPECT_TRUE(dlg.IsVisible());
  EXPECT_EQ(list.Count(), static_cast<int>(dlg.Entries().Rows().size()));

  // The user appends an argument before OK.
  dlg.ShowCommandPanel("C:\\Orvane Probe\\dialog probe.exe");
  dlg.CommandEdit().SetText(command);
  dlg.OkClick();
  EXPECT_FALSE(dlg.CommandPanel().IsVisible());
  EXPECT_EQ(machineRun.Text(command), command);
  const int added = list.Count() - 1;
  EXPECT_EQ(list.GetText(added, 0), command);
  EXPECT_EQ(list.GetStateImage(added), 3);

  list.SetSelected(added, true);
  {
    WarningAnswer answer;
    dlg.RemoveProgramClick();
    EXPECT_EQ(WarningAnswer::Text(), "This will remove " + command + " from the registry!");
  }
  EXPECT_EQ(machineRun.Text(command), std::nullopt);
  EXPECT_EQ(list.Count(), added);

  SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  EXPECT_FALSE(dlg.IsVisible());
}

class AutorunMainForm : public testing::MainFormFixture {};

TEST_F(AutorunMainForm, TheComputerPalettesRestartButtonShowsTheStartupEntries) {
  program->Open();
  win32::AutorunDlg& autorun = program->AutorunDialog();
  EXPECT_FALSE(autorun.IsVisible());
  winui::ToolButton* restart =
      form->Bars().PaletteOf(PaletteId::kComputer).Button("ToolComputer0Restart");
  ASSERT_NE(restart, nullptr);
  form->RunCommand(Command::kComputerRestart);
  EXPECT_TRUE(PumpUntil([&] { return autorun.IsVisible(); }, 5000));
}

}  // namespace
}  // namespace orvane
