#include "snapshot/records.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace orvane {
namespace {

ObjectKey Key(int32_t kind, uint32_t pid = 0, uint32_t tid = 0, uint32_t hwnd = 0) {
  return ObjectKey{kind, 0, 0, pid, tid, hwnd};
}

TEST(KeyEquals, ComparesKindAndOnlyTheWordsOfTheKey) {
  EXPECT_TRUE(KeyEquals(Key(kKindProcess, 7), Key(kKindProcess, 7)));
  EXPECT_FALSE(KeyEquals(Key(kKindProcess, 7), Key(kKindProcess, 8)));
  // A process key's word 5 is mainWindow, not part of the key.
  EXPECT_TRUE(KeyEquals(Key(kKindProcess, 7, 0, 0x100), Key(kKindProcess, 7, 0, 0)));
  // Same words, other kind.
  EXPECT_FALSE(KeyEquals(Key(kKindThread, 7, 9, 5), Key(kKindWindow, 7, 9, 5)));
  // A window is matched on all five words: another creating thread is another object.
  EXPECT_TRUE(KeyEquals(Key(kKindWindow, 7, 9, 5), Key(kKindWindow, 7, 9, 5)));
  EXPECT_FALSE(KeyEquals(Key(kKindWindow, 7, 9, 5), Key(kKindWindow, 7, 10, 5)));
  EXPECT_TRUE(KeyEquals(Key(kKindRoot), Key(kKindRoot)));
  // A kind outside the hierarchy never reads past the key.
  EXPECT_TRUE(KeyEquals(Key(99, 1, 2, 3), Key(99, 1, 2, 3)));
  EXPECT_FALSE(KeyEquals(Key(-1, 1, 2, 3), Key(-1, 1, 2, 4)));
}

TEST(KeyIsAncestor, HoldsOnlyForProperAncestors) {
  const ObjectKey computer = Key(kKindComputer);
  EXPECT_TRUE(KeyIsAncestor(computer, Key(kKindProcess, 7)));
  EXPECT_TRUE(KeyIsAncestor(computer, Key(kKindThread, 7, 9)));
  EXPECT_TRUE(KeyIsAncestor(computer, Key(kKindWindow, 7, 9, 5)));
  EXPECT_TRUE(KeyIsAncestor(Key(kKindRoot), computer));
  EXPECT_FALSE(KeyIsAncestor(computer, computer));
  EXPECT_FALSE(KeyIsAncestor(Key(kKindProcess, 7), Key(kKindProcess, 7)));
  EXPECT_TRUE(KeyIsAncestor(Key(kKindProcess, 7, 0, 0x55), Key(kKindWindow, 7, 9, 5)));
  EXPECT_FALSE(KeyIsAncestor(Key(kKindProcess, 8), Key(kKindThread, 7, 9)));
  EXPECT_TRUE(KeyIsAncestor(Key(kKindThread, 7, 9), Key(kKindWindow, 7, 9, 5)));
  EXPECT_FALSE(KeyIsAncestor(Key(kKindThread, 7, 9), Key(kKindWindow, 7, 10, 5)));
  EXPECT_FALSE(KeyIsAncestor(Key(kKindWindow, 7, 9, 5), Key(kKindThread, 7, 9)));
}

TEST(RecordSize, MatchesTheKinds) {
  EXPECT_EQ(RecordSize(kKindRoot), 24);
  EXPECT_EQ(RecordSize(kKindComputer), 176);
  EXPECT_EQ(RecordSize(kKindProcess), 224);
  EXPECT_EQ(RecordSize(kKindThread), 28);
  EXPECT_EQ(RecordSize(kKindWindow), 112);
  EXPECT_EQ(RecordSize(5), 0);
  EXPECT_EQ(RecordSize(-1), 0);
}

TEST(CopyText, IsBoundedTerminatedAndZeroFilled) {
  char field[kTextField];
  std::memset(field, 'x', sizeof field);
  CopyText(field, "abc");
  EXPECT_EQ(FieldText(field), "abc");
  for (std::size_t i = 3; i < kTextField; ++i) EXPECT_EQ(field[i], '\0');

  const std::string longText(200, 'y');
  CopyText(field, longText);
  EXPECT_EQ(FieldText(field), std::string(63, 'y'));
  EXPECT_EQ(field[63], '\0');

  CopyText(field, longText, kMaxWindowTitle);
  EXPECT_EQ(FieldText(field).size(), 62u);
  CopyText(field, longText, 1000);  // a larger limit is still bounded by the field
  EXPECT_EQ(FieldText(field).size(), 63u);
  CopyText(field, "");
  EXPECT_EQ(FieldText(field), "");
}

TEST(FieldText, StopsAtTheFieldEndWithoutTerminator) {
  char field[kTextField];
  std::memset(field, 'z', sizeof field);
  EXPECT_EQ(FieldText(field).size(), kTextField);
}

}  // namespace
}  // namespace orvane
