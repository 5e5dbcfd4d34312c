// The view model fed any record stream: unknown kinds, records shorter or longer than their
// kind's, keys out of order and repeated, arbitrary bytes in every field, with the list's
// filter and pins changing and the list cleared in between. A consistency error may be raised,
// as the program's error, but nothing may be read out of bounds, and the models and the
// controls' mirrors stay in step.
#include <cstring>
#include <vector>

#include "fuzz_check.h"
#include "snapshot/error.h"
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
      switch (in.ConsumeIntegralInRange(0, 9)) {
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
    } catch (const Error&) {
      // The view model's consistency checks: shown to the user, and the program goes on.
    }
    view.CheckConsistent();
  }
  return 0;
}
