#include "view/change_marks.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(ChangeMarks, AgeOneCycleAtATimeAndARemovedRowExpiresAfterTwo) {
  const struct {
    ChangeMark mark, aged;
    bool expired;
  } cases[] = {
      {{}, {}, false},
      {kCreatedMark, {RowChange::kCreated, 1}, false},
      {{RowChange::kCreated, 1}, {}, false},
      {kRemovedMark, {RowChange::kRemoved, 1}, false},
      {{RowChange::kRemoved, 1}, {RowChange::kRemoved, 0}, true},
      // Marks no row is given: they end as soon as they are aged.
      {{RowChange::kRemoved, 0}, {RowChange::kRemoved, 0}, true},
      {{RowChange::kCreated, 0}, {}, false},
      {{RowChange::kNone, 5}, {}, false},
      {{static_cast<RowChange>(9), 1}, {}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << int(c.mark.change) << "/" << int(c.mark.cyclesLeft));
    EXPECT_EQ(Aged(c.mark), c.aged);
    EXPECT_EQ(Expired(Aged(c.mark)), c.expired);
  }
  EXPECT_EQ(BackgroundOf(kCreatedMark), 0xCCFFCCu);              // pale green, 0x00BBGGRR
  EXPECT_EQ(BackgroundOf({RowChange::kRemoved, 1}), 0xD2D2FFu);  // pale red
  EXPECT_EQ(BackgroundOf({}), std::nullopt);
  EXPECT_EQ(BackgroundOf({static_cast<RowChange>(9), 1}), std::nullopt);
}

}  // namespace
}  // namespace orvane
