// tray.exe, the companion: an icon in the notification area that brings up Orvane 2000, and
// the key-combination traps that "tray.dat" turns on. Its hidden top-level window is how the
// program finds and closes it; it ends when that window gets WM_CLOSE.
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <optional>
#include <string>
#include <utility>

#include "companion/companion_rules.h"
#include "platform/error.h"
#include "platform/win32/files.h"
#include "platform/win32/system_services.h"
#include "res/resource.h"
#include "tray/task_manager_trap.h"
#include "tray/tray_interface.h"
#include "winui/dll_search.h"
#include "winui/message_loop.h"
#include "winui/window_base.h"

namespace orvane::tray {

namespace {

constexpr char kWindowClass[] = "TOrvaneTray";
// One companion per session: a second one ends at once.
constexpr char kCompanionMutex[] = "Orvane2000TrayMutex";
constexpr UINT kIconMessage = WM_APP + 1;
// Posted by the keyboard hook, which must return at once.
constexpr UINT kBringUpMessage = WM_APP + 2;
constexpr UINT kIconId = 1;
constexpr DWORD kTakeOverWaitMs = 10000;
constexpr UINT kMenuOpen = 1;
constexpr UINT kMenuExit = 2;

std::optional<ChordKey> ChordKeyOf(DWORD vk) {
  switch (vk) {
    case VK_SHIFT:
    case VK_LSHIFT:
      return ChordKey::kLeftShift;
    case VK_RSHIFT:
      return ChordKey::kRightShift;
    case VK_CONTROL:
    case VK_LCONTROL:
      return ChordKey::kLeftControl;
    case VK_RCONTROL:
      return ChordKey::kRightControl;
    case VK_MENU:
    case VK_LMENU:
      return ChordKey::kLeftAlt;
    case VK_RMENU:
      return ChordKey::kRightAlt;
    default:
      return std::nullopt;
  }
}

// The hidden window, its icon and its traps, from Start to the end of the process.
class Companion : public winui::WindowBase {
 public:
  // directory: the companion's folder, ending in a backslash.
  Companion(std::string directory, TrapMask traps, HICON icon)
      : directory_(std::move(directory)), traps_(traps), chords_(traps), icon_(icon) {}

  // Creates the window, adds the icon and sets the traps; throws orvane::Error when the system
  // refuses the window.
  void Start() {
    // Hidden: only its title matters, and WM_CLOSE to it.
    Create({.className = kWindowClass,
            .text = std::string(kTrayWindowTitle),
            .style = WS_OVERLAPPED,
            .exStyle = WS_EX_TOOLWINDOW,
            .x = 0,
            .y = 0,
            .width = 0,
            .height = 0,
            .classStyle = 0,
            .background = nullptr});
    window_ = *this;
    NotifyIcon(NIM_ADD);
    ApplyDebugger((traps_ & kTrapCtrlAltDel) != 0);
    if (traps_ & (kTrapCtrlAltShift | kTrapShiftShift)) {
      hooked_ = this;
      hook_ = ::SetWindowsHookExA(WH_KEYBOARD_LL, KeyboardHook, ::GetModuleHandleA(nullptr), 0);
    }
  }

  // Takes the traps back and the icon away; the window has gone first.
  ~Companion() override {
    if (hook_) ::UnhookWindowsHookEx(hook_);
    hooked_ = nullptr;
    if (!window_) return;
    NotifyIcon(NIM_DELETE);
    ApplyDebugger(false);
  }

 protected:
  bool OnMessage(UINT msg, WPARAM, LPARAM lp, LRESULT& result) override {
    result = 0;
    if (msg == kIconMessage) {
      if (lp == WM_LBUTTONDBLCLK) BringUpProgram();
      if (lp == WM_RBUTTONUP || lp == WM_CONTEXTMENU) ShowIconMenu();
      return true;
    }
    if (msg == kBringUpMessage) {
      BringUpProgram();
      return true;
    }
    if (msg == taskbarCreated_) {
      // A restarted shell has lost every icon.
      NotifyIcon(NIM_ADD);
      return true;
    }
    return false;
  }

  // The window goes first, as the sign to a companion started in its place that this one is
  // closing; removing the icon can take the shell a while.
  void OnDestroy() override { ::PostQuitMessage(0); }

 private:
  static LRESULT CALLBACK KeyboardHook(int code, WPARAM wp, LPARAM lp) {
    if (code == HC_ACTION && hooked_) {
      const auto* event = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lp);
      const bool down = wp == WM_KEYDOWN || wp == WM_SYSKEYDOWN;
      const std::optional<ChordKey> key = ChordKeyOf(event->vkCode);
      if (key && hooked_->chords_.OnKey(*key, down)) {
        ::PostMessageA(hooked_->window_, kBringUpMessage, 0, 0);
      }
    }
    return ::CallNextHookEx(nullptr, code, wp, lp);
  }

  // Without the right to change the key, nothing changes and nothing is reported: the trap
  // simply does not work for this user.
  void ApplyDebugger(bool trapped) {
    win32::Win32Registry registry;
    if (trapped) {
      WriteOurDebugger(registry, directory_);
    } else {
      RemoveOurDebugger(registry, directory_);
    }
  }

  // Brings the running program's main window to the front, or starts the program.
  void BringUpProgram() {
    if (HWND main = ::FindWindowA(kMainWindowClass.data(), kMainWindowTitle.data())) {
      winui::BringForward(main);
      return;
    }
    const std::string exe = directory_ + std::string(kProgramExeName);
    std::string command = QuotedPath(exe);
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION info{};
    if (::CreateProcessA(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                         directory_.c_str(), &si, &info)) {
      ::CloseHandle(info.hThread);
      ::CloseHandle(info.hProcess);
    }
  }

  bool NotifyIcon(DWORD action) {
    NOTIFYICONDATAA data{};
    data.cbSize = sizeof data;
    data.hWnd = window_;
    data.uID = kIconId;
    data.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
    data.uCallbackMessage = kIconMessage;
    data.hIcon = icon_;
    ::lstrcpynA(data.szTip, "Orvane 2000", sizeof data.szTip);
    return ::Shell_NotifyIconA(action, &data) != FALSE;
  }

  void ShowIconMenu() {
    HMENU menu = ::CreatePopupMenu();
    ::AppendMenuA(menu, MF_STRING, kMenuOpen, "Open Orvane 2000");
    ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuA(menu, MF_STRING, kMenuExit, "Exit");
    ::SetMenuDefaultItem(menu, kMenuOpen, FALSE);
    POINT at{};
    ::GetCursorPos(&at);
    // The menu closes when the user clicks elsewhere only if its owner is in front.
    ::SetForegroundWindow(*this);
    const UINT chosen = static_cast<UINT>(::TrackPopupMenu(
        menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y, 0, *this, nullptr));
    PostMessage(WM_NULL);
    ::DestroyMenu(menu);
    if (chosen == kMenuOpen) BringUpProgram();
    if (chosen == kMenuExit) Destroy();
  }

  // The hook procedure has no context of its own.
  static inline Companion* hooked_ = nullptr;

  std::string directory_;
  TrapMask traps_;
  KeyChords chords_;
  HICON icon_;  // shared resource, not destroyed
  UINT taskbarCreated_ = ::RegisterWindowMessageA("TaskbarCreated");
  HWND window_ = nullptr;  // not owned; kept after the window has gone, to take the icon away
  HHOOK hook_ = nullptr;   // owned
};

// Another companion holds the mutex. One whose window is there is running: this one ends at
// once. One whose window has gone is closing, as when the program restarts it with new traps
// half a second after asking it to close: this one waits for it to finish.
bool TakeOverFromClosing(HANDLE mutex) {
  if (::FindWindowA(kWindowClass, kTrayWindowTitle.data())) return false;
  const DWORD waited = ::WaitForSingleObject(mutex, kTakeOverWaitMs);
  return waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;
}

int Run(HINSTANCE instance) {
  HANDLE mutex = ::CreateMutexA(nullptr, TRUE, kCompanionMutex);  // owned
  if (mutex && ::GetLastError() == ERROR_ALREADY_EXISTS && !TakeOverFromClosing(mutex)) {
    ::CloseHandle(mutex);
    return 0;
  }
  const std::string directory = DirectoryOf(win32::ExecutablePath());
  win32::Win32Files files;
  const TrapMask traps = ReadTrapMask(files, directory + std::string(kTrayDataFile));
  const auto icon = static_cast<HICON>(::LoadImageA(instance, MAKEINTRESOURCEA(IDI_APP), IMAGE_ICON,
                                                    ::GetSystemMetrics(SM_CXSMICON),
                                                    ::GetSystemMetrics(SM_CYSMICON), 0));
  int exitCode = 1;  // without its window, the companion is of no use
  {
    Companion companion(directory, traps, icon);
    try {
      companion.Start();
      exitCode = winui::RunMessageLoop();
    } catch (const Error&) {
    }
  }
  ::ReleaseMutex(mutex);
  if (mutex) ::CloseHandle(mutex);
  return exitCode;
}

}  // namespace

}  // namespace orvane::tray

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  orvane::winui::RestrictDllSearch();
  return orvane::tray::Run(instance);
}
