#pragma once
// The object commands of the main window: the guard against acting from the navigation tree,
// the check that the selection holds objects of the right kind, the confirmations before
// terminating, and the operation applied to each selected row in list order.
//
// The main window supplies what it knows through CommandHost (the selection, the tree focus,
// the "Ask before terminate" check mark) and shows boxes through MessageBoxes; it calls one
// handler per palette button, menu item or key, or Run with the bound Command.

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "app/command_table.h"
#include "platform/message_boxes.h"
#include "platform/object_control.h"
#include "snapshot/process_figures.h"
#include "snapshot/record_sink.h"
#include "snapshot/records.h"
#include "view/known_programs.h"
#include "view/list_model.h"
#include "view/record_listener.h"

namespace orvane {

// One selected row of the object list.
struct SelectedRow {
  ObjectKey key{};              // the row's record key; a process's word 5 is its mainWindow
  std::string caption;          // the first column
  std::string executable;       // a process row's "Executable" cell (its second sub-item)
  uint32_t lastMainWindow = 0;  // a process's main window as last seen; 0 when none
};

// The main window each process last had, from the record stream. A hidden window is no
// process's main window, so once a process's window is hidden its records name none; the
// commands still find the window here. A process that a whole cycle did not send is forgotten.
class LastMainWindows : public RecordReceiver {
 public:
  void RecordArrived(const void* record, int32_t size) override;
  // 0 when the process has named no main window since it was first sent.
  uint32_t Of(uint32_t processId) const;

 private:
  struct Seen {
    uint32_t window = 0;
    bool sent = false;  // the process came in the cycle that is running
  };
  std::unordered_map<uint32_t, Seen> byProcess_;
};

// The row as the commands need it. The row's own key copy is taken when the row is added, so
// a process row made in the collector's first cycle has no main window yet; current (the
// listener that made the row) holds the record as the latest cycle delivered it.
SelectedRow SelectedRowOf(const ListRow& row, const RecordListener& current,
                          const LastMainWindows& lastMainWindows);

// The process of key as a list row would show it, from what listener tracks; nullopt when it
// tracks no such process.
std::optional<SelectedRow> TrackedProcessRow(const ObjectKey& key, const RecordListener& listener,
                                             const KnownPrograms& programs);

class CommandHost {
 public:
  virtual ~CommandHost() = default;
  // The navigation tree has the keyboard focus.
  virtual bool NavigationTreeFocused() = 0;
  // The selected rows of the object list, from the first row to the last.
  virtual std::vector<SelectedRow> SelectedRows() = 0;
  // The check mark of Settings > "Ask before terminate".
  virtual bool AskBeforeTerminate() = 0;
  virtual void SetAskBeforeTerminate(bool checked) = 0;
  // The last cycle's processes with their parents; null when none has been taken.
  virtual const ProcessFigureTable* Processes() { return nullptr; }
  // The process of key as its row shows it; nullopt when the views do not track it.
  virtual std::optional<SelectedRow> ProcessRow(const ObjectKey& /*key*/) { return std::nullopt; }
  // The program's own process, which its commands never end; 0 when unknown.
  virtual uint32_t OwnProcessId() { return 0; }
};

// How a handler was invoked: by a button or menu item, or by another handler. An internal
// call suppresses the wrong-kind message of the commands that allow it.
enum class CalledFrom { kControl, kInternal };

namespace command_text {
constexpr std::string_view kGuard =
    "Select object(s) from the ObjectList to the right to modify them.";
constexpr std::string_view kOnlyProcesses = "This command can only be used on processes";
constexpr std::string_view kOnlyWindows = "This command can only be used on windows";
constexpr std::string_view kConfirmTerminate =
    "Terminating a process may cause loss of data or system instability.\n"
    "Are you sure you want to terminate selected processes?\n"
    "\n"
    "(This dialog can be disabled from the Settings menu.)";
constexpr std::string_view kSystemProcessSuffix =
    " is a system process. Terminating a system process may crash the computer.\n"
    "Are you sure?";
}  // namespace command_text

class ObjectCommands {
 public:
  // None is owned; all must outlive the commands.
  ObjectCommands(CommandHost& host, MessageBoxes& boxes, ObjectControl& control,
                 const KnownPrograms& programs)
      : host_(host), boxes_(boxes), control_(control), programs_(programs) {}

  // True when the navigation tree has the focus; the hint has then been shown.
  bool NavigationFocusGuard();
  // At least one selected row holds a record of kind.
  bool SelectionHasKind(int32_t kind);

  void ToolProcess0StopClick(CalledFrom from = CalledFrom::kControl);
  void ToolProcess0IncClick(CalledFrom from = CalledFrom::kControl);
  void ToolProcess0DecClick(CalledFrom from = CalledFrom::kControl);
  void ToolProcess0ShowClick(CalledFrom from = CalledFrom::kControl);
  void ToolProcess0HideClick(CalledFrom from = CalledFrom::kControl);
  void ToolProcess0MaxClick(CalledFrom from = CalledFrom::kControl);
  void ToolProcess0MinClick(CalledFrom from = CalledFrom::kControl);
  void ToolProcess0NormClick(CalledFrom from = CalledFrom::kControl);
  void ToolWindow0CloseClick(CalledFrom from = CalledFrom::kControl);
  void ToolWindow0ShowClick(CalledFrom from = CalledFrom::kControl);
  void ToolWindow0HideClick(CalledFrom from = CalledFrom::kControl);
  void ToolWindow0MaxClick(CalledFrom from = CalledFrom::kControl);
  void ToolWindow0MinClick(CalledFrom from = CalledFrom::kControl);
  void ToolWindow0NormClick(CalledFrom from = CalledFrom::kControl);

  // Edit > Stop (Delete): Terminate, then Close Window, both called internally.
  void Stop1Click();
  // Edit > Show (Ctrl+S): Show Process MainWindow, then Show Window, both internally.
  void Show1Click();
  // Edit > Hide (Ctrl+H): Hide Process MainWindow, then Hide Window, both internally.
  void Hide1Click();
  // Edit > Move On Screen (Ctrl+M): every selected window, and every selected process's main
  // window, that shows on no monitor comes to the primary monitor's work area. Like Show, it
  // tells of no wrong kind.
  void MoveOnScreen1Click();

  // Edit > Stop Tree (Shift+Delete): Terminate for each selected process and every process
  // below it, each after the ones it started, with Terminate's questions.
  void StopTree1Click();
  // Settings > Ask before terminate: inverts the check mark.
  void Askbefore1Click();

  // Runs the handler bound to command; false for a command these handlers do not cover
  // (Refresh and the dialog commands, which the main window runs itself).
  bool Run(Command command, CalledFrom from = CalledFrom::kControl);

 private:
  enum class WrongKind { kAlwaysTell, kTellControlOnly };
  using Operation = void (*)(ObjectControl&, const ObjectKey*);

  // The guard and the kind check shared by every object command: false when the command
  // stops here (the message, if any, has been shown).
  bool Admit(int32_t kind, WrongKind wrongKind, CalledFrom from,
             const std::vector<SelectedRow>& rows);
  // Admit, then the operation on every selected row, in list order; rows of other kinds are
  // passed too and the operation ignores them.
  void Apply(int32_t kind, WrongKind wrongKind, CalledFrom from, Operation operation);
  // Terminate's questions, then each process row ended in order; a No to the system question
  // stops there.
  void StopEach(const std::vector<SelectedRow>& rows);
  // The selected processes with their descendants, children first, as rows.
  std::vector<SelectedRow> ProcessTreeRows(const std::vector<SelectedRow>& selected);
  // Apply for the process operations on main windows: a process whose record names none is
  // given the one it had last, while that window is still its own.
  void ApplyToMainWindows(WrongKind wrongKind, CalledFrom from, Operation operation);

  CommandHost& host_;              // not owned
  MessageBoxes& boxes_;            // not owned
  ObjectControl& control_;         // not owned
  const KnownPrograms& programs_;  // not owned
};

}  // namespace orvane
