#pragma once
// The command-line operations: after a countdown of one tick a second, "stop" terminates the
// listed processes of an executable and "notray" takes the tray companion out of service (with
// its replacement of the task manager) and deletes the program's data files; then the program
// ends. Driven by the dialog's timer.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/files.h"
#include "platform/object_control.h"
#include "platform/registry.h"
#include "snapshot/records.h"
#include "tray/tray_interface.h"
#include "view/list_model.h"

namespace orvane {

// What "notray" deletes, in this order; "workspace.dat" and "removed.dat" stay.
constexpr std::array<std::string_view, 5> kCleanupFiles{kTrayDataFile, "news.dat", "oldn.dat",
                                                        "nnws.dat", "start.dat"};

constexpr char kCmdLineFirstMessage[] = "Using command line parameters.";
constexpr int32_t kDefaultCountdown = 10;

// Argument 3 (index 2 of the arguments after the program name) as the countdown: an optional
// sign and decimal digits, nothing else, within 32 bits; 10 when it is missing or anything else.
int32_t CountdownFrom(const std::vector<std::string>& arguments);

// What the countdown changes around it.
class CmdLineHost {
 public:
  virtual ~CmdLineHost() = default;
  virtual void SetMessage(const std::string& text) = 0;
  virtual void HideCancel() = 0;
  virtual void HideMainWindow() = 0;
  // The message loop ends after the current event, without the main window's closing step.
  virtual void EndProgram() = 0;
};

// What the operations act on. None is owned; all must outlive the run.
struct CmdLineServices {
  ObjectControl& control;
  Registry& registry;
  Files& files;
  const TrayShared& tray;
  const ListModel& list;     // the main window's object list
  std::string appDirectory;  // the program's directory, ending in a backslash
};

class CmdLineRun {
 public:
  CmdLineRun(CmdLineHost& host, CmdLineServices services) : host_(host), services_(services) {}

  // The dialog is shown; arguments are those after the program name.
  void FormShow(std::vector<std::string> arguments);
  // One tick of the dialog's one-second timer.
  void Tick();

  int32_t Countdown() const { return countdown_; }
  // The operation has been carried out and the end requested; later ticks do nothing.
  bool Done() const { return done_; }

 private:
  enum class Command { kStop, kNoTray, kUnknown };

  void Stop();
  void NoTray();

  CmdLineHost& host_;
  CmdLineServices services_;
  Command command_ = Command::kUnknown;
  std::string target_;
  int32_t countdown_ = kDefaultCountdown;
  bool done_ = false;
};

}  // namespace orvane
