#pragma once
// The Settings menu's companion items and the Help menu's help document: what each handler
// does to the companion, its Run value and "tray.dat", and the first-run installation.
// The window reads its check marks into TrayMenuChecks, calls here and shows the result.

#include <string>

#include "platform/files.h"
#include "platform/object_control.h"
#include "platform/program_start.h"
#include "platform/registry.h"
#include "snapshot/records.h"
#include "tray/tray_interface.h"

namespace orvane {

// The help document, relative to the program's directory.
constexpr char kHelpDocument[] = "help\\index.html";
// How long a closing companion is given before the trap handler's next one starts.
constexpr uint32_t kTrayRestartWaitMs = 500;

struct TraySettingsServices {
  Registry& registry;
  ProgramStarter& starter;
  Files& files;
  ObjectControl& control;
  const TrayShared& tray;
  std::string appDirectory;  // ends in a backslash
};

// The check marks of "Add traybar icon" and the three traps.
struct TrayMenuChecks {
  bool trayIcon = false;
  TrapChecks traps;
  bool operator==(const TrayMenuChecks&) const = default;
};

// Each handler raises orvane::Error with FailedToSetDataText() when the Run value can be
// written under neither Run key, and then does nothing more.
class TraySettings {
 public:
  explicit TraySettings(TraySettingsServices services) : s_(std::move(services)) {}

  // At window creation: starts the companion, registers it and creates "tray.dat", unless
  // "tray.dat" shows that this was done before.
  void InstallOnFirstRun(const TrapChecks& traps);
  // "Add traybar icon": starts and registers a companion that is not running while the item
  // is unchecked, or closes and unregisters a running one while it is checked and unchecks the
  // traps. The item's own check mark follows at the next tick.
  void AddTrayIconClick(TrayMenuChecks& checks);
  // The trap items: inverts the invoking trap (none for kNoTraps), asks a running companion to
  // close and writes "tray.dat". True when a companion is to run with it: the caller starts one
  // (StartCompanion) kTrayRestartWaitMs later, once the old one has had time to go, without
  // blocking meanwhile.
  bool TrapClick(TrayMenuChecks& checks, TrapMask invokedItem);
  void StartCompanion() { StartTray(); }
  // At start-up, once the workspace is restored: a replacement of the task manager that the
  // settings no longer ask for (the companion was killed, or the program last ended with the
  // trap unsaved) is taken back, so that Ctrl+Alt+Del's Task Manager works again.
  void RemoveStaleTaskManagerTrap(const TrapChecks& traps);
  // The check mark of "Add traybar icon" at every tick.
  bool TrayIconChecked() const { return s_.tray.TrayRunning.load() != 0; }
  void OpenHelp();

 private:
  void StartTray();
  void Register();
  void CloseRunningTray();

  TraySettingsServices s_;
};

// The trap a Settings menu item sets; none for any other id.
TrapMask TrapOfMenuId(int32_t id);

}  // namespace orvane
