#pragma once
// The seam to the files the program and its dialogs read and write, and the text-file format
// they share: 8-bit text, CR LF after every line, the last one included. One Win32 adapter
// (platform/win32/files.h) and an in-memory double for native tests.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// The lines, each followed by CR LF.
std::string JoinCrLf(const std::vector<std::string>& lines);
// The lines of a text: split at CR LF, lone LF or lone CR; a line end at the very end adds no
// empty line, and an empty text has none.
std::vector<std::string> SplitLines(std::string_view text);

// path as the file functions are to open it in folder: a relative path is taken within the
// folder (whatever the current folder is by then); an absolute one, or any path when the folder
// is empty, stays as it is.
std::string PathIn(std::string_view folder, std::string_view path);

// The directory of an executable path, up to and including its last backslash.
std::string DirectoryOf(std::string_view exePath);
// The text of the error raised when a file cannot be written.
std::string CannotCreateFileText(std::string_view path);

class Files {
 public:
  virtual ~Files() = default;
  virtual bool Exists(std::string_view path) = 0;
  // Silent: false when there is no such file or it cannot be deleted.
  virtual bool Delete(std::string_view path) = 0;
  // The whole file, or nullopt when it cannot be opened.
  virtual std::optional<std::string> ReadAll(std::string_view path) = 0;
  // Replaces the file with these bytes, whole: they go to a temporary file in the same
  // directory, which then takes the target's place. Raises orvane::Error with
  // CannotCreateFileText(path) when that fails; the old file is then as it was.
  virtual void WriteAll(std::string_view path, std::string_view bytes) = 0;
};

// The file's lines, or nullopt when it cannot be opened.
std::optional<std::vector<std::string>> ReadLines(Files& files, std::string_view path);
// Replaces the file with the lines, each followed by CR LF.
void WriteLines(Files& files, std::string_view path, const std::vector<std::string>& lines);

}  // namespace orvane
