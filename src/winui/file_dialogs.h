#pragma once
// The common open and save dialogs.

#include <windows.h>

#include <optional>
#include <string>

namespace orvane::winui {

struct FileDialogArgs {
  HWND owner = nullptr;  // not owned
  // Pairs of description and pattern separated by "|", such as "Text document (*.txt)|*.txt".
  std::string filter{};
  // Added to a name typed without one, without its dot, such as "txt".
  std::string defaultExtension{};
  std::string title{};  // empty: the system's
};

// The chosen file's full path; nullopt when the user cancels. A failure of the dialog itself
// is shown in the standard error box and gives nullopt.
std::optional<std::string> ChooseSaveFile(const FileDialogArgs& args);
std::optional<std::string> ChooseOpenFile(const FileDialogArgs& args);

// The save dialog for a plain-text document, as the log and the report offer it.
std::optional<std::string> ChooseTextFileToSave(HWND owner);

}  // namespace orvane::winui
