#include "winui/dll_search.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "win/support/test_process.h"

namespace orvane::winui {
namespace {

TEST(DllSearch, AfterTheRestrictionOnlySystemDllsLoadByName) {
  char old[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, old);
  ASSERT_TRUE(SetCurrentDirectoryA(testing::TestDirectory().c_str()));
  // Two copies of a planted DLL in the current folder: the usual search order finds one.
  HMODULE before = LoadLibraryA("planted_before.dll");
  EXPECT_NE(before, nullptr);
  RestrictDllSearch();
  EXPECT_EQ(LoadLibraryA("planted_after.dll"), nullptr);
  HMODULE system = LoadLibraryA("msimg32.dll");
  EXPECT_NE(system, nullptr);
  if (system) FreeLibrary(system);
  if (before) FreeLibrary(before);
  SetCurrentDirectoryA(old);
}

}  // namespace
}  // namespace orvane::winui
