// "tray.dat": exactly four bytes holding only the three trap bits are read as written; anything
// else means no traps.
#include "doubles/fake_files.h"
#include "fuzz_check.h"
#include "tray/tray_interface.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  using namespace orvane;
  const std::string_view bytes = fuzz::BytesOf(data, size);
  testing::FakeFiles files;
  files.files[std::string(kTrayDataFile)] = std::string(bytes);
  const TrapMask mask = ReadTrapMask(files, kTrayDataFile);
  FUZZ_CHECK(mask == DecodeTrapMask(bytes));
  uint32_t value = 0;
  for (std::size_t i = 0; i < size && i < 4; ++i) value |= uint32_t{data[i]} << (8 * i);
  const bool wellFormed = size == 4 && (value & ~uint32_t{kAllTraps}) == 0;
  FUZZ_CHECK(mask == (wellFormed ? static_cast<TrapMask>(value) : kNoTraps));
  FUZZ_CHECK(TrapMaskOf(TrapChecksOf(mask)) == mask);

  WriteTrapMask(files, kTrayDataFile, mask);
  FUZZ_CHECK(ReadTrapMask(files, kTrayDataFile) == mask);
  return 0;
}
