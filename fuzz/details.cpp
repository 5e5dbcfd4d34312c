// "details.dat": any bytes read give settings that are written and read back the same.
#include "app/view_settings.h"
#include "doubles/fake_files.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  using namespace orvane;
  testing::FakeFiles files;
  files.files[kViewSettingsFile] = std::string(fuzz::BytesOf(data, size));
  const ViewSettings settings = ReadViewSettings(files);
  FUZZ_CHECK(!settings.performancePlaced ||
             (settings.performance.width > 0 && settings.performance.height > 0));
  WriteViewSettings(files, settings);
  FUZZ_CHECK(ReadViewSettings(files) == settings);
  return 0;
}
