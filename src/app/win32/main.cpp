// The program entry: the main window, then the message loop, which is the program's only one.
#include <windows.h>

#include <string>
#include <vector>

#include "app/win32/main_form.h"
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
    auto* mainForm = new win32::MainForm(std::move(arguments), nullptr, win32::kUpdateIntervalMs);
    mainForm->Open(showCommand);
    winui::RunMessageLoop(*mainForm, mainForm->Accelerators());
  } catch (const std::exception& e) {
    winui::ShowErrorBox(e.what());
  } catch (...) {
    winui::ShowErrorBox("Unknown error");
  }
  // Ends the process with the collector thread wherever it is.
  ExitProcess(0);
}
