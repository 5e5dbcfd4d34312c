#include "view/names.h"

#include <gtest/gtest.h>

#include "doubles/fake_platform.h"
#include "view/known_programs.h"

namespace orvane {
namespace {

TEST(PriorityName, BandEdgesOnWindows2000AndElsewhere) {
  struct Case {
    int32_t priority;
    const char* w2k;
    const char* other;
  };
  const Case cases[] = {
      {0, "Low", "Idle"},
      {4, "Low", "Idle"},
      {5, "Below Normal", "Normal"},
      {6, "Below Normal", "Normal"},
      {7, "Normal", "Normal"},
      {8, "Normal", "Normal"},
      {9, "Normal", "Normal"},
      {10, "Above Normal", "High"},
      {12, "Above Normal", "High"},
      {13, "High", "High"},
      {18, "High", "High"},
      {19, "Realtime", "Realtime"},
      {24, "Realtime", "Realtime"},
      {124, "Realtime", "Realtime"},
      {125, "Unknown", "Unknown"},
      {-1, "Unknown", "Unknown"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PriorityName(c.priority, 5), c.w2k) << c.priority;
    for (int32_t os : {0, 1, 2, 4}) EXPECT_EQ(PriorityName(c.priority, os), c.other) << c.priority;
  }
}

TEST(PriorityImage, BandEdges) {
  EXPECT_EQ(PriorityImage(0), 0);
  EXPECT_EQ(PriorityImage(4), 0);
  EXPECT_EQ(PriorityImage(6), 0);
  EXPECT_EQ(PriorityImage(7), 1);
  EXPECT_EQ(PriorityImage(9), 1);
  EXPECT_EQ(PriorityImage(10), 2);
  EXPECT_EQ(PriorityImage(13), 2);
  EXPECT_EQ(PriorityImage(14), 3);
  EXPECT_EQ(PriorityImage(24), 3);
  EXPECT_EQ(PriorityImage(-1), 3);  // unsigned: far above every band
}

TEST(WindowNames, StateAndVisibility) {
  EXPECT_EQ(ShowStateName(0), "Minimized");
  EXPECT_EQ(ShowStateName(1), "Maximized");
  EXPECT_EQ(ShowStateName(2), "Normal");
  EXPECT_EQ(ShowStateName(3), "Unknown State");
  EXPECT_EQ(ShowStateName(-1), "Unknown State");
  EXPECT_EQ(VisibilityName(0), "Invisible");
  EXPECT_EQ(VisibilityName(1), "Visible");
  EXPECT_EQ(VisibilityName(255), "Visible");
}

TEST(KnownPrograms, LooksUpWholeNamesAfterLowerCasing) {
  testing::FakeLocale locale;
  const KnownPrograms programs(locale);
  EXPECT_EQ(programs.size(), 49u);
  for (const char* name : {"csrss.exe", "CSRSS.EXE", "CsRsS.exe"}) {
    EXPECT_TRUE(programs.IsSystemProgram(name)) << name;
    EXPECT_EQ(programs.DescribeProgram(name),
              "Client-server run-time server subsystem (cannot be modified in NT/2000, owned by "
              "system)");
  }
  EXPECT_TRUE(programs.IsSystemProgram("System"));
  EXPECT_TRUE(programs.IsSystemProgram("[System Process]"));
  EXPECT_EQ(programs.DescribeProgram("[System Process]"), programs.DescribeProgram("system"));
  EXPECT_TRUE(programs.IsSystemProgram("ddhelp.exe"));
  EXPECT_EQ(programs.DescribeProgram("ddhelp.exe"), "???");
  EXPECT_EQ(programs.DescribeProgram("regsvc.exe"),
            "(cannot be modified in NT/2000, owned by system)");
  EXPECT_FALSE(programs.IsSystemProgram("notepad.exe"));
  EXPECT_EQ(programs.DescribeProgram("Notepad.EXE"), "Notepad Editor");
  EXPECT_EQ(programs.DescribeProgram("kernel32.dll"),
            "The kernel provides system services for managing threads, memory, and resources");
  EXPECT_EQ(programs.DescribeProgram("snmp.exe"),
            "SNMP Service; proxy agent that listens for requests and hands them off to the "
            "appropriate network provider");

  // No trimming, no directory or extension stripped; misses are stable.
  for (const char* miss : {"notepad", "notepad.exe ", "c:\\windows\\notepad.exe", "", "tray.exe"}) {
    for (int again = 0; again < 2; ++again) {
      EXPECT_FALSE(programs.IsSystemProgram(miss)) << miss;
      EXPECT_EQ(programs.DescribeProgram(miss), "") << miss;
    }
  }
}

TEST(KnownPrograms, CountsTwentyFourSystemRows) {
  testing::FakeLocale locale;
  const KnownPrograms programs(locale);
  const char* names[] = {
      "cdplayer.exe", "csrss.exe",    "excel.exe",        "explorer.exe", "iexplore.exe",
      "internat.exe", "inetinfo.exe", "irmon.exe",        "kernel32.dll", "loadwc.exe",
      "lsass.exe",    "mdm.exe",      "mmtask.tsk",       "mplayer.exe",  "mplayer2.exe",
      "mprexe.exe",   "msgsrv32.exe", "msimn.exe",        "mspaint.exe",  "mstask.exe",
      "netscape.exe", "notepad.exe",  "ntvdm.exe",        "osa.exe",      "outlook.exe",
      "powerpnt.exe", "regsvc.exe",   "rnaapp.exe",       "services.exe", "smss.exe",
      "sndrec32.exe", "sndvol32.exe", "snmp.exe",         "spool32.exe",  "spoolsv.exe",
      "svchost.exe",  "system",       "[system process]", "systray.exe",  "taskmon.exe",
      "tcpsvcs.exe",  "winlogon.exe", "winamp.exe",       "winmgmt.exe",  "winoa386.mod",
      "winword.exe",  "winzip.exe",   "wordpad.exe",      "ddhelp.exe"};
  int system = 0;
  for (const char* name : names) {
    EXPECT_NE(programs.DescribeProgram(name), "") << name;
    system += programs.IsSystemProgram(name) ? 1 : 0;
  }
  EXPECT_EQ(system, 24);
}

}  // namespace
}  // namespace orvane
