#include "app/win32/program.h"

#include "app/startup.h"
#include "app/view_settings.h"
#include "platform/error.h"
#include "winui/error_box.h"
#include "winui/message_loop.h"

namespace orvane::win32 {

namespace {

// Shows, restores and activates the running instance's main window, if there is one.
void BringRunningInstanceForward() {
  if (HWND running = FindWindowA(kMainWindowClass.data(), kMainWindowTitle.data())) {
    winui::BringForward(running);
  }
}

// The performance counter in milliseconds.
double CounterMs() {
  LARGE_INTEGER frequency, now;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&now);
  return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}  // namespace

Program::Program(std::vector<std::string> arguments, SnapshotSource* source, UINT updateIntervalMs)
    : arguments_(std::move(arguments)),
      updateIntervalMs_(updateIntervalMs),
      appDirectory_(DirectoryOf(ExecutablePath())),
      source_(source ? *source : systemSource_) {
  SetCurrentDirectoryA(appDirectory_.c_str());

  if (AppliesSingleInstanceRule(arguments_)) {
    mutex_ = CreateMutexA(nullptr, TRUE, kInstanceMutex);
    if (mutex_ && GetLastError() == ERROR_ALREADY_EXISTS) {
      terminating_ = true;
      PostQuitMessage(0);
      // Started by Ctrl+Alt+Del's Task Manager: the user asked to see the running instance.
      // Any other second start ends silently.
      if (StartsAsTaskManager(arguments_)) BringRunningInstanceForward();
    }
  }

  infoThread_.SetSink(&sink_);
  // A listener's consistency error leaves its view as it stood at that record; the cycle's end
  // rebuilds the views rather than let them stay wrong. The user could do nothing with a box.
  infoThread_.SetErrorHandler([this](const std::string&) { viewsBroken_ = true; });
  // The processes' figures travel beside the records; the list shows them when asked to.
  infoThread_.SetFiguresReceiver([this](const ProcessFigureTable& table) {
    const double start = CounterMs();
    objectList_.FiguresArrived(table);
    performanceDlg_.AddSample(SampleOf(loads_, table, locale_));
    figuresMs_ += CounterMs() - start;
  });
  form_.ListControl().extraCells = [this](const ListRow& row, int column) {
    return objectList_.DetailCell(row, column);
  };
  infoThread_.SetCycleEndStep([this] {
    logDlg_.CycleEnded();
    objectList_.CycleEnded();
    if (viewsBroken_) RebuildViews();
    batches_.CycleEnded();
  });
}

Program::~Program() {
  // A cycle still being handed over needs this thread to take its records before the
  // collector can be ended; the program itself never waits here, it just exits.
  const DWORD start = GetTickCount();
  while (infoThread_.Busy() && GetTickCount() - start < 10000) {
    winui::PumpMessages();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  }
  if (mutex_) CloseHandle(mutex_);
}

void Program::Open(int showCommand) {
  winui::InitCommonControls();
  form_.Create();
  boxes_.SetOwner(form_);
  starter_.SetOwner(form_);
  clipboard_.SetOwner(form_);
  form_.RestoreWorkspace();
  form_.onClosing = [this] { SaveViewSettings(); };
  // Reported, not fatal: the window is made all the same, and the next start tries again.
  winui::Guarded([this] { traySettings_.InstallOnFirstRun(form_.TrayChecks().traps); });
  // Only in the running instance: a second one, or a command line run beside it, would judge
  // by a workspace that the running one has not saved yet.
  if (AppliesSingleInstanceRule(arguments_) && !terminating_) {
    traySettings_.RemoveStaleTaskManagerTrap(form_.TrayChecks().traps);
  }
  // Before the first tick, so the log sees the first cycle.
  logDlg_.Create(form_);
  searchDlg_.Create(form_);
  printReportDlg_.Create(form_);
  autorunDlg_.Create(form_);
  cmdLineDlg_.Create(form_);
  startDlg_.Create(form_);
  aboutDlg_.Create(form_);
  performanceDlg_.Create(form_);
  findWindowDlg_.Create(form_);
  RestoreViewSettings();
  form_.StartUpdates(updateIntervalMs_);
  // A second instance ends at once; shown, it would take the front from the running one.
  if (!terminating_) {
    ShowWindow(form_, showCommand);
    UpdateWindow(form_);
  }
  if (OpensCommandLineDialog(arguments_)) cmdLineDlg_.FormShow(arguments_);
}

void Program::RebuildViews() {
  viewsBroken_ = false;
  form_.CountViewRepair();
  form_.ListFrame().Quietly([this] {
    listListener_.Reset();
    listModel_.Clear();
    treeListener_.Reset();
    treeModel_.Clear();
  });
}

void Program::RestoreViewSettings() {
  const ViewSettings settings = ReadViewSettings(files_);
  if (settings.processDetails) form_.ShowProcessDetails1Click();
  if (settings.highlightChanges) form_.HighlightChanges1Click();
  if (settings.performancePlaced) {
    // The monitors may have changed since: a place on none of them comes onto the nearest.
    const Rect r = KeepReachable(settings.performance, MonitorWorkAreas(),
                                 GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK));
    performanceDlg_.SetBounds({r.left, r.top, r.left + r.width, r.top + r.height});
  }
}

void Program::SaveViewSettings() {
  ViewSettings settings;
  settings.processDetails = form_.MenuChecked(kMenuShowProcessDetails);
  settings.highlightChanges = form_.MenuChecked(kMenuHighlightChanges);
  const RECT r = performanceDlg_.Bounds();
  settings.performancePlaced = r.right > r.left && r.bottom > r.top;
  settings.performance = {r.left, r.top, r.right - r.left, r.bottom - r.top};
  try {
    WriteViewSettings(files_, settings);
  } catch (const Error&) {
    // As with the workspace: the program closes all the same, the old file as it was.
  }
}

bool SelectionHost::NavigationTreeFocused() {
  return GetFocus() == static_cast<HWND>(form_.Tree());
}

std::vector<SelectedRow> SelectionHost::SelectedRows() {
  std::vector<SelectedRow> rows;
  winui::ListView& list = form_.List();
  for (int i = list.NextSelected(); i >= 0; i = list.NextSelected(i)) {
    const ListRow* row = form_.ListControl().RowAt(i);
    if (row != nullptr && !row->DisplayOnly()) {
      rows.push_back(SelectedRowOf(*row, listener_, mainWindows_));
    }
  }
  return rows;
}

bool SelectionHost::AskBeforeTerminate() {
  return form_.MenuChecked(CommandId(Command::kAskBefore1));
}

void SelectionHost::SetAskBeforeTerminate(bool checked) {
  form_.SetMenuChecked(CommandId(Command::kAskBefore1), checked);
}

void BatchDispatcher::RunOnGui(const std::function<void()>& step) {
  inner_.RunOnGui([this, &step] {
    const double start = CounterMs();
    // The tree stops drawing for the changes that show once per cycle rather than per batch:
    // each switch back on repaints all of it. The list keeps drawing: it repaints only the rows
    // in view that change.
    if (!cycleQuiet_) {
      cycleQuiet_ = true;
      form_.TreeControl().HoldRedraw();
    }
    // The list's row count once per batch: between batches the list is painted and clicked as
    // it is.
    form_.ListControl().HoldCount();
    step();
    form_.ListControl().ReleaseCount();
    milliseconds_ += CounterMs() - start;
  });
}

void BatchDispatcher::CycleEnded() {
  if (!cycleQuiet_) return;
  cycleQuiet_ = false;
  form_.TreeControl().ReleaseRedraw();
}

}  // namespace orvane::win32
