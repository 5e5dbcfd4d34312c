#pragma once
// The main window: navigation tree, object list with heading and information box, status
// bar, the palette bars, the menu and keys, and the timer that drives the collector. The
// program (app/win32/program.h) makes it and hands it the models, dialogs and services.

#include <windows.h>

#include <string>
#include <thread>

#include "app/commands.h"
#include "app/main_menu.h"
#include "app/object_list.h"
#include "app/tray_settings.h"
#include "app/update_pause.h"
#include "app/win32/list_frame.h"
#include "app/win32/palette_bars.h"
#include "dialogs/about/win32/about_dlg.h"
#include "dialogs/autorun/win32/autorun_dlg.h"
#include "dialogs/cmdline/win32/cmd_line_dlg.h"
#include "dialogs/find/win32/find_window_dlg.h"
#include "dialogs/log/win32/log_dlg.h"
#include "dialogs/performance/win32/performance_dlg.h"
#include "dialogs/report/win32/print_report_dlg.h"
#include "dialogs/search/win32/search_dlg.h"
#include "dialogs/start/win32/start_dlg.h"
#include "platform/clipboard.h"
#include "platform/files.h"
#include "snapshot/info_thread.h"
#include "view/win32/view_controls.h"
#include "winui/dpi.h"
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

constexpr const char* kMainCaption = kMainWindowTitle.data();
// The timer that wakes the collector.
constexpr UINT_PTR kUpdateTimer = 1;
constexpr COLORREF kBarColour = RGB(165, 178, 221);
// A registered message the main window answers with the number of times it rebuilt its views
// after a listener's consistency error; the soak reads it from outside.
constexpr char kViewRepairsMessage[] = "OrvaneViewRepairs";

// The menu's ids, named here as the window's code and its tests use them.
using enum MenuId;
using orvane::CommandId;
using orvane::PaletteMenuId;

// The tool dialogs, made by the program, created as the main window's children.
struct ToolDialogs {
  LogDlg& log;
  SearchDlg& search;
  PrintReportDlg& printReport;
  AutorunDlg& autorun;
  CmdLineDlg& cmdLine;
  StartDlg& start;
  AboutDlg& about;
  PerformanceDlg& performance;
  FindWindowDlg& findWindow;
};

// What the main window works with, all of it owned by the program (not owned here). The window
// only keeps references: it is made before the models and listeners it is handed.
struct MainFormServices {
  Files& files;
  Clipboard& clipboard;
  UpdatePause& pause;  // whether a tick wakes the collector
  TraySettings& traySettings;
  InfoThread& worker;
  ObjectCommands& commands;
  ToolDialogs dialogs;
  // What the list shows, and the rows the list view paints.
  ObjectList& objectList;
  const ListModel& listModel;
};

class MainForm : public winui::WindowBase {
 public:
  explicit MainForm(const MainFormServices& services) : services_(services) {}
  ~MainForm() override;

  // Creates the window and its components, without showing it.
  void Create();
  // Restores "workspace.dat", or the default workspace without a whole file.
  void RestoreWorkspace();
  // The tray items' check marks, as the Settings menu shows them.
  TrayMenuChecks TrayChecks() const;
  // Starts the update timer: each tick wakes the collector. Stopped, nothing wakes it.
  void StartUpdates(UINT intervalMs);
  void StopUpdates() { KillTimer(kUpdateTimer); }
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
  void ShowProcessDetails1Click();
  void HighlightChanges1Click();
  void ShowPaletteClick(PaletteId id);
  void Addtraybaricon1Click();
  // Shared by the three trap items; item 0 when no item invoked it (the restored workspace).
  void TrapCTRLALTDEL1Click(int item);
  void Help1Click();
  // View > Pause Updates: no tick wakes the collector until it is unchecked; Refresh still
  // runs one cycle.
  void PauseUpdates1Click();
  // Edit > Copy: the selected rows, or all, as text on the clipboard.
  void Copy1Click();
  // WM_DPICHANGED: the window takes the suggested rectangle and lays itself out again with
  // fonts, images and sizes for the new DPI.
  void OnDpiChanged(int dpi, const RECT& suggested);
  int Dpi() const { return dpi_; }
  // Runs the handler bound to a palette button, menu item or key.
  void RunCommand(Command command);
  bool MenuChecked(int id) const;
  void SetMenuChecked(int id, bool checked);

  winui::TreeView& Tree() { return viewObjectTreeTV_; }
  winui::ListView& List() { return viewObjectListLV_; }
  winui::RichEdit& Info() { return viewObjectInfoRE_; }
  winui::StatusBar& Status() { return viewStatus_; }
  winui::Panel& Heading() { return viewListName_; }
  PaletteBars& Bars() { return bars_; }
  winui::Panel& DockBig() { return dockBig_; }
  winui::Panel& DockTop() { return dockTop_; }
  winui::Panel& DockBottom() { return dockBottom_; }
  // The view seams' adapters over the tree, the list and the status bar.
  TreeViewControl& TreeControl() { return treeControl_; }
  ListViewControl& ListControl() { return listControl_; }
  StatusBarPanels& StatusPanels() { return statusPanels_; }
  // The heading, columns and information box around the list's rows.
  Win32ListFrame& ListFrame() { return listFrame_; }
  // Counts a rebuild of the tree and the list after a listener's consistency error.
  void CountViewRepair() { ++viewRepairs_; }
  // Times the tree and the list were rebuilt after a listener's consistency error.
  uint64_t ViewRepairs() const { return viewRepairs_; }
  // Called as the window closes, before it saves the workspace.
  std::function<void()> onClosing;

 protected:
  void OnCreate() override;
  void OnSize(int width, int height) override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnTimer(UINT_PTR id) override;
  bool OnClose() override;
  void OnDestroy() override;
  bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

 private:
  void CreateComponents();
  // Starts the companion kTrayRestartWaitMs from now, or cancels a start still to come.
  void StartCompanionLater(bool start);
  void SetTrayChecks(const TrayMenuChecks& checks);
  void ApplyRestoreStep(const RestoreStep& step);
  // FormClose's save; a file that cannot be written keeps its old content.
  void SaveWorkspace();
  void MainBarResize(int width);
  // Tab and Shift+Tab: the focus goes round the tree, the list and the information box.
  void FocusNextPane(bool backwards);
  // The fonts and images drawn for dpi_.
  void LoadScaledResources();
  // value, given at 96 DPI, in the pixels of the window's display.
  int Px(int value) const { return Scale(value, dpi_); }
  MainFormServices services_;
  HACCEL accelerators_ = nullptr;  // owned
  bool initialSelectionPending_ = true;
  uint64_t viewRepairs_ = 0;
  int dpi_ = kBaseDpi;  // the display's, for every size the window gives

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
  PaletteBars bars_{{dockBig_, dockTop_, dockBottom_, dockCenter_, layout_}};
  HMENU menu_ = nullptr;  // owned by the window

  // The view seams' adapters: the list view reads its rows from the list model as it paints.
  TreeViewControl treeControl_{viewObjectTreeTV_};
  ListViewControl listControl_{viewObjectListLV_, services_.listModel};
  StatusBarPanels statusPanels_{viewStatus_, {}};
  Win32ListFrame listFrame_{{viewListName_, viewObjectListLV_, viewObjectInfoRE_, viewObjectTreeTV_,
                             treeControl_, listControl_}};
  // Starts the companion (see OnTimer); last, so that it is waited for before anything goes.
  std::jthread companionStart_;
};

}  // namespace orvane::win32
