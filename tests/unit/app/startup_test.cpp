#include "app/startup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvane {
namespace {

TEST(Startup, SingleInstanceRuleAndCommandLineDialog) {
  EXPECT_TRUE(AppliesSingleInstanceRule({}));
  EXPECT_TRUE(AppliesSingleInstanceRule({"notray"}));
  EXPECT_FALSE(AppliesSingleInstanceRule({"stop", "notepad.exe"}));
  EXPECT_TRUE(OpensCommandLineDialog({"notray", "x"}));
  EXPECT_FALSE(OpensCommandLineDialog({"notray"}));
  // Any first word with a second argument: the dialog carries out or reports it.
  EXPECT_TRUE(OpensCommandLineDialog({"stop", "x"}));
  EXPECT_TRUE(OpensCommandLineDialog({"NOTRAY", "x", "3"}));
  EXPECT_FALSE(OpensCommandLineDialog({"stop"}));
  EXPECT_FALSE(OpensCommandLineDialog({}));
}

TEST(Startup, AStartInPlaceOfTheTaskManagerIsAPlainStart) {
  const struct {
    std::vector<std::string> arguments;
    bool asTaskManager;  // also: the single-instance rule applies, no command-line dialog
  } cases[] = {
      {{"C:\\Windows\\system32\\taskmgr.exe"}, true},
      // Current versions of Windows add a switch, or more.
      {{"C:\\Windows\\system32\\taskmgr.exe", "/4"}, true},
      {{"C:\\Windows\\system32\\taskmgr.exe", "/4", "x"}, true},
      {{"c:\\WINDOWS\\System32\\TaskMgr.EXE", "/7"}, true},
      {{"D:\\other folder\\taskmgr.exe", "/4"}, true},
      {{"C:/Windows/System32/taskmgr.exe", "/4"}, true},
      // Quoted, when the quotes reach the argument; without a folder or an extension.
      {{"\"C:\\Program Files\\taskmgr.exe\"", "/4"}, true},
      {{" \"taskmgr.exe\" "}, true},
      {{"taskmgr", "/4"}, true},
      // Anything else keeps its own rule: a command for the dialog, or a plain start.
      {{"C:\\Windows\\system32\\taskmgr.exe.bak", "/4"}, false},
      {{"C:\\Windows\\system32\\mytaskmgr.exe", "/4"}, false},
      {{"C:\\taskmgr.exe\\notray", "x"}, false},
      {{"notray", "C:\\Windows\\system32\\taskmgr.exe"}, false},
      {{"", "/4"}, false},
      {{"\"\"", "/4"}, false},
  };
  for (const auto& c : cases) {
    std::string name;
    for (const std::string& a : c.arguments) name += "[" + a + "]";
    SCOPED_TRACE(name);
    EXPECT_EQ(StartsAsTaskManager(c.arguments), c.asTaskManager);
    EXPECT_EQ(AppliesSingleInstanceRule(c.arguments), c.asTaskManager || c.arguments.size() < 2);
    EXPECT_EQ(OpensCommandLineDialog(c.arguments), !c.asTaskManager && c.arguments.size() >= 2);
  }
}

}  // namespace
}  // namespace orvane
