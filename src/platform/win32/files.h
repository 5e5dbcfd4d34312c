#pragma once
// The files seam over the Win32 file functions.

#include <string>

#include "platform/files.h"

namespace orvane::win32 {

// The full path of the running program's executable.
std::string ExecutablePath();

// Opens relative paths in one folder, the program's, rather than in the current folder, which
// the system's open dialog changes.
class Win32Files : public Files {
 public:
  // folder: where relative paths are opened; the current folder when empty.
  explicit Win32Files(std::string folder = {}) : folder_(std::move(folder)) {}
  bool Exists(std::string_view path) override;
  bool Delete(std::string_view path) override;
  std::optional<std::string> ReadAll(std::string_view path) override;
  void WriteAll(std::string_view path, std::string_view bytes) override;

 private:
  std::string folder_;
};

}  // namespace orvane::win32
