#pragma once
// The main window as start-up builds it, fed by the real collector, with helpers to find its
// rows and nodes and to wait for cycles.

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>

#include "app/win32/program.h"
#include "win/support/test_process.h"

namespace orvane::testing {

// The update timer's period in the tests: waiting for a cycle costs a fifth of the program's
// second.
constexpr UINT kTestUpdateIntervalMs = 200;

// A plain start, without a command line. source: the system's snapshots unless given (not
// owned).
inline std::unique_ptr<win32::Program> NewProgram(SnapshotSource* source = nullptr,
                                                  UINT intervalMs = kTestUpdateIntervalMs) {
  return std::make_unique<win32::Program>(std::vector<std::string>{}, source, intervalMs);
}

class MainFormFixture : public ::testing::Test {
 protected:
  // source: the system's snapshots unless given (not owned).
  explicit MainFormFixture(SnapshotSource* source = nullptr,
                           UINT intervalMs = kTestUpdateIntervalMs)
      : program(NewProgram(source, intervalMs)), form(&program->Form()) {}

  // Each test starts from the default workspace: a program closed in the tests' folder (the
  // end-to-end runs) leaves its "workspace.dat" there.
  static bool ForgetWorkspace() {
    DeleteFileA((TestDirectory() + "workspace.dat").c_str());
    DeleteFileA((TestDirectory() + "details.dat").c_str());
    return true;
  }
  const bool workspaceForgotten_ = ForgetWorkspace();
  // A plain start, without a command line: each test's window releases the instance mutex
  // when it goes, so the next one starts as a first instance.
  std::unique_ptr<win32::Program> program;
  win32::MainForm* form;  // the program's

  winui::ListView& list() { return form->List(); }
  winui::TreeView& tree() { return form->Tree(); }

  int RowOf(const std::string& caption) {
    for (int i = 0; i < list().Count(); ++i)
      if (list().GetText(i, 0) == caption) return i;
    return -1;
  }
  HTREEITEM NodeOf(HTREEITEM under, const std::string& text) {
    for (HTREEITEM item = tree().FirstChild(under); item; item = tree().NextSibling(item))
      if (tree().GetText(item) == text) return item;
    return nullptr;
  }
  bool WaitCycles(uint64_t n) {
    return PumpUntil(
        [&] { return program->Worker().CyclesCompleted() >= n && !program->Worker().Busy(); },
        20000);
  }
  // Waits until the cycle after the one running now has ended.
  bool WaitNextCycle() { return WaitCycles(program->Worker().CyclesCompleted() + 1); }
  // Opens the window and waits until it shows the computer's processes.
  void OpenAtProcesses() {
    program->Open();
    ASSERT_TRUE(PumpUntil([&] { return list().ColumnCount() == 3 && list().Count() > 0; }, 10000));
  }
  static std::string ComputerName() {
    char name[64] = {};
    DWORD size = sizeof name;
    GetComputerNameA(name, &size);
    return name;
  }
};

}  // namespace orvane::testing
