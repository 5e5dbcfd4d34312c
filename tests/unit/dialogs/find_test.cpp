// The crosshair drag of Find Window: what is outlined, erased and found, step by step.
#include "dialogs/find/find.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvane {
namespace {

using Strings = std::vector<std::string>;

// Logs the outlines and the windows shown, and checks that no outline is drawn over another.
class Recorder : public OutlinePainter, public FoundWindowTarget {
 public:
  Strings log;
  bool drawn = false;
  void DrawOutline(uint32_t window) override {
    EXPECT_FALSE(drawn) << "drawn over an outline still there";
    drawn = true;
    log.push_back("draw " + std::to_string(window));
  }
  void EraseOutline() override {
    EXPECT_TRUE(drawn) << "erased what was not drawn";
    drawn = false;
    log.push_back("erase");
  }
  void RevealWindow(const PointedWindow& window) override {
    log.push_back("reveal " + std::to_string(window.window) + " of " +
                  std::to_string(window.processId) + "/" + std::to_string(window.threadId));
  }
};

constexpr uint32_t kOwnProcess = 10;
constexpr PointedWindow kNotepad{100, 20, 21};
constexpr PointedWindow kCalc{200, 30, 31};
constexpr PointedWindow kOwnWindow{300, kOwnProcess, 11};
constexpr PointedWindow kDesktop{};

TEST(WindowFinder, OutlinesOneWindowAtATimeAndErasesItHoweverTheDragEnds) {
  enum Step { kBegin, kMove, kRelease, kCancel };
  const struct {
    const char* what;
    std::vector<std::pair<Step, PointedWindow>> steps;
    Strings log;
  } cases[] = {
      {"over notepad, released there",
       {{kBegin, {}}, {kMove, kNotepad}, {kMove, kNotepad}, {kRelease, kNotepad}},
       {"draw 100", "erase", "reveal 100 of 20/21"}},
      {"from one window to another, released on the second without a move there",
       {{kBegin, {}}, {kMove, kNotepad}, {kMove, kCalc}, {kRelease, kNotepad}},
       {"draw 100", "erase", "draw 200", "erase", "reveal 100 of 20/21"}},
      {"over our own window and the desktop: no outline, nothing found",
       {{kBegin, {}},
        {kMove, kNotepad},
        {kMove, kOwnWindow},
        {kMove, kDesktop},
        {kRelease, kOwnWindow},
        {kRelease, kNotepad}},
       {"draw 100", "erase"}},
      {"released over the desktop", {{kBegin, {}}, {kRelease, kDesktop}}, {}},
      {"cancelled by Escape: nothing found, later moves and releases ignored",
       {{kBegin, {}}, {kMove, kCalc}, {kCancel, {}}, {kMove, kNotepad}, {kRelease, kNotepad}},
       {"draw 200", "erase"}},
      {"moves and releases without a press",
       {{kMove, kNotepad}, {kRelease, kNotepad}, {kCancel, {}}},
       {}},
      {"pressed again mid-drag: the outline goes first",
       {{kBegin, {}}, {kMove, kCalc}, {kBegin, {}}, {kMove, kCalc}, {kRelease, kCalc}},
       {"draw 200", "erase", "draw 200", "erase", "reveal 200 of 30/31"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Recorder recorder;
    WindowFinder finder(recorder, recorder, kOwnProcess);
    for (const auto& [step, pointed] : c.steps) {
      switch (step) {
        case kBegin:
          finder.Begin();
          break;
        case kMove:
          finder.Move(pointed);
          EXPECT_EQ(finder.Outlined(),
                    finder.Dragging() && pointed.processId != kOwnProcess ? pointed.window : 0u);
          break;
        case kRelease:
          finder.Release(pointed);
          break;
        case kCancel:
          finder.Cancel();
          break;
      }
    }
    EXPECT_EQ(recorder.log, c.log);
    EXPECT_FALSE(recorder.drawn) << "an outline was left behind";
    EXPECT_FALSE(finder.Dragging());
  }
}

}  // namespace
}  // namespace orvane
