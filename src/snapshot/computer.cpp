#include "snapshot/computer.h"

#include <cmath>
#include <cstdlib>

namespace orvane {

namespace {

constexpr std::string_view kNtVersionKey = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
// Where systems of the 95/98/ME family keep their product name.
constexpr std::string_view kWindowsVersionKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";

bool NtVersionAtLeast5(Registry& registry) {
  if (auto major = registry.ReadDword(RegistryRoot::kLocalMachine, kNtVersionKey,
                                      "CurrentMajorVersionNumber")) {
    return *major >= 5;
  }
  if (auto version =
          registry.ReadString(RegistryRoot::kLocalMachine, kNtVersionKey, "CurrentVersion")) {
    return std::atoi(version->c_str()) >= 5;  // "major.minor"
  }
  return false;
}

int32_t TimeFiveSleeps(Clock& clock) {
  const uint32_t start = clock.TickCount();
  for (uint32_t ms = 0; ms <= 4; ++ms) clock.Sleep(ms);
  const int32_t elapsed = static_cast<int32_t>(clock.TickCount() - start);
  return elapsed < 1 ? 1 : elapsed;
}

}  // namespace

int32_t OsCodeFromProductName(std::string_view productName) {
  int32_t code = kOsUnknown;
  if (productName.find("95") != std::string_view::npos) code = kOsWindows95;
  if (productName.find("98") != std::string_view::npos) code = kOsWindows98;
  if (productName.find("NT") != std::string_view::npos) code = kOsWindowsNT;
  if (productName.find("2000") != std::string_view::npos) code = kOsWindows2000;
  return code;
}

int32_t ReadOsCode(Registry& registry) {
  std::string name =
      registry.ReadString(RegistryRoot::kLocalMachine, kNtVersionKey, "ProductName").value_or("");
  const bool fromNtKey = !name.empty();
  if (!fromNtKey) {
    name = registry.ReadString(RegistryRoot::kLocalMachine, kWindowsVersionKey, "ProductName")
               .value_or("");
  }
  int32_t code = OsCodeFromProductName(name);
  if (code == kOsUnknown && fromNtKey && NtVersionAtLeast5(registry)) code = kOsWindows2000;
  return code;
}

uint32_t MemoryMegabytes(uint64_t totalBytes) {
  const uint64_t mb = totalBytes / 1000000u;
  return mb > UINT32_MAX ? UINT32_MAX : static_cast<uint32_t>(mb);
}

int32_t CpuLoadEstimator::Measure(SnapshotSource& process, Clock& clock) {
  const uint32_t saved = process.OwnPriorityClass();
  process.SetOwnPriorityClass(kNormalPriorityClass);
  const int32_t tn = TimeFiveSleeps(clock);
  process.SetOwnPriorityClass(kRealtimePriorityClass);
  const int32_t tr = TimeFiveSleeps(clock);
  process.SetOwnPriorityClass(saved);
  return Add(Sample(tn, tr));
}

float CpuLoadEstimator::Sample(int32_t tn, int32_t tr) {
  int32_t d = tn - tr;
  if (d < 0) d = 0;
  int32_t m = 100 - d;
  if (m < 1) m = 1;
  // m / 5 is 0 from d = 96 on, so d * (m / 5) stays small and cannot overflow.
  const int32_t v = d * (m / 5) * 4;
  return static_cast<float>(5.0 * std::sqrt(static_cast<double>(v) + 1.0));
}

int32_t CpuLoadEstimator::Add(float sample) {
  if (average_ < 0.0f) {
    average_ = sample;
  } else {
    average_ = static_cast<float>(0.8 * average_ + 0.2 * sample);
  }
  if (average_ > 100.0f) average_ = 100.0f;
  return static_cast<int32_t>(average_);
}

}  // namespace orvane
