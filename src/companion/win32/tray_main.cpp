// tray.exe, the companion: an icon in the notification area that brings up Orvane 2000, and
// the key-combination traps that "tray.dat" turns on. Its hidden top-level window is how the
// program finds and closes it; it ends when that window gets WM_CLOSE.
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <optional>
#include <string>

#include "companion/companion_rules.h"
#include "platform/win32/files.h"
#include "platform/win32/system_services.h"
#include "res/resource.h"
#include "tray/task_manager_trap.h"
#include "tray/tray_interface.h"
#include "winui/dll_search.h"
#include "winui/window.h"

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

struct Companion {
  std::string directory;  // the companion's folder, ending in a backslash
  TrapMask traps = kNoTraps;
  KeyChords chords{kNoTraps};
  UINT taskbarCreated = 0;
  HHOOK hook = nullptr;    // owned
  HICON icon = nullptr;    // shared resource, not destroyed
  HANDLE mutex = nullptr;  // owned
};

// The hook procedure has no context of its own; the companion lives as long as its thread.
Companion* g_companion = nullptr;
HWND g_window = nullptr;

std::string ProgramPath() {
  return g_companion->directory + std::string(kProgramExeName);
}

// Without the right to change the key, nothing changes and nothing is reported: the trap
// simply does not work for this user.
void ApplyDebugger(bool trapped) {
  win32::Win32Registry registry;
  if (!trapped) {
    RemoveOurDebugger(registry, g_companion->directory);
    return;
  }
  const std::string ours = OurDebugger(g_companion->directory);
  const std::optional<std::string> current =
      registry.ReadString(RegistryRoot::kLocalMachine64, kTaskManagerOptionsKey, kDebuggerValue);
  if (DebuggerChangeFor(true, current, ours) != DebuggerChange::kWrite) return;
  // The key is usually not there yet, and the registry seam never creates one.
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kTaskManagerOptionsKey, 0, nullptr, 0,
                      KEY_SET_VALUE | KEY_WOW64_64KEY, nullptr, &key, nullptr) != ERROR_SUCCESS) {
    return;
  }
  RegSetValueExA(key, kDebuggerValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(ours.c_str()),
                 static_cast<DWORD>(ours.size() + 1));
  RegCloseKey(key);
}

// Brings the running program's main window to the front, or starts the program.
void BringUpProgram() {
  if (HWND main = FindWindowA(kMainWindowClass.data(), kMainWindowTitle.data())) {
    winui::BringForward(main);
    return;
  }
  const std::string exe = ProgramPath();
  std::string command = QuotedPath(exe);
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION info{};
  if (CreateProcessA(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                     g_companion->directory.c_str(), &si, &info)) {
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
  }
}

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

LRESULT CALLBACK KeyboardHook(int code, WPARAM wp, LPARAM lp) {
  if (code == HC_ACTION) {
    const auto* event = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lp);
    const bool down = wp == WM_KEYDOWN || wp == WM_SYSKEYDOWN;
    const std::optional<ChordKey> key = ChordKeyOf(event->vkCode);
    if (key && g_companion->chords.OnKey(*key, down)) PostMessageA(g_window, kBringUpMessage, 0, 0);
  }
  return CallNextHookEx(nullptr, code, wp, lp);
}

bool NotifyIcon(DWORD action) {
  NOTIFYICONDATAA data{};
  data.cbSize = sizeof data;
  data.hWnd = g_window;
  data.uID = kIconId;
  data.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
  data.uCallbackMessage = kIconMessage;
  data.hIcon = g_companion->icon;
  lstrcpynA(data.szTip, "Orvane 2000", sizeof data.szTip);
  return Shell_NotifyIconA(action, &data) != FALSE;
}

void ShowIconMenu() {
  HMENU menu = CreatePopupMenu();
  AppendMenuA(menu, MF_STRING, kMenuOpen, "Open Orvane 2000");
  AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(menu, MF_STRING, kMenuExit, "Exit");
  SetMenuDefaultItem(menu, kMenuOpen, FALSE);
  POINT at{};
  GetCursorPos(&at);
  // The menu closes when the user clicks elsewhere only if its owner is in front.
  SetForegroundWindow(g_window);
  const UINT chosen = static_cast<UINT>(TrackPopupMenu(
      menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y, 0, g_window, nullptr));
  PostMessageA(g_window, WM_NULL, 0, 0);
  DestroyMenu(menu);
  if (chosen == kMenuOpen) BringUpProgram();
  if (chosen == kMenuExit) DestroyWindow(g_window);
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == kIconMessage) {
    if (lp == WM_LBUTTONDBLCLK) BringUpProgram();
    if (lp == WM_RBUTTONUP || lp == WM_CONTEXTMENU) ShowIconMenu();
    return 0;
  }
  if (msg == kBringUpMessage) {
    BringUpProgram();
    return 0;
  }
  if (g_companion && msg == g_companion->taskbarCreated) {
    // A restarted shell has lost every icon.
    NotifyIcon(NIM_ADD);
    return 0;
  }
  if (msg == WM_DESTROY) {
    // The window goes first, as the sign to a companion started in its place that this one is
    // closing; removing the icon can take the shell a while.
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

// Another companion holds the mutex. One whose window is there is running: this one ends at
// once. One whose window has gone is closing, as when the program restarts it with new traps
// half a second after asking it to close: this one waits for it to finish.
bool TakeOverFromClosing(HANDLE mutex) {
  if (FindWindowA(kWindowClass, kTrayWindowTitle.data())) return false;
  const DWORD waited = WaitForSingleObject(mutex, kTakeOverWaitMs);
  return waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;
}

int Run(HINSTANCE instance) {
  Companion companion;
  companion.mutex = CreateMutexA(nullptr, TRUE, kCompanionMutex);
  if (companion.mutex && GetLastError() == ERROR_ALREADY_EXISTS &&
      !TakeOverFromClosing(companion.mutex)) {
    CloseHandle(companion.mutex);
    return 0;
  }
  companion.directory = DirectoryOf(win32::ExecutablePath());
  win32::Win32Files files;
  companion.traps = ReadTrapMask(files, companion.directory + std::string(kTrayDataFile));
  companion.chords = KeyChords(companion.traps);
  companion.taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
  companion.icon = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_APP), IMAGE_ICON,
                                                 GetSystemMetrics(SM_CXSMICON),
                                                 GetSystemMetrics(SM_CYSMICON), 0));
  g_companion = &companion;

  WNDCLASSA wc{};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.lpszClassName = kWindowClass;
  RegisterClassA(&wc);
  // Hidden: only its title matters, and WM_CLOSE to it.
  g_window = CreateWindowExA(WS_EX_TOOLWINDOW, kWindowClass, kTrayWindowTitle.data(), WS_OVERLAPPED,
                             0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
  if (!g_window) return 1;
  NotifyIcon(NIM_ADD);
  ApplyDebugger((companion.traps & kTrapCtrlAltDel) != 0);
  if (companion.traps & (kTrapCtrlAltShift | kTrapShiftShift)) {
    companion.hook = SetWindowsHookExA(WH_KEYBOARD_LL, KeyboardHook, instance, 0);
  }

  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  if (companion.hook) UnhookWindowsHookEx(companion.hook);
  NotifyIcon(NIM_DELETE);
  ApplyDebugger(false);
  ReleaseMutex(companion.mutex);
  g_companion = nullptr;
  if (companion.mutex) CloseHandle(companion.mutex);
  return 0;
}

}  // namespace

}  // namespace orvane::tray

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  orvane::winui::RestrictDllSearch();
  return orvane::tray::Run(instance);
}
