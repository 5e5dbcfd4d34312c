// The program entry: the program, then the message loop, which is the program's only one.
#include <windows.h>

#include <string>
#include <vector>

#include "app/win32/program.h"
#include "winui/dll_search.h"
#include "winui/error_box.h"
#include "winui/message_loop.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int showCommand) {
  using namespace orvane;
  winui::RestrictDllSearch();
  SetApplicationTitle(win32::kApplicationTitle);
  try {
    winui::InitCommonControls();
    std::vector<std::string> arguments(__argv + 1, __argv + __argc);
    // Lives until the process ends: the collector thread is neither stopped nor waited for.
    auto* program = new win32::Program(std::move(arguments), nullptr, win32::kUpdateIntervalMs);
    program->Open(showCommand);
    winui::RunMessageLoop(program->Form(), program->Form().Accelerators());
  } catch (const std::exception& e) {
    winui::ShowErrorBox(e.what());
  } catch (...) {
    winui::ShowErrorBox("Unknown error");
  }
  // Ends the process with the collector thread wherever it is.
  ExitProcess(0);
}
