// The run-program dialog against the real file system and WinExec, and the about box over the
// running main window.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "dialogs/about/about.h"
#include "doubles/fake_program_starter.h"
#include "platform/error.h"
#include "platform/win32/files.h"
#include "platform/win32/program_start.h"
#include "win/support/main_form_fixture.h"

namespace orvane {
namespace {

using testing::PumpUntil;
using testing::TestDirectory;

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// A fresh directory under the temporary folder, removed with what the test put in it.
class ScratchDirectory {
 public:
  explicit ScratchDirectory(const std::string& name) {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    path_ = std::string(temp) + name + "-" + std::to_string(GetCurrentProcessId()) + "\\";
    CreateDirectoryA(path_.c_str(), nullptr);
  }
  ~ScratchDirectory() {
    for (auto it = made_.rbegin(); it != made_.rend(); ++it) {
      if (!DeleteFileA(it->c_str())) RemoveDirectoryA(it->c_str());
    }
    RemoveDirectoryA(path_.c_str());
  }
  ScratchDirectory(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(const ScratchDirectory&) = delete;

  const std::string& path() const { return path_; }
  std::string Folder(const std::string& name) {
    CreateDirectoryA((path_ + name).c_str(), nullptr);
    return Made(name);
  }
  std::string HelperCopy(const std::string& name) {
    CopyFileA((TestDirectory() + "test_window.exe").c_str(), (path_ + name).c_str(), FALSE);
    return Made(name);
  }
  std::string File(const std::string& name, const std::string& content) {
    std::ofstream(path_ + name, std::ios::binary) << content;
    return Made(name);
  }
  std::string Made(const std::string& name) {
    made_.push_back(path_ + name);
    return made_.back();
  }

 private:
  std::string path_;
  std::vector<std::string> made_;
};

// The process of a helper window (of any title) whose executable is exe, or 0.
DWORD HelperRunningFrom(const std::string& exe) {
  for (HWND w = FindWindowExA(nullptr, nullptr, "OrvaneTestWindow", nullptr); w;
       w = FindWindowExA(nullptr, w, "OrvaneTestWindow", nullptr)) {
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    if (!process) continue;
    char image[MAX_PATH] = {};
    DWORD size = MAX_PATH;
    const bool named = QueryFullProcessImageNameA(process, 0, image, &size);
    CloseHandle(process);
    if (named && lstrcmpiA(image, exe.c_str()) == 0) return pid;
  }
  return 0;
}

void EndProcess(DWORD pid) {
  HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid);
  if (!process) return;
  TerminateProcess(process, 99);
  WaitForSingleObject(process, 5000);
  CloseHandle(process);
}

TEST(StartDlgWin, RunStartsAProgramFromAPathWithBlanksNotTheProgramAtItsPrefix) {
  ScratchDirectory dir("orvane-start-run");
  // WinExec would take "...\Program.exe" for an unquoted "...\Program Files\...".
  const std::string decoy = dir.HelperCopy("Program.exe");
  dir.Folder("Program Files");
  dir.Folder("Program Files\\Helper");
  const std::string helper = dir.HelperCopy("Program Files\\Helper\\helper.exe");
  const std::string history = dir.File("start.dat", "C:\\older.exe\n" + helper + "\n");

  win32::Win32Files files;
  win32::Win32ProgramStarter starter;
  win32::StartDlg dialog(files, starter, history);
  dialog.Create(nullptr);
  ASSERT_EQ(dialog.ExePath().Count(), 2);
  EXPECT_EQ(dialog.ExePath().Selected(), 1);
  EXPECT_EQ(dialog.ExePath().GetText(), helper);

  dialog.Run().Click();
  DWORD pid = 0;
  EXPECT_TRUE(PumpUntil([&] { return (pid = HelperRunningFrom(helper)) != 0; }));
  EXPECT_EQ(HelperRunningFrom(decoy), 0u);
  if (pid) EndProcess(pid);
  if (const DWORD wrong = HelperRunningFrom(decoy)) EndProcess(wrong);
  // The history keeps the path as it was chosen, and running writes nothing.
  EXPECT_EQ(dialog.History().Entries().back(), helper);
  EXPECT_EQ(Slurp(history), "C:\\older.exe\n" + helper + "\n");
}

TEST(StartDlgWin, BrowseAndClearRewriteTheFileAndAFolderInItsPlaceIsReported) {
  ScratchDirectory dir("orvane-start-file");
  const std::string history = dir.Made("start.dat");
  win32::Win32Files files;
  testing::FakeProgramStarter starter;
  {
    win32::StartDlg dialog(files, starter, history);
    dialog.Create(nullptr);
    EXPECT_EQ(dialog.ExePath().Count(), 0);
    EXPECT_EQ(dialog.ExePath().GetText(), "executable");
    dialog.RunClick();
    EXPECT_TRUE(starter.commands.empty());

    dialog.ProgramChosen("C:\\Tools\\a.exe");
    dialog.ProgramChosen("C:\\Tools\\a.exe");
    EXPECT_EQ(Slurp(history), "C:\\Tools\\a.exe\r\nC:\\Tools\\a.exe\r\n");
    EXPECT_EQ(dialog.ExePath().Count(), 2);
    EXPECT_EQ(dialog.ExePath().Selected(), 1);

    // Typing into the box is not choosing: Run then starts nothing.
    dialog.ExePath().SetText("C:\\typed.exe");
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(dialog.ExePath()), CBN_EDITCHANGE),
                 reinterpret_cast<LPARAM>(static_cast<HWND>(dialog.ExePath())));
    dialog.RunClick();
    EXPECT_TRUE(starter.commands.empty());

    dialog.ClearListClick();
    EXPECT_EQ(dialog.ExePath().Count(), 0);
    EXPECT_EQ(dialog.ExePath().GetText(), "executable");
  }
  EXPECT_EQ(GetFileAttributesA(history.c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
  EXPECT_EQ(Slurp(history), "");
  DeleteFileA(history.c_str());

  // A folder named "start.dat": an empty history, and each change reported and kept.
  dir.Folder("start.dat");
  win32::StartDlg dialog(files, starter, history);
  dialog.Create(nullptr);
  EXPECT_EQ(dialog.ExePath().Count(), 0);
  try {
    dialog.ProgramChosen("C:\\Tools\\b.exe");
    ADD_FAILURE() << "no error";
  } catch (const Error& e) {
    EXPECT_EQ(std::string(e.what()), "Cannot create file " + history);
  }
  EXPECT_EQ(dialog.ExePath().Count(), 1);
  EXPECT_EQ(dialog.ExePath().GetText(), "C:\\Tools\\b.exe");
  EXPECT_NE(GetFileAttributesA(history.c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
}

class StartAboutTest : public testing::MainFormFixture {};

// The About item of the main window's Help menu, or 0.
UINT AboutItem(HMENU bar) {
  for (int i = 0; i < GetMenuItemCount(bar); ++i) {
    char text[32] = {};
    GetMenuStringA(bar, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
    if (std::string(text) != "&Help") continue;
    HMENU help = GetSubMenu(bar, i);
    for (int j = 0; j < GetMenuItemCount(help); ++j) {
      GetMenuStringA(help, static_cast<UINT>(j), text, sizeof text, MF_BYPOSITION);
      if (std::string(text) == "&About") return GetMenuItemID(help, j);
    }
  }
  return 0;
}

TEST_F(StartAboutTest, MenuAndPalettesOpenTheDialogsAndAboutCentresOnTheMainWindowUnclamped) {
  program->Open();
  form->Bars().PaletteOf(PaletteId::kCommon).Button("ToolCommon0Run")->Click();
  win32::StartDlg& start = program->StartDialog();
  EXPECT_TRUE(start.IsVisible());
  EXPECT_EQ(start.ClientRect().right, 360);
  EXPECT_EQ(start.ClientRect().bottom, 62);
  EXPECT_EQ(start.WindowRect().left, 320);
  EXPECT_EQ(start.WindowRect().top, 406);
  EXPECT_EQ(GetWindowLongA(start, GWL_EXSTYLE) & (WS_EX_TOPMOST | WS_EX_TOOLWINDOW),
            WS_EX_TOPMOST | WS_EX_TOOLWINDOW);
  program->StartDialog().Hide();
  form->ShowPaletteClick(PaletteId::kComputer);
  form->Bars().PaletteOf(PaletteId::kComputer).Button("ToolComputer0Run")->Click();
  EXPECT_TRUE(program->StartDialog().IsVisible());
  program->StartDialog().Hide();

  const UINT about = AboutItem(GetMenu(*form));
  ASSERT_NE(about, 0u);
  win32::AboutDlg& box = program->AboutDialog();
  const int screen = GetSystemMetrics(SM_CXSCREEN);
  // Centred, then with the main window at the right edge of the screen: past it, not clamped.
  for (int left : {40, screen - 200}) {
    SetWindowPos(*form, nullptr, left, 30, 700, 500, SWP_NOZORDER);
    SendMessageA(*form, WM_COMMAND, about, 0);
    ASSERT_TRUE(box.IsVisible());
    const RECT b = box.WindowRect();
    const RECT client = box.ClientRect();
    EXPECT_EQ(client.right, 345);
    EXPECT_EQ(client.bottom, 271);
    EXPECT_EQ(b.left, left + 350 - (b.right - b.left) / 2);
    EXPECT_EQ(b.top, 30 + 250 - (b.bottom - b.top) / 2);
    EXPECT_EQ(box.GetText(), "About Orvane 2000 Professional");
    EXPECT_EQ(box.Product().Caption(), "Orvane 2000 Professional Version 3.10");
    EXPECT_EQ(box.Patch().Caption(), "Current patch: OV010310");
    EXPECT_EQ(box.HomePage().Caption(), std::string(kHomePageAddress) + "   ");
  }
  EXPECT_GT(box.WindowRect().right, screen);
}

TEST_F(StartAboutTest, TheLinkAndTheStripOpenTheHomePageWithoutTheStripsBlanks) {
  program->Open();
  testing::FakeProgramStarter starter;
  win32::AboutDlg box(starter);
  box.Create(*form);
  box.FormShow();
  SendMessageA(box.Link(), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
  SendMessageA(box.HomePage(), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
  const testing::FakeProgramStarter::Document home{kHomePageAddress, "", "",
                                                   ShowCommand::kShowNormal};
  EXPECT_EQ(starter.documents, (std::vector{home, home}));
}

}  // namespace
}  // namespace orvane
