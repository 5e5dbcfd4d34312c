#include "winui/file_dialogs.h"

#include <commdlg.h>

#include <vector>

#include "winui/error_box.h"

namespace orvane::winui {

namespace {

// Long enough for any path the ANSI functions take, and more.
constexpr DWORD kPathBuffer = 32768;

template <typename Run>
std::optional<std::string> Choose(const FileDialogArgs& args, DWORD flags, Run run) {
  // The dialog wants its filter as NUL-separated pieces ending in two NULs.
  std::string filter = args.filter;
  for (char& c : filter) {
    if (c == '|') c = '\0';
  }
  filter.append(2, '\0');
  std::vector<char> path(kPathBuffer, '\0');
  OPENFILENAMEA ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = args.owner;
  ofn.lpstrFilter = filter.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = path.data();
  ofn.nMaxFile = kPathBuffer;
  ofn.lpstrDefExt = args.defaultExtension.empty() ? nullptr : args.defaultExtension.c_str();
  ofn.lpstrTitle = args.title.empty() ? nullptr : args.title.c_str();
  ofn.Flags = flags | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_EXPLORER;
  if (run(&ofn)) return std::string(path.data());
  if (const DWORD error = ::CommDlgExtendedError()) {
    ShowErrorBox("The file dialog failed (error " + std::to_string(error) + ")");
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> ChooseSaveFile(const FileDialogArgs& args) {
  // Replacing a file asks nothing: the file is simply written anew.
  return Choose(args, OFN_PATHMUSTEXIST,
                [](OPENFILENAMEA* ofn) { return ::GetSaveFileNameA(ofn); });
}

std::optional<std::string> ChooseOpenFile(const FileDialogArgs& args) {
  return Choose(args, OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST,
                [](OPENFILENAMEA* ofn) { return ::GetOpenFileNameA(ofn); });
}

std::optional<std::string> ChooseTextFileToSave(HWND owner) {
  return ChooseSaveFile(
      {.owner = owner, .filter = "Text document (*.txt)|*.txt", .defaultExtension = "txt"});
}

}  // namespace orvane::winui
