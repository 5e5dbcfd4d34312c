#include "app/commands.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "snapshot/operations.h"
#include "snapshot/process_tree.h"
#include "view/fill.h"

namespace orvane {

namespace {

std::string_view WrongKindText(int32_t kind) {
  return kind == kKindProcess ? command_text::kOnlyProcesses : command_text::kOnlyWindows;
}

bool HasKind(const std::vector<SelectedRow>& rows, int32_t kind) {
  for (const SelectedRow& row : rows) {
    if (row.key.kind == kind) return true;
  }
  return false;
}

}  // namespace

void LastMainWindows::RecordArrived(const void* record, int32_t size) {
  if (record == nullptr || size < static_cast<int32_t>(sizeof(ObjectKey))) return;
  ObjectKey key;
  std::memcpy(&key, record, sizeof key);
  if (key.kind == kKindRoot) {
    // A cycle starts: the processes that the last one did not send have ended.
    std::erase_if(byProcess_, [](const auto& entry) { return !entry.second.sent; });
    for (auto& entry : byProcess_) entry.second.sent = false;
    return;
  }
  if (key.kind != kKindProcess) return;
  if (key.windowHandle != 0) {
    byProcess_[key.processId] = {key.windowHandle, true};
  } else if (const auto found = byProcess_.find(key.processId); found != byProcess_.end()) {
    found->second.sent = true;
  }
}

uint32_t LastMainWindows::Of(uint32_t processId) const {
  const auto found = byProcess_.find(processId);
  return found == byProcess_.end() ? 0 : found->second.window;
}

SelectedRow SelectedRowOf(const ListRow& row, const RecordListener& current,
                          const LastMainWindows& lastMainWindows) {
  SelectedRow selected;
  const std::optional<TrackedObject> tracked = current.FindTracked(row.key);
  // The record's own key words, which follow the record; the tracked key is the first one.
  selected.key = tracked ? tracked->record.root.key : row.key;
  selected.caption = row.cells.caption;
  if (row.key.kind == kKindProcess) {
    if (row.cells.subItems.size() > 1) selected.executable = row.cells.subItems[1];
    selected.lastMainWindow = lastMainWindows.Of(row.key.processId);
  }
  return selected;
}

std::optional<SelectedRow> TrackedProcessRow(const ObjectKey& key, const RecordListener& listener,
                                             const KnownPrograms& programs) {
  if (key.kind != kKindProcess) return std::nullopt;
  const std::optional<TrackedObject> tracked = listener.FindTracked(key);
  if (!tracked) return std::nullopt;
  RowCells cells;
  FillListItem(*tracked, cells, programs);
  return SelectedRow{tracked->record.root.key, cells.caption, cells.subItems.at(1)};
}

bool ObjectCommands::NavigationFocusGuard() {
  if (!host_.NavigationTreeFocused()) return false;
  boxes_.ShowMessage(command_text::kGuard);
  return true;
}

bool ObjectCommands::SelectionHasKind(int32_t kind) {
  return HasKind(host_.SelectedRows(), kind);
}

bool ObjectCommands::Admit(int32_t kind, WrongKind wrongKind, CalledFrom from,
                           const std::vector<SelectedRow>& rows) {
  if (NavigationFocusGuard()) return false;
  if (HasKind(rows, kind)) return true;
  if (wrongKind == WrongKind::kTellControlOnly && from == CalledFrom::kInternal) return true;
  boxes_.ShowMessage(WrongKindText(kind));
  return false;
}

void ObjectCommands::Apply(int32_t kind, WrongKind wrongKind, CalledFrom from,
                           Operation operation) {
  const std::vector<SelectedRow> rows = host_.SelectedRows();
  if (!Admit(kind, wrongKind, from, rows)) return;
  for (const SelectedRow& row : rows) operation(control_, &row.key);
}

void ObjectCommands::ApplyToMainWindows(WrongKind wrongKind, CalledFrom from, Operation operation) {
  const std::vector<SelectedRow> rows = host_.SelectedRows();
  if (!Admit(kKindProcess, wrongKind, from, rows)) return;
  for (const SelectedRow& row : rows) {
    ObjectKey key = row.key;
    if (key.kind == kKindProcess && key.windowHandle == 0 && row.lastMainWindow != 0 &&
        control_.IsWindowOf(row.lastMainWindow, key.processId))
      key.windowHandle = row.lastMainWindow;
    operation(control_, &key);
  }
}

void ObjectCommands::ToolProcess0StopClick(CalledFrom from) {
  const std::vector<SelectedRow> rows = host_.SelectedRows();
  if (!Admit(kKindProcess, WrongKind::kTellControlOnly, from, rows)) return;
  StopEach(rows);
}

void ObjectCommands::StopTree1Click() {
  const std::vector<SelectedRow> rows = host_.SelectedRows();
  if (!Admit(kKindProcess, WrongKind::kAlwaysTell, CalledFrom::kControl, rows)) return;
  StopEach(ProcessTreeRows(rows));
}

void ObjectCommands::StopEach(const std::vector<SelectedRow>& rows) {
  if (host_.AskBeforeTerminate() && !boxes_.ConfirmWarning(command_text::kConfirmTerminate)) return;
  for (const SelectedRow& row : rows) {
    // A No stops the whole command: the rows before this one are already terminated.
    if (row.key.kind == kKindProcess && programs_.IsSystemProgram(row.executable) &&
        !boxes_.ConfirmWarning(row.caption + std::string(command_text::kSystemProcessSuffix)))
      return;
    ProcessStop(control_, &row.key);
  }
}

std::vector<SelectedRow> ObjectCommands::ProcessTreeRows(const std::vector<SelectedRow>& selected) {
  std::vector<uint32_t> roots;
  for (const SelectedRow& row : selected) {
    if (row.key.kind == kKindProcess) roots.push_back(row.key.processId);
  }
  if (roots.empty()) return {};
  const ProcessFigureTable* table = host_.Processes();
  const std::vector<uint32_t> order =
      DescendantsFirst(table ? *table : ProcessFigureTable{}, roots, host_.OwnProcessId());
  // The descendants share the selected processes' computer: their keys differ in the id alone.
  ObjectKey key = std::ranges::find(selected, kKindProcess, [](const SelectedRow& row) {
                    return row.key.kind;
                  })->key;
  key.threadId = key.windowHandle = 0;
  std::vector<SelectedRow> rows;
  for (const uint32_t pid : order) {
    const auto chosen = std::ranges::find_if(selected, [&](const SelectedRow& row) {
      return row.key.kind == kKindProcess && row.key.processId == pid;
    });
    if (chosen != selected.end()) {
      rows.push_back(*chosen);
      continue;
    }
    key.processId = pid;
    if (std::optional<SelectedRow> tracked = host_.ProcessRow(key)) {
      rows.push_back(std::move(*tracked));
    } else {
      // Started since the views last heard, or never sent (the program's companion): named
      // as the table names it.
      const ProcessFigures* figures = table ? table->Find(pid) : nullptr;
      const std::string name = figures ? std::string(FieldText(figures->fileName)) : std::string();
      rows.push_back({key, name, name});
    }
  }
  return rows;
}

void ObjectCommands::ToolProcess0IncClick(CalledFrom from) {
  Apply(kKindProcess, WrongKind::kAlwaysTell, from, ProcessInc);
}
void ObjectCommands::ToolProcess0DecClick(CalledFrom from) {
  Apply(kKindProcess, WrongKind::kAlwaysTell, from, ProcessDec);
}
void ObjectCommands::ToolProcess0ShowClick(CalledFrom from) {
  ApplyToMainWindows(WrongKind::kTellControlOnly, from, ProcessShow);
}
void ObjectCommands::ToolProcess0HideClick(CalledFrom from) {
  ApplyToMainWindows(WrongKind::kTellControlOnly, from, ProcessHide);
}
void ObjectCommands::ToolProcess0MaxClick(CalledFrom from) {
  ApplyToMainWindows(WrongKind::kAlwaysTell, from, ProcessMax);
}
void ObjectCommands::ToolProcess0MinClick(CalledFrom from) {
  ApplyToMainWindows(WrongKind::kAlwaysTell, from, ProcessMin);
}
void ObjectCommands::ToolProcess0NormClick(CalledFrom from) {
  ApplyToMainWindows(WrongKind::kAlwaysTell, from, ProcessNorm);
}
void ObjectCommands::ToolWindow0CloseClick(CalledFrom from) {
  Apply(kKindWindow, WrongKind::kTellControlOnly, from, WindowClose);
}
void ObjectCommands::ToolWindow0ShowClick(CalledFrom from) {
  Apply(kKindWindow, WrongKind::kTellControlOnly, from, WindowShow);
}
void ObjectCommands::ToolWindow0HideClick(CalledFrom from) {
  Apply(kKindWindow, WrongKind::kTellControlOnly, from, WindowHide);
}
void ObjectCommands::ToolWindow0MaxClick(CalledFrom from) {
  Apply(kKindWindow, WrongKind::kAlwaysTell, from, WindowMax);
}
void ObjectCommands::ToolWindow0MinClick(CalledFrom from) {
  Apply(kKindWindow, WrongKind::kAlwaysTell, from, WindowMin);
}
void ObjectCommands::ToolWindow0NormClick(CalledFrom from) {
  Apply(kKindWindow, WrongKind::kAlwaysTell, from, WindowNorm);
}

void ObjectCommands::Stop1Click() {
  if (NavigationFocusGuard()) return;
  ToolProcess0StopClick(CalledFrom::kInternal);
  ToolWindow0CloseClick(CalledFrom::kInternal);
}

void ObjectCommands::Show1Click() {
  if (NavigationFocusGuard()) return;
  ToolProcess0ShowClick(CalledFrom::kInternal);
  ToolWindow0ShowClick(CalledFrom::kInternal);
}

void ObjectCommands::Hide1Click() {
  if (NavigationFocusGuard()) return;
  ToolProcess0HideClick(CalledFrom::kInternal);
  ToolWindow0HideClick(CalledFrom::kInternal);
}

void ObjectCommands::MoveOnScreen1Click() {
  if (NavigationFocusGuard()) return;
  ApplyToMainWindows(WrongKind::kTellControlOnly, CalledFrom::kInternal, ProcessMoveOnScreen);
  Apply(kKindWindow, WrongKind::kTellControlOnly, CalledFrom::kInternal, WindowMoveOnScreen);
}

void ObjectCommands::Askbefore1Click() {
  host_.SetAskBeforeTerminate(!host_.AskBeforeTerminate());
}

bool ObjectCommands::Run(Command command, CalledFrom from) {
  switch (command) {
    case Command::kProcessStop:
      ToolProcess0StopClick(from);
      return true;
    case Command::kProcessInc:
      ToolProcess0IncClick(from);
      return true;
    case Command::kProcessDec:
      ToolProcess0DecClick(from);
      return true;
    case Command::kProcessShow:
      ToolProcess0ShowClick(from);
      return true;
    case Command::kProcessHide:
      ToolProcess0HideClick(from);
      return true;
    case Command::kProcessMax:
      ToolProcess0MaxClick(from);
      return true;
    case Command::kProcessMin:
      ToolProcess0MinClick(from);
      return true;
    case Command::kProcessNorm:
      ToolProcess0NormClick(from);
      return true;
    case Command::kWindowClose:
      ToolWindow0CloseClick(from);
      return true;
    case Command::kWindowShow:
      ToolWindow0ShowClick(from);
      return true;
    case Command::kWindowHide:
      ToolWindow0HideClick(from);
      return true;
    case Command::kWindowMax:
      ToolWindow0MaxClick(from);
      return true;
    case Command::kWindowMin:
      ToolWindow0MinClick(from);
      return true;
    case Command::kWindowNorm:
      ToolWindow0NormClick(from);
      return true;
    case Command::kStop1:
      Stop1Click();
      return true;
    case Command::kShow1:
      Show1Click();
      return true;
    case Command::kHide1:
      Hide1Click();
      return true;
    case Command::kAskBefore1:
      Askbefore1Click();
      return true;
    default:
      return false;
  }
}

}  // namespace orvane
