// The search over any node texts and keys with any options: the pinned keys are the
// placeholder and then exactly the matching nodes in tree order, the heading quotes the search
// text, and the list ends with the three result columns whatever it had before.
#include <cstring>

#include "dialogs/search/search.h"
#include "doubles/fake_platform.h"
#include "doubles/fake_search_target.h"
#include "fuzz_check.h"

namespace orvane {
namespace {

constexpr std::string_view kTexts[] = {"", "notepad.exe", "NOTEPAD", "Note", "e", "\xC4\xE4"};

}  // namespace
}  // namespace orvane

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  using namespace orvane;
  FuzzedDataProvider in(data, size);
  SearchOptions options{in.ConsumeBool(), in.ConsumeBool(), in.ConsumeBool(), in.ConsumeBool(),
                        in.ConsumeBool()};
  const std::string text = fuzz::TextOrOneOf(in, kTexts);
  testing::FakeSearchTarget target;
  target.columns.resize(in.ConsumeIntegralInRange<std::size_t>(0, 8), {"old", 7});
  while (in.remaining_bytes() > 0 && target.nodes.size() < 64) {
    ObjectKey key{in.ConsumeIntegralInRange(-1, 6),
                  0,
                  0,
                  in.ConsumeIntegralInRange(0u, 9u),
                  in.ConsumeIntegralInRange(0u, 3u),
                  in.ConsumeIntegralInRange(0u, 3u)};
    target.nodes.push_back({fuzz::TextOrOneOf(in, kTexts), key});
  }

  testing::FakeLocale locale;
  RunSearch(target, locale, text, options);

  const std::string searched = options.caseSensitive ? text : locale.Lower(text);
  std::vector<ObjectKey> found;
  for (const testing::FakeSearchTarget::Node& node : target.nodes) {
    const std::string nodeText = options.caseSensitive ? node.text : locale.Lower(node.text);
    const bool textMatches =
        options.exact ? nodeText == searched
                      : !searched.empty() && nodeText.find(searched) != std::string::npos;
    const bool kindMatches = (node.key.kind == kKindProcess && options.processes) ||
                             (node.key.kind == kKindThread && options.threads) ||
                             (node.key.kind == kKindWindow && options.windows);
    FUZZ_CHECK(SearchMatches(nodeText, node.key.kind, searched, options) ==
               (textMatches && kindMatches));
    if (textMatches && kindMatches) found.push_back(node.key);
  }
  const std::vector<ObjectKey>& pinned = target.pinned.keys();
  FUZZ_CHECK(target.clears == 1);
  FUZZ_CHECK(pinned.size() == found.size() + 1 && KeyEquals(pinned[0], kSearchPlaceholderKey));
  for (std::size_t i = 0; i < found.size(); ++i) {
    FUZZ_CHECK(std::memcmp(&pinned[i + 1], &found[i], sizeof(ObjectKey)) == 0);
    FUZZ_CHECK(target.pinned.Contains(found[i]));
  }

  FUZZ_CHECK(target.heading == SearchHeading(searched));
  FUZZ_CHECK(target.heading ==
             "Search results for \"" + searched + "\"  (click \"Refresh\" to end search)");
  FUZZ_CHECK(target.columns.size() >= 3);
  FUZZ_CHECK(target.columns[0] == std::make_pair(std::string("Process Name"), 200) &&
             target.columns[1] == std::make_pair(std::string("Priority"), 100) &&
             target.columns[2] == std::make_pair(std::string("Executable"), 100));
  return 0;
}
