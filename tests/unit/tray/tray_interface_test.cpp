// The traps' mask from the Settings check marks and back, and "tray.dat" as both programs
// read and write it, damaged files included.
#include "tray/tray_interface.h"

#include <gtest/gtest.h>

#include <string>

#include "doubles/fake_files.h"
#include "platform/error.h"

namespace orvane {
namespace {

using testing::FakeFiles;
using namespace std::string_literals;

TEST(TrapMaskTest, FollowsTheThreeCheckMarksAndBack) {
  struct Case {
    TrapChecks checks;
    TrapMask mask;
  };
  const Case cases[] = {
      {{false, false, false}, 0}, {{true, false, false}, 1}, {{false, true, false}, 2},
      {{true, true, false}, 3},   {{false, false, true}, 4}, {{true, false, true}, 5},
      {{false, true, true}, 6},   {{true, true, true}, 7},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TrapMaskOf(c.checks), c.mask);
    EXPECT_EQ(TrapChecksOf(c.mask), c.checks) << c.mask;
  }
  // Bits beyond the three traps check nothing.
  EXPECT_EQ(TrapChecksOf(static_cast<TrapMask>(0xFFFFFFF8u | 2u)),
            (TrapChecks{false, true, false}));
}

TEST(TrayDataTest, HoldsTheMaskAsFourLittleEndianBytes) {
  EXPECT_EQ(EncodeTrapMask(0), "\0\0\0\0"s);
  EXPECT_EQ(EncodeTrapMask(kTrapCtrlAltShift), "\x02\0\0\0"s);
  EXPECT_EQ(EncodeTrapMask(0x01020304), "\x04\x03\x02\x01"s);
  EXPECT_EQ(EncodeTrapMask(-2), "\xFE\xFF\xFF\xFF"s);

  FakeFiles files;
  for (TrapMask mask = 0; mask <= kAllTraps; ++mask) {
    WriteTrapMask(files, "c:\\app\\tray.dat", mask);
    EXPECT_EQ(files.files["c:\\app\\tray.dat"].size(), 4u);
    EXPECT_EQ(ReadTrapMask(files, "c:\\app\\tray.dat"), mask);
  }

  // A refused write raises the seam's error and leaves the old file.
  files.refused.insert("c:\\app\\tray.dat");
  EXPECT_THROW(WriteTrapMask(files, "c:\\app\\tray.dat", 0), Error);
  EXPECT_EQ(ReadTrapMask(files, "c:\\app\\tray.dat"), kAllTraps);
}

TEST(TrayDataTest, MissingShortLongOrDamagedMeansNoTraps) {
  FakeFiles files;
  EXPECT_EQ(ReadTrapMask(files, "tray.dat"), kNoTraps);  // missing, or a folder of that name

  const std::string damaged[] = {
      ""s,
      "\x02"s,
      "\x02\0\0"s,
      "\x02\0\0\0\0"s,                  // long: a valid mask and one more byte
      "\x07\0\0\0\x07\0\0\0"s,          // long: the mask twice
      "\x08\0\0\0"s,                    // an unknown bit
      "\x00\x01\0\0"s,                  // an unknown bit in the second byte
      "\0\0\0\x80"s,                    // negative
      "\xFF\xFF\xFF\xFF"s,              // -1: every bit
      "\xDE\xAD\xBE\xEF"s,              // random bytes
      "\x93\x1C\x5A\xE0\x47\x0B\xD2"s,  // random bytes, long
      "2\r\n"s,                         // the mask written as text
  };
  for (const std::string& bytes : damaged) {
    EXPECT_EQ(DecodeTrapMask(bytes), kNoTraps) << ::testing::PrintToString(bytes);
    files.files["tray.dat"] = bytes;
    EXPECT_EQ(ReadTrapMask(files, "tray.dat"), kNoTraps) << ::testing::PrintToString(bytes);
  }
}

}  // namespace
}  // namespace orvane
