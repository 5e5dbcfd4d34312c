// The registry, clock and locale adapters against Wine's real services.
#include "platform/win32/system_services.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "contracts/registry_contract.h"

namespace orvane {
namespace {

TEST(RegistryWin, ReadsStringsAndDwordsAndRefusesOtherTypes) {
  const char* path = "Software\\OrvaneTests\\Registry";
  HKEY key;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                            nullptr),
            ERROR_SUCCESS);
  const std::string text = "Windows 10 Pro";
  const std::string longText(5000, 'L');
  const DWORD number = 10;
  const BYTE blob[3] = {1, 2, 3};
  const char unterminated[4] = {'a', 'b', 'c', 'd'};
  RegSetValueExA(key, "Text", 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                 static_cast<DWORD>(text.size() + 1));
  RegSetValueExA(key, "Long", 0, REG_SZ, reinterpret_cast<const BYTE*>(longText.c_str()),
                 static_cast<DWORD>(longText.size() + 1));
  RegSetValueExA(key, "Raw", 0, REG_SZ, reinterpret_cast<const BYTE*>(unterminated), 4);
  RegSetValueExA(key, "Number", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), 4);
  RegSetValueExA(key, "Blob", 0, REG_BINARY, blob, 3);
  RegCloseKey(key);

  win32::Win32Registry registry;
  const auto root = RegistryRoot::kCurrentUser;
  EXPECT_EQ(registry.ReadString(root, path, "Text"), text);
  EXPECT_EQ(registry.ReadString(root, path, "Long"), longText);
  EXPECT_EQ(registry.ReadString(root, path, "Raw"), "abcd");
  EXPECT_EQ(registry.ReadDword(root, path, "Number"), 10u);
  EXPECT_EQ(registry.ReadString(root, path, "Number"), std::nullopt);
  EXPECT_EQ(registry.ReadDword(root, path, "Text"), std::nullopt);
  EXPECT_EQ(registry.ReadString(root, path, "Blob"), std::nullopt);
  EXPECT_EQ(registry.ReadDword(root, path, "Blob"), std::nullopt);
  EXPECT_EQ(registry.ReadString(root, path, "Missing"), std::nullopt);
  EXPECT_EQ(registry.ReadString(root, "Software\\OrvaneTests\\NoSuchKey", "Text"), std::nullopt);
  RegDeleteKeyA(HKEY_CURRENT_USER, path);
}

TEST(RegistryWin, KeepsTheRegistryContractWithoutCreatingKeys) {
  const char* path = "Software\\OrvaneTests\\Contract";
  RegDeleteTreeA(HKEY_CURRENT_USER, path);  // what an interrupted run left
  HKEY created;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                            &created, nullptr),
            ERROR_SUCCESS);
  RegCloseKey(created);
  auto open = [](RegistryRoot root, const std::string& key) {
    HKEY k = nullptr;
    RegCreateKeyExA(root == RegistryRoot::kCurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE,
                    key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k, nullptr);
    return k;
  };
  testing::RegistrySetUp setUp{
      [&](RegistryRoot root, const std::string& key) { RegCloseKey(open(root, key)); },
      [&](RegistryRoot root, const std::string& key, const std::string& name, uint32_t value) {
        HKEY k = open(root, key);
        const DWORD v = value;
        RegSetValueExA(k, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&v), sizeof v);
        RegCloseKey(k);
      }};
  win32::Win32Registry registry;
  testing::CheckRegistryContract(registry, setUp, RegistryRoot::kCurrentUser, path);
  HKEY missing = nullptr;
  EXPECT_NE(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\OrvaneTests\\Contract\\Missing", 0,
                          KEY_READ, &missing),
            ERROR_SUCCESS);
  RegDeleteTreeA(HKEY_CURRENT_USER, path);
}

TEST(LocaleWin, LowerCasesWithTheAnsiCodePageAndTheClockRendersDateAndTime) {
  win32::Win32Locale locale;
  EXPECT_EQ(locale.Lower("C:\\Tools\\My.Prog.EXE"), "c:\\tools\\my.prog.exe");
  EXPECT_EQ(locale.Lower("\xC4RGER.EXE"), "\xE4rger.exe");  // A-umlaut in code page 1252
  EXPECT_EQ(locale.Lower(""), "");
  win32::Win32Clock clock;
  const std::string now = clock.NowText();
  EXPECT_NE(now.find(' '), std::string::npos);
  EXPECT_GT(now.size(), 8u);
}

TEST(LocaleWin, GroupsDigitsAndRendersAMomentAsTheUserWritesThem) {
  win32::Win32Locale locale;
  char separator[8] = {};
  ASSERT_GT(GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, separator, sizeof separator), 0);
  const std::string s(separator);
  EXPECT_EQ(locale.GroupDigits(1234567), "1" + s + "234" + s + "567");
  EXPECT_EQ(locale.GroupDigits(999), "999");
  EXPECT_EQ(locale.GroupDigits(0), "0");
  EXPECT_EQ(locale.GroupDigits(18446744073709551615ull),
            "18" + s + "446" + s + "744" + s + "073" + s + "709" + s + "551" + s + "615");
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  for (int i = 0; i < 1000; ++i) locale.GroupDigits(12345678);
  QueryPerformanceCounter(&end);
  std::printf("GroupDigits: %.2f us per call\n",
              1e3 * static_cast<double>(end.QuadPart - start.QuadPart) / frequency.QuadPart);

  win32::Win32Clock clock;
  // The current moment renders as the current time does (unless a second ends in between).
  std::string now, at;
  for (int tries = 0; tries < 3 && (now.empty() || now != at); ++tries) {
    FILETIME utc;
    GetSystemTimeAsFileTime(&utc);
    at = clock.DateTimeText((uint64_t{utc.dwHighDateTime} << 32) | utc.dwLowDateTime);
    now = clock.NowText();
  }
  EXPECT_EQ(at, now);
  EXPECT_EQ(clock.DateTimeText(UINT64_MAX), "") << "beyond what the system can render";
}

}  // namespace
}  // namespace orvane
