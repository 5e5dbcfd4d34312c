#pragma once
// The program as start-up puts it together: the platform's adapters, the views' models and
// listeners, the collector and its thread, the tool dialogs, the tray settings and the main
// window, each made once and living until the process ends.

#include <windows.h>

#include <string>
#include <vector>

#include "app/performance_feed.h"
#include "app/win32/main_form.h"
#include "platform/win32/clipboard.h"
#include "platform/win32/files.h"
#include "platform/win32/message_boxes.h"
#include "platform/win32/object_control.h"
#include "platform/win32/program_start.h"
#include "platform/win32/system_services.h"
#include "snapshot/collector.h"
#include "snapshot/info_thread.h"
#include "snapshot/record_sink.h"
#include "snapshot/win32/nt_query_source.h"
#include "snapshot/win32/window_dispatcher.h"
#include "view/known_programs.h"
#include "view/list_filter.h"
#include "view/list_listener.h"
#include "view/status_listener.h"
#include "view/tree_listener.h"

namespace orvane::win32 {

constexpr char kApplicationTitle[] = "Orvane 2000";
constexpr char kInstanceMutex[] = "Orvane2000Mutex";
// How often the window wakes the collector; tests ask for a shorter one.
constexpr UINT kUpdateIntervalMs = 1000;

// What the views know of the processes beyond the list's rows, for the commands on process
// trees; none is owned.
struct ProcessViews {
  const RecordListener& tracked;  // every process, whatever the list shows
  const ObjectList& list;         // the last cycle's figures
  const KnownPrograms& programs;
};

// The selection, the tree's focus and the setting, as the object commands ask for them.
class SelectionHost : public CommandHost {
 public:
  SelectionHost(MainForm& form, ListListener& listener, LastMainWindows& mainWindows,
                const ProcessViews& processes)
      : form_(form), listener_(listener), mainWindows_(mainWindows), processes_(processes) {}
  bool NavigationTreeFocused() override;
  std::vector<SelectedRow> SelectedRows() override;
  bool AskBeforeTerminate() override;
  void SetAskBeforeTerminate(bool checked) override;
  const ProcessFigureTable* Processes() override { return &processes_.list.Figures(); }
  std::optional<SelectedRow> ProcessRow(const ObjectKey& key) override {
    return TrackedProcessRow(key, processes_.tracked, processes_.programs);
  }
  uint32_t OwnProcessId() override { return GetCurrentProcessId(); }

 private:
  MainForm& form_;                // not owned
  ListListener& listener_;        // not owned
  LastMainWindows& mainWindows_;  // not owned
  ProcessViews processes_;
};

// Runs the hand-over steps with the tree and the list not redrawing, once per batch, and adds
// up the time they take.
class BatchDispatcher : public GuiDispatcher {
 public:
  BatchDispatcher(GuiDispatcher& inner, MainForm& form) : inner_(inner), form_(form) {}
  void RunOnGui(const std::function<void()>& step) override;
  // Ends a cycle's quiet, if its records held the tree's drawing back.
  void CycleEnded();
  double Milliseconds() const { return milliseconds_; }

 private:
  GuiDispatcher& inner_;     // not owned
  MainForm& form_;           // not owned
  bool cycleQuiet_ = false;  // a cycle's records are being applied
  double milliseconds_ = 0;
};

class Program {
 public:
  // The executable's directory becomes the current directory, the single-instance rule is
  // applied, and everything is made, the collector thread suspended. arguments: the command
  // line after the program name. source: where the snapshots come from, the system's unless
  // given (not owned). updateIntervalMs: the update timer's period.
  explicit Program(std::vector<std::string> arguments, SnapshotSource* source = nullptr,
                   UINT updateIntervalMs = kUpdateIntervalMs);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // Creates the main window, restores the workspace, installs the companion on the first run,
  // creates the dialogs and starts the updates; shows the window (a first instance), and the
  // command-line dialog for a command line.
  void Open(int showCommand = SW_SHOWNORMAL);

  MainForm& Form() { return form_; }
  InfoThread& Worker() { return infoThread_; }
  ListFilter& Filter() { return listFilter_; }
  ListModel& ListRows() { return listModel_; }
  const TrayShared& Tray() const { return tray_; }
  LogDlg& LogDialog() { return logDlg_; }
  SearchDlg& SearchDialog() { return searchDlg_; }
  PrintReportDlg& PrintReportDialog() { return printReportDlg_; }
  AutorunDlg& AutorunDialog() { return autorunDlg_; }
  CmdLineDlg& CmdLineDialog() { return cmdLineDlg_; }
  StartDlg& StartDialog() { return startDlg_; }
  AboutDlg& AboutDialog() { return aboutDlg_; }
  PerformanceDlg& PerformanceDialog() { return performanceDlg_; }
  FindWindowDlg& FindWindowDialog() { return findWindowDlg_; }
  // Time the GUI thread has spent applying handed-over records, in milliseconds.
  double DeliveryMilliseconds() const { return batches_.Milliseconds(); }
  // Of that, in the cycles' process figures: the list's figure cells and the Performance
  // window's cycle.
  double FiguresMilliseconds() const { return figuresMs_; }

 private:
  // Empties the tree and the list and their listeners' stores, whatever they hold, for the next
  // cycle to fill again: the list's level, heading and search result stay.
  void RebuildViews();
  // "details.dat": the details' check mark and the Performance window's place.
  void RestoreViewSettings();
  void SaveViewSettings();

  std::vector<std::string> arguments_;
  UINT updateIntervalMs_;
  std::string appDirectory_;
  bool terminating_ = false;  // a second instance: the message loop ends at its first turn
  double figuresMs_ = 0;
  HANDLE mutex_ = nullptr;    // owned; held for the life of the process
  bool viewsBroken_ = false;  // a listener raised during this cycle's delivery

  // Platform services.
  Win32Locale locale_;
  Win32Clock clock_;
  Win32Registry registry_;
  NtQuerySource systemSource_;
  SnapshotSource& source_;  // not owned
  TrayShared tray_;
  KnownPrograms programs_{locale_};
  Win32Files files_{appDirectory_};  // the data files are the program folder's, always
  Win32ProgramStarter starter_;
  Win32MessageBoxes boxes_;
  Win32ObjectControl objectControl_;
  Win32Clipboard clipboard_;

  // The window first: the models below draw into its controls. It is handed them, and the
  // dialogs and the thread, before they are made; it uses none of them until it is opened.
  MainForm form_{
      MainFormServices{.files = files_,
                       .clipboard = clipboard_,
                       .pause = pause_,
                       .traySettings = traySettings_,
                       .worker = infoThread_,
                       .commands = commands_,
                       .dialogs = {logDlg_, searchDlg_, printReportDlg_, autorunDlg_, cmdLineDlg_,
                                   startDlg_, aboutDlg_, performanceDlg_, findWindowDlg_},
                       .objectList = objectList_,
                       .listModel = listModel_}};

  // The view models and their listeners, served by the sink in this order: tree, list filter,
  // status, the main windows; then the log dialog's.
  TreeModel treeModel_{form_.TreeControl()};
  ListModel listModel_{form_.ListControl()};
  TreeListener treeListener_{treeModel_, programs_};
  ListListener listListener_{listModel_, programs_};
  ListFilter listFilter_{listListener_};
  UpdatePause pause_{form_.StatusPanels()};
  StatusListener statusListener_{pause_};
  LastMainWindows lastMainWindows_;  // for the commands on a process's main window
  ComputerLoads loads_;              // for the Performance window
  RecordSink sink_{{&treeListener_, &listFilter_, &statusListener_, &lastMainWindows_, &loads_}};

  // What the list shows: a level or a search result, with its heading and columns.
  ObjectList objectList_{{listFilter_, listListener_, treeListener_, treeModel_, listModel_,
                          programs_, locale_, form_.ListFrame(), &clock_, &objectControl_}};

  SelectionHost host_{
      form_, listListener_, lastMainWindows_, {treeListener_, objectList_, programs_}};
  ObjectCommands commands_{host_, boxes_, objectControl_, programs_};

  // The tool dialogs, made here and created as the window's children before the first tick.
  LogDlg logDlg_{sink_, clock_, files_};
  SearchDlg searchDlg_{objectList_, locale_};
  PrintReportDlg printReportDlg_{objectList_, clock_, files_};
  AutorunDlg autorunDlg_{registry_, files_, locale_, programs_};
  CmdLineDlg cmdLineDlg_{
      CmdLineServices{objectControl_, registry_, files_, tray_, listModel_, appDirectory_}};
  StartDlg startDlg_{files_, starter_, appDirectory_ + kRunHistoryFile};
  AboutDlg aboutDlg_{starter_};
  PerformanceDlg performanceDlg_;
  FindWindowDlg findWindowDlg_{objectList_};
  TraySettings traySettings_{
      TraySettingsServices{registry_, starter_, files_, objectControl_, tray_, appDirectory_}};

  orvane::Collector collector_{source_, registry_, clock_, locale_, tray_};
  WindowDispatcher dispatcher_;
  BatchDispatcher batches_{dispatcher_, form_};
  InfoThread infoThread_{collector_, batches_};  // last: it uses everything above
};

}  // namespace orvane::win32
