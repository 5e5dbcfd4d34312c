// The performance window with real painting, sizing and keys: a point per cycle, graphs that
// follow the window's size, and Escape and the close box hiding it.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "dialogs/performance/win32/performance_dlg.h"
#include "win/support/pixels.h"
#include "win/support/test_process.h"

namespace orvane {
namespace {

using testing::Pixels;
using testing::PumpUntil;

// A cycle of alternating loads: even cycles idle with the memory full, odd ones the reverse.
PerformanceSample Cycle(int i) {
  const bool busy = i % 2 != 0;
  PerformanceSample sample{busy ? 100.0 : 0.0, busy ? 0u : 100u, {}};
  for (int p = 0; p < 7; ++p) {
    sample.top.push_back({"process" + std::to_string(p) + ".exe", std::to_string(p) + ".5",
                          std::to_string(p + 1) + ",024 K"});
  }
  return sample;
}

TEST(PerformanceDlgWin, TakesAPointPerCycleFollowsItsSizeAndHidesByEscapeAndCloseBox) {
  win32::PerformanceDlg dialog;
  dialog.Create(nullptr);
  EXPECT_FALSE(dialog.IsVisible()) << "made hidden";
  EXPECT_EQ(dialog.GetText(), "Performance");
  EXPECT_TRUE(dialog.CpuPoints().empty());

  for (int i = 0; i < 130; ++i) {
    SCOPED_TRACE(i);
    dialog.AddSample(Cycle(i));
    if (i == 3) dialog.FormShow();
    const PerformanceLayout layout = dialog.Layout();
    const auto cpu = dialog.CpuPoints();
    const auto memory = dialog.MemoryPoints();
    ASSERT_EQ(cpu.size(), std::min<std::size_t>(i + 1, kPerformanceHistory));
    ASSERT_EQ(memory.size(), cpu.size());
    // The newest at the right edge; a full load on the graph's top row, none on its bottom one.
    EXPECT_EQ(cpu.back().x, layout.cpuGraph.right - 1);
    EXPECT_EQ(cpu.back().y, i % 2 ? layout.cpuGraph.top : layout.cpuGraph.bottom - 1);
    EXPECT_EQ(memory.back().y, i % 2 ? layout.memoryGraph.bottom - 1 : layout.memoryGraph.top);
    if (cpu.size() > 1) {
      EXPECT_LT(cpu[cpu.size() - 2].x, cpu.back().x);
    }
  }
  EXPECT_EQ(dialog.History().Top().size(), kTopProcesses);
  EXPECT_EQ(dialog.History().CpuText(), "CPU Usage: 100%");
  EXPECT_EQ(dialog.History().MemoryText(), "Memory Usage: 0%");
  ASSERT_TRUE(dialog.IsVisible());
  dialog.Update();

  // Larger, the graphs widen and the oldest point goes to the new left edge.
  const RECT large{60, 50, 760, 650};
  dialog.SetBounds(large);
  const RECT bounds = dialog.Bounds();
  EXPECT_EQ(bounds.left, large.left);
  EXPECT_EQ(bounds.top, large.top);
  EXPECT_EQ(bounds.right, large.right);
  EXPECT_EQ(bounds.bottom, large.bottom);
  const PerformanceLayout wide = dialog.Layout();
  EXPECT_EQ(dialog.CpuPoints().front().x, wide.cpuGraph.left);
  EXPECT_EQ(dialog.CpuPoints().back().x, wide.cpuGraph.right - 1);
  EXPECT_GT(wide.cpuGraph.Width(), 600);
  dialog.Update();

  // Too small a rectangle gives the smallest window that still shows both graphs and the list.
  dialog.SetBounds({60, 50, 70, 60});
  const RECT small = dialog.Bounds();
  EXPECT_GT(small.right - small.left, 10);
  const PerformanceLayout least = dialog.Layout();
  EXPECT_GT(least.cpuGraph.Height(), 0);
  EXPECT_GT(least.memoryGraph.Height(), 0);
  EXPECT_LE(least.top.bottom, dialog.ClientRect().bottom);

  // Escape hides it, and the figures go on arriving while it is hidden.
  MSG escape{dialog, WM_KEYDOWN, VK_ESCAPE, 0, 0, {}};
  EXPECT_TRUE(winui::DialogBase::PreTranslate(escape));
  EXPECT_FALSE(dialog.IsVisible());
  dialog.AddSample(Cycle(0));
  EXPECT_EQ(dialog.CpuPoints().back().y, dialog.Layout().cpuGraph.bottom - 1);

  // The close box hides it too; the window stays, with what it had.
  dialog.FormShow();
  ASSERT_TRUE(dialog.IsVisible());
  dialog.SendMessage(WM_CLOSE);
  EXPECT_TRUE(PumpUntil([&] { return !dialog.IsVisible(); }, 5000));
  EXPECT_TRUE(dialog.IsValid());
  EXPECT_EQ(dialog.CpuPoints().size(), kPerformanceHistory);
}

TEST(PerformanceDlgWin, ACycleLeavesWhatAWholePaintWouldShow) {
  win32::PerformanceDlg dialog;
  dialog.Create(nullptr);
  dialog.SetBounds({40, 40, 460, 500});
  dialog.FormShow();
  dialog.Update();
  // A cycle draws only what changed over the last picture: new names, figures, loads, rows
  // that went, and lines that leap, rise a little or stay flat.
  std::vector<PerformanceSample> cycles = {Cycle(1), Cycle(2), Cycle(2), Cycle(3)};
  cycles[2].cpuLoad = 37.4;
  cycles[2].top.resize(2);
  cycles[2].top[1] = {"a program with a very long name indeed.exe", "12.5", "1,204,880 K"};
  cycles[3].top.clear();
  for (const auto& [cpu, memory] : {std::pair{50.0, 40u}, {50.0, 40u}, {51.0, 41u}, {0.0, 40u}}) {
    cycles.push_back({cpu, memory, {}});
  }
  for (std::size_t i = 0; i < cycles.size(); ++i) {
    dialog.AddSample(cycles[i]);
    const auto drawn = Pixels(dialog);
    InvalidateRect(dialog, nullptr, FALSE);
    dialog.Update();
    EXPECT_TRUE(Pixels(dialog) == drawn) << "cycle " << i;
  }
}

// Not a check: keeps the window on screen with a few dozen cycles for a screenshot, e.g.
//   win_tests.exe --gtest_also_run_disabled_tests --gtest_filter=*PerformanceScreenshot*
TEST(PerformanceDlgWin, DISABLED_PerformanceScreenshot) {
  win32::PerformanceDlg dialog;
  dialog.Create(nullptr);
  dialog.SetBounds({40, 40, 460, 500});
  // Shown first, so that the cycles draw over the window's picture as they do in use.
  dialog.FormShow();
  for (int i = 0; i < 48; ++i) {
    PerformanceSample sample{20 + 15 * std::sin(i / 4.0) + (i % 7) * 3, uint32_t(40 + i / 3), {}};
    sample.top = {{"orvn2k.exe", "12.5", "3,412 K"},
                  {"explorer.exe", "4.0", "18,220 K"},
                  {"a program with a very long name indeed.exe", "1.5", "1,204,880 K"},
                  {"services.exe", "0.5", "2,100 K"},
                  {"winlogon.exe", "0.0", "840 K"}};
    dialog.AddSample(sample);
    PumpUntil([] { return false; }, 20);
  }
  PumpUntil([] { return false; }, 8000);
}

}  // namespace
}  // namespace orvane
