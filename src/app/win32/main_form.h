#pragma once
// The main window: navigation tree, object list with heading and information box, status
// bar, the palette bars, and the timer that drives the collector.

#include <windows.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "app/commands.h"
#include "app/docking.h"
#include "app/main_menu.h"
#include "app/object_list.h"
#include "app/palettes.h"
#include "app/tray_settings.h"
#include "app/win32/list_frame.h"
#include "app/win32/palette_dock.h"
#include "app/win32/palette_window.h"
#include "dialogs/about/win32/about_dlg.h"
#include "dialogs/autorun/win32/autorun_dlg.h"
#include "dialogs/cmdline/win32/cmd_line_dlg.h"
#include "dialogs/log/win32/log_dlg.h"
#include "dialogs/report/win32/print_report_dlg.h"
#include "dialogs/search/win32/search_dlg.h"
#include "dialogs/start/win32/start_dlg.h"
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
#include "view/win32/view_controls.h"
#include "winui/gdi.h"
#include "winui/image_list.h"
#include "winui/list_view.h"
#include "winui/panel.h"
#include "winui/rich_edit.h"
#include "winui/splitter.h"
#include "winui/static_controls.h"
#include "winui/status_bar.h"
#include "winui/tree_view.h"
#include "winui/window_base.h"

namespace orvane::win32 {

constexpr char kApplicationTitle[] = "Orvane 2000";
constexpr const char* kMainCaption = kMainWindowTitle.data();
constexpr char kInstanceMutex[] = "Orvane2000Mutex";
// How often the window wakes the collector; tests ask for a shorter one.
constexpr UINT kUpdateIntervalMs = 1000;
constexpr COLORREF kBarColour = RGB(165, 178, 221);
// A registered message the main window answers with the number of times it rebuilt its views
// after a listener's consistency error; the soak reads it from outside.
constexpr char kViewRepairsMessage[] = "OrvaneViewRepairs";

// The menu's ids, named here as the window's code and its tests use them.
using enum MenuId;
using orvane::CommandId;
using orvane::PaletteMenuId;

class MainForm : public winui::WindowBase {
 public:
  // Construction: the executable's directory becomes the current directory, the
  // single-instance rule is applied, and the sink, the listeners and the collector thread
  // (suspended) are made. arguments: the command line after the program name. source: where
  // the snapshots come from, the system's tool-help snapshots unless given (not owned).
  // updateIntervalMs: the update timer's period.
  explicit MainForm(std::vector<std::string> arguments, SnapshotSource* source = nullptr,
                    UINT updateIntervalMs = kUpdateIntervalMs);
  ~MainForm() override;

  // Creates the window and its components (FormCreate) and shows it (FormShow), opening the
  // command-line dialog for a command line.
  void Open(int showCommand = SW_SHOWNORMAL);
  // This is a second instance: the message loop is to end at its first turn.
  bool Terminating() const { return terminating_; }
  HACCEL Accelerators() const { return accelerators_; }

  // Handlers, public so that tests can drive the window as a person would.
  void UpdateTimer();
  void ViewObjectTreeTVClick();
  void ToolGeneral0RefreshClick();
  void ViewObjectListLVClick();
  void ViewObjectListLVColumnClick(int column);
  void MenuExitClick();
  void MenuResetWorkspaceClick();
  void ShowObjectInfo1Click();
  void ShowNavigationTree1Click();
  void ShowPaletteClick(PaletteId id);
  // Lays out the palette's buttons for the place the arrangement gives it, docked in its bar or
  // floating in its tool window, and shows or hides it.
  void ToolEndDock(PaletteId id);
  void Addtraybaricon1Click();
  // Shared by the three trap items; item 0 when no item invoked it (the restored workspace).
  void TrapCTRLALTDEL1Click(int item);
  void Help1Click();
  // Runs the handler bound to a palette button, menu item or key.
  void RunCommand(Command command);
  bool MenuChecked(int id) const;

  winui::TreeView& Tree() { return viewObjectTreeTV_; }
  winui::ListView& List() { return viewObjectListLV_; }
  winui::RichEdit& Info() { return viewObjectInfoRE_; }
  winui::StatusBar& Status() { return viewStatus_; }
  winui::Panel& Heading() { return viewListName_; }
  PaletteWindow& PaletteOf(PaletteId id) { return palettes_[static_cast<std::size_t>(id)]; }
  winui::Panel& DockBig() { return dockBig_; }
  winui::Panel& DockTop() { return dockTop_; }
  winui::Panel& DockBottom() { return dockBottom_; }
  winui::Panel& DockCenter() { return dockCenter_; }
  FloatingHost& FloatingHostOf(PaletteId id) { return hosts_[static_cast<std::size_t>(id)]; }
  const PaletteArrangement& Arrangement() const { return arrangement_; }
  ObjectCommands& Commands() { return commands_; }
  Win32MessageBoxes& Boxes() { return boxes_; }
  winui::Panel& Bar() { return mainBar_; }
  LogDlg& LogDialog() { return *logDlg_; }
  SearchDlg& SearchDialog() { return *searchDlg_; }
  PrintReportDlg& PrintReportDialog() { return *printReportDlg_; }
  AutorunDlg& AutorunDialog() { return *autorunDlg_; }
  CmdLineDlg& CmdLineDialog() { return *cmdLineDlg_; }
  StartDlg& StartDialog() { return *startDlg_; }
  AboutDlg& AboutDialog() { return *aboutDlg_; }
  winui::Picture& Logo() { return imageLogo_; }
  ListFilter& Filter() { return listFilter_; }
  ListModel& ListRows() { return listModel_; }
  InfoThread& Worker() { return *infoThread_; }
  const TrayShared& Tray() const { return tray_; }
  const std::string& AppDirectory() const { return appDirectory_; }
  // Times the tree and the list were rebuilt after a listener's consistency error.
  uint64_t ViewRepairs() const { return viewRepairs_; }
  // Time the GUI thread has spent applying handed-over records, in milliseconds.
  double DeliveryMilliseconds() const { return deliveryMilliseconds_; }

 protected:
  void OnCreate() override;
  void OnSize(int width, int height) override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnTimer(UINT_PTR id) override;
  bool OnClose() override;
  void OnDestroy() override;
  bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

 private:
  // Runs the hand-over steps with the tree and the list not redrawing, once per batch.
  class BatchDispatcher : public GuiDispatcher {
   public:
    BatchDispatcher(GuiDispatcher& inner, MainForm& form) : inner_(inner), form_(form) {}
    void RunOnGui(const std::function<void()>& step) override;

   private:
    GuiDispatcher& inner_;  // not owned
    MainForm& form_;        // not owned
  };

  // The selection, the tree's focus and the setting, as the object commands ask for them.
  class Host : public CommandHost {
   public:
    explicit Host(MainForm& form) : form_(form) {}
    bool NavigationTreeFocused() override;
    std::vector<SelectedRow> SelectedRows() override;
    bool AskBeforeTerminate() override;
    void SetAskBeforeTerminate(bool checked) override;

   private:
    MainForm& form_;  // not owned
  };

  void CreateComponents();
  void CreateDialogs();
  void CreatePalettes();
  HMENU BuildMenu();
  void SetMenuChecked(int id, bool checked);
  TrayMenuChecks TrayChecks() const;
  // Starts the companion kTrayRestartWaitMs from now, or cancels a start still to come.
  void StartCompanionLater(bool start);
  void SetTrayChecks(const TrayMenuChecks& checks);
  winui::Panel& BarOf(DockSite site);
  // The bars' heights and every palette's place, from the arrangement.
  void ApplyArrangement();
  void PaletteDrag(PaletteId id, DragPhase phase, POINT cursor);
  Landing LandingFor(PaletteId id, POINT cursor);
  // FormCreate's restore of "workspace.dat", or the default workspace without a whole file.
  void RestoreWorkspace();
  void ApplyRestoreStep(const RestoreStep& step);
  // FormClose's save; a file that cannot be written keeps its old content.
  void SaveWorkspace();
  void MainBarResize(int width);
  // Empties the tree and the list and their listeners' stores, whatever they hold, for the next
  // cycle to fill again: the list's level, heading and search result stay.
  void RebuildViews();
  void BeginQuiet();
  void EndQuiet();

  std::vector<std::string> arguments_;
  UINT updateIntervalMs_;
  std::string appDirectory_;
  bool terminating_ = false;
  HANDLE mutex_ = nullptr;         // owned; held for the life of the process
  HACCEL accelerators_ = nullptr;  // owned
  bool initialSelectionPending_ = true;
  int quietDepth_ = 0;
  bool cycleQuiet_ = false;   // a cycle's records are being applied
  bool viewsBroken_ = false;  // a listener raised during this cycle's delivery
  uint64_t viewRepairs_ = 0;
  double deliveryMilliseconds_ = 0;

  // Platform services.
  Win32Locale locale_;
  Win32Clock clock_;
  Win32Registry registry_;
  NtQuerySource systemSource_;
  SnapshotSource& source_;  // not owned
  TrayShared tray_;
  KnownPrograms programs_{locale_};

  // Components, in the order of the form.
  winui::Font font_;
  winui::Font headingFont_;
  winui::ImageList viewObjectIcons_;
  winui::ImageList viewObjectIconsPriority_;
  winui::Bitmap logoBitmap_;
  winui::DockLayout layout_;
  winui::Panel mainBar_;
  winui::Panel dockBig_;
  winui::Picture imageLogo_;
  winui::Panel dockTop_;
  winui::Panel dockCenter_;
  winui::TreeView viewObjectTreeTV_;
  winui::Splitter splitter2_;
  winui::Panel rightCenter_;
  winui::Panel viewListName_;
  winui::ListView viewObjectListLV_;
  winui::Splitter splitter1_;
  winui::RichEdit viewObjectInfoRE_;
  winui::Panel dockBottom_;
  winui::StatusBar viewStatus_;
  winui::ImageList glyphs24_;
  winui::ImageList glyphs32_;
  std::array<PaletteWindow, 5> palettes_;  // by PaletteId
  std::array<FloatingHost, 5> hosts_;      // by PaletteId: where each floats
  PaletteArrangement arrangement_;         // where the palettes are, read by all that shows them
  DropIndicator dropIndicator_;
  POINT dragGrab_{};      // the cursor's offset from the dragged palette's top left
  HMENU menu_ = nullptr;  // owned by the window

  // The view models and their listeners, served by the sink in this order: tree, list
  // filter, status.
  TreeViewControl treeControl_{viewObjectTreeTV_};
  TreeModel treeModel_{treeControl_};
  ListViewControl listControl_{viewObjectListLV_, listModel_};
  ListModel listModel_{listControl_};
  StatusBarPanels statusPanels_{viewStatus_, {200, 200, 50}};
  RecordSink sink_;
  TreeListener treeListener_{treeModel_, programs_};
  ListListener listListener_{listModel_, programs_};
  ListFilter listFilter_{listListener_};
  StatusListener statusListener_{statusPanels_};
  LastMainWindows lastMainWindows_;  // for the commands on a process's main window

  Win32MessageBoxes boxes_;
  Win32ObjectControl objectControl_;
  Host host_{*this};
  ObjectCommands commands_{host_, boxes_, objectControl_, programs_};

  // The tool dialogs, made in the constructor: the log dialog's listener comes after the
  // window's own.
  Win32Files files_{appDirectory_};  // the data files are the program folder's, always
  Win32ProgramStarter starter_;
  Win32ListFrame listFrame_{{viewListName_, viewObjectListLV_, viewObjectInfoRE_, viewObjectTreeTV_,
                             treeControl_, listControl_}};
  ObjectList objectList_{{listFilter_, listListener_, treeListener_, treeModel_, listModel_,
                          programs_, locale_, listFrame_}};
  std::unique_ptr<LogDlg> logDlg_;
  std::unique_ptr<SearchDlg> searchDlg_;
  std::unique_ptr<PrintReportDlg> printReportDlg_;
  std::unique_ptr<AutorunDlg> autorunDlg_;
  std::unique_ptr<CmdLineDlg> cmdLineDlg_;
  std::unique_ptr<StartDlg> startDlg_;
  std::unique_ptr<AboutDlg> aboutDlg_;
  std::unique_ptr<TraySettings> traySettings_;  // made once the program's directory is known

  orvane::Collector collector_{source_, registry_, clock_, locale_, tray_};
  WindowDispatcher dispatcher_;
  BatchDispatcher batches_{dispatcher_, *this};
  std::unique_ptr<InfoThread> infoThread_;  // last: it uses everything above
};

}  // namespace orvane::win32
