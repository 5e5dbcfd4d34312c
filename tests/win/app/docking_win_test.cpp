// Dragging palettes between the bars and floating them with the mouse's messages, and the
// workspace file they are kept in across a close and a new start in the same directory.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "app/view_settings.h"
#include "app/win32/main_form.h"
#include "app/workspace.h"
#include "win/support/main_form_fixture.h"
#include "win/support/test_process.h"

namespace orvane {
namespace {

using testing::TestDirectory;

RECT ScreenRect(HWND hwnd) {
  RECT r;
  GetWindowRect(hwnd, &r);
  return r;
}

SIZE SizeOf(HWND hwnd) {
  const RECT r = ScreenRect(hwnd);
  return {r.right - r.left, r.bottom - r.top};
}

LPARAM ClientPoint(HWND hwnd, POINT screen) {
  ScreenToClient(hwnd, &screen);
  return MAKELPARAM(screen.x, screen.y);
}

// While alive, records every window of this thread that is shown.
class ShownWindows {
 public:
  ShownWindows() {
    Shown().clear();
    hook_ = SetWindowsHookExA(WH_CALLWNDPROC, Hook, nullptr, GetCurrentThreadId());
  }
  ~ShownWindows() { UnhookWindowsHookEx(hook_); }
  ShownWindows(const ShownWindows&) = delete;
  ShownWindows& operator=(const ShownWindows&) = delete;
  static bool WasShown(HWND window) {
    return std::find(Shown().begin(), Shown().end(), window) != Shown().end();
  }

 private:
  static std::vector<HWND>& Shown() {
    static std::vector<HWND> shown;
    return shown;
  }
  static LRESULT CALLBACK Hook(int code, WPARAM wp, LPARAM lp) {
    const auto* m = reinterpret_cast<const CWPSTRUCT*>(lp);
    const bool showing = (m->message == WM_SHOWWINDOW && m->wParam) ||
                         (m->message == WM_WINDOWPOSCHANGING &&
                          (reinterpret_cast<const WINDOWPOS*>(m->lParam)->flags & SWP_SHOWWINDOW));
    if (code == HC_ACTION && showing) Shown().push_back(m->hwnd);
    return CallNextHookEx(nullptr, code, wp, lp);
  }
  HHOOK hook_;
};

class Docking : public ::testing::Test {
 protected:
  Docking() { Clear(); }
  ~Docking() override {
    program.reset();
    Clear();
  }

  const std::string path = TestDirectory() + "workspace.dat";
  std::unique_ptr<win32::Program> program;
  win32::MainForm* form = nullptr;  // the program's

  void Clear() {
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(path.c_str());
    RemoveDirectoryA(path.c_str());
    DeleteFileA((TestDirectory() + "details.dat").c_str());
  }
  void Start() {
    program.reset();
    program = testing::NewProgram();
    form = &program->Form();
    program->Open();
  }
  // Closes the window as the title bar's close box does; the process would end here.
  void Close() {
    SendMessageA(*form, WM_CLOSE, 0, 0);
    MSG quit;
    PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
  }
  void Restart() {
    Close();
    Start();
  }
  void WriteWorkspaceFile(const std::string& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
  }
  std::string ReadWorkspaceFile() {
    win32::Win32Files files;
    return files.ReadAll(path).value_or("");
  }
  win32::PaletteWindow& Palette(PaletteId id) { return form->Bars().PaletteOf(id); }
  bool Checked(PaletteId id) { return form->MenuChecked(win32::PaletteMenuId(id)); }
  HWND Indicator() { return FindWindowA("OrvaneDropIndicator", nullptr); }

  // Presses the palette's grip, moves the mouse to `to` and releases it there.
  void DragGrip(PaletteId id, POINT to) {
    HWND palette = Palette(id);
    SendMessageA(palette, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 10));
    SendMessageA(palette, WM_MOUSEMOVE, MK_LBUTTON, ClientPoint(palette, to));
    movedIndicator_ = ScreenRect(Indicator());
    indicatorShown_ = IsWindowVisible(Indicator()) != FALSE;
    SendMessageA(palette, WM_LBUTTONUP, 0, ClientPoint(palette, to));
  }
  // The same by the small caption of the palette's tool window.
  void DragCaption(PaletteId id, POINT to) {
    HWND host = form->Bars().FloatingHostOf(id);
    const RECT r = ScreenRect(host);
    SendMessageA(host, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(r.left + 20, r.top + 5));
    SendMessageA(host, WM_MOUSEMOVE, MK_LBUTTON, ClientPoint(host, to));
    SendMessageA(host, WM_LBUTTONUP, 0, ClientPoint(host, to));
  }
  RECT movedIndicator_{};
  bool indicatorShown_ = false;
};

TEST_F(Docking, PalettesDraggedOntoTheThinBarsGoSmallGrowTheBarsAndComeBackAfterARestart) {
  Start();
  win32::PaletteWindow& common = Palette(PaletteId::kCommon);
  const RECT top = ScreenRect(form->DockTop());
  ASSERT_EQ(top.bottom - top.top, 4);

  // Onto DockTop by the grip: the drag shows the row the palette will take there.
  DragGrip(PaletteId::kCommon, {top.left + 200, top.top + 1});
  EXPECT_TRUE(indicatorShown_);
  EXPECT_EQ(movedIndicator_.left, top.left + 197);
  EXPECT_EQ(movedIndicator_.top, top.top);
  EXPECT_EQ(movedIndicator_.right - movedIndicator_.left, kGripWidth + 8 * 32);
  EXPECT_EQ(movedIndicator_.bottom - movedIndicator_.top, 32);
  EXPECT_FALSE(IsWindowVisible(Indicator()));
  EXPECT_EQ(GetParent(common), static_cast<HWND>(form->DockTop()));
  EXPECT_EQ(SizeOf(form->DockTop()).cy, 34);
  EXPECT_EQ(common.RectInParent().left, 197);
  EXPECT_EQ(SizeOf(*common.Button("ToolCommon0Stop")).cx, 32);
  EXPECT_EQ(common.Button("ToolCommon0Stop")->Caption(), "");

  // Process, shown from the View menu, floats; by its caption onto DockBottom, which grows
  // upward from the status bar.
  form->ShowPaletteClick(PaletteId::kProcess);
  ASSERT_TRUE(IsWindowVisible(form->Bars().FloatingHostOf(PaletteId::kProcess)));
  const RECT bottom = ScreenRect(form->DockBottom());
  DragCaption(PaletteId::kProcess, {bottom.left + 50, bottom.top - 3});
  EXPECT_EQ(GetParent(Palette(PaletteId::kProcess)), static_cast<HWND>(form->DockBottom()));
  EXPECT_FALSE(IsWindowVisible(form->Bars().FloatingHostOf(PaletteId::kProcess)));
  EXPECT_EQ(SizeOf(form->DockBottom()).cy, 34);
  EXPECT_EQ(ScreenRect(form->DockBottom()).bottom, ScreenRect(form->Status()).top);
  EXPECT_EQ(SizeOf(*Palette(PaletteId::kProcess).Button("ToolProcess0Min")).cy, 32);

  // Dropped over the list, the client area takes it not: it floats.
  const RECT list = ScreenRect(form->List());
  DragGrip(PaletteId::kProcess, {list.left + 40, list.top + 60});
  EXPECT_EQ(form->Bars().Arrangement().Of(PaletteId::kProcess).site, DockSite::kFloating);
  EXPECT_EQ(SizeOf(form->DockBottom()).cy, 4);
  DragCaption(PaletteId::kProcess, {bottom.left + 50, bottom.top - 3});

  Restart();
  const RECT saved = ScreenRect(form->DockTop());
  EXPECT_EQ(saved.bottom - saved.top, 34);
  EXPECT_EQ(GetParent(Palette(PaletteId::kCommon)), static_cast<HWND>(form->DockTop()));
  EXPECT_EQ(Palette(PaletteId::kCommon).RectInParent().left, 197);
  EXPECT_EQ(SizeOf(*Palette(PaletteId::kCommon).Button("ToolCommon0Run")).cx, 32);
  EXPECT_EQ(GetParent(Palette(PaletteId::kProcess)), static_cast<HWND>(form->DockBottom()));
  EXPECT_EQ(SizeOf(form->DockBottom()).cy, 34);
  EXPECT_TRUE(Palette(PaletteId::kProcess).IsVisible());
  EXPECT_TRUE(Checked(PaletteId::kProcess));

  // The last palette dragged off DockTop makes it thin again.
  DragGrip(PaletteId::kCommon, {list.left + 40, list.top + 60});
  EXPECT_EQ(SizeOf(form->DockTop()).cy, 4);
  EXPECT_EQ(SizeOf(form->DockBottom()).cy, 34);

  // Reset Workspace brings Common back into DockBig, large, and hides and unchecks the others.
  form->MenuResetWorkspaceClick();
  EXPECT_EQ(GetParent(Palette(PaletteId::kCommon)), static_cast<HWND>(form->DockBig()));
  EXPECT_FALSE(IsWindowVisible(form->Bars().FloatingHostOf(PaletteId::kCommon)));
  EXPECT_EQ(SizeOf(*Palette(PaletteId::kCommon).Button("ToolCommon0Run")).cx, 48);
  EXPECT_FALSE(Palette(PaletteId::kProcess).IsVisible());
  EXPECT_FALSE(Checked(PaletteId::kProcess));
}

TEST_F(Docking, FloatingAndHiddenPalettesKeepTheirStateAcrossARestart) {
  Start();
  form->ShowPaletteClick(PaletteId::kWindow);
  HWND host = form->Bars().FloatingHostOf(PaletteId::kWindow);
  // A small caption, and a client area of 32 by 32 per button.
  EXPECT_TRUE(GetWindowLongPtrA(host, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  RECT client;
  GetClientRect(host, &client);
  EXPECT_EQ(client.right, 32 * 6);
  EXPECT_EQ(client.bottom, 32);
  EXPECT_EQ(Palette(PaletteId::kWindow).Button("ToolWindow0Norm")->RectInParent().left, 160);
  char caption[32] = {};
  GetWindowTextA(host, caption, sizeof caption);
  EXPECT_STREQ(caption, "Window");

  // Partly off the screen's top left: still on a monitor, so it comes back there.
  DragCaption(PaletteId::kWindow, {-60 + 20, -8 + 5});
  EXPECT_EQ(ScreenRect(host).left, -60);
  EXPECT_EQ(ScreenRect(host).top, -8);
  // The tool window of a docked palette ignores a close sent to it (taskkill sends one to every
  // top-level window of the process).
  SendMessageA(form->Bars().FloatingHostOf(PaletteId::kCommon), WM_CLOSE, 0, 0);
  EXPECT_TRUE(Checked(PaletteId::kCommon));
  EXPECT_TRUE(Palette(PaletteId::kCommon).IsVisible());
  form->ShowPaletteClick(PaletteId::kCommon);  // hidden from the View menu
  // Closing a floating palette's window hides it and unchecks its item.
  form->ShowPaletteClick(PaletteId::kGeneral);
  SendMessageA(form->Bars().FloatingHostOf(PaletteId::kGeneral), WM_CLOSE, 0, 0);
  EXPECT_FALSE(Palette(PaletteId::kGeneral).IsVisible());
  EXPECT_FALSE(Checked(PaletteId::kGeneral));

  {
    ShownWindows shown;
    Restart();
    // Each palette takes its final state once: one that ends hidden never shows on the way.
    EXPECT_FALSE(ShownWindows::WasShown(form->Bars().FloatingHostOf(PaletteId::kGeneral)));
    EXPECT_TRUE(ShownWindows::WasShown(form->Bars().FloatingHostOf(PaletteId::kWindow)));
  }
  host = form->Bars().FloatingHostOf(PaletteId::kWindow);
  EXPECT_TRUE(IsWindowVisible(host));
  EXPECT_EQ(ScreenRect(host).left, -60);
  EXPECT_EQ(ScreenRect(host).top, -8);
  EXPECT_TRUE(Checked(PaletteId::kWindow));
  for (PaletteId hidden : {PaletteId::kCommon, PaletteId::kGeneral}) {
    EXPECT_FALSE(Palette(hidden).IsVisible());
    EXPECT_FALSE(Checked(hidden));
  }
}

TEST_F(Docking, AnUnusableWorkspaceFileGivesAUsableWindow) {
  // Saved with the window and a floating palette off every monitor, and the panes too small.
  Workspace off;
  off.window = {30000, -30000, 20, 5};
  for (const PalettePlacement& p : DefaultArrangement())
    off.palettes[static_cast<std::size_t>(p.id)] = p;
  off.palettes[1] = {PaletteId::kProcess, DockSite::kFloating, -40000, 900, true};
  off.settings.showNavigationTree = false;
  WriteWorkspaceFile(EncodeWorkspace(off));
  Start();
  RECT work;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  RECT shown;
  const RECT window = ScreenRect(*form);
  EXPECT_TRUE(IntersectRect(&shown, &work, &window));
  EXPECT_GE(SizeOf(*form).cx, GetSystemMetrics(SM_CXMINTRACK));
  const RECT floating = ScreenRect(form->Bars().FloatingHostOf(PaletteId::kProcess));
  EXPECT_TRUE(IntersectRect(&shown, &work, &floating));
  EXPECT_FALSE(form->Tree().IsVisible());
  EXPECT_FALSE(form->MenuChecked(win32::kMenuShowNavigationTree));

  // A file that is empty, short or a folder: the default workspace.
  struct Case {
    const char* what;
    void (*make)(const std::string& path);
  };
  const Case cases[] = {
      {"empty",
       [](const std::string& p) {
         CloseHandle(CreateFileA(p.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
       }},
      {"short",
       [](const std::string& p) {
         Workspace w;
         w.window = {0, 0, 300, 300};
         const std::string bytes = EncodeWorkspace(w).substr(0, 135);
         HANDLE f = CreateFileA(p.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
         DWORD n = 0;
         ::WriteFile(f, bytes.data(), 135, &n, nullptr);
         CloseHandle(f);
       }},
      {"a folder", [](const std::string& p) { CreateDirectoryA(p.c_str(), nullptr); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    program.reset();
    Clear();
    c.make(path);
    Start();
    EXPECT_EQ(GetParent(Palette(PaletteId::kCommon)), static_cast<HWND>(form->DockBig()));
    EXPECT_EQ(SizeOf(*Palette(PaletteId::kCommon).Button("ToolCommon0Stop")).cx, 48);
    EXPECT_FALSE(Palette(PaletteId::kProcess).IsVisible());
    EXPECT_EQ(SizeOf(form->DockTop()).cy, 4);
    EXPECT_EQ(SizeOf(form->Tree()).cx, 200);
    EXPECT_EQ(SizeOf(form->Info()).cy, 100);
    EXPECT_EQ(SizeOf(*form).cx, 911);
  }

  // A file that cannot be replaced: the window still closes, and the file stays as it was.
  program.reset();
  Clear();
  WriteWorkspaceFile(EncodeWorkspace(off));
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
  Start();
  HWND closing = *form;
  Close();
  EXPECT_FALSE(IsWindow(closing));
  EXPECT_EQ(ReadWorkspaceFile(), EncodeWorkspace(off));
}

TEST_F(Docking, TheProcessDetailsComeWithTheirMenuItemPrintAndComeBackAfterARestart) {
  Start();
  winui::ListView& list = form->List();
  const auto columns = [&](int n) {
    return testing::PumpUntil([&] { return list.ColumnCount() == n && list.Count() > 0; }, 10000);
  };
  ASSERT_TRUE(columns(3));
  EXPECT_FALSE(form->MenuChecked(win32::kMenuShowProcessDetails));
  SendMessageA(*form, WM_COMMAND, win32::kMenuShowProcessDetails, 0);
  EXPECT_TRUE(form->MenuChecked(win32::kMenuShowProcessDetails));
  ASSERT_TRUE(columns(7));
  EXPECT_EQ(list.GetColumnText(3), "PID");
  EXPECT_EQ(list.GetColumnText(6), "Threads");
  // The figures arrive with the next cycle; every process has a PID and a thread.
  ASSERT_TRUE(testing::PumpUntil([&] { return !list.GetText(0, 3).empty(); }, 10000));
  EXPECT_NE(list.GetText(0, 6), "");
  form->RunCommand(Command::kGeneralPrint);
  const auto lines = program->PrintReportDialog().Report().GetLines();
  ASSERT_GT(lines.size(), 4u);
  EXPECT_EQ(lines[2].find("PID"), 62u);
  EXPECT_EQ(lines[2].find("Threads"), 86u);
  EXPECT_EQ(lines[4].find(list.GetText(0, 3)), 62u) << lines[4];

  Restart();
  ASSERT_TRUE(columns(7));
  EXPECT_TRUE(form->MenuChecked(win32::kMenuShowProcessDetails));
  SendMessageA(*form, WM_COMMAND, win32::kMenuShowProcessDetails, 0);
  ASSERT_TRUE(columns(3));
  Restart();
  ASSERT_TRUE(columns(3));
  EXPECT_FALSE(form->MenuChecked(win32::kMenuShowProcessDetails));
}

TEST_F(Docking, APerformanceWindowKeptOffEveryMonitorComesBackOntoOne) {
  win32::Win32Files files(TestDirectory());
  WriteViewSettings(files, {false, true, {-5000, -4000, 300, 320}});
  Start();
  const RECT r = program->PerformanceDialog().Bounds();
  EXPECT_GE(r.left, 0);
  EXPECT_GE(r.top, 0);
  EXPECT_EQ(r.right - r.left, 300);
  EXPECT_EQ(r.bottom - r.top, 320);
}

}  // namespace
}  // namespace orvane
