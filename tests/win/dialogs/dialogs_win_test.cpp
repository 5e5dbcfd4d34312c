// The log, search and report dialogs inside the running main window, fed by the real
// collector; and the file writer against the real file system.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>

#include "platform/error.h"
#include "platform/win32/files.h"
#include "win/support/main_form_fixture.h"

namespace orvane {
namespace {

using testing::PumpUntil;
using testing::TestProcess;

class DialogsTest : public testing::MainFormFixture {
 protected:
  bool LogHas(const std::string& start) {
    for (const std::string& line : program->LogDialog().Disp().Lines())
      if (line.rfind(start, 0) == 0) return true;
    return false;
  }
};

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string TempPath(const std::string& name) {
  char dir[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, dir);
  return std::string(dir) + name;
}

TEST_F(DialogsTest, LogStartsWithTheComputerThenWritesTickedEventsOnly) {
  OpenAtProcesses();
  // The log shows a cycle's lines at its end; the list can turn to the processes while the
  // first one is still being handed over.
  ASSERT_TRUE(WaitCycles(1));
  win32::LogDlg& log = program->LogDialog();
  // The log takes a cycle's lines at its end; with a short interval the list may show the
  // processes before the first cycle has ended.
  ASSERT_TRUE(PumpUntil([&] { return log.Disp().Lines().size() >= 2; }, 10000));
  auto lines = log.Disp().Lines();
  ASSERT_GE(lines.size(), 2u);
  const std::string start = "Log started at " + ComputerName() + "\t";
  EXPECT_EQ(lines[0].substr(0, start.size()), start);
  EXPECT_GT(lines[0].size(), start.size() + 8) << "the date and time follow";
  EXPECT_EQ(lines[1], "");

  // Nothing ticked: a new process leaves the log as it is.
  {
    TestProcess unlogged("Orvane unlogged probe", 1);
    ASSERT_TRUE(PumpUntil([&] { return RowOf("Orvane unlogged probe") >= 0; }, 10000));
  }
  // Its removal too, before the box is ticked: the removal logged below is the next helper's.
  ASSERT_TRUE(PumpUntil([&] { return RowOf("Orvane unlogged probe") < 0; }, 10000));
  EXPECT_EQ(log.Disp().Lines().size(), 2u);

  log.EventBox(0).Click();  // "Process Add/Remove"
  EXPECT_EQ(log.Listener().LogFlags, kLogProcess);
  TestProcess helper("Orvane logged probe", 1);
  ASSERT_TRUE(PumpUntil([&] { return LogHas("Process created test_window.exe\t"); }, 10000));
  TerminateProcess(helper.handle(), 0);
  ASSERT_TRUE(PumpUntil([&] { return LogHas("Process removed "); }, 10000));

  // Clearing keeps the first line and one empty line; the log goes on below them.
  log.ClearClick();
  lines = log.Disp().Lines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].substr(0, start.size()), start);
  EXPECT_EQ(lines[1], "");
  TestProcess after("Orvane after clear", 1);
  ASSERT_TRUE(PumpUntil([&] { return LogHas("Process created test_window.exe\t"); }, 10000));
  EXPECT_EQ(log.Disp().Lines().size(), 3u);

  // Saved: every line and CR LF after each.
  const std::string path = TempPath("orvane-log-test.txt");
  log.SaveTo(path);
  lines = log.Disp().Lines();
  std::string saved;
  for (const std::string& line : lines) saved += line + "\r\n";
  EXPECT_EQ(Slurp(path), saved);
  DeleteFileA(path.c_str());

  // Escape in the text area hides the dialog; the main window's keys stay out of it.
  log.FormShow();
  ASSERT_TRUE(log.IsVisible());
  MSG escape{log.Disp(), WM_KEYDOWN, VK_ESCAPE, 0, 0, {}};
  EXPECT_TRUE(winui::DialogBase::PreTranslate(escape));
  EXPECT_FALSE(log.IsVisible());
}

TEST_F(DialogsTest, SearchTurnsTheListIntoTheFoundProcessesUntilRefresh) {
  TestProcess helper("Orvane Search Probe", 1);
  OpenAtProcesses();
  ASSERT_TRUE(PumpUntil([&] { return RowOf("Orvane Search Probe") >= 0; }, 10000));
  const std::string heading = form->Heading().Caption();
  const int rows = list().Count();

  win32::SearchDlg& search = program->SearchDialog();
  form->RunCommand(Command::kGeneralSearch);
  EXPECT_TRUE(search.IsVisible());
  EXPECT_FALSE(search.Threads().IsVisible());
  EXPECT_FALSE(search.Windows().IsChecked());
  search.Exact().Click();
  EXPECT_TRUE(search.Case().IsChecked());
  search.Case().Click();
  search.Exact().Click();
  EXPECT_FALSE(search.Case().IsChecked());

  search.Key().SetText("SEARCH prob");
  search.SearchClick();
  EXPECT_FALSE(search.IsVisible());
  EXPECT_EQ(form->Heading().Caption(),
            "Search results for \"search prob\"  (click \"Refresh\" to end search)");
  EXPECT_EQ(list().Count(), 0) << "emptied at once";
  ASSERT_TRUE(WaitNextCycle());
  ASSERT_TRUE(WaitNextCycle());
  EXPECT_EQ(list().Count(), 1);
  EXPECT_EQ(RowOf("Orvane Search Probe"), 0);
  EXPECT_EQ(list().GetColumnText(0), "Process Name");
  EXPECT_EQ(list().GetColumnWidth(0), 200);

  // A text of any length and content finds nothing and breaks nothing.
  form->RunCommand(Command::kGeneralSearch);
  search.Key().SetText(std::string(5000, '\xe9') + "\x01\x7f");
  search.SearchClick();
  ASSERT_TRUE(WaitNextCycle());
  ASSERT_TRUE(WaitNextCycle());
  EXPECT_EQ(list().Count(), 0);

  form->RunCommand(Command::kGeneralRefresh);
  EXPECT_EQ(form->Heading().Caption(), heading);
  ASSERT_TRUE(PumpUntil([&] { return list().Count() >= rows; }, 10000));
}

TEST_F(DialogsTest, ReportOfTheProcessListHasItsHeaderAtTheStopsAndALinePerRow) {
  TestProcess helper("Orvane report probe", 1);
  OpenAtProcesses();
  ASSERT_TRUE(PumpUntil([&] { return RowOf("Orvane report probe") >= 0; }, 10000));
  ASSERT_TRUE(WaitNextCycle());

  win32::PrintReportDlg& report = program->PrintReportDialog();
  form->RunCommand(Command::kGeneralPrint);
  EXPECT_TRUE(report.IsVisible());
  auto lines = report.Report().GetLines();
  ASSERT_EQ(lines.size(), static_cast<std::size_t>(list().Count()) + 4);
  EXPECT_EQ(lines[0].rfind(form->Heading().Caption() + " ", 0), 0u);
  EXPECT_EQ(lines[2].find("Priority"), 32u);
  EXPECT_EQ(lines[2].find("Executable"), 50u);
  const int row = RowOf("Orvane report probe");
  const std::string& line = lines[static_cast<std::size_t>(row) + 4];
  EXPECT_EQ(line.rfind("Orvane report probe", 0), 0u);
  EXPECT_EQ(line.find(list().GetText(row, 1)), 32u);

  // Shown again while visible: kept as it was, edits and all.
  report.Report().SetLines({"edited"});
  form->RunCommand(Command::kGeneralPrint);
  EXPECT_EQ(report.Report().GetLines(), std::vector<std::string>{"edited"});
  const std::string path = TempPath("orvane-report-test.txt");
  report.SaveTo(path);
  EXPECT_EQ(Slurp(path), "edited\r\n");
  DeleteFileA(path.c_str());
  report.Hide();
  form->RunCommand(Command::kGeneralPrint);
  EXPECT_GT(report.Report().GetLines().size(), 4u);
}

TEST_F(DialogsTest, DialogsStandWhereAndAsTheirFormsSayAndAFailingPrinterChangesNothing) {
  program->Open();
  struct Expected {
    winui::DialogBase* dialog;
    const char* caption;
    RECT rect;  // the window, or the client area where client is set
    bool client;
    bool toolWindow;
    bool sizeable;
  };
  const Expected dialogs[] = {
      {&program->LogDialog(), "Log events", {247, 173, 247 + 554, 173 + 436}, false, false, true},
      {&program->SearchDialog(), "Search", {0, 0, 250, 172}, true, true, false},
      {&program->PrintReportDialog(),
       "Print Object List",
       {246, 72, 246 + 603, 72 + 559},
       false,
       true,
       true},
      // Captioned with the main window's title when it is shown.
      {&program->CmdLineDialog(), "", {0, 0, 346, 70}, true, true, false},
  };
  for (const Expected& e : dialogs) {
    SCOPED_TRACE(e.caption);
    EXPECT_EQ(e.dialog->GetText(), e.caption);
    const RECT r = e.client ? e.dialog->ClientRect() : e.dialog->WindowRect();
    EXPECT_EQ(r.left, e.rect.left);
    EXPECT_EQ(r.top, e.rect.top);
    EXPECT_EQ(r.right, e.rect.right);
    EXPECT_EQ(r.bottom, e.rect.bottom);
    const LONG_PTR ex = GetWindowLongPtrA(*e.dialog, GWL_EXSTYLE);
    EXPECT_EQ((ex & WS_EX_TOOLWINDOW) != 0, e.toolWindow);
    EXPECT_NE(ex & WS_EX_TOPMOST, 0);
    EXPECT_EQ((e.dialog->Style() & WS_THICKFRAME) != 0, e.sizeable);
  }
  EXPECT_EQ(program->SearchDialog().WindowRect().left, 233);
  EXPECT_EQ(program->CmdLineDialog().WindowRect().left, 363);
  EXPECT_EQ(program->CmdLineDialog().WindowRect().top, 365);
  EXPECT_FALSE(program->CmdLineDialog().IsVisible()) << "a plain start shows no command line";

  win32::LogDlg& log = program->LogDialog();
  log.Disp().SetLines({"kept", ""});
  HDC notAPrinter = CreateCompatibleDC(nullptr);
  EXPECT_THROW(log.Disp().Print(notAPrinter, "Printed by test"), Error);
  EXPECT_THROW(log.Disp().Print(nullptr, "Printed by test"), Error);
  DeleteDC(notAPrinter);
  EXPECT_EQ(log.Disp().Lines(), (std::vector<std::string>{"kept", ""}));
}

int TemporaryFilesIn(const std::string& folder) {
  WIN32_FIND_DATAA found{};
  int count = 0;
  HANDLE find = FindFirstFileA((folder + "orv*.tmp").c_str(), &found);
  if (find != INVALID_HANDLE_VALUE) {
    do ++count;
    while (FindNextFileA(find, &found));
    FindClose(find);
  }
  return count;
}

TEST(Files, AWriteReplacesTheFileWholeOrLeavesTheOldOneAsItWas) {
  win32::Win32Files files;
  const std::string path = TempPath("orvane-files-test.txt");
  files.WriteAll(path, "old\r\n");
  files.WriteAll(path, "new\r\n");
  EXPECT_EQ(Slurp(path), "new\r\n");
  EXPECT_EQ(files.ReadAll(path), "new\r\n");

  const std::string folder = TempPath("orvane-files-folder");
  CreateDirectoryA(folder.c_str(), nullptr);
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
  for (const std::string& target :
       {path, folder, TempPath("orvane-no-such-folder\\x.txt"), std::string(400, 'x')}) {
    SCOPED_TRACE(target);
    try {
      files.WriteAll(target, "lost\r\n");
      ADD_FAILURE() << "the write must fail";
    } catch (const Error& e) {
      EXPECT_EQ(std::string(e.what()), "Cannot create file " + target);
    }
  }
  EXPECT_EQ(Slurp(path), "new\r\n");
  // Nothing left behind in the folder but the file itself.
  EXPECT_EQ(TemporaryFilesIn(TempPath("")), 0);
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_TRUE(files.Delete(path));
  EXPECT_FALSE(files.Exists(path));
  EXPECT_FALSE(files.Delete(path));
  RemoveDirectoryA(folder.c_str());
}

// Another program holding the file open without sharing, and a disk that fills up during the
// write: the file is not read, the write is refused, and the old file stays whole.
TEST(Files, ALockedFileOrAFullDiskLeavesTheOldFileWhole) {
  win32::Win32Files files;
  const std::string locked = TempPath("orvane-locked.txt");
  files.WriteAll(locked, "old\r\n");
  HANDLE holder = CreateFileA(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  EXPECT_EQ(files.ReadAll(locked), std::nullopt);
  EXPECT_THROW(files.WriteAll(locked, "new\r\n"), Error);
  CloseHandle(holder);
  EXPECT_EQ(Slurp(locked), "old\r\n");
  files.Delete(locked);

  // scripts/test mounts a small filesystem as this drive when it runs as root.
  const char* drive = std::getenv("ORVANE_SMALL_DRIVE");
  if (drive == nullptr) GTEST_SKIP() << "no small drive: the full-disk case needs root";
  const std::string folder = std::string(drive) + "\\";
  const std::string path = folder + "orvane-full.txt";
  const std::string filler = folder + "filler.bin";
  files.WriteAll(path, "old\r\n");
  HANDLE fill = CreateFileA(filler.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(fill, INVALID_HANDLE_VALUE);
  const std::string block(4096, 'f');
  DWORD written = 0;
  while (WriteFile(fill, block.data(), static_cast<DWORD>(block.size()), &written, nullptr) &&
         written == block.size()) {
  }
  CloseHandle(fill);
  EXPECT_THROW(files.WriteAll(path, std::string(64 * 1024, 'x')), Error);
  EXPECT_EQ(Slurp(path), "old\r\n");
  EXPECT_EQ(TemporaryFilesIn(folder), 0);
  DeleteFileA(filler.c_str());
  DeleteFileA(path.c_str());
}

TEST_F(DialogsTest, ABusyProcessSortsFirstByCpuAndLeadsThePerformanceWindowsTopList) {
  TestProcess busy("Orvane busy probe", 1, false, "", 1);
  OpenAtProcesses();
  win32::PerformanceDlg& performance = program->PerformanceDialog();
  EXPECT_FALSE(performance.IsVisible());
  form->ShowProcessDetails1Click();
  ASSERT_TRUE(PumpUntil([&] { return RowOf("Orvane busy probe") >= 0; }, 10000));
  const std::size_t points = performance.History().Cpu().size();
  ASSERT_TRUE(WaitCycles(program->Worker().CyclesCompleted() + 3));
  EXPECT_GE(performance.History().Cpu().size(), points + 3) << "a point per cycle";
  EXPECT_EQ(performance.CpuPoints().size(), performance.History().Cpu().size());

  form->ViewObjectListLVColumnClick(4);  // CPU
  EXPECT_EQ(list().GetText(0, 0), "Orvane busy probe");
  ASSERT_FALSE(performance.History().Top().empty());
  EXPECT_EQ(performance.History().Top()[0].name, "test_window.exe");
  SendMessageA(*form, WM_COMMAND, win32::kMenuPerformance, 0);
  EXPECT_TRUE(performance.IsVisible());
}

}  // namespace
}  // namespace orvane
