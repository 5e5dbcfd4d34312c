#include "platform/win32/program_start.h"

#include <shellapi.h>

#include <string>

namespace orvane::win32 {

bool Win32ProgramStarter::StartCommand(std::string_view commandLine, ShowCommand show) {
  // As WinExec starts it (the same search for a bare name, the same show state), but without
  // waiting until the program is idle: a companion that first waits for its closing
  // predecessor would hold the window still meanwhile.
  std::string command(commandLine);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(show);
  PROCESS_INFORMATION process{};
  if (command.empty() || !CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0,
                                         nullptr, nullptr, &startup, &process)) {
    return false;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

bool Win32ProgramStarter::OpenDocument(std::string_view file, std::string_view parameters,
                                       std::string_view directory, ShowCommand show) {
  const std::string f(file);
  const std::string p(parameters);
  const std::string d(directory);
  SHELLEXECUTEINFOA info{};
  info.cbSize = sizeof info;
  // No box of the shell's own when the file is missing or has no program; and the work is
  // done before the call returns, since the caller may end right after it.
  info.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
  info.hwnd = owner_;
  info.lpVerb = "open";
  info.lpFile = f.c_str();
  info.lpParameters = p.empty() ? nullptr : p.c_str();
  info.lpDirectory = d.empty() ? nullptr : d.c_str();
  info.nShow = static_cast<int>(show);
  return ShellExecuteExA(&info) != FALSE;
}

}  // namespace orvane::win32
