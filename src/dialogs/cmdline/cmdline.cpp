#include "dialogs/cmdline/cmdline.h"

#include <charconv>

#include "snapshot/operations.h"
#include "tray/task_manager_trap.h"

namespace orvane {

int32_t CountdownFrom(const std::vector<std::string>& arguments) {
  if (arguments.size() < 3) return kDefaultCountdown;
  std::string_view text = arguments[2];
  // from_chars takes a minus sign but not a plus sign.
  if (text.starts_with('+') && !text.substr(1).starts_with('-')) text.remove_prefix(1);
  int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return kDefaultCountdown;
  return value;
}

void CmdLineRun::FormShow(std::vector<std::string> arguments) {
  const std::string word = arguments.empty() ? std::string() : arguments[0];
  target_ = arguments.size() > 1 ? arguments[1] : std::string();
  countdown_ = CountdownFrom(arguments);
  command_ = word == "stop"     ? Command::kStop
             : word == "notray" ? Command::kNoTray
                                : Command::kUnknown;
  if (command_ == Command::kUnknown) host_.SetMessage("Unknown command: " + word);
  if (command_ == Command::kNoTray) {
    // The clean-up cannot be called off once files have gone.
    host_.HideCancel();
    for (std::string_view file : kCleanupFiles) {
      if (services_.files.Exists(file)) services_.files.Delete(file);
    }
  }
}

void CmdLineRun::Tick() {
  if (done_) return;
  host_.HideMainWindow();
  // An unknown word shows its message for a while; the rest of this tick still runs.
  if (countdown_ < 5 && command_ == Command::kUnknown) host_.EndProgram();
  if (countdown_ <= 0) {
    if (command_ == Command::kStop) Stop();
    if (command_ == Command::kNoTray) NoTray();
    done_ = true;
    host_.EndProgram();
    return;
  }
  const int32_t seconds = countdown_--;
  if (command_ == Command::kStop) {
    host_.SetMessage("Terminating " + target_ + " in " + std::to_string(seconds) + " seconds");
  } else if (command_ == Command::kNoTray) {
    host_.SetMessage("Removing Orvane 2000");
  }
}

void CmdLineRun::Stop() {
  const ListModel& list = services_.list;
  for (std::size_t i = 0; i < list.RowCount(); ++i) {
    const ListRow& row = list.Row(i);
    if (row.DisplayOnly()) continue;
    // Byte for byte: a target in other letter cases names no row.
    if (row.cells.subItems.size() > 1 && row.cells.subItems[1] == target_) {
      ProcessStop(services_.control, &row.key);
    }
  }
}

void CmdLineRun::NoTray() {
  const ObjectKey trayWindow = services_.tray.TrayWindowKey.Load();
  WindowClose(services_.control, &trayWindow);
  UnregisterTrayAtLogon(services_.registry);
  // A companion that was killed, or that this removal ends, would leave Ctrl+Alt+Del's Task
  // Manager starting a program that may be gone.
  RemoveOurDebugger(services_.registry, services_.appDirectory);
}

}  // namespace orvane
