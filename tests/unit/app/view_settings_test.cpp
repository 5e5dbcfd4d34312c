#include "app/view_settings.h"

#include <gtest/gtest.h>

#include "doubles/fake_files.h"
#include "platform/error.h"

namespace orvane {
namespace {

TEST(ViewSettings, AWholeFileComesBackAsWrittenAndAnythingElseGivesTheDefaults) {
  testing::FakeFiles files;
  EXPECT_EQ(ReadViewSettings(files), ViewSettings{}) << "no file";

  const ViewSettings placed{true, true, {-40, 30, 500, 420}};
  WriteViewSettings(files, placed);
  ASSERT_EQ(files.files[kViewSettingsFile].size(), 24u);
  EXPECT_EQ(ReadViewSettings(files), placed);
  const ViewSettings plain{true, false, {}};
  EXPECT_EQ(DecodeViewSettings(EncodeViewSettings(plain)), plain);

  const std::string good = EncodeViewSettings(placed);
  std::string version = good, flag = good,
              unsized = EncodeViewSettings({false, true, {1, 2, 0, 5}});
  version[0] = 2;
  flag[4] = 4;
  for (const std::string& damaged :
       {good.substr(0, 23), good + '\0', version, flag, unsized, std::string()}) {
    EXPECT_EQ(DecodeViewSettings(damaged), ViewSettings{}) << damaged.size();
  }

  // A file that cannot be written keeps what it had.
  files.refused.insert(kViewSettingsFile);
  EXPECT_THROW(WriteViewSettings(files, plain), Error);
  EXPECT_EQ(ReadViewSettings(files), placed);
}

}  // namespace
}  // namespace orvane
