// The soak's churn: starts and ends processes, opens, retitles, hides and closes windows, and
// starts and ends threads, and keeps a journal of the processes it created and saw end.
//
//   churn SECONDS JOURNAL EXE...   generator: for SECONDS starts the given copies of itself, one
//                                  instance of each name at a time, then waits for them to end
//   churn child LIFETIME_MS SEED   one churned process
//
// Journal lines: "created NAME PID MS" and "ended NAME PID MS", MS counted from the start.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

// ---- a churned process ----

constexpr UINT_PTR kActionTimer = 1;
constexpr int kMaxExtraWindows = 3;
constexpr int kMaxThreads = 6;

struct Child {
  HWND main = nullptr;
  std::vector<HWND> extras;
  std::mt19937 random;
  DWORD deadline = 0;
  int titleCount = 0;
  LONG threads = 0;
};
Child child;

DWORD WINAPI ShortThread(LPVOID ms) {
  Sleep(static_cast<DWORD>(reinterpret_cast<UINT_PTR>(ms)));
  InterlockedDecrement(&child.threads);
  return 0;
}

HWND OpenWindow(const char* title, int x) {
  HWND hwnd = CreateWindowA("OrvaneChurnWindow", title, WS_OVERLAPPEDWINDOW, x, 80, 240, 160,
                            nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  ShowWindow(hwnd, SW_SHOWNOACTIVATE);
  return hwnd;
}

void Act() {
  if (GetTickCount() >= child.deadline) {
    DestroyWindow(child.main);
    return;
  }
  char title[64];
  switch (child.random() % 6) {
    case 0:
      std::snprintf(title, sizeof title, "churn %lu title %d", GetCurrentProcessId(),
                    ++child.titleCount);
      SetWindowTextA(child.main, title);
      break;
    case 1:
      if (child.extras.size() < kMaxExtraWindows) {
        std::snprintf(title, sizeof title, "churn %lu extra", GetCurrentProcessId());
        child.extras.push_back(OpenWindow(title, 300 + 40 * static_cast<int>(child.extras.size())));
      }
      break;
    case 2:
      if (!child.extras.empty()) {
        DestroyWindow(child.extras.back());
        child.extras.pop_back();
      }
      break;
    case 3:
      if (!child.extras.empty()) {
        HWND w = child.extras.front();
        ShowWindow(w, IsWindowVisible(w) ? SW_HIDE : SW_SHOWNOACTIVATE);
      }
      break;
    default:
      if (child.threads < kMaxThreads) {
        InterlockedIncrement(&child.threads);
        const UINT_PTR ms = 300 + child.random() % 2700;
        HANDLE thread =
            CreateThread(nullptr, 0, ShortThread, reinterpret_cast<LPVOID>(ms), 0, nullptr);
        if (thread) {
          CloseHandle(thread);
        } else {
          InterlockedDecrement(&child.threads);
        }
      }
      break;
  }
}

LRESULT CALLBACK ChildProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_TIMER && hwnd == child.main) {
    Act();
    return 0;
  }
  if (msg == WM_DESTROY && hwnd == child.main) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

int RunChild(DWORD lifetimeMs, unsigned seed) {
  child.random.seed(seed);
  child.deadline = GetTickCount() + lifetimeMs;
  WNDCLASSA wc{};
  wc.lpfnWndProc = ChildProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = "OrvaneChurnWindow";
  RegisterClassA(&wc);
  char title[64];
  std::snprintf(title, sizeof title, "churn %lu", GetCurrentProcessId());
  child.main = OpenWindow(title, 40);
  SetTimer(child.main, kActionTimer, 300, nullptr);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
  return 0;
}

// ---- the generator ----

// Longer than two of the program's cycles: the program sees a name's life end before the next.
constexpr DWORD kNameRestMs = 3000;
// Longer than the 2 s the soak asks of a life before it expects the log to show it.
constexpr DWORD kSeenMs = 2500;

struct Slot {
  std::string exe;
  std::string name;  // the file name, as the log shows it
  HANDLE process = nullptr;
  DWORD pid = 0;
  DWORD createdAt = 0;  // in the generator's time
  DWORD restUntil = 0;  // a name rests after a life, so that two lives never meet in a cycle
};

std::string FileName(const std::string& path) {
  const std::size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

int RunGenerator(DWORD seconds, const char* journalPath, std::vector<Slot> slots) {
  FILE* journal = std::fopen(journalPath, "w");
  if (!journal) return 2;
  std::mt19937 random(12345);
  const DWORD start = GetTickCount();
  const auto now = [&] { return GetTickCount() - start; };
  const auto reap = [&] {
    for (Slot& slot : slots) {
      if (slot.process && WaitForSingleObject(slot.process, 0) == WAIT_OBJECT_0) {
        std::fprintf(journal, "ended %s %lu %lu\n", slot.name.c_str(), slot.pid, now());
        std::fflush(journal);
        CloseHandle(slot.process);
        slot.process = nullptr;
        slot.restUntil = now() + kNameRestMs;
      }
    }
  };
  std::size_t next = 0;
  while (now() < seconds * 1000) {
    reap();
    // The next free name, taken in turn so that each name rests between its lives.
    for (std::size_t tried = 0; tried < slots.size(); ++tried, next = (next + 1) % slots.size()) {
      Slot& slot = slots[next];
      if (slot.process || now() < slot.restUntil) continue;
      const DWORD lifetime = 2000 + random() % 18000;
      std::string command =
          "\"" + slot.exe + "\" child " + std::to_string(lifetime) + " " + std::to_string(random());
      STARTUPINFOA si{};
      si.cb = sizeof si;
      PROCESS_INFORMATION info{};
      if (CreateProcessA(slot.exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                         nullptr, &si, &info)) {
        CloseHandle(info.hThread);
        slot.process = info.hProcess;
        slot.pid = info.dwProcessId;
        slot.createdAt = now();
        std::fprintf(journal, "created %s %lu %lu\n", slot.name.c_str(), slot.pid, now());
        std::fflush(journal);
      }
      next = (next + 1) % slots.size();
      break;
    }
    Sleep(150 + random() % 200);
  }
  for (bool any = true; any;) {
    // The lives still running are ended from outside once they are old enough to be seen
    // (kSeenMs): the soak's minutes are the generator's, not up to another 20 s of its last
    // lifetimes.
    for (const Slot& slot : slots) {
      if (slot.process && now() - slot.createdAt >= kSeenMs) TerminateProcess(slot.process, 0);
    }
    reap();
    any = false;
    for (const Slot& slot : slots) any = any || slot.process != nullptr;
    Sleep(100);
  }
  std::fclose(journal);
  return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const int argc = __argc;
  char** const argv = __argv;
  if (argc >= 4 && std::strcmp(argv[1], "child") == 0) {
    return RunChild(static_cast<DWORD>(std::strtoul(argv[2], nullptr, 10)),
                    static_cast<unsigned>(std::strtoul(argv[3], nullptr, 10)));
  }
  if (argc < 4) return 2;  // usage: see the top of this file
  std::vector<Slot> slots;
  for (int i = 3; i < argc; ++i) slots.push_back({argv[i], FileName(argv[i])});
  return RunGenerator(static_cast<DWORD>(std::strtoul(argv[1], nullptr, 10)), argv[2],
                      std::move(slots));
}
