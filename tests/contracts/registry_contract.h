#pragma once
// What every Registry does, the real one and the double alike: run natively against the
// double and under Wine against the Win32 adapter, so that the two cannot drift apart.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/registry.h"

namespace orvane::testing {

// What the seam itself cannot set up: keys, and values of another type than text.
struct RegistrySetUp {
  std::function<void(RegistryRoot root, const std::string& key)> addKey;
  std::function<void(RegistryRoot root, const std::string& key, const std::string& name,
                     uint32_t value)>
      addDword;
};

// key: an existing, empty key below root. The values are written in alphabetical order,
// which is the enumeration order of both Windows (order of creation) and Wine (sorted).
inline void CheckRegistryContract(Registry& registry, const RegistrySetUp& setUp, RegistryRoot root,
                                  const std::string& key) {
  const std::string missing = key + "\\Missing";
  EXPECT_FALSE(registry.WriteString(root, missing, "Tool", "tool.exe"));
  EXPECT_TRUE(registry.EnumSubkeys(root, key).empty()) << "a write never creates its key";
  EXPECT_TRUE(registry.EnumValues(root, missing).empty());
  EXPECT_TRUE(registry.EnumSubkeys(root, missing).empty());
  EXPECT_FALSE(registry.DeleteValue(root, missing, "Tool"));
  EXPECT_FALSE(registry.HasValue(root, missing, "Tool"));

  const std::string longData(3 * 260, 'D');
  const std::string longName(16383, 'N');
  ASSERT_TRUE(registry.WriteString(root, key, "Alpha", "C:\\Tools\\tool.exe /min"));
  ASSERT_TRUE(registry.WriteString(root, key, "Beta", longData));
  setUp.addDword(root, key, "Gamma", 7);
  ASSERT_TRUE(registry.WriteString(root, key, longName, ""));
  ASSERT_TRUE(registry.WriteString(root, key, "ALPHA", "explorer.exe")) << "replaces Alpha";

  EXPECT_EQ(registry.ReadString(root, key, "alpha"), "explorer.exe");
  EXPECT_EQ(registry.ReadString(root, key, "Beta"), longData);
  EXPECT_EQ(registry.ReadString(root, key, longName), "");
  EXPECT_EQ(registry.ReadString(root, key, "Gamma"), std::nullopt);
  EXPECT_EQ(registry.ReadDword(root, key, "Gamma"), 7u);
  EXPECT_TRUE(registry.HasValue(root, key, "gamma"));
  EXPECT_TRUE(registry.HasValue(root, key, longName));
  EXPECT_FALSE(registry.HasValue(root, key, "Delta"));

  const std::vector<RegistryValue> values = registry.EnumValues(root, key);
  ASSERT_EQ(values.size(), 4u);
  EXPECT_EQ(values[0].name, "Alpha") << "a replaced value keeps its name";
  EXPECT_TRUE(values[0].isText);
  EXPECT_EQ(values[0].text, "explorer.exe");
  EXPECT_EQ(values[1].name, "Beta");
  EXPECT_EQ(values[1].text, longData);
  EXPECT_EQ(values[2].name, "Gamma");
  EXPECT_FALSE(values[2].isText);
  EXPECT_EQ(values[2].text, "");
  EXPECT_EQ(values[3].name, longName);
  EXPECT_TRUE(values[3].isText);

  setUp.addKey(root, key + "\\Zeta");
  setUp.addKey(root, key + "\\Eta\\Inner");
  EXPECT_EQ(registry.EnumSubkeys(root, key), (std::vector<std::string>{"Eta", "Zeta"}));
  EXPECT_TRUE(registry.WriteString(root, key + "\\eta", "Tool", "tool.exe"));
  EXPECT_EQ(registry.EnumValues(root, key).size(), 4u) << "subkeys are not values";

  EXPECT_TRUE(registry.DeleteValue(root, key, "beta"));
  EXPECT_FALSE(registry.DeleteValue(root, key, "Beta")) << "already gone";
  EXPECT_EQ(registry.ReadString(root, key, "Beta"), std::nullopt);
  EXPECT_TRUE(registry.DeleteValue(root, key, "Gamma")) << "values of any type";
  ASSERT_EQ(registry.EnumValues(root, key).size(), 2u);
  EXPECT_EQ(registry.EnumValues(root, key)[1].name, longName);

  // Creating a key makes the missing keys above it; creating one that is there changes nothing.
  const std::string inner = key + "\\Theta\\Inner";
  EXPECT_TRUE(registry.CreateKey(root, inner));
  EXPECT_EQ(registry.EnumSubkeys(root, key), (std::vector<std::string>{"Eta", "Theta", "Zeta"}));
  EXPECT_TRUE(registry.WriteString(root, inner, "Tool", "tool.exe"));
  EXPECT_TRUE(registry.CreateKey(root, key + "\\theta\\INNER"));
  EXPECT_EQ(registry.ReadString(root, inner, "Tool"), "tool.exe");
}

}  // namespace orvane::testing
