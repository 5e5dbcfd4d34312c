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

TEST(ViewSettings, TheHighlightIsAFlagOfItsOwnAndAnOlderFileReadsWithItOff) {
  ViewSettings highlighted{true, true, {-40, 30, 500, 420}};
  highlighted.highlightChanges = true;
  const std::string bytes = EncodeViewSettings(highlighted);
  EXPECT_EQ(bytes[4], 1 | 2 | 8);
  EXPECT_EQ(DecodeViewSettings(bytes), highlighted);

  // Written before the highlight existed: details and a placed window, nothing else.
  std::string older = bytes;
  older[4] = 1 | 2;
  ViewSettings read = DecodeViewSettings(older);
  EXPECT_FALSE(read.highlightChanges);
  EXPECT_TRUE(read.processDetails && read.performancePlaced);
  older[4] = 8 | 16;  // a flag this program does not know
  EXPECT_EQ(DecodeViewSettings(older), ViewSettings{});
}

}  // namespace
}  // namespace orvane
