// The view model fed any record stream: unknown kinds, records shorter or longer than their
// kind's, keys out of order and repeated, arbitrary bytes in every field, with the list's level
// and pins changing, the list sorted and the view refreshed in between. Nothing is read out of
// bounds, no consistency check goes off, and the listeners, the models and the controls'
// mirrors stay in step.
#include <cstring>
#include <vector>

#include "app/list_sort.h"
#include "fuzz_check.h"
#include "platform/error.h"
#include "view_rig.h"

namespace orvane {
namespace {

// A key of a few ids, so that keys repeat and parents are found.
ObjectKey KeyFrom(FuzzedDataProvider& in) {
  ObjectKey key{};
  key.kind = in.ConsumeBool() ? in.ConsumeIntegralInRange(0, 4) : in.ConsumeIntegral<int32_t>();
  uint32_t* words = reinterpret_cast<uint32_t*>(&key);
  for (int i = 1; i < 6; ++i) {
    words[i] = in.ConsumeIntegralInRange(0, 7) == 0
                   ? in.ConsumeIntegral<uint32_t>()
                   : (i < 3 ? 0u : in.ConsumeIntegralInRange(0u, 3u));
  }
  return key;
}

}  // namespace
}  // namespace orvane

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  using namespace orvane;
  FuzzedDataProvider in(data, size);
  fuzz::ViewRig view;
  view.log.LogFlags = in.ConsumeIntegral<uint8_t>();
  view.log.LogStartCountdown = in.ConsumeIntegralInRange(-1, 3);

  while (in.remaining_bytes() > 0) {
    try {
      switch (in.ConsumeIntegralInRange(0, 12)) {
        case 0:
          view.filter.currentKey = KeyFrom(in);
          break;
        case 1:
          if (in.ConsumeBool()) {
            view.filter.pinnedKeys.clear();
          } else {
            view.filter.pinnedKeys.push_back(KeyFrom(in));
          }
          break;
        case 2:
          view.listListener.ClearAll();
          break;
        case 3:
          // Refresh
          view.listListener.ClearAll();
          view.treeListener.ClearAll();
          view.filter.pinnedKeys.clear();
          break;
        case 4:
          SortListByColumn(view.list, in.ConsumeIntegralInRange(-1, 3), view.locale);
          break;
        default: {
          const ObjectKey key = KeyFrom(in);
          const int32_t wanted = RecordSize(key.kind);
          int32_t length = wanted;
          if (wanted == 0 || in.ConsumeIntegralInRange(0, 7) == 0)
            length = in.ConsumeIntegralInRange<int32_t>(-1, 240);
          std::vector<unsigned char> record(static_cast<std::size_t>(std::max(length, 0)));
          if (!record.empty())
            std::memcpy(record.data(), &key, std::min(record.size(), sizeof key));
          for (std::size_t i = sizeof key; i < record.size(); ++i)
            record[i] = in.ConsumeBool() ? 0 : in.ConsumeIntegral<uint8_t>();
          view.Deliver(record.data(), length);
          break;
        }
      }
    } catch (const Error& error) {
      // The records themselves are never inconsistent: the view model's checks guard against its
      // own faults, so no stream may set them off.
      fuzz::Fail(error.what(), __FILE__, __LINE__);
    }
    view.CheckConsistent();
  }
  return 0;
}
