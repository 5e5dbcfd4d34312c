#include "app/object_list.h"

#include <array>
#include <optional>

#include "app/list_copy.h"
#include "app/list_sort.h"
#include "snapshot/operations.h"
#include "view/figure_text.h"

namespace orvane {

namespace {

constexpr std::string_view kFirstHeading = "Name";
constexpr std::array<ColumnSpec, 1> kFirstColumns{{{"Name", 150}}};
constexpr std::array<ColumnSpec, 3> kProcessColumns{
    {{"Process Name", 150}, {"Priority", 120}, {"Executable", 200}}};
constexpr std::array<ColumnSpec, 2> kThreadColumns{{{"Thread ID", 100}, {"Priority", 100}}};
constexpr std::array<ColumnSpec, 7> kWindowColumns{{{"Window Title", 200},
                                                    {"WindowState", 100},
                                                    {"Visible", 100},
                                                    {"Width", 60},
                                                    {"Height", 60},
                                                    {"Left", 60},
                                                    {"Top", 60}}};
// The processes' figures after "Executable", at the computer level and in a search result, while
// the details are shown.
constexpr int kFirstDetailColumn = 3;  // after "Executable"
constexpr int kLastDetailColumn = kFirstDetailColumn + 3;

// The figure a list column shows, if it is one of the figure columns.
std::optional<FigureColumn> FigureAt(int column) {
  if (column < kFirstDetailColumn || column > kLastDetailColumn) return std::nullopt;
  return static_cast<FigureColumn>(column - kFirstDetailColumn);
}
constexpr std::array<ColumnSpec, 4> kDetailColumns{
    {{"PID", 60}, {"CPU", 50}, {"Memory", 90}, {"Threads", 60}}};
static_assert(kLastDetailColumn - kFirstDetailColumn + 1 == kDetailColumns.size());
constexpr std::array<ColumnSpec, 7> kProcessDetailColumns{
    {kProcessColumns[0], kProcessColumns[1], kProcessColumns[2], kDetailColumns[0],
     kDetailColumns[1], kDetailColumns[2], kDetailColumns[3]}};
// A search result's first three columns; a list with more keeps the others as they are.
constexpr std::array<ColumnSpec, 3> kSearchColumns{
    {{"Process Name", 200}, {"Priority", 100}, {"Executable", 100}}};

// The list's columns when a tree node of this kind is chosen; none for other kinds.
std::span<const ColumnSpec> ColumnsFor(int32_t kind, bool details) {
  switch (kind) {
    case kKindComputer:
      if (details) return kProcessDetailColumns;
      return kProcessColumns;
    case kKindProcess:
      return kThreadColumns;
    case kKindThread:
      return kWindowColumns;
    default:
      return {};
  }
}

std::string Quoted(std::string_view text) {
  std::string quoted = "\"";
  quoted += text;
  quoted += '"';
  return quoted;
}

// The heading for a chosen node of kind 1, 2 or 3; nullopt for other kinds (heading kept).
// parentText is the text of the node's parent (for a thread: its process).
std::optional<std::string> LevelHeading(int32_t kind, std::string_view nodeText,
                                        std::string_view parentText) {
  switch (kind) {
    case kKindComputer:
      return "Processes running on the computer " + Quoted(nodeText);
    case kKindProcess:
      return "Threads owned by the process " + Quoted(nodeText);
    case kKindThread:
      return "Windows created by thread " + Quoted(nodeText) + " owned by the process " +
             Quoted(parentText);
    default:
      return std::nullopt;
  }
}

std::string SearchHeading(std::string_view searchedText) {
  std::string heading = "Search results for \"";
  heading.append(searchedText).append("\"  (click \"Refresh\" to end search)");
  return heading;
}

// The information box for a row: nullopt leaves the box as it is, an empty vector clears it.
std::optional<std::vector<std::string>> InfoLinesFor(const ListRow& row,
                                                     const KnownPrograms& programs) {
  switch (row.key.kind) {
    case kKindProcess: {
      const std::string_view executable =
          row.cells.subItems.size() > 1 ? std::string_view(row.cells.subItems[1]) : "";
      return std::vector<std::string>{std::string(executable),
                                      std::string(programs.DescribeProgram(executable))};
    }
    case kKindThread:
    case kKindWindow:
      return std::vector<std::string>{};
    default:
      return std::nullopt;
  }
}

constexpr std::string_view kNotResponding = "Not responding";

}  // namespace

void ObjectList::ShowFirst() {
  SetHeading(std::string(kFirstHeading));
  parts_.frame.ReplaceColumns(kFirstColumns);
  parts_.frame.SetInfoLines(
      {"Object Information",
       "Select an object from the list above, to view more detailed information it."});
}

void ObjectList::ChooseLevel(const TreeNode* node) {
  reveal_.reset();
  ShowLevel(node);
}

void ObjectList::RevealWindow(const PointedWindow& window) {
  // Every object of the computer shares the first words of its key with the level shown.
  ObjectKey key = parts_.filter.currentKey;
  key.kind = kKindWindow;
  key.processId = window.processId;
  key.threadId = window.threadId;
  key.windowHandle = window.window;
  reveal_ = Reveal{.window = key};
  GoOnRevealing();
}

void ObjectList::CycleEnded() {
  if (reveal_ && !GoOnRevealing() && ++reveal_->cycles >= kRevealCycles) reveal_.reset();
}

bool ObjectList::GoOnRevealing() {
  Reveal& reveal = *reveal_;
  if (!reveal.levelShown) {
    ObjectKey thread = reveal.window;
    thread.kind = kKindThread;
    const TreeNode* node = parts_.tree.FindFirst(thread);
    if (node == nullptr) return false;
    parts_.frame.SelectNode(*node);
    ShowLevel(node);
    reveal.levelShown = true;
  }
  const ListRow* row = parts_.rows.FindFirst(reveal.window);
  if (row == nullptr) return false;
  const int index = static_cast<int>(parts_.rows.PositionOf(*row));
  reveal_.reset();
  parts_.frame.SelectRow(index);
  RowClicked(index);
  return true;
}

void ObjectList::ShowLevel(const TreeNode* node) {
  if (ShowsSearchResult()) ClearList();
  if (node == nullptr) return;
  if (node->key.kind == kKindWindow && node->parent != nullptr) {
    node = node->parent;
    parts_.frame.SelectNode(*node);
  }
  const ObjectKey key = node->key;

  const std::string parentText = node->parent ? node->parent->content.text : std::string();
  if (auto heading = LevelHeading(key.kind, node->content.text, parentText)) {
    SetHeading(std::move(*heading));
  }
  savedHeading_ = heading_;

  if (!KeyEquals(key, parts_.filter.currentKey)) {
    parts_.filter.currentKey = key;
    ClearList();
  }
  parts_.frame.ReplaceColumns(ColumnsFor(key.kind, details_));
}

void ObjectList::ShowDetails(bool show) {
  if (show == details_) return;
  details_ = show;
  if (ShowsSearchResult()) {
    SetSearchColumns();
  } else if (parts_.filter.currentKey.kind == kKindComputer) {
    parts_.frame.ReplaceColumns(ColumnsFor(kKindComputer, details_));
  }
}

void ObjectList::Refresh() {
  reveal_.reset();
  parts_.frame.Quietly([this] {
    parts_.listListener.ClearAll();
    parts_.treeListener.ClearAll();
  });
  parts_.filter.pinnedKeys.clear();
  SetHeading(savedHeading_);
}

void ObjectList::RowClicked(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= parts_.rows.RowCount()) return;
  const ListRow& row = parts_.rows.Row(static_cast<std::size_t>(index));
  if (row.DisplayOnly()) return;
  std::optional<std::vector<std::string>> lines = InfoLinesFor(row, parts_.programs);
  if (!lines) return;
  if (row.key.kind == kKindWindow && parts_.windows != nullptr &&
      IsOffScreen(*parts_.windows, row.key.windowHandle))
    lines->push_back("Off screen");
  if (NotResponding(row)) lines->emplace_back(kNotResponding);
  const ProcessFigures* figures = FiguresOf(row);
  if (figures != nullptr && parts_.clock != nullptr) {
    lines->emplace_back();
    for (std::string& line : ProcessDetailLines(*figures, figures_, parts_.locale, *parts_.clock))
      lines->push_back(std::move(line));
  }
  parts_.frame.SetInfoLines(*lines);
}

void ObjectList::SortByColumn(int column) {
  if (const std::optional<FigureColumn> figure = FigureAt(column); figure && ShowsFigureColumns()) {
    parts_.frame.Quietly([&] {
      SortListByFigure(parts_.rows,
                       [&](const ListRow& row) { return SortKeyOf(FiguresOf(row), *figure); });
    });
    return;
  }
  parts_.frame.Quietly([&] { SortListByColumn(parts_.rows, column, parts_.locale); });
}

void ObjectList::FiguresArrived(const ProcessFigureTable& table) {
  previous_ = std::move(figures_);
  figures_ = table;
  if (!ShowsFigureColumns()) return;
  // What was painted since the last cycle came from the previous figures. The same figure reads
  // the same, so most cells are settled without making their texts.
  const auto changed = [this](const ListRow& row, int column) {
    if (row.key.kind != kKindProcess) return false;
    const FigureColumn figure = *FigureAt(column);
    const ProcessFigures* before = previous_.Find(row.key.processId);
    const ProcessFigures* now = figures_.Find(row.key.processId);
    const FigureSortKey a = SortKeyOf(before, figure);
    const FigureSortKey b = SortKeyOf(now, figure);
    if (a.present == b.present && a.value == b.value) return false;
    return FigureCellText(before, figure, parts_.locale) !=
           FigureCellText(now, figure, parts_.locale);
  };
  parts_.frame.RedrawCells(kFirstDetailColumn, kLastDetailColumn, changed);
}

bool ObjectList::CopyRows(std::span<const std::size_t> selected, Clipboard& clipboard) {
  const std::string text =
      ListCopyText(ColumnCaptions(), parts_.rows, selected,
                   [this](const ListRow& row, int column) { return DetailCell(row, column); });
  return !text.empty() && clipboard.SetText(text);
}

std::string ObjectList::DetailCell(const ListRow& row, int column) {
  const ProcessFigures* figures = FiguresOf(row);
  const std::optional<FigureColumn> figure = FigureAt(column);
  return figures && figure ? FigureCellText(figures, *figure, parts_.locale) : std::string();
}

bool ObjectList::NotResponding(const ListRow& row) const {
  const std::optional<TrackedObject> tracked = parts_.listListener.FindTracked(row.key);
  if (!tracked) return false;
  if (row.key.kind == kKindWindow) return tracked->window().hung != 0;
  if (row.key.kind != kKindProcess) return false;
  // The row's own key copy may predate the main window; the tracked record is the latest.
  const uint32_t mainWindow = tracked->process().mainWindow();
  const TreeNode* process = parts_.tree.FindFirst(row.key);
  if (mainWindow == 0 || process == nullptr) return false;
  for (const TreeNode* thread = process->firstChild; thread; thread = thread->next) {
    for (const TreeNode* window = thread->firstChild; window; window = window->next) {
      if (window->key.windowHandle != mainWindow) continue;
      const std::optional<TrackedObject> shown = parts_.treeListener.FindTracked(window->key);
      return shown && shown->window().hung != 0;
    }
  }
  return false;
}

bool ObjectList::ShowsFigureColumns() const {
  return details_ && (ShowsSearchResult() || parts_.filter.currentKey.kind == kKindComputer);
}

const ProcessFigures* ObjectList::FiguresOf(const ListRow& row) const {
  if (!ShowsFigureColumns() || row.key.kind != kKindProcess) return nullptr;
  return figures_.Find(row.key.processId);
}

void ObjectList::ForEachNode(const std::function<void(std::string_view, const ObjectKey&)>& each) {
  parts_.tree.ForEachNode([&](const TreeNode& node) { each(node.content.text, node.key); });
}

void ObjectList::ShowSearchResult(std::string_view searchedText,
                                  const std::vector<ObjectKey>& found) {
  reveal_.reset();
  ClearList();
  PinnedKeys& pinned = parts_.filter.pinnedKeys;
  pinned.push_back(kSearchPlaceholderKey);
  for (const ObjectKey& key : found) pinned.push_back(key);

  SetHeading(SearchHeading(searchedText));
  SetSearchColumns();
}

void ObjectList::SetSearchColumns() {
  ListFrame& frame = parts_.frame;
  const auto set = [&](std::size_t first, std::span<const ColumnSpec> columns) {
    while (frame.ColumnCount() < static_cast<int>(first + columns.size())) frame.AddColumn("", 50);
    for (std::size_t i = 0; i < columns.size(); ++i) {
      frame.SetColumn(static_cast<int>(first + i), columns[i].caption, columns[i].width);
    }
  };
  set(0, kSearchColumns);
  if (details_) set(kSearchColumns.size(), kDetailColumns);
}

std::vector<std::string> ObjectList::ColumnCaptions() {
  std::vector<std::string> captions;
  for (int i = 0; i < parts_.frame.ColumnCount(); ++i) {
    captions.push_back(parts_.frame.ColumnCaption(i));
  }
  return captions;
}

void ObjectList::SetHeading(std::string heading) {
  heading_ = std::move(heading);
  parts_.frame.SetHeading(heading_);
}

// Empties the list at once and ends a search result.
void ObjectList::ClearList() {
  parts_.frame.Quietly([this] { parts_.listListener.ClearAll(); });
  parts_.filter.pinnedKeys.clear();
}

}  // namespace orvane
