#pragma once
// What the object list shows: one level of the navigation tree (the children of the filter's
// current key) or a search's result (the filter's pinned keys), the heading above it and the
// columns of each, the information box below it, and the column sort. It decides; the frame
// around the rows shows.

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "dialogs/find/find.h"
#include "dialogs/report/report.h"
#include "dialogs/search/search.h"
#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/object_control.h"
#include "snapshot/process_figures.h"
#include "view/known_programs.h"
#include "view/list_filter.h"
#include "view/list_listener.h"
#include "view/list_model.h"
#include "view/record_listener.h"
#include "view/tree_model.h"

namespace orvane {

struct ColumnSpec {
  std::string_view caption;
  int width;
};

// The controls around the list's rows: the heading above, the columns, the information box
// below, and the holds that keep the tree and the list from drawing each change.
class ListFrame {
 public:
  virtual ~ListFrame() = default;
  virtual void SetHeading(const std::string& text) = 0;
  virtual int ColumnCount() = 0;
  virtual std::string ColumnCaption(int index) = 0;
  virtual void AddColumn(std::string_view caption, int width) = 0;
  virtual void SetColumn(int index, std::string_view caption, int width) = 0;
  // Removes every column, then adds these in order.
  virtual void ReplaceColumns(std::span<const ColumnSpec> columns) = 0;
  virtual void SetInfoLines(const std::vector<std::string>& lines) = 0;
  // Runs f with the tree's drawing held back and the list's new row count given once at the
  // end.
  virtual void Quietly(const std::function<void()>& f) = 0;
  // Selects node in the tree as the window's own choice, which is no click, and brings it in
  // view, unfolding its parents.
  virtual void SelectNode(const TreeNode& node) = 0;
  // Selects the list's row at index alone, gives it the focus and brings it in view.
  virtual void SelectRow(int index) = 0;
  // Paints again the cells of the columns first to last in view whose text changed says
  // changed, without their rows changing.
  virtual void RedrawCells(int first, int last,
                           const std::function<bool(const ListRow&, int)>& changed) = 0;
};

// Put first into the pinned keys of a search result: it equals no object's key (every real
// root has rootId 0), so a search that finds nothing leaves the list empty rather than
// unfiltered.
constexpr ObjectKey kSearchPlaceholderKey{kKindRoot, 1, 0, 0, 0, 0};

// What the object list works on; none is owned, all must outlive it.
struct ObjectListParts {
  ListFilter& filter;  // its current key and pinned keys are the list's mode
  ListListener& listListener;
  RecordListener& treeListener;
  const TreeModel& tree;
  ListModel& rows;
  const KnownPrograms& programs;
  Locale& locale;
  ListFrame& frame;
  Clock* clock = nullptr;  // for the start times among the details; none without them
  // For the windows' places in the information box; none without them.
  ObjectControl* windows = nullptr;
};

// The cycles that a found window's thread and row may take to arrive before the search for
// them is given up (a window made a moment ago, or one that closed).
constexpr int kRevealCycles = 3;

class ObjectList : public SearchTarget, public ReportSource, public FoundWindowTarget {
 public:
  explicit ObjectList(const ObjectListParts& parts) : parts_(parts) {}

  // Shows the heading, the column and the information box of the window as it opens, before a
  // level is chosen.
  void ShowFirst();
  // ViewObjectTreeTVClick with node selected (null: none): ends a search result and shows
  // node's level. A window node shows its thread's level, and the thread is selected instead.
  // Another level empties the list for the cycles to fill; the same one keeps its rows.
  void ChooseLevel(const TreeNode* node);
  // Find Window's result: the window's thread is selected and its level shown, then its row is
  // selected and described, as soon as each is there: at once, or after the cycles to come.
  // Choosing a level, Refresh or a search gives the search up.
  void RevealWindow(const PointedWindow& window) override;
  // A cycle's records have all arrived.
  void CycleEnded();
  // ToolGeneral0RefreshClick: empties the tree and the list for the next cycle to fill again,
  // at the same level and columns, ends a search result and puts back the level's heading.
  void Refresh();
  // The information box for the row at index, the list's first selected one; nothing for none.
  // A window that shows on no monitor is "Off screen" there.
  void RowClicked(int index);
  void SortByColumn(int column);
  // View > Views > "Show Process Details": the processes' figures as four more columns at the
  // computer level and in a search result, sorted largest first, and more lines about a
  // process in the information box.
  void ShowDetails(bool show);
  bool ShowsDetails() const { return details_; }
  // View > Views > "Highlight Changes": rows of new objects and, for a while, of removed ones
  // are marked.
  void HighlightChanges(bool on) { parts_.listListener.HighlightChanges(on); }
  // The figures of the cycle that has just ended; the cells they change are painted again.
  void FiguresArrived(const ProcessFigureTable& table);
  // Edit > Copy: the captions and the rows at the indices in selected (every row for none) as
  // they show, figure columns included, put on clipboard as text; false when the list has no
  // columns or the clipboard refused it.
  bool CopyRows(std::span<const std::size_t> selected, Clipboard& clipboard);
  // The last cycle's figures, whether their columns show or not.
  const ProcessFigureTable& Figures() const { return figures_; }
  // The text of a figure column (3 to 6) of a row, empty for a row without figures.
  std::string DetailCell(const ListRow& row, int column);

  bool ShowsSearchResult() const { return !parts_.filter.pinnedKeys.empty(); }
  // The heading as it stood after the last level was chosen.
  const std::string& SavedHeading() const { return savedHeading_; }

  void ForEachNode(const std::function<void(std::string_view, const ObjectKey&)>& each) override;
  void ShowSearchResult(std::string_view searchedText,
                        const std::vector<ObjectKey>& found) override;

  std::string Heading() override { return heading_; }
  std::vector<std::string> ColumnCaptions() override;
  const ListModel& Rows() override { return parts_.rows; }
  std::string ExtraCell(const ListRow& row, int column) override { return DetailCell(row, column); }

 private:
  // ChooseLevel's work, for the user and for a found window.
  void ShowLevel(const TreeNode* node);
  // Takes the found window's next steps; true when it has been shown.
  bool GoOnRevealing();
  void SetHeading(std::string heading);
  // A search result's columns, with the details when they are shown.
  void SetSearchColumns();
  // The details are on and the list is at the computer level or shows a search result.
  bool ShowsFigureColumns() const;
  // A process row's figures while their columns show; null otherwise.
  const ProcessFigures* FiguresOf(const ListRow& row) const;
  void ClearList();
  // A window row's window, or a process row's main window, does not respond.
  bool NotResponding(const ListRow& row) const;

  ObjectListParts parts_;
  std::string heading_;
  std::string savedHeading_;
  bool details_ = false;
  struct Reveal {
    ObjectKey window{};
    bool levelShown = false;
    int cycles = 0;
  };
  std::optional<Reveal> reveal_;  // a found window not shown yet
  ProcessFigureTable figures_;    // the last cycle's
  ProcessFigureTable previous_;   // the cycle's before, which the list shows until repainted
};

}  // namespace orvane
