#include "snapshot/win32/toolhelp_source.h"

#include <windows.h>
// tlhelp32.h needs windows.h first.
#include <tlhelp32.h>

#include <algorithm>
#include <vector>

#include "platform/win32/handles.h"

namespace orvane::win32 {

namespace {

// Closes the snapshot however the pass ends.
class Snapshot {
 public:
  explicit Snapshot(DWORD flags) : handle_(CreateToolhelp32Snapshot(flags, 0)) {}
  ~Snapshot() {
    if (valid()) CloseHandle(handle_);
  }
  Snapshot(const Snapshot&) = delete;
  Snapshot& operator=(const Snapshot&) = delete;
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;  // owned
};

// Wine's ntdll exports its version; Windows' does not.
bool UnderWine() {
  HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  return ntdll && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

BOOL CALLBACK CollectHandle(HWND hwnd, LPARAM param) {
  reinterpret_cast<std::vector<HWND>*>(param)->push_back(hwnd);
  return TRUE;
}

}  // namespace

int32_t ProcessBasePriority(int32_t reported) {
  static const bool wine = UnderWine();
  return wine ? BasePriorityOfClassNumber(reported) : reported;
}

void ToolhelpSource::EnumProcesses(const std::function<void(const ProcessEntry&)>& each) {
  Snapshot snapshot(TH32CS_SNAPPROCESS);
  if (!snapshot.valid()) return;
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL ok = Process32First(snapshot.get(), &entry); ok;
       ok = Process32Next(snapshot.get(), &entry)) {
    entry.szExeFile[sizeof entry.szExeFile - 1] = '\0';
    // The snapshot holds no figures beside the name.
    each({entry.th32ProcessID,
          ProcessBasePriority(static_cast<int32_t>(entry.pcPriClassBase)),
          entry.szExeFile,
          {}});
  }
}

void ToolhelpSource::EnumThreads(const std::function<void(const ThreadEntry&)>& each) {
  Snapshot snapshot(TH32CS_SNAPTHREAD);
  if (!snapshot.valid()) return;
  THREADENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL ok = Thread32First(snapshot.get(), &entry); ok;
       ok = Thread32Next(snapshot.get(), &entry)) {
    each({entry.th32OwnerProcessID, entry.th32ThreadID, static_cast<int32_t>(entry.tpBasePri)});
  }
}

bool ReadTopLevelWindow(HWND hwnd, WindowTitleBuffer& title, WindowEntry& entry) {
  DWORD processId = 0;
  entry.threadId = GetWindowThreadProcessId(hwnd, &processId);
  // Destroyed since the enumeration: no owner. Thread 0 would otherwise stand for one of the
  // idle process's threads.
  if (entry.threadId == 0) return false;
  entry.processId = processId;
  entry.handle = HandleWord(hwnd);
  const int length = GetWindowTextA(hwnd, title.data(), static_cast<int>(title.size()));
  entry.title = std::string_view(title.data(), length > 0 ? static_cast<std::size_t>(length) : 0);
  RECT rect{};
  GetWindowRect(hwnd, &rect);
  entry.left = rect.left;
  entry.top = rect.top;
  entry.right = rect.right;
  entry.bottom = rect.bottom;
  // One style read stands for IsWindowVisible, IsIconic and IsZoomed: for a top-level window
  // they test exactly these bits (its parent, the desktop, is always visible), and each is a
  // call to the window server under Wine. A top-level window always has some style bits
  // (WS_CLIPSIBLINGS at least), so 0 means it was destroyed while being read.
  const auto style = static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE));
  if (style == 0 && !IsWindow(hwnd)) return false;
  entry.visible = (style & WS_VISIBLE) != 0;
  entry.iconic = (style & WS_MINIMIZE) != 0;
  entry.zoomed = (style & WS_MAXIMIZE) != 0;
  // A question to the window server about the thread's queue: nothing is sent to the window,
  // so a hung one cannot stall the cycle. Hidden windows are not asked, which keeps the cost
  // to the windows a user can see.
  entry.hung = entry.visible && IsHungAppWindow(hwnd);
  return true;
}

void ToolhelpSource::EnumWindows(const std::function<void(const WindowEntry&)>& each) {
  // The handles are gathered first so that no code of ours runs inside the system's
  // enumeration callback beyond a push_back.
  std::vector<HWND> handles;
  handles.reserve(512);
  ::EnumWindows(CollectHandle, reinterpret_cast<LPARAM>(&handles));
  WindowTitleBuffer title;
  for (HWND hwnd : handles) {
    WindowEntry entry;
    if (ReadTopLevelWindow(hwnd, title, entry)) each(entry);
  }
}

MemoryFigures ToolhelpSource::Memory() {
  // The extended call: the plain one caps its figures at 4 GB in a 32-bit process.
  MEMORYSTATUSEX status{};
  status.dwLength = sizeof status;
  if (!GlobalMemoryStatusEx(&status)) return {};
  return {status.ullTotalPhys, status.dwMemoryLoad};
}

std::string ToolhelpSource::ComputerName() {
  char name[64] = {};
  DWORD size = sizeof name;
  if (!GetComputerNameA(name, &size)) return {};
  return name;
}

std::string ToolhelpSource::UserName() {
  char name[64] = {};
  DWORD size = sizeof name;
  if (!GetUserNameA(name, &size)) return {};
  return name;
}

uint32_t ToolhelpSource::CurrentProcessId() {
  return GetCurrentProcessId();
}

uint32_t ToolhelpSource::ProcessorCount() {
  static const uint32_t count = [] {
    SYSTEM_INFO info{};
    GetSystemInfo(&info);
    return std::max<uint32_t>(info.dwNumberOfProcessors, 1);
  }();
  return count;
}

uint32_t ToolhelpSource::OwnPriorityClass() {
  return GetPriorityClass(GetCurrentProcess());
}

void ToolhelpSource::SetOwnPriorityClass(uint32_t priorityClass) {
  SetPriorityClass(GetCurrentProcess(), priorityClass);
}

}  // namespace orvane::win32
