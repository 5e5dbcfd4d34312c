#pragma once
// The seam to starting programs and opening documents, for the dialogs and settings that run
// something: a command line as WinExec runs it, and the shell's "open" of a document or
// program. Neither reports a failure beyond its result. One Win32 adapter
// (platform/win32/program_start.h) and an in-memory double for native tests.

#include <string_view>

#include "platform/object_control.h"

namespace orvane {

class ProgramStarter {
 public:
  virtual ~ProgramStarter() = default;
  // The program, then its arguments; a bare program name is searched for in the program's
  // own directory, the current directory and the system's path. True when it started.
  virtual bool StartCommand(std::string_view commandLine, ShowCommand show) = 0;
  // parameters and directory may be empty (none). True when the shell opened the file; it
  // shows no box when it cannot.
  virtual bool OpenDocument(std::string_view file, std::string_view parameters,
                            std::string_view directory, ShowCommand show) = 0;
};

}  // namespace orvane
