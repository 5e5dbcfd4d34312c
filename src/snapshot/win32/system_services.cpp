#include "snapshot/win32/system_services.h"

#include <windows.h>

#include <vector>

namespace orvane::win32 {

namespace {

HKEY RootKey(RegistryRoot root) {
  return root == RegistryRoot::kCurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
}

class OpenKey {
 public:
  OpenKey(RegistryRoot root, std::string_view path) {
    const std::string p(path);
    if (RegOpenKeyExA(RootKey(root), p.c_str(), 0, KEY_READ, &key_) != ERROR_SUCCESS) {
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

}  // namespace

std::optional<std::string> Win32Registry::ReadString(RegistryRoot root, std::string_view key,
                                                     std::string_view name) {
  OpenKey k(root, key);
  if (!k.get()) return std::nullopt;
  const std::string n(name);
  DWORD type = 0;
  DWORD size = 0;
  if (RegQueryValueExA(k.get(), n.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ)) {
    return std::nullopt;
  }
  // The value may change between the two calls: read until the buffer holds it.
  std::vector<char> buffer(size + 1);
  for (;;) {
    size = static_cast<DWORD>(buffer.size() - 1);
    const LONG rc = RegQueryValueExA(k.get(), n.c_str(), nullptr, &type,
                                     reinterpret_cast<BYTE*>(buffer.data()), &size);
    if (rc == ERROR_MORE_DATA) {
      buffer.resize(size + 1);
      continue;
    }
    if (rc != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return std::nullopt;
    break;
  }
  // Stored strings need not be terminated; stop at the first terminator if there is one.
  buffer[size] = '\0';
  return std::string(buffer.data());
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

uint32_t Win32Clock::TickCount() {
  return GetTickCount();
}

void Win32Clock::Sleep(uint32_t milliseconds) {
  ::Sleep(milliseconds);
}

std::string Win32Clock::NowText() {
  char date[128] = {};
  char time[128] = {};
  GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, date, sizeof date);
  GetTimeFormatA(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, time, sizeof time);
  return std::string(date) + " " + time;
}

std::string Win32Locale::Lower(std::string_view text) {
  std::string s(text);
  if (!s.empty()) CharLowerBuffA(s.data(), static_cast<DWORD>(s.size()));
  return s;
}

}  // namespace orvane::win32
