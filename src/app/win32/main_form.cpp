#include "app/win32/main_form.h"

#include "app/startup.h"
#include "res/resource.h"
#include "winui/error_box.h"
#include "winui/message_loop.h"

namespace orvane::win32 {

namespace {

constexpr UINT_PTR kUpdateTimer = 1;
constexpr UINT_PTR kCompanionStartTimer = 2;
constexpr int kBarHeight = 51;
constexpr int kLogoWidth = 233;
constexpr int kLogoHeight = 59;
// Posted when the user has chosen a tree node; WM_APP is the list's released key.
constexpr UINT kTreeClicked = WM_APP + 1;

// Shows, restores and activates the running instance's main window, if there is one.
void BringRunningInstanceForward() {
  if (HWND running = FindWindowA(kMainWindowClass.data(), kMainWindowTitle.data())) {
    winui::BringForward(running);
  }
}

}  // namespace

MainForm::MainForm(std::vector<std::string> arguments, SnapshotSource* source,
                   UINT updateIntervalMs)
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

  sink_.Register(&treeListener_);
  sink_.Register(&listFilter_);
  sink_.Register(&statusListener_);
  sink_.Register(&lastMainWindows_);
  logDlg_ = std::make_unique<LogDlg>(sink_, clock_, files_);
  searchDlg_ = std::make_unique<SearchDlg>(objectList_, locale_);
  printReportDlg_ = std::make_unique<PrintReportDlg>(objectList_, clock_, files_);
  autorunDlg_ = std::make_unique<AutorunDlg>(registry_, files_, locale_, programs_);
  cmdLineDlg_ = std::make_unique<CmdLineDlg>(
      CmdLineServices{objectControl_, registry_, files_, tray_, listModel_, appDirectory_});
  startDlg_ = std::make_unique<StartDlg>(files_, starter_, appDirectory_ + kRunHistoryFile);
  aboutDlg_ = std::make_unique<AboutDlg>(starter_);
  traySettings_ = std::make_unique<TraySettings>(
      TraySettingsServices{registry_, starter_, files_, objectControl_, tray_, appDirectory_});
  infoThread_ = std::make_unique<InfoThread>(collector_, batches_);
  infoThread_->SetSink(&sink_);
  // A listener's consistency error leaves its view as it stood at that record; the cycle's end
  // rebuilds the views rather than let them stay wrong. The user could do nothing with a box.
  infoThread_->SetErrorHandler([this](const std::string&) { viewsBroken_ = true; });
  infoThread_->SetCycleEndStep([this] {
    logDlg_->CycleEnded();
    if (viewsBroken_) RebuildViews();
    if (!cycleQuiet_) return;
    cycleQuiet_ = false;
    EndQuiet();
  });
}

MainForm::~MainForm() {
  // A cycle still being handed over needs this thread to take its records before the
  // collector can be ended; the program itself never waits here, it just exits.
  const DWORD start = GetTickCount();
  while (infoThread_->Busy() && GetTickCount() - start < 10000) {
    winui::PumpMessages();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  }
  infoThread_.reset();
  if (accelerators_) DestroyAcceleratorTable(accelerators_);
  if (mutex_) CloseHandle(mutex_);
}

void MainForm::Open(int showCommand) {
  winui::InitCommonControls();
  winui::WindowArgs args;
  args.className = kMainWindowClass.data();
  args.text = kMainCaption;
  args.x = 286;
  args.y = 82;
  args.width = 911;
  args.height = 724;
  menu_ = BuildMenu();
  args.menu = menu_;
  args.icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_APP));
  args.smallIcon = static_cast<HICON>(
      LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_APP), IMAGE_ICON, 16, 16, 0));
  Create(args);
  // A second instance ends at once; shown, it would take the front from the running one.
  if (!terminating_) {
    ShowWindow(*this, showCommand);
    UpdateWindow(*this);
  }
  if (OpensCommandLineDialog(arguments_)) cmdLineDlg_->FormShow(arguments_);
}

void MainForm::OnCreate() {
  CreateComponents();
  CreatePalettes();
  boxes_.SetOwner(*this);
  starter_.SetOwner(*this);
  RestoreWorkspace();
  // Reported, not fatal: the window is made all the same, and the next start tries again.
  winui::Guarded([this] { traySettings_->InstallOnFirstRun(TrayChecks().traps); });
  // Only in the running instance: a second one, or a command line run beside it, would judge
  // by a workspace that the running one has not saved yet.
  if (AppliesSingleInstanceRule(arguments_) && !terminating_) {
    traySettings_->RemoveStaleTaskManagerTrap(TrayChecks().traps);
  }
  // Before the first tick, so the log sees the first cycle.
  CreateDialogs();
  SetTimer(kUpdateTimer, updateIntervalMs_);
}

void MainForm::CreateComponents() {
  font_ = winui::MakeFont("MS Sans Serif", -11);
  headingFont_ = winui::MakeFont("MS Sans Serif", -13, true);
  SetFont(font_);
  viewObjectIcons_ = winui::ImageList::FromResource(IDB_VIEW_OBJECT_ICONS);
  viewObjectIconsPriority_ = winui::ImageList::FromResource(IDB_VIEW_OBJECT_ICONS_PRIORITY);
  logoBitmap_ = winui::LoadBitmapResource(IDB_IMAGE_LOGO);
  layout_.SetParent(*this);

  // Children are laid out in the order added: each edge takes its part of what is left.
  mainBar_.Create({.parent = *this, .id = 1, .background = kBarColour, .font = font_});
  layout_.Add(mainBar_, winui::Align::Top, kBarHeight);
  dockBig_.Create({.parent = mainBar_, .id = 2, .background = kBarColour});
  mainBar_.Layout().Add(dockBig_, winui::Align::Left, 409);
  imageLogo_.Create({.parent = mainBar_, .id = 3, .width = kLogoWidth, .height = kLogoHeight},
                    logoBitmap_);
  mainBar_.onResize = [this](int width, int) { MainBarResize(width); };

  dockTop_.Create({.parent = *this, .id = 4});
  layout_.Add(dockTop_, winui::Align::Top, 4);

  viewStatus_.Create({.parent = *this, .id = 5, .font = font_});
  viewStatus_.SetPanels({200, 200, 50});
  layout_.Add(viewStatus_, winui::Align::Bottom);
  dockBottom_.Create({.parent = *this, .id = 6});
  layout_.Add(dockBottom_, winui::Align::Bottom, 4);

  dockCenter_.Create({.parent = *this, .id = 7, .font = font_, .bevel = winui::Bevel::Lowered});
  layout_.Add(dockCenter_, winui::Align::Client);

  viewObjectTreeTV_.Create({.parent = dockCenter_, .id = 8});
  viewObjectTreeTV_.SetStateImages(viewObjectIcons_);
  viewObjectTreeTV_.SetIndent(19);
  dockCenter_.Layout().Add(viewObjectTreeTV_, winui::Align::Left, 272);
  splitter2_.Create({.parent = dockCenter_,
                     .id = 9,
                     .vertical = true,
                     .layout = &dockCenter_.Layout(),
                     .target = viewObjectTreeTV_});
  rightCenter_.Create({.parent = dockCenter_, .id = 10, .font = font_});
  dockCenter_.Layout().Add(rightCenter_, winui::Align::Client);

  viewListName_.Create({.parent = rightCenter_, .id = 11, .font = headingFont_});
  rightCenter_.Layout().Add(viewListName_, winui::Align::Top, 24);
  viewObjectInfoRE_.Create({.parent = rightCenter_, .id = 12});
  rightCenter_.Layout().Add(viewObjectInfoRE_, winui::Align::Bottom, 90);
  splitter1_.Create({.parent = rightCenter_,
                     .id = 13,
                     .vertical = false,
                     .layout = &rightCenter_.Layout(),
                     .target = viewObjectInfoRE_});
  // Owner data: the list view reads its rows from the list model as it paints them.
  viewObjectListLV_.Create({.parent = rightCenter_, .id = 14, .style = LVS_OWNERDATA});
  viewObjectListLV_.SetItemSource(&listControl_);
  viewObjectListLV_.SetSmallImages(viewObjectIconsPriority_);
  viewObjectListLV_.SetStateImages(viewObjectIcons_);
  rightCenter_.Layout().Add(viewObjectListLV_, winui::Align::Client);

  // The tree reports a click before it moves its selection, so the click is acted on once it
  // comes out of the queue, the cycle running or not. A key's selection change counts as a
  // click; the mouse's does not (the click itself counts), nor does one the window makes.
  viewObjectTreeTV_.onClick = [this](HTREEITEM item) {
    if (item) PostMessageA(kTreeClicked, 0, 0);
  };
  viewObjectTreeTV_.onSelChanged = [this](HTREEITEM, winui::SelectedBy by) {
    if (by == winui::SelectedBy::kKeyboard) PostMessageA(kTreeClicked, 0, 0);
  };
  viewObjectListLV_.onClick = [this] { ViewObjectListLVClick(); };
  // Any key released in the list does what a click does; the posted message arrives after
  // the key has moved the selection.
  viewObjectListLV_.onKeyDown = [this](WORD) { PostMessageA(WM_APP, 0, 0); };
  viewObjectListLV_.onColumnClick = [this](int column) { ViewObjectListLVColumnClick(column); };
  objectList_.ShowFirst();

  layout_.Apply();
}

void MainForm::OnSize(int, int) {
  layout_.Apply();
  SetForegroundWindow(*this);
}

void MainForm::MainBarResize(int width) {
  imageLogo_.Move(LogoLeft(width, kLogoWidth), 0, kLogoWidth, kLogoHeight);
}

void MainForm::OnTimer(UINT_PTR id) {
  if (id == kUpdateTimer) {
    UpdateTimer();
  } else if (id == kCompanionStartTimer) {
    KillTimer(kCompanionStartTimer);
    traySettings_->StartCompanion();
  }
}

void MainForm::StartCompanionLater(bool start) {
  // The latest trap click decides; the window goes on answering while the old companion goes.
  if (start) {
    SetTimer(kCompanionStartTimer, kTrayRestartWaitMs);
  } else {
    KillTimer(kCompanionStartTimer);
  }
}

bool MainForm::OnMessage(UINT msg, WPARAM, LPARAM, LRESULT& result) {
  static const UINT viewRepairsMessage = RegisterWindowMessageA(kViewRepairsMessage);
  if (msg == viewRepairsMessage) {
    result = static_cast<LRESULT>(viewRepairs_);
    return true;
  }
  if (msg == WM_APP) {
    ViewObjectListLVClick();
  } else if (msg == kTreeClicked) {
    ViewObjectTreeTVClick();
  } else {
    return false;
  }
  result = 0;
  return true;
}

bool MainForm::OnClose() {
  // FormClose. The collector is neither stopped nor waited for: the process ends with it.
  if (!terminating_) SaveWorkspace();
  return false;
}

void MainForm::OnDestroy() {
  KillTimer(kUpdateTimer);
  PostQuitMessage(0);
}

void MainForm::MenuExitClick() {
  PostMessageA(WM_CLOSE, 0, 0);
}

void MainForm::UpdateTimer() {
  SetMenuChecked(kMenuAddTrayIcon, traySettings_->TrayIconChecked());
  infoThread_->Wake();
  if (initialSelectionPending_ && viewObjectTreeTV_.Count() > 0) {
    listFrame_.Quietly([this] { viewObjectTreeTV_.Select(viewObjectTreeTV_.Root()); });
    ViewObjectTreeTVClick();
    initialSelectionPending_ = false;
  }
}

void MainForm::BeginQuiet() {
  // The tree stops drawing for the changes that show, once per cycle rather than per batch:
  // each switch back on repaints all of it. The list keeps drawing: it repaints only the rows
  // in view that change.
  if (quietDepth_++ > 0) return;
  treeControl_.HoldRedraw();
}

void MainForm::EndQuiet() {
  if (--quietDepth_ > 0) return;
  treeControl_.ReleaseRedraw();
}

void MainForm::BatchDispatcher::RunOnGui(const std::function<void()>& step) {
  inner_.RunOnGui([this, &step] {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    if (!form_.cycleQuiet_) {
      form_.cycleQuiet_ = true;
      form_.BeginQuiet();
    }
    // The list's row count once per batch: between batches the list is painted and clicked as
    // it is.
    form_.listControl_.HoldCount();
    step();
    form_.listControl_.ReleaseCount();
    QueryPerformanceCounter(&end);
    form_.deliveryMilliseconds_ += 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
                                   static_cast<double>(frequency.QuadPart);
  });
}

}  // namespace orvane::win32
