#include "app/presentation.h"

#include <array>
#include <charconv>
#include <functional>

#include "snapshot/records.h"
#include "tray/task_manager_trap.h"

namespace orvane {

namespace {

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

std::string Quoted(std::string_view text) {
  std::string quoted = "\"";
  quoted += text;
  quoted += '"';
  return quoted;
}

std::string_view SubItem(const ListRow& row, std::size_t index) {
  return index < row.cells.subItems.size() ? std::string_view(row.cells.subItems[index])
                                           : std::string_view();
}

}  // namespace

std::span<const ColumnSpec> ColumnsFor(int32_t kind) {
  switch (kind) {
    case kKindComputer:
      return kProcessColumns;
    case kKindProcess:
      return kThreadColumns;
    case kKindThread:
      return kWindowColumns;
    default:
      return {};
  }
}

std::optional<std::string> ListHeading(int32_t kind, std::string_view nodeText,
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

std::vector<std::string> InitialInfoLines() {
  return {"Object Information",
          "Select an object from the list above, to view more detailed information it."};
}

std::optional<std::vector<std::string>> InfoLinesFor(const ListRow& row,
                                                     const KnownPrograms& programs) {
  switch (row.key.kind) {
    case kKindProcess: {
      const std::string_view executable = SubItem(row, 1);
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

int32_t PriorityNumber(std::string_view cell) {
  const std::size_t open = cell.find('(');
  if (open == std::string_view::npos) return 0;
  std::string_view digits = cell.substr(open + 1, 2);
  if (digits.size() == 2 && digits[1] == ')') digits.remove_suffix(1);
  int32_t value = 0;
  std::from_chars(digits.data(), digits.data() + digits.size(), value);
  return value;
}

void SortListByColumn(ListModel& list, int column, Locale& locale) {
  const std::size_t n = list.RowCount();
  if (n < 2) return;
  // Sort keys are worked out once per row, not once per comparison.
  struct Key {
    const ListRow* row;
    bool process;
    int32_t priority;
    std::string text;
  };
  std::vector<Key> keys;
  keys.reserve(n);
  for (std::size_t i = 0; i < n; ++i) {
    const ListRow& row = list.Row(i);
    Key key{&row, row.key.kind == kKindProcess, 0, {}};
    if (column == 1) {
      key.priority = PriorityNumber(SubItem(row, 0));
    } else if (column == 2) {
      key.text = locale.Lower(SubItem(row, 1));
    } else {
      key.text = locale.Lower(row.cells.caption);
    }
    keys.push_back(std::move(key));
  }
  // Texts compare byte by byte as unsigned values; std::string's char_traits do just that.
  std::function<bool(const Key&, const Key&)> before;
  if (column == 1) {
    before = [](const Key& a, const Key& b) {
      return a.process && b.process && a.priority > b.priority;
    };
  } else if (column == 2) {
    before = [](const Key& a, const Key& b) { return a.process && b.process && a.text < b.text; };
  } else {
    before = [](const Key& a, const Key& b) { return a.text < b.text; };
  }

  for (std::size_t i = 0; i + 1 < n; ++i) {
    for (std::size_t j = i + 1; j < n; ++j) {
      if (!before(keys[j], keys[i])) continue;
      Key moved = std::move(keys[j]);
      keys.erase(keys.begin() + static_cast<std::ptrdiff_t>(j));
      keys.insert(keys.begin() + static_cast<std::ptrdiff_t>(i), std::move(moved));
      list.MoveRow(j, i);
    }
  }
}

int LogoLeft(int barWidth, int logoWidth) {
  return barWidth <= 610 ? 620 - logoWidth : barWidth - logoWidth + 10;
}

bool StartsAsTaskManager(const std::vector<std::string>& arguments) {
  return !arguments.empty() && NamesTaskManager(arguments[0]);
}

bool AppliesSingleInstanceRule(const std::vector<std::string>& arguments) {
  return arguments.size() < 2 || StartsAsTaskManager(arguments);
}

bool OpensCommandLineDialog(const std::vector<std::string>& arguments) {
  // Not only "notray": the dialog also carries out "stop" and reports an unknown word.
  return arguments.size() >= 2 && !StartsAsTaskManager(arguments);
}

}  // namespace orvane
