// Runs the built program against the churn generator for a number of minutes, as a person
// would leave it running: every log box ticked, the Search and Report dialogs opened now and
// then, palettes toggled, the list sorted. scripts/soak runs it. It checks that:
// - every process the generator created appears in the saved log as created and as removed,
//   exactly once each and in order (compared with the generator's journal);
// - no error box appeared;
// - the main window answered WM_NULL within a second every time it was asked;
// - private bytes, handles and GDI and USER objects grew by less than 5% after the warm-up,
//   the log's own growth counted apart;
// - closing the window ends the process within 5 s, and "workspace.dat" is written.
//
//   soak_driver MINUTES CHURN_DIR      (CHURN_DIR holds churn.exe and its named copies)
//
// Prints its figures; exit code 0 when every check held.
#include <windows.h>
// After windows.h, which these need.
#include <commctrl.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "app/palettes.h"
#include "e2e/drive.h"
#include "e2e/program.h"
#include "win/support/test_process.h"

namespace {

using namespace orvane::testing;

constexpr int kCommandSearch = orvane::CommandId(orvane::Command::kGeneralSearch);
constexpr int kCommandPrint = orvane::CommandId(orvane::Command::kGeneralPrint);
constexpr int kCommandLog = orvane::CommandId(orvane::Command::kGeneralLog);

// The View menu's toggle of the palettes in turn.
int PaletteToggle(int turn) {
  const auto palettes = orvane::Palettes();
  return orvane::PaletteMenuId(palettes[static_cast<std::size_t>(turn) % palettes.size()].id);
}

constexpr const char* kLogBoxes[] = {"Process Add/Remove", "Thread Add/Remove", "Window Add/Remove",
                                     "Process Change",     "Thread Change",     "Window Change"};

int failures = 0;

void Fail(const std::string& what) {
  std::printf("soak: FAIL: %s\n", what.c_str());
  ++failures;
}

struct Usage {
  double privateBytes = 0;
  double handles = 0;
  double gdi = 0;
  double user = 0;
};

BOOL CALLBACK CountWindow(HWND hwnd, LPARAM lp) {
  auto* count = reinterpret_cast<std::pair<DWORD, double>*>(lp);
  DWORD owner = 0;
  GetWindowThreadProcessId(hwnd, &owner);
  if (owner != count->first) return TRUE;
  count->second += 1;
  EnumChildWindows(hwnd, CountWindow, lp);
  return TRUE;
}

Usage Measure(HANDLE process, DWORD pid) {
  Usage usage;
  PROCESS_MEMORY_COUNTERS_EX memory{};
  memory.cb = sizeof memory;
  if (GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                           sizeof memory)) {
    // Wine leaves PrivateUsage at 0 and gives the same figure as PagefileUsage.
    usage.privateBytes = static_cast<double>(std::max(memory.PrivateUsage, memory.PagefileUsage));
  }
  usage.handles = HandleCountOf(pid);
  usage.gdi = GetGuiResources(process, GR_GDIOBJECTS);
  usage.user = GetGuiResources(process, GR_USEROBJECTS);
  if (usage.user == 0) {
    // Wine does not count USER objects: the process's windows stand in for them.
    std::pair<DWORD, double> count{pid, 0};
    EnumWindows(CountWindow, reinterpret_cast<LPARAM>(&count));
    usage.user = count.second;
  }
  return usage;
}

Usage Mean(const std::vector<Usage>& samples) {
  Usage mean;
  for (const Usage& u : samples) {
    mean.privateBytes += u.privateBytes / static_cast<double>(samples.size());
    mean.handles += u.handles / static_cast<double>(samples.size());
    mean.gdi += u.gdi / static_cast<double>(samples.size());
    mean.user += u.user / static_cast<double>(samples.size());
  }
  return mean;
}

// An error box of the program: a standard dialog titled with the application's name.
bool ErrorBoxShown(DWORD pid) {
  for (HWND w = FindWindowExA(nullptr, nullptr, "#32770", "Orvane 2000"); w;
       w = FindWindowExA(nullptr, w, "#32770", "Orvane 2000")) {
    DWORD owner = 0;
    GetWindowThreadProcessId(w, &owner);
    if (owner == pid && IsWindowVisible(w)) return true;
  }
  return false;
}

void OpenAndClose(DWORD pid, HWND main, int command, const char* caption) {
  PostMessageA(main, WM_COMMAND, command, 0);
  if (HWND dialog = WaitWindow(pid, caption, 10000)) {
    Sleep(1500);
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  } else {
    Fail(std::string("the ") + caption + " dialog did not open");
  }
}

// Clicks a column of the main list's header, which sorts the list on it.
void SortList(HWND main, int column) {
  HWND list = FindWindowExA(main, nullptr, "SysListView32", nullptr);
  for (HWND panel = FindWindowExA(main, nullptr, nullptr, nullptr); !list && panel;
       panel = FindWindowExA(main, panel, nullptr, nullptr)) {
    list = FindWindowExA(panel, nullptr, "SysListView32", nullptr);
  }
  if (!list) return;
  HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
  int x = 8;
  for (int i = 0; i < column; ++i)
    x += static_cast<int>(SendMessageA(list, LVM_GETCOLUMNWIDTH, i, 0));
  PostMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, 6));
  PostMessageA(header, WM_LBUTTONUP, 0, MAKELPARAM(x, 6));
}

struct Life {
  std::string name;
  DWORD pid;
  DWORD created;
  DWORD ended;
};

std::vector<Life> ReadJournal(const std::string& path) {
  std::ifstream in(path);
  std::map<DWORD, Life> open;
  std::vector<Life> lives;
  std::string word, name;
  DWORD pid = 0, ms = 0;
  while (in >> word >> name >> pid >> ms) {
    if (word == "created") {
      open[pid] = {name, pid, ms, 0};
    } else if (auto it = open.find(pid); it != open.end()) {
      it->second.ended = ms;
      lives.push_back(it->second);
      open.erase(it);
    }
  }
  if (!open.empty()) Fail("the journal has processes that never ended");
  return lives;
}

// Compares the log's process lines with the journal: for each name the log must show, in
// order, created then removed once for each of its lives. Returns the lines compared.
int CompareLog(const std::string& logPath, const std::vector<Life>& lives) {
  std::map<std::string, std::string> expected;  // name -> "crcr..."
  for (const Life& life : lives) {
    if (life.ended - life.created >= 2000) expected[life.name] += "cr";
  }
  std::map<std::string, std::string> seen;
  std::ifstream in(logPath);
  std::string line;
  int compared = 0;
  while (std::getline(in, line)) {
    char event = 0;
    if (line.rfind("Process created ", 0) == 0) event = 'c';
    if (line.rfind("Process removed ", 0) == 0) event = 'r';
    if (!event) continue;
    const std::string rest = line.substr(16);
    const std::string name = rest.substr(0, rest.find('\t'));
    if (name.rfind("churn_", 0) != 0) continue;
    seen[name] += event;
    ++compared;
  }
  for (const auto& [name, events] : expected) {
    if (seen[name] != events) Fail(name + ": journal " + events + ", log " + seen[name]);
  }
  for (const auto& [name, events] : seen) {
    if (!expected.count(name)) Fail(name + " is in the log but in no journal life of 2 s");
  }
  return compared;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: soak_driver MINUTES CHURN_DIR\n");
    return 2;
  }
  const double minutes = std::atof(argv[1]);
  const std::string churnDir = std::string(argv[2]) + "\\";
  const DWORD seconds = static_cast<DWORD>(minutes * 60);
  const std::string workspace = TestDirectory() + "workspace.dat";
  const std::string journal = churnDir + "journal.txt";
  const std::string savedLog = churnDir + "log.txt";
  DeleteFileA(workspace.c_str());
  DeleteFileA(savedLog.c_str());

  Program program;
  HWND main = program.WaitMainWindow();
  if (!main) return std::printf("soak: FAIL: the program did not start\n"), 1;
  HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, program.Pid());
  if (!process)
    std::printf("soak: cannot open the program's process (error %lu)\n", GetLastError());

  PostMessageA(main, WM_COMMAND, kCommandLog, 0);
  HWND log = WaitWindow(program.Pid(), "Log events");
  if (!log) return std::printf("soak: FAIL: no log window\n"), 1;
  for (const char* box : kLogBoxes) Tick(log, box);
  Sleep(3000);

  // The generator, started on all the named copies in its folder.
  std::string command =
      "\"" + churnDir + "churn.exe\" " + std::to_string(seconds) + " \"" + journal + "\"";
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((churnDir + "churn_*.exe").c_str(), &found);
  for (BOOL more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileA(search, &found))
    command += " \"" + churnDir + found.cFileName + "\"";
  if (search != INVALID_HANDLE_VALUE) FindClose(search);
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION churn{};
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                      &churn)) {
    return std::printf("soak: FAIL: the churn generator did not start\n"), 1;
  }

  const DWORD warmUp = std::min<DWORD>(60, seconds / 4) * 1000;
  const DWORD start = GetTickCount();
  std::vector<Usage> samples;
  DWORD slowest = 0;
  int asked = 0;
  for (int round = 0; WaitForSingleObject(churn.hProcess, 0) == WAIT_TIMEOUT; ++round) {
    const DWORD elapsed = GetTickCount() - start;
    if (elapsed > seconds * 1000 + 60000) {
      Fail("the generator did not end");
      break;
    }
    if (round % 5 == 0) {
      const DWORD before = GetTickCount();
      DWORD_PTR result = 0;
      const bool answered =
          SendMessageTimeoutA(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &result) != 0;
      slowest = std::max(slowest, GetTickCount() - before);
      ++asked;
      if (!answered) {
        Fail("the main window did not answer WM_NULL within 1 s, at " +
             std::to_string(elapsed / 1000) + " s, round " + std::to_string(round % 40));
      }
      // Only while the generator is still starting processes: the same load throughout.
      if (elapsed >= warmUp && elapsed < seconds * 1000) {
        samples.push_back(Measure(process, program.Pid()));
      }
    }
    if (ErrorBoxShown(program.Pid())) {
      Fail("an error box appeared");
      break;
    }
    switch (round % 40) {
      case 7:
        OpenAndClose(program.Pid(), main, kCommandSearch, "Search");
        break;
      case 17:
        OpenAndClose(program.Pid(), main, kCommandPrint, "Print Object List");
        break;
      case 27:
      case 29:
        PostMessageA(main, WM_COMMAND, PaletteToggle(round / 40), 0);
        break;
      case 33:
        SortList(main, round / 40 % 3);
        break;
      default:
        break;
    }
    Sleep(1000);
  }
  CloseHandle(churn.hThread);
  CloseHandle(churn.hProcess);

  // A few cycles for the last removals, then nothing more is logged while the log is saved.
  Sleep(4000);
  for (const char* box : kLogBoxes) Tick(log, box);
  Settle(main);
  if (!SaveThrough(program.Pid(), log, "Save To File", savedLog)) Fail("the log was not saved");
  const std::vector<Life> lives = ReadJournal(journal);
  const int compared = CompareLog(savedLog, lives);

  // The log's own growth is what its lines hold: their text (the file's size) and a string
  // each, 48 bytes with its heap block, as log_bench measures.
  WIN32_FILE_ATTRIBUTE_DATA logFile{};
  GetFileAttributesExA(savedLog.c_str(), GetFileExInfoStandard, &logFile);
  std::size_t logLines = 0;
  {
    std::ifstream in(savedLog, std::ios::binary);
    logLines = static_cast<std::size_t>(
        std::count(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>(), '\n'));
  }
  if (samples.size() >= 6) {
    const Usage first = Mean(std::vector<Usage>(samples.begin(), samples.begin() + 3));
    const Usage last = Mean(std::vector<Usage>(samples.end() - 3, samples.end()));
    const double logBytes =
        static_cast<double>(logFile.nFileSizeLow) + 48.0 * static_cast<double>(logLines);
    const auto growth = [](double from, double to) { return from > 0 ? (to - from) / from : 0.0; };
    const double privateGrowth = growth(first.privateBytes, last.privateBytes - logBytes);
    std::printf(
        "soak: private bytes %.1f MB -> %.1f MB (the log's %zu lines about %.1f MB): %+.1f%%\n",
        first.privateBytes / 1e6, last.privateBytes / 1e6, logLines, logBytes / 1e6,
        100 * privateGrowth);
    std::printf(
        "soak: handles %.0f -> %.0f, GDI objects %.0f -> %.0f%s, USER objects %.0f -> %.0f\n",
        first.handles, last.handles, first.gdi, last.gdi,
        first.gdi == 0 ? " (not counted by Wine)" : "", first.user, last.user);
    if (privateGrowth >= 0.05) Fail("private bytes grew by 5% or more");
    if (growth(first.handles, last.handles) >= 0.05) Fail("handles grew by 5% or more");
    if (growth(first.gdi, last.gdi) >= 0.05) Fail("GDI objects grew by 5% or more");
    if (growth(first.user, last.user) >= 0.05) Fail("USER objects grew by 5% or more");
  } else {
    Fail("too few samples after the warm-up");
  }

  // The main window's count of views rebuilt after a listener's consistency error
  // (kViewRepairsMessage): a sound run has none.
  DWORD_PTR repairs = 0;
  if (!SendMessageTimeoutA(main, RegisterWindowMessageA("OrvaneViewRepairs"), 0, 0,
                           SMTO_ABORTIFHUNG, 5000, &repairs)) {
    Fail("the main window did not tell its view repairs");
  } else if (repairs != 0) {
    Fail("the views were rebuilt " + std::to_string(repairs) + " times after a consistency error");
  }

  PostMessageA(main, WM_CLOSE, 0, 0);
  if (program.WaitExit(5000) == STILL_ACTIVE) Fail("the program did not end within 5 s of closing");
  if (GetFileAttributesA(workspace.c_str()) == INVALID_FILE_ATTRIBUTES)
    Fail("\"workspace.dat\" was not written");
  CloseHandle(process);

  std::printf(
      "soak: %.1f minutes, %zu processes churned, %d log lines compared, WM_NULL asked %d "
      "times, slowest answer %lu ms\n",
      minutes, lives.size(), compared, asked, slowest);
  std::printf("soak: %s\n", failures == 0 ? "passed" : "FAILED");
  return failures == 0 ? 0 : 1;
}
