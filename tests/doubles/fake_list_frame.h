#pragma once
// An in-memory double of the object list's frame: the heading, the columns and the information
// box as plain values, and what was held and selected.

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/object_list.h"

namespace orvane::testing {

class FakeListFrame : public ListFrame {
 public:
  using Column = std::pair<std::string, int>;
  std::string heading;
  std::vector<Column> columns;
  std::optional<std::vector<std::string>> info;  // nullopt until set
  int quietCalls = 0;
  std::vector<const ListRow*> rowsInView;                 // for RedrawCells
  std::vector<std::pair<std::string, int>> redrawnCells;  // caption and column, in call order
  const TreeNode* selected = nullptr;                     // the last node the object list selected
  int selectedRow = -1;                                   // the last row it selected

  void SetHeading(const std::string& text) override { heading = text; }
  int ColumnCount() override { return static_cast<int>(columns.size()); }
  std::string ColumnCaption(int index) override {
    return columns.at(static_cast<std::size_t>(index)).first;
  }
  void AddColumn(std::string_view caption, int width) override {
    columns.emplace_back(caption, width);
  }
  void SetColumn(int index, std::string_view caption, int width) override {
    columns.at(static_cast<std::size_t>(index)) = {std::string(caption), width};
  }
  void ReplaceColumns(std::span<const ColumnSpec> replacing) override {
    columns.clear();
    for (const ColumnSpec& column : replacing) AddColumn(column.caption, column.width);
  }
  void SetInfoLines(const std::vector<std::string>& lines) override { info = lines; }
  void Quietly(const std::function<void()>& f) override {
    ++quietCalls;
    f();
  }
  void SelectNode(const TreeNode& node) override { selected = &node; }
  void SelectRow(int index) override { selectedRow = index; }
  // Asks changed about every row of rows (the rows in view) in the columns given.
  void RedrawCells(int first, int last,
                   const std::function<bool(const ListRow&, int)>& changed) override {
    for (const ListRow* row : rowsInView) {
      for (int column = first; column <= last; ++column) {
        if (changed(*row, column)) redrawnCells.emplace_back(row->cells.caption, column);
      }
    }
  }
};

}  // namespace orvane::testing
