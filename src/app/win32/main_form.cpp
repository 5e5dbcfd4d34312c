#include "app/win32/main_form.h"

#include "app/focus_cycle.h"
#include "app/startup.h"
#include "app/win32/menu_bar.h"
#include "res/resource.h"
#include "winui/dpi.h"

namespace orvane::win32 {

namespace {

constexpr UINT_PTR kCompanionStartTimer = 2;
constexpr int kBarHeight = 51;
constexpr int kLogoWidth = 233;
constexpr int kLogoHeight = 59;
constexpr int kDockBigWidth = 409;
constexpr int kHeadingHeight = 24;
constexpr int kInfoHeight = 90;
constexpr int kTreeWidth = 272;
constexpr int kTreeIndent = 19;
constexpr int kSplitterThickness = 3;
const std::vector<int> kStatusWidths{200, 200, 50};
constexpr winui::ImageSource kObjectIcons[] = {
    {16, IDB_VIEW_OBJECT_ICONS}, {24, IDB_VIEW_OBJECT_ICONS_24}, {32, IDB_VIEW_OBJECT_ICONS_32}};
constexpr winui::ImageSource kPriorityIcons[] = {{16, IDB_VIEW_OBJECT_ICONS_PRIORITY},
                                                 {24, IDB_VIEW_OBJECT_ICONS_PRIORITY_24},
                                                 {32, IDB_VIEW_OBJECT_ICONS_PRIORITY_32}};
constexpr winui::ImageSource kLogo[] = {{kLogoWidth, IDB_IMAGE_LOGO},
                                        {2 * kLogoWidth, IDB_IMAGE_LOGO_2X}};

// The window's two fonts, old and new, for a change of display scale.
struct FontSwap {
  HFONT from[2];
  HFONT to[2];
};

BOOL CALLBACK SwapFont(HWND child, LPARAM lp) {
  const auto& swap = *reinterpret_cast<const FontSwap*>(lp);
  const auto font = reinterpret_cast<HFONT>(::SendMessageA(child, WM_GETFONT, 0, 0));
  for (int i = 0; i < 2; ++i) {
    if (font && font == swap.from[i])
      ::SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(swap.to[i]), TRUE);
  }
  return TRUE;
}

std::vector<int> Scaled(const std::vector<int>& values, int dpi) {
  std::vector<int> out;
  for (int v : values) out.push_back(Scale(v, dpi));
  return out;
}
// Posted when the user has chosen a tree node; WM_APP is the list's released key.
constexpr UINT kTreeClicked = WM_APP + 1;

}  // namespace

MainForm::~MainForm() {
  if (accelerators_) DestroyAcceleratorTable(accelerators_);
}

void MainForm::Create() {
  winui::WindowArgs args;
  args.className = kMainWindowClass.data();
  args.text = kMainCaption;
  // The window is not there yet: the system's DPI, which WM_DPICHANGED corrects on another
  // monitor.
  dpi_ = winui::DpiOf(nullptr);
  args.x = Px(286);
  args.y = Px(82);
  args.width = Px(911);
  args.height = Px(724);
  menu_ = BuildMenuBar();
  accelerators_ = BuildAccelerators();
  args.menu = menu_;
  args.icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_APP));
  args.smallIcon = static_cast<HICON>(LoadImageA(
      GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_APP), IMAGE_ICON, Px(16), Px(16), 0));
  WindowBase::Create(args);
}

void MainForm::OnCreate() {
  CreateComponents();
  bars_.onCommand = [this](Command command) { RunCommand(command); };
  bars_.onClosed = [this](PaletteId id) { SetMenuChecked(PaletteMenuId(id), false); };
  bars_.Create(*this);
}

void MainForm::StartUpdates(UINT intervalMs) {
  SetTimer(kUpdateTimer, intervalMs);
}

void MainForm::LoadScaledResources() {
  font_ = winui::MakeFont("MS Sans Serif", Px(-11));
  headingFont_ = winui::MakeFont("MS Sans Serif", Px(-13), true);
  viewObjectIcons_ = winui::ImageList::FromSources(kObjectIcons, Px(16));
  viewObjectIconsPriority_ = winui::ImageList::FromSources(kPriorityIcons, Px(16));
  logoBitmap_ = winui::LoadPicture(kLogo, Px(kLogoWidth), Px(kLogoHeight));
}

void MainForm::CreateComponents() {
  dpi_ = winui::DpiOf(*this);
  LoadScaledResources();
  SetFont(font_);
  layout_.SetParent(*this);

  // Children are laid out in the order added: each edge takes its part of what is left.
  mainBar_.Create({.parent = *this, .id = 1, .background = kBarColour, .font = font_});
  layout_.Add(mainBar_, winui::Align::Top, Px(kBarHeight));
  dockBig_.Create({.parent = mainBar_, .id = 2, .background = kBarColour});
  mainBar_.Layout().Add(dockBig_, winui::Align::Left, Px(kDockBigWidth));
  imageLogo_.Create(
      {.parent = mainBar_, .id = 3, .width = Px(kLogoWidth), .height = Px(kLogoHeight)},
      logoBitmap_);
  mainBar_.onResize = [this](int width, int) { MainBarResize(width); };

  dockTop_.Create({.parent = *this, .id = 4});
  layout_.Add(dockTop_, winui::Align::Top, Px(kDockBarEmptyHeight));

  viewStatus_.Create({.parent = *this, .id = 5, .font = font_});
  statusPanels_.SetWidths(Scaled(kStatusWidths, dpi_));
  layout_.Add(viewStatus_, winui::Align::Bottom);
  dockBottom_.Create({.parent = *this, .id = 6});
  layout_.Add(dockBottom_, winui::Align::Bottom, Px(kDockBarEmptyHeight));

  dockCenter_.Create({.parent = *this, .id = 7, .font = font_, .bevel = winui::Bevel::Lowered});
  layout_.Add(dockCenter_, winui::Align::Client);

  viewObjectTreeTV_.Create({.parent = dockCenter_, .id = 8});
  viewObjectTreeTV_.SetStateImages(viewObjectIcons_);
  viewObjectTreeTV_.SetIndent(Px(kTreeIndent));
  dockCenter_.Layout().Add(viewObjectTreeTV_, winui::Align::Left, Px(kTreeWidth));
  splitter2_.Create({.parent = dockCenter_,
                     .id = 9,
                     .vertical = true,
                     .thickness = Px(kSplitterThickness),
                     .layout = &dockCenter_.Layout(),
                     .target = viewObjectTreeTV_});
  rightCenter_.Create({.parent = dockCenter_, .id = 10, .font = font_});
  dockCenter_.Layout().Add(rightCenter_, winui::Align::Client);

  viewListName_.Create({.parent = rightCenter_, .id = 11, .font = headingFont_});
  rightCenter_.Layout().Add(viewListName_, winui::Align::Top, Px(kHeadingHeight));
  viewObjectInfoRE_.Create({.parent = rightCenter_, .id = 12});
  rightCenter_.Layout().Add(viewObjectInfoRE_, winui::Align::Bottom, Px(kInfoHeight));
  splitter1_.Create({.parent = rightCenter_,
                     .id = 13,
                     .vertical = false,
                     .thickness = Px(kSplitterThickness),
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
  services_.objectList.ShowFirst();

  layout_.Apply();
}

void MainForm::OnSize(int, int) {
  layout_.Apply();
  SetForegroundWindow(*this);
}

void MainForm::MainBarResize(int width) {
  const int logoWidth = Px(kLogoWidth);
  imageLogo_.Move(LogoLeft(width, logoWidth, dpi_), 0, logoWidth, Px(kLogoHeight));
}

void MainForm::OnDpiChanged(int dpi, const RECT& suggested) {
  const int old = dpi_;
  dpi_ = dpi > 0 ? dpi : kBaseDpi;
  // The old fonts and images stay alive until every control has the new ones.
  winui::Font oldFont = std::move(font_);
  winui::Font oldHeading = std::move(headingFont_);
  winui::ImageList oldIcons = std::move(viewObjectIcons_);
  winui::ImageList oldPriority = std::move(viewObjectIconsPriority_);
  winui::Bitmap oldLogo = std::move(logoBitmap_);
  LoadScaledResources();
  SetFont(font_);
  FontSwap swap{{oldFont.Get(), oldHeading.Get()}, {font_.Get(), headingFont_.Get()}};
  ::EnumChildWindows(*this, SwapFont, reinterpret_cast<LPARAM>(&swap));
  viewObjectTreeTV_.SetStateImages(viewObjectIcons_);
  viewObjectTreeTV_.SetIndent(Px(kTreeIndent));
  viewObjectListLV_.SetSmallImages(viewObjectIconsPriority_);
  viewObjectListLV_.SetStateImages(viewObjectIcons_);
  imageLogo_.SendMessage(STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(logoBitmap_.Get()));
  for (int column = 0; column < viewObjectListLV_.ColumnCount(); ++column)
    viewObjectListLV_.SetColumnWidth(column,
                                     MulDiv(viewObjectListLV_.GetColumnWidth(column), dpi_, old));
  statusPanels_.SetWidths(Scaled(kStatusWidths, dpi_));

  layout_.SetSize(mainBar_, Px(kBarHeight));
  mainBar_.Layout().SetSize(dockBig_, Px(kDockBigWidth));
  rightCenter_.Layout().SetSize(viewListName_, Px(kHeadingHeight));
  // The panes the user sized keep their share: of the size they show, where they show.
  const auto shownSize = [](winui::DockLayout& layout, const winui::Window& pane, bool wide) {
    if (!pane.IsVisible()) return layout.GetSize(pane);
    const RECT r = pane.WindowRect();
    return static_cast<int>(wide ? r.right - r.left : r.bottom - r.top);
  };
  dockCenter_.Layout().SetSize(
      viewObjectTreeTV_,
      MulDiv(shownSize(dockCenter_.Layout(), viewObjectTreeTV_, true), dpi_, old));
  rightCenter_.Layout().SetSize(
      viewObjectInfoRE_,
      MulDiv(shownSize(rightCenter_.Layout(), viewObjectInfoRE_, false), dpi_, old));
  dockCenter_.Layout().SetSize(splitter2_, Px(kSplitterThickness));
  rightCenter_.Layout().SetSize(splitter1_, Px(kSplitterThickness));
  bars_.SetDpi(dpi_);
  ::SetWindowPos(*this, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  layout_.Apply();
  mainBar_.Layout().Apply();
  dockCenter_.Layout().Apply();
  rightCenter_.Layout().Apply();
  Invalidate();
}

void MainForm::OnTimer(UINT_PTR id) {
  if (id == kUpdateTimer) {
    UpdateTimer();
  } else if (id == kCompanionStartTimer) {
    KillTimer(kCompanionStartTimer);
    // Off this thread: under Wine, starting a process waits until the new one has set itself
    // up, which on a loaded machine took up to about half a second with the window held.
    if (companionStart_.joinable()) companionStart_.join();
    companionStart_ =
        std::jthread([&settings = services_.traySettings] { settings.StartCompanion(); });
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

bool MainForm::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  static const UINT viewRepairsMessage = RegisterWindowMessageA(kViewRepairsMessage);
  if (msg == viewRepairsMessage) {
    result = static_cast<LRESULT>(viewRepairs_);
    return true;
  }
  if (msg == WM_NEXTDLGCTL) {
    FocusNextPane(wp != 0);
  } else if (msg == WM_DPICHANGED) {
    OnDpiChanged(HIWORD(wp), *reinterpret_cast<const RECT*>(lp));
  } else if (msg == WM_APP) {
    ViewObjectListLVClick();
  } else if (msg == kTreeClicked) {
    ViewObjectTreeTVClick();
  } else {
    return false;
  }
  result = 0;
  return true;
}

void MainForm::FocusNextPane(bool backwards) {
  const HWND panes[] = {viewObjectTreeTV_, viewObjectListLV_, viewObjectInfoRE_};
  bool shown[std::size(panes)]{};
  int current = -1;
  const HWND focus = ::GetFocus();
  for (std::size_t i = 0; i < std::size(panes); ++i) {
    shown[i] = winui::IsShown(panes[i]) && ::IsWindowEnabled(panes[i]);
    if (focus && (focus == panes[i] || ::IsChild(panes[i], focus))) current = static_cast<int>(i);
  }
  const int next = NextFocusPane(shown, current, backwards);
  if (next >= 0) ::SetFocus(panes[next]);
}

bool MainForm::OnClose() {
  // FormClose. The collector is neither stopped nor waited for: the process ends with it.
  if (onClosing) onClosing();
  SaveWorkspace();
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
  SetMenuChecked(kMenuAddTrayIcon, services_.traySettings.TrayIconChecked());
  if (!services_.pause.Paused()) services_.worker.Wake();
  if (initialSelectionPending_ && viewObjectTreeTV_.Count() > 0) {
    listFrame_.Quietly([this] { viewObjectTreeTV_.Select(viewObjectTreeTV_.Root()); });
    ViewObjectTreeTVClick();
    initialSelectionPending_ = false;
  }
}

void MainForm::ShowPaletteClick(PaletteId id) {
  const int item = PaletteMenuId(id);
  const bool show = !MenuChecked(item);
  SetMenuChecked(item, show);
  bars_.Show(id, show);
}

void MainForm::MenuResetWorkspaceClick() {
  bars_.Reset();
  // The hidden palettes' View items unchecked, so that every check mark matches its palette.
  for (const Palette& palette : Palettes()) {
    if (palette.id != PaletteId::kCommon) SetMenuChecked(PaletteMenuId(palette.id), false);
  }
  if (!MenuChecked(kMenuShowObjectInfo)) ShowObjectInfo1Click();
  dockCenter_.Layout().SetSize(viewObjectTreeTV_, Px(kDefaultTreeWidth));
  dockCenter_.Layout().Apply();
  rightCenter_.Layout().SetSize(viewObjectInfoRE_, Px(kDefaultInfoHeight));
  rightCenter_.Layout().Apply();
}

void MainForm::ViewObjectTreeTVClick() {
  services_.objectList.ChooseLevel(treeControl_.NodeOf(viewObjectTreeTV_.Selected()));
}

void MainForm::ToolGeneral0RefreshClick() {
  services_.objectList.Refresh();
  // Paused, no tick would fill the emptied views again: this one cycle does.
  if (services_.pause.Paused()) services_.worker.Wake();
}

void MainForm::PauseUpdates1Click() {
  const bool pause = !MenuChecked(kMenuPauseUpdates);
  SetMenuChecked(kMenuPauseUpdates, pause);
  services_.pause.SetPaused(pause);
}

void MainForm::ViewObjectListLVClick() {
  services_.objectList.RowClicked(viewObjectListLV_.NextSelected());
}

void MainForm::ViewObjectListLVColumnClick(int column) {
  services_.objectList.SortByColumn(column);
}

}  // namespace orvane::win32
