#include "snapshot/computer.h"

#include <gtest/gtest.h>

#include <cmath>

#include "doubles/fake_platform.h"

namespace orvane {
namespace {

using testing::FakeClock;
using testing::FakeRegistry;
using testing::FakeSnapshotSource;

constexpr const char* kNt = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
constexpr const char* k9x = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";

TEST(CpuLoadEstimator, SampleFollowsTheFormula) {
  EXPECT_FLOAT_EQ(CpuLoadEstimator::Sample(7, 7), 5.0f);          // no difference
  EXPECT_NEAR(CpuLoadEstimator::Sample(13, 3), 134.257f, 0.01f);  // 5 * sqrt(721)
  EXPECT_FLOAT_EQ(CpuLoadEstimator::Sample(97, 1), 5.0f);         // d = 96: m / 5 is 0
  EXPECT_FLOAT_EQ(CpuLoadEstimator::Sample(5000, 1), 5.0f);       // m clamps at 1
  EXPECT_FLOAT_EQ(CpuLoadEstimator::Sample(3, 13), 5.0f);         // tr > tn gives d = 0
  EXPECT_NEAR(CpuLoadEstimator::Sample(51, 1), 5.0f * std::sqrt(2001.0f), 0.01f);  // the peak
}

TEST(CpuLoadEstimator, AveragesWithWeightOneFifthAndCapsAt100) {
  CpuLoadEstimator first;
  EXPECT_EQ(first.Add(CpuLoadEstimator::Sample(13, 3)), 100);  // a first sample of 134.3
  EXPECT_FLOAT_EQ(first.average(), 100.0f);

  CpuLoadEstimator steady;
  EXPECT_EQ(steady.Add(50.0f), 50);
  EXPECT_EQ(steady.Add(5.0f), 41);  // 0.8 x 50 + 0.2 x 5
  EXPECT_EQ(steady.Add(5.0f), 33);  // 0.8 x 41 + 1 = 33.8, truncated
}

TEST(CpuLoadEstimator, MeasuresAtNormalThenRealtimeAndRestoresTheClass) {
  FakeSnapshotSource process;
  process.ownPriorityClass = kHighPriorityClass;
  FakeClock clock;
  clock.priorityOf = &process;
  clock.extraPerNormalSleep = 2;  // five sleeps: tn = 10 + 10 = 20, tr = 10
  CpuLoadEstimator estimator;
  // d = 10, m = 90, v = 720: first sample 134.3 is reported as 100.
  EXPECT_EQ(estimator.Measure(process, clock), 100);
  EXPECT_EQ(
      process.priorityClassesSet,
      (std::vector<uint32_t>{kNormalPriorityClass, kRealtimePriorityClass, kHighPriorityClass}));
  // An idle machine: both timings agree and the average decays toward 5.
  clock.extraPerNormalSleep = 0;
  EXPECT_EQ(estimator.Measure(process, clock), 81);  // 0.8 x 100 + 0.2 x 5
}

TEST(CpuLoadEstimator, ZeroElapsedTimeCountsAsOneMillisecond) {
  class FrozenClock : public FakeClock {
    void Sleep(uint32_t) override {}
  } clock;
  FakeSnapshotSource process;
  CpuLoadEstimator estimator;
  EXPECT_EQ(estimator.Measure(process, clock), 5);
}

TEST(OsCode, ClassifiesTheProductNameLastMatchWinning) {
  EXPECT_EQ(OsCodeFromProductName(""), 0);
  EXPECT_EQ(OsCodeFromProductName("Microsoft Windows 95"), 1);
  EXPECT_EQ(OsCodeFromProductName("Microsoft Windows 98"), 2);
  EXPECT_EQ(OsCodeFromProductName("Microsoft Windows NT"), 4);
  EXPECT_EQ(OsCodeFromProductName("Microsoft Windows 2000"), 5);
  EXPECT_EQ(OsCodeFromProductName("Windows NT 2000"), 5);
  EXPECT_EQ(OsCodeFromProductName("Windows 2000 NT"), 5);  // order of tests, not of text
  EXPECT_EQ(OsCodeFromProductName("windows nt"), 0);       // case-sensitive
  EXPECT_EQ(OsCodeFromProductName("Microsoft Windows ME"), 0);
}

TEST(OsCode, ReadsTheRegistryAndTakesModernNtSystemsAsCode5) {
  FakeRegistry reg;
  EXPECT_EQ(ReadOsCode(reg), 0);  // nothing there

  reg.SetString(RegistryRoot::kLocalMachine, kNt, "ProductName", "Microsoft Windows 2000");
  EXPECT_EQ(ReadOsCode(reg), 5);

  reg.SetString(RegistryRoot::kLocalMachine, kNt, "ProductName", "Windows 10 Pro");
  EXPECT_EQ(ReadOsCode(reg), 0) << "without a version the family is not known";
  reg.SetDword(RegistryRoot::kLocalMachine, kNt, "CurrentMajorVersionNumber", 10);
  EXPECT_EQ(ReadOsCode(reg), 5);

  reg.DeleteValue(RegistryRoot::kLocalMachine, kNt, "CurrentMajorVersionNumber");
  reg.SetString(RegistryRoot::kLocalMachine, kNt, "ProductName", "Windows 7 Professional");
  reg.SetString(RegistryRoot::kLocalMachine, kNt, "CurrentVersion", "6.1");
  EXPECT_EQ(ReadOsCode(reg), 5);
  reg.SetString(RegistryRoot::kLocalMachine, kNt, "CurrentVersion", "4.0");
  EXPECT_EQ(ReadOsCode(reg), 0) << "NT 4 has no below- or above-normal class";
  reg.SetString(RegistryRoot::kLocalMachine, kNt, "ProductName", "Microsoft Windows NT");
  EXPECT_EQ(ReadOsCode(reg), 4);
}

TEST(OsCode, FallsBackToTheOtherKeyOn95Family) {
  FakeRegistry reg;
  reg.SetString(RegistryRoot::kLocalMachine, k9x, "ProductName", "Microsoft Windows 98");
  reg.SetString(RegistryRoot::kLocalMachine, k9x, "CurrentVersion", "4.10");
  EXPECT_EQ(ReadOsCode(reg), 2);
  reg.SetString(RegistryRoot::kLocalMachine, k9x, "ProductName", "Microsoft Windows ME");
  reg.SetDword(RegistryRoot::kLocalMachine, kNt, "CurrentMajorVersionNumber", 10);
  EXPECT_EQ(ReadOsCode(reg), 0) << "a 95-family name never becomes code 5";
}

TEST(MemoryMegabytes, IsDecimalAndNeverWraps) {
  EXPECT_EQ(MemoryMegabytes(134217728ull), 134u);
  EXPECT_EQ(MemoryMegabytes(17179869184ull), 17179u);  // 16 GiB, past what 32 bits hold
  EXPECT_EQ(MemoryMegabytes(UINT64_MAX), UINT32_MAX);
}

}  // namespace
}  // namespace orvane
