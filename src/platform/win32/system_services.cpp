#include "platform/win32/system_services.h"

#include <windows.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace orvane::win32 {

namespace {

HKEY RootKey(RegistryRoot root) {
  return root == RegistryRoot::kCurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
}

REGSAM ViewOf(RegistryRoot root) {
  if (root == RegistryRoot::kLocalMachine32) return KEY_WOW64_32KEY;
  return root == RegistryRoot::kLocalMachine64 ? KEY_WOW64_64KEY : 0;
}

bool IsText(DWORD type) {
  return type == REG_SZ || type == REG_EXPAND_SZ;
}

// An existing key opened with the given rights; never created.
class OpenKey {
 public:
  OpenKey(RegistryRoot root, std::string_view path, REGSAM access = KEY_READ) {
    const std::string p(path);
    if (RegOpenKeyExA(RootKey(root), p.c_str(), 0, access | ViewOf(root), &key_) != ERROR_SUCCESS) {
      key_ = nullptr;
    }
  }
  ~OpenKey() {
    if (key_) RegCloseKey(key_);
  }
  OpenKey(const OpenKey&) = delete;
  OpenKey& operator=(const OpenKey&) = delete;
  HKEY get() const { return key_; }

 private:
  HKEY key_ = nullptr;  // owned
};

std::optional<std::string> QueryText(HKEY key, const char* name) {
  DWORD type = 0;
  DWORD size = 0;
  if (RegQueryValueExA(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
      !IsText(type)) {
    return std::nullopt;
  }
  // The value may change between the two calls: read until the buffer holds it.
  std::vector<char> buffer(size + 1);
  for (;;) {
    size = static_cast<DWORD>(buffer.size() - 1);
    const LONG rc =
        RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size);
    if (rc == ERROR_MORE_DATA) {
      buffer.resize(size + 1);
      continue;
    }
    if (rc != ERROR_SUCCESS || !IsText(type)) return std::nullopt;
    break;
  }
  // Stored strings need not be terminated; stop at the first terminator if there is one.
  buffer[size] = '\0';
  return std::string(buffer.data());
}

// Names are at most 16383 characters, which a double-byte code page can make twice as many
// bytes.
constexpr std::size_t kNameBufferLimit = 2 * 16384;

// Calls each(name, type) for the entries 0, 1, ... that enumerate(index, buffer, &length,
// &type) reports, until it reports no more. The buffer grows whenever a name does not fit,
// so every name arrives whole.
template <typename Enumerate, typename Each>
void EnumNames(Enumerate enumerate, Each each) {
  std::vector<char> name(256);
  for (DWORD index = 0;;) {
    DWORD length = static_cast<DWORD>(name.size());
    DWORD type = 0;
    const LONG rc = enumerate(index, name.data(), &length, &type);
    if (rc == ERROR_MORE_DATA && name.size() < kNameBufferLimit) {
      name.resize(std::min(name.size() * 4, kNameBufferLimit));
      continue;
    }
    if (rc != ERROR_SUCCESS) return;
    each(std::string(name.data(), length), type);
    ++index;
  }
}

// A date and time as the user's regional settings render them, separated by one blank.
std::string DateTimeOf(const SYSTEMTIME& at) {
  char date[128] = {};
  char time[128] = {};
  GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &at, nullptr, date, sizeof date);
  GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &at, nullptr, time, sizeof time);
  return std::string(date) + " " + time;
}

// A short setting of the user's locale; fallback when it cannot be read.
using LocaleText = std::array<char, 16>;
LocaleText UserLocaleText(LCTYPE type, const char* fallback) {
  LocaleText text{};
  if (GetLocaleInfoA(LOCALE_USER_DEFAULT, type, text.data(), static_cast<int>(text.size())) <= 0) {
    text = {};
    std::strncpy(text.data(), fallback, text.size() - 1);
  }
  return text;
}

// The locale's grouping ("3;0", "3;2;0", "3") as a number format wants it (3, 32, 30): the
// digits in order, with a last 0 for a last group that does not repeat.
UINT GroupingNumber(const char* grouping) {
  UINT number = 0;
  const char* last = grouping;
  for (const char* c = grouping; *c; ++c) {
    if (*c < '0' || *c > '9') continue;
    number = number * 10 + static_cast<UINT>(*c - '0');
    last = c;
  }
  return *last == '0' ? number / 10 : number * 10;
}

}  // namespace

std::optional<std::string> Win32Registry::ReadString(RegistryRoot root, std::string_view key,
                                                     std::string_view name) {
  OpenKey k(root, key);
  if (!k.get()) return std::nullopt;
  return QueryText(k.get(), std::string(name).c_str());
}

std::optional<uint32_t> Win32Registry::ReadDword(RegistryRoot root, std::string_view key,
                                                 std::string_view name) {
  OpenKey k(root, key);
  if (!k.get()) return std::nullopt;
  const std::string n(name);
  DWORD type = 0;
  DWORD value = 0;
  DWORD size = sizeof value;
  if (RegQueryValueExA(k.get(), n.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value),
                       &size) != ERROR_SUCCESS ||
      type != REG_DWORD || size != sizeof value) {
    return std::nullopt;
  }
  return value;
}

bool Win32Registry::HasValue(RegistryRoot root, std::string_view key, std::string_view name) {
  OpenKey k(root, key);
  const std::string n(name);
  return k.get() &&
         RegQueryValueExA(k.get(), n.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

bool Win32Registry::CreateKey(RegistryRoot root, std::string_view key) {
  const std::string path(key);
  HKEY created = nullptr;
  if (RegCreateKeyExA(RootKey(root), path.c_str(), 0, nullptr, 0, KEY_SET_VALUE | ViewOf(root),
                      nullptr, &created, nullptr) != ERROR_SUCCESS) {
    return false;
  }
  RegCloseKey(created);
  return true;
}

bool Win32Registry::WriteString(RegistryRoot root, std::string_view key, std::string_view name,
                                std::string_view data) {
  OpenKey k(root, key, KEY_SET_VALUE);
  if (!k.get()) return false;
  const std::string n(name);
  const std::string d(data);
  return RegSetValueExA(k.get(), n.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(d.c_str()),
                        static_cast<DWORD>(d.size() + 1)) == ERROR_SUCCESS;
}

bool Win32Registry::DeleteValue(RegistryRoot root, std::string_view key, std::string_view name) {
  OpenKey k(root, key, KEY_SET_VALUE);
  const std::string n(name);
  return k.get() && RegDeleteValueA(k.get(), n.c_str()) == ERROR_SUCCESS;
}

std::vector<RegistryValue> Win32Registry::EnumValues(RegistryRoot root, std::string_view key) {
  std::vector<RegistryValue> values;
  OpenKey k(root, key);
  if (!k.get()) return values;
  EnumNames(
      [&](DWORD index, char* name, DWORD* length, DWORD* type) {
        return RegEnumValueA(k.get(), index, name, length, nullptr, type, nullptr, nullptr);
      },
      [&](std::string name, DWORD type) {
        RegistryValue value{std::move(name), false, {}};
        if (IsText(type)) {
          // A value that vanished or changed its type since it was listed counts as not text.
          if (auto text = QueryText(k.get(), value.name.c_str())) {
            value.isText = true;
            value.text = std::move(*text);
          }
        }
        values.push_back(std::move(value));
      });
  return values;
}

std::vector<std::string> Win32Registry::EnumSubkeys(RegistryRoot root, std::string_view key) {
  std::vector<std::string> names;
  OpenKey k(root, key);
  if (!k.get()) return names;
  EnumNames(
      [&](DWORD index, char* name, DWORD* length, DWORD*) {
        return RegEnumKeyExA(k.get(), index, name, length, nullptr, nullptr, nullptr, nullptr);
      },
      [&](std::string name, DWORD) { names.push_back(std::move(name)); });
  return names;
}

uint32_t Win32Clock::TickCount() {
  return GetTickCount();
}

void Win32Clock::Sleep(uint32_t milliseconds) {
  ::Sleep(milliseconds);
}

std::string Win32Clock::NowText() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return DateTimeOf(now);
}

std::string Win32Clock::DateTimeText(uint64_t fileTime) {
  const FILETIME utc{static_cast<DWORD>(fileTime), static_cast<DWORD>(fileTime >> 32)};
  SYSTEMTIME universal, local;
  if (!FileTimeToSystemTime(&utc, &universal) ||
      !SystemTimeToTzSpecificLocalTime(nullptr, &universal, &local)) {
    return {};
  }
  return DateTimeOf(local);
}

std::string Win32Locale::Lower(std::string_view text) {
  std::string s(text);
  if (!s.empty()) CharLowerBuffA(s.data(), static_cast<DWORD>(s.size()));
  return s;
}

Win32Locale::NumberFormat Win32Locale::CurrentFormat() {
  const std::lock_guard lock(mutex_);
  const uint64_t now = GetTickCount64();
  if (formatRead_ == 0 || now - formatRead_ >= 1000) {
    format_.thousand = UserLocaleText(LOCALE_STHOUSAND, ",");
    format_.decimal = UserLocaleText(LOCALE_SDECIMAL, ".");
    format_.grouping = GroupingNumber(UserLocaleText(LOCALE_SGROUPING, "3;0").data());
    formatRead_ = std::max<uint64_t>(now, 1);
  }
  return format_;
}

std::string Win32Locale::GroupDigits(uint64_t value) {
  const std::string digits = std::to_string(value);
  NumberFormat current = CurrentFormat();
  NUMBERFMTA format{0, 1, current.grouping, current.decimal.data(), current.thousand.data(), 1};
  char text[64];
  if (GetNumberFormatA(LOCALE_USER_DEFAULT, 0, digits.c_str(), &format, text, sizeof text) <= 0) {
    return digits;
  }
  return text;
}

}  // namespace orvane::win32
