// The search over any node texts and keys with any options: exactly the matching nodes are
// found, in tree order; shown by the object list, the pinned keys are the placeholder and then
// the found keys, the heading quotes the search text, and the list ends with the three result
// columns whatever it had before.
#include <cstring>

#include "app/object_list.h"
#include "dialogs/search/search.h"
#include "doubles/fake_list_frame.h"
#include "doubles/fake_platform.h"
#include "doubles/fake_search_target.h"
#include "fuzz_check.h"
#include "view_rig.h"

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
  testing::FakeListFrame frame;
  frame.columns.resize(in.ConsumeIntegralInRange<std::size_t>(0, 8), {"old", 7});
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
  FUZZ_CHECK(target.results == 1 && target.searched == searched);
  FUZZ_CHECK(target.found.size() == found.size());
  for (std::size_t i = 0; i < found.size(); ++i) {
    FUZZ_CHECK(std::memcmp(&target.found[i], &found[i], sizeof(ObjectKey)) == 0);
  }

  fuzz::ViewRig view;
  ObjectList objects({view.filter, view.listListener, view.treeListener, view.tree, view.list,
                      view.programs, view.locale, frame});
  objects.ShowSearchResult(target.searched, target.found);
  const std::vector<ObjectKey>& pinned = view.filter.pinnedKeys.keys();
  FUZZ_CHECK(pinned.size() == found.size() + 1 && KeyEquals(pinned[0], kSearchPlaceholderKey));
  for (std::size_t i = 0; i < found.size(); ++i) {
    FUZZ_CHECK(std::memcmp(&pinned[i + 1], &found[i], sizeof(ObjectKey)) == 0);
    FUZZ_CHECK(view.filter.pinnedKeys.Contains(found[i]));
  }

  FUZZ_CHECK(frame.heading == objects.Heading());
  FUZZ_CHECK(frame.heading ==
             "Search results for \"" + searched + "\"  (click \"Refresh\" to end search)");
  FUZZ_CHECK(frame.columns.size() >= 3);
  FUZZ_CHECK(frame.columns[0] == std::make_pair(std::string("Process Name"), 200) &&
             frame.columns[1] == std::make_pair(std::string("Priority"), 100) &&
             frame.columns[2] == std::make_pair(std::string("Executable"), 100));
  return 0;
}
