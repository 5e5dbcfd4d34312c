// The report of any list: any captions, sub-items and column counts give the heading, the
// column header and one line per row, each text at its column stop or straight after the text
// before it, with nothing lost or overwritten.
#include "dialogs/report/report.h"
#include "doubles/fake_controls.h"
#include "fuzz_check.h"
#include "view/fill.h"

namespace orvane {
namespace {

constexpr std::string_view kTexts[] = {"", "notepad.exe", "Normal", "c:\\windows\\notepad.exe",
                                       "a text that is longer than the widest of the columns"};

std::vector<std::string> Texts(FuzzedDataProvider& in, std::size_t max) {
  std::vector<std::string> texts(in.ConsumeIntegralInRange<std::size_t>(0, max));
  for (std::string& text : texts) text = fuzz::TextOrOneOf(in, kTexts, 60);
  return texts;
}

// The line holds first, then each of the first six further texts at its stop or after the
// text before it, with blanks between and nothing after the last.
void CheckLine(const std::string& line, std::string_view first,
               const std::vector<std::string>& further) {
  FUZZ_CHECK(line.starts_with(first));
  std::size_t at = first.size();
  for (std::size_t k = 0; k < further.size() && k < ColumnStops.size(); ++k) {
    const std::size_t start = std::max(at, ColumnStops[k]);
    FUZZ_CHECK(line.size() >= start + further[k].size());
    FUZZ_CHECK(line.find_first_not_of(' ', at) >= start);
    FUZZ_CHECK(line.compare(start, further[k].size(), further[k]) == 0);
    at = start + further[k].size();
  }
  FUZZ_CHECK(line.size() == at);
}

}  // namespace
}  // namespace orvane

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  using namespace orvane;
  FuzzedDataProvider in(data, size);
  const std::string heading = in.ConsumeRandomLengthString(80);
  const std::string now = in.ConsumeRandomLengthString(30);
  const std::vector<std::string> captions = Texts(in, 10);
  testing::FakeListControl control;
  ListModel list(control);
  while (in.remaining_bytes() > 0 && list.RowCount() < 32) {
    RowCells cells;
    cells.caption = fuzz::TextOrOneOf(in, kTexts, 60);
    cells.subItems = Texts(in, 10);
    cells.stateImage = in.ConsumeBool() ? kSystemProcessImage : in.ConsumeIntegral<int32_t>();
    list.AddRow(ObjectKey{kKindProcess, 0, 0, static_cast<uint32_t>(list.RowCount()), 0, 0},
                std::move(cells));
  }

  const std::vector<std::string> lines = BuildReport(heading, now, captions, list);
  FUZZ_CHECK(lines.size() == list.RowCount() + 4);
  FUZZ_CHECK(lines[0] == heading + " " + now && lines[1].empty() && lines[3].empty());
  if (captions.empty()) {
    FUZZ_CHECK(lines[2].empty());
  } else {
    CheckLine(lines[2], captions[0], {captions.begin() + 1, captions.end()});
  }
  for (std::size_t i = 0; i < list.RowCount(); ++i) {
    const RowCells& cells = list.Row(i).cells;
    const std::string caption =
        (cells.stateImage == kSystemProcessImage ? "(s)" : "") + cells.caption;
    CheckLine(lines[i + 4], caption, cells.subItems);
  }
  return 0;
}
