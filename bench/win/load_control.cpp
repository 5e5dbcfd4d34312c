// The Windows half of scripts/load: starts the helper load and steers the running program.
//
//   load_control start N T   starts N helpers with a window and T threads each, prints "ready"
//                            when every window is there, then waits (wineserver -k ends it)
//   load_control open|minimise|log|close
//                            shows the program's main window, minimises it, opens the event
//                            log with every box ticked, or closes the program
// Exit code 0 when the windows it needed were found.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/command_table.h"
#include "app/win32/main_form.h"
#include "e2e/drive.h"
#include "win/support/test_process.h"

namespace {

// A visible top-level window with this caption, waited for a while.
HWND WaitWindow(const char* caption) {
  for (int i = 0; i < 300; ++i) {
    if (HWND w = FindWindowA(nullptr, caption)) return w;
    Sleep(100);
  }
  return nullptr;
}

int Start(int count, int threads) {
  const std::string exe = orvane::testing::TestDirectory() + "test_window.exe";
  std::vector<std::string> titles;
  for (int i = 0; i < count; ++i) {
    titles.push_back("Orvane load " + std::to_string(i + 1));
    // The helper's own thread plus T - 1 idle ones.
    std::string command = "\"" + exe + "\" \"" + titles.back() + "\" " +
                          std::to_string(threads > 0 ? threads - 1 : 0);
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &si, &info)) {
      std::fprintf(stderr, "load_control: cannot start %s (error %lu)\n", exe.c_str(),
                   GetLastError());
      return 1;
    }
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
  }
  for (const std::string& title : titles)
    if (!WaitWindow(title.c_str())) return std::fprintf(stderr, "no %s\n", title.c_str()), 1;
  std::printf("ready\n");
  std::fflush(stdout);
  Sleep(INFINITE);
  return 0;
}

int Steer(const std::string& what) {
  HWND main = WaitWindow(orvane::win32::kMainCaption);
  if (!main) return std::fprintf(stderr, "load_control: the program is not running\n"), 1;
  if (what == "open") {
    ShowWindow(main, SW_RESTORE);
  } else if (what == "minimise") {
    ShowWindow(main, SW_MINIMIZE);
  } else if (what == "close") {
    PostMessageA(main, WM_CLOSE, 0, 0);
  } else if (what == "log") {
    PostMessageA(main, WM_COMMAND, orvane::CommandId(orvane::Command::kGeneralLog), 0);
    HWND log = WaitWindow("Log events");
    if (!log) return std::fprintf(stderr, "load_control: no log window\n"), 1;
    for (const char* box : {"Process Add/Remove", "Thread Add/Remove", "Window Add/Remove",
                            "Process Change", "Thread Change", "Window Change"}) {
      HWND found = orvane::testing::ChildByText(log, box);
      if (!found) return std::fprintf(stderr, "load_control: no box %s\n", box), 1;
      if (SendMessageA(found, BM_GETCHECK, 0, 0) != BST_CHECKED)
        SendMessageA(found, BM_CLICK, 0, 0);
    }
  } else {
    return std::fprintf(stderr, "load_control: unknown command %s\n", what.c_str()), 2;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 4 && std::string(argv[1]) == "start")
    return Start(std::atoi(argv[2]), std::atoi(argv[3]));
  if (argc >= 2) return Steer(argv[1]);
  std::fprintf(stderr, "usage: load_control start N T | open | minimise | log | close\n");
  return 2;
}
