// The registry double against the same contract that the Win32 adapter meets under Wine.
#include <gtest/gtest.h>

#include "contracts/registry_contract.h"
#include "doubles/fake_platform.h"

namespace orvane {
namespace {

using testing::FakeRegistry;

TEST(FakeRegistry, KeepsTheRegistryContractAndCanRefuseWrites) {
  FakeRegistry registry;
  const auto root = RegistryRoot::kCurrentUser;
  const std::string key = "Software\\OrvaneTests\\Contract";
  registry.AddKey(root, key);
  registry.AddKey(RegistryRoot::kLocalMachine, key + "\\Other");
  testing::RegistrySetUp setUp{[&](RegistryRoot r, const std::string& k) { registry.AddKey(r, k); },
                               [&](RegistryRoot r, const std::string& k, const std::string& n,
                                   uint32_t v) { registry.SetDword(r, k, n, v); }};
  testing::CheckRegistryContract(registry, setUp, root, key);
  EXPECT_TRUE(registry.EnumValues(RegistryRoot::kLocalMachine, key).empty()) << "roots apart";

  registry.refuseWrites = true;
  EXPECT_FALSE(registry.WriteString(root, key, "Alpha", "tool.exe"));
  EXPECT_FALSE(registry.DeleteValue(root, key, "Alpha"));
  EXPECT_FALSE(registry.CreateKey(root, key + "\\Refused"));
  EXPECT_FALSE(registry.HasKey(root, key + "\\Refused"));
  EXPECT_EQ(registry.ReadString(root, key, "Alpha"), "explorer.exe");
}

}  // namespace
}  // namespace orvane
