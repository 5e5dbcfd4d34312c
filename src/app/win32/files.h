#pragma once
// The files seam over the Win32 file functions.

#include <string>

#include "app/files.h"

namespace orvane::win32 {

// The full path of the running program's executable.
std::string ExecutablePath();

class Win32Files : public Files {
 public:
  bool Exists(std::string_view path) override;
  bool Delete(std::string_view path) override;
  std::optional<std::string> ReadAll(std::string_view path) override;
  void WriteAll(std::string_view path, std::string_view bytes) override;
};

}  // namespace orvane::win32
