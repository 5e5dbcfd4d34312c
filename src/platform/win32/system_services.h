#pragma once
// Win32 adapters of the registry, clock and locale seams.

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
};

}  // namespace orvane::win32
