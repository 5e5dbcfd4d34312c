#include "platform/win32/files.h"

#include <windows.h>

#include "platform/error.h"

namespace orvane::win32 {

namespace {

// Closes the handle when it goes.
struct FileHandle {
  HANDLE h;
  ~FileHandle() {
    if (h != INVALID_HANDLE_VALUE) ::CloseHandle(h);
  }
};

std::string DirectoryPart(const std::string& path) {
  const std::size_t slash = path.find_last_of("\\/");
  if (slash == std::string::npos) return ".";
  return path.substr(0, slash + 1);
}

bool WriteTemporary(const std::string& temporary, std::string_view bytes) {
  FileHandle file{::CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr)};
  if (file.h == INVALID_HANDLE_VALUE) return false;
  while (!bytes.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 20));
    DWORD written = 0;
    if (!::WriteFile(file.h, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return ::FlushFileBuffers(file.h) != FALSE;
}

}  // namespace

std::string ExecutablePath() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD n = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n < path.size()) {
      path.resize(n);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

bool Win32Files::Exists(std::string_view path) {
  const DWORD attributes = ::GetFileAttributesA(PathIn(folder_, path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool Win32Files::Delete(std::string_view path) {
  return ::DeleteFileA(PathIn(folder_, path).c_str()) != FALSE;
}

std::optional<std::string> Win32Files::ReadAll(std::string_view path) {
  FileHandle file{::CreateFileA(PathIn(folder_, path).c_str(), GENERIC_READ, FILE_SHARE_READ,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)};
  if (file.h == INVALID_HANDLE_VALUE) return std::nullopt;
  LARGE_INTEGER size{};
  if (!::GetFileSizeEx(file.h, &size) || size.QuadPart > 0x7fffffff) return std::nullopt;
  std::string text(static_cast<std::size_t>(size.QuadPart), '\0');
  std::size_t done = 0;
  while (done < text.size()) {
    DWORD read = 0;
    // A failed read is no file rather than a short one taken for whole.
    if (!::ReadFile(file.h, text.data() + done, static_cast<DWORD>(text.size() - done), &read,
                    nullptr)) {
      return std::nullopt;
    }
    if (read == 0) break;  // shortened meanwhile: what is there
    done += read;
  }
  text.resize(done);
  return text;
}

void Win32Files::WriteAll(std::string_view path, std::string_view bytes) {
  const std::string target = PathIn(folder_, path);
  // A folder or a read-only file of that name stays as it is; the move below would not
  // always refuse them itself.
  const DWORD attributes = ::GetFileAttributesA(target.c_str());
  const bool refused = attributes != INVALID_FILE_ATTRIBUTES &&
                       (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) != 0;
  char temporary[MAX_PATH] = {};
  if (refused || target.empty() ||
      !::GetTempFileNameA(DirectoryPart(target).c_str(), "orv", 0, temporary)) {
    throw Error(CannotCreateFileText(target));
  }
  if (!WriteTemporary(temporary, bytes) ||
      !::MoveFileExA(temporary, target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    ::DeleteFileA(temporary);
    throw Error(CannotCreateFileText(target));
  }
}

}  // namespace orvane::win32
