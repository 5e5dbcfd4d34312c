#pragma once
// Win32 adapters of the registry, clock and locale seams.

#include <array>
#include <cstdint>
#include <mutex>

#include "platform/clock.h"
#include "platform/registry.h"

namespace orvane::win32 {

class Win32Registry : public Registry {
 public:
  std::optional<std::string> ReadString(RegistryRoot root, std::string_view key,
                                        std::string_view name) override;
  std::optional<uint32_t> ReadDword(RegistryRoot root, std::string_view key,
                                    std::string_view name) override;
  bool HasValue(RegistryRoot root, std::string_view key, std::string_view name) override;
  bool CreateKey(RegistryRoot root, std::string_view key) override;
  bool WriteString(RegistryRoot root, std::string_view key, std::string_view name,
                   std::string_view data) override;
  bool DeleteValue(RegistryRoot root, std::string_view key, std::string_view name) override;
  std::vector<RegistryValue> EnumValues(RegistryRoot root, std::string_view key) override;
  std::vector<std::string> EnumSubkeys(RegistryRoot root, std::string_view key) override;
};

class Win32Clock : public Clock {
 public:
  uint32_t TickCount() override;
  void Sleep(uint32_t milliseconds) override;
  std::string NowText() override;
  std::string DateTimeText(uint64_t fileTime) override;
};

class Win32Locale : public Locale {
 public:
  std::string Lower(std::string_view text) override;
  std::string GroupDigits(uint64_t value) override;

 private:
  // The user's digit grouping, read again at most once a second: the list writes hundreds of
  // numbers a cycle, and each reading asks the system three times.
  struct NumberFormat {
    std::array<char, 16> thousand{};
    std::array<char, 16> decimal{};
    unsigned grouping = 0;
  };
  NumberFormat CurrentFormat();
  std::mutex mutex_;  // the collector's thread shares the locale
  NumberFormat format_;
  uint64_t formatRead_ = 0;  // the tick count of the last reading; 0: none yet
};

}  // namespace orvane::win32
