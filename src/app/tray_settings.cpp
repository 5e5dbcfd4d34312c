#include "app/tray_settings.h"

#include "app/command_table.h"
#include "platform/error.h"
#include "snapshot/operations.h"
#include "tray/task_manager_trap.h"

namespace orvane {

void TraySettings::InstallOnFirstRun(const TrapChecks& traps) {
  if (s_.files.Exists(kTrayDataFile)) return;
  StartTray();
  Register();
  WriteTrapMask(s_.files, kTrayDataFile, TrapMaskOf(traps));
}

void TraySettings::AddTrayIconClick(TrayMenuChecks& checks) {
  const bool running = TrayIconChecked();
  if (!checks.trayIcon && !running) {
    StartTray();
    Register();
  } else if (checks.trayIcon && running) {
    CloseRunningTray();
    UnregisterTrayAtLogon(s_.registry);
    checks.traps = {};
  }
}

bool TraySettings::TrapClick(TrayMenuChecks& checks, TrapMask invokedItem) {
  checks.traps = TrapChecksOf(TrapMaskOf(checks.traps) ^ (invokedItem & kAllTraps));
  const TrapMask mask = TrapMaskOf(checks.traps);
  const bool toRun = mask != kNoTraps || checks.trayIcon;
  if (TrayIconChecked()) CloseRunningTray();
  WriteTrapMask(s_.files, kTrayDataFile, mask);
  return toRun;
}

void TraySettings::RemoveStaleTaskManagerTrap(const TrapChecks& traps) {
  if (!traps.ctrlAltDel) RemoveOurDebugger(s_.registry, s_.appDirectory);
}

void TraySettings::OpenHelp() {
  // By its full path: the open dialogs change the current folder.
  s_.starter.OpenDocument(s_.appDirectory + kHelpDocument, "", "", ShowCommand::kShowNormal);
}

void TraySettings::StartTray() {
  // By its full path, quoted for the spaces of a per-user install: from the program's own
  // folder, never from a current folder that happens to hold a tray.exe.
  const std::string path = s_.appDirectory + std::string(kTrayExeName);
  s_.starter.StartCommand(s_.appDirectory.empty() ? path : "\"" + path + "\"",
                          ShowCommand::kShowNormal);
}

void TraySettings::Register() {
  if (!RegisterTrayAtLogon(s_.registry, s_.appDirectory)) throw Error(FailedToSetDataText());
}

void TraySettings::CloseRunningTray() {
  const ObjectKey window = s_.tray.TrayWindowKey.Load();
  WindowClose(s_.control, &window);
}

TrapMask TrapOfMenuId(int32_t id) {
  switch (id) {
    case kMenuTrapCtrlAltDel:
      return kTrapCtrlAltDel;
    case kMenuTrapCtrlAltShift:
      return kTrapCtrlAltShift;
    case kMenuTrapShiftShift:
      return kTrapShiftShift;
    default:
      return kNoTraps;
  }
}

}  // namespace orvane
