#pragma once
// The program-start seam over CreateProcessA and ShellExecuteExA.

#include <windows.h>

#include "platform/program_start.h"

namespace orvane::win32 {

class Win32ProgramStarter : public ProgramStarter {
 public:
  // owner: not owned; the shell's window for anything it shows; may be set later.
  explicit Win32ProgramStarter(HWND owner = nullptr) : owner_(owner) {}

  void SetOwner(HWND owner) { owner_ = owner; }

  bool StartCommand(std::string_view commandLine, ShowCommand show) override;
  bool OpenDocument(std::string_view file, std::string_view parameters, std::string_view directory,
                    ShowCommand show) override;

 private:
  HWND owner_;  // not owned
};

}  // namespace orvane::win32
