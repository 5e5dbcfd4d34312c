#include "app/command_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "app/palettes.h"

namespace orvane {
namespace {

// The main window dispatches by the id's range: from kMenuCommand a Command, from
// kMenuShowPalette a palette's toggle, below that its own items.
TEST(CommandTable, EveryCommandHasOneRowWithAnIdOfItsOwnAndCanBeReached) {
  std::set<Command> onPalettes;
  for (const Palette& palette : Palettes()) {
    for (const PaletteButton& button : palette.buttons) onPalettes.insert(button.command);
  }
  std::set<int32_t> ids;
  for (const CommandRow& row : CommandTable()) {
    SCOPED_TRACE(std::string(row.handler) + " " + std::string(row.caption));
    if (row.id == 0) {  // a separator
      EXPECT_TRUE(row.caption.empty() && row.shortcut.empty() && !row.menu.empty());
      continue;
    }
    EXPECT_TRUE(ids.insert(row.id).second) << "repeats the id " << row.id;
    EXPECT_EQ(FindCommand(row.id), &row);
    EXPECT_TRUE(row.handler.ends_with("Click"));
    EXPECT_EQ(row.menu.empty(), row.caption.empty());
    EXPECT_TRUE(row.shortcut.empty() || !row.menu.empty()) << "a key is shown on its item";
    if (row.id >= kMenuCommand) {
      const auto command = static_cast<Command>(row.id - kMenuCommand);
      EXPECT_LT(row.id, kMenuCommand + kCommandCount);
      EXPECT_TRUE(!row.menu.empty() || onPalettes.contains(command)) << "reached by nothing";
    } else if (row.id >= kMenuShowPalette) {
      EXPECT_LT(row.id - kMenuShowPalette, static_cast<int32_t>(Palettes().size()));
    } else {
      EXPECT_GE(row.id, kMenuExit);
      EXPECT_FALSE(row.menu.empty()) << "reached by nothing";
    }
  }
  for (int32_t value = 0; value < kCommandCount; ++value) {
    const auto command = static_cast<Command>(value);
    EXPECT_EQ(RowOf(command).id, CommandId(command));
  }
  for (const Palette& palette : Palettes()) {
    const CommandRow* toggle = FindCommand(PaletteMenuId(palette.id));
    ASSERT_NE(toggle, nullptr) << palette.name;
    EXPECT_EQ(toggle->handler, "Show" + std::string(palette.caption) + "Palette1Click");
  }
  // Ids that no command sends, such as a control's: no row, and an unknown Command none either.
  for (int32_t id : {-1, 0, 14, kMenuExit - 1, kMenuHighlightChanges + 1, kMenuShowPalette - 1,
                     kMenuShowPalette + 5, kMenuCommand - 1, kMenuCommand + kCommandCount}) {
    EXPECT_EQ(FindCommand(id), nullptr) << id;
  }
  EXPECT_EQ(RowOf(static_cast<Command>(kCommandCount)).id, 0);
  EXPECT_TRUE(RowOf(static_cast<Command>(-1)).handler.empty());
}

// The keys as the accelerator table has always had them, each once, each from the text its
// menu item shows.
TEST(CommandTable, EveryKeyIsTheOneItsMenuItemShows) {
  std::vector<std::pair<Shortcut, int32_t>> keys;
  for (const CommandRow& row : CommandTable()) {
    if (row.shortcut.empty()) continue;
    const std::optional<Shortcut> key = ParseShortcut(row.shortcut);
    ASSERT_TRUE(key) << row.shortcut;
    keys.emplace_back(*key, row.id);
  }
  const std::vector<std::pair<Shortcut, int32_t>> expected{
      {{0x2E}, CommandId(Command::kStop1)},
      {{0x2E, false, true}, kMenuStopTree},
      {{'I', true}, CommandId(Command::kProcessInc)},
      {{'D', true}, CommandId(Command::kProcessDec)},
      {{'S', true}, CommandId(Command::kShow1)},
      {{'H', true}, CommandId(Command::kHide1)},
      {{'F', true}, kMenuFindWindow},
      {{'M', true}, kMenuMoveOnScreen},
      {{'C', true}, kMenuCopy},
      {{0x74}, CommandId(Command::kGeneralRefresh)},
      {{0x75}, kMenuPauseUpdates},
      {{0x72}, CommandId(Command::kGeneralSearch)},
      {{0x70}, kMenuHelp},
  };
  EXPECT_EQ(keys, expected);

  const std::pair<std::string_view, std::optional<Shortcut>> texts[] = {
      {"Del", Shortcut{0x2E}},
      {"F1", Shortcut{0x70}},
      {"F12", Shortcut{0x7B}},
      {"Ctrl+Z", Shortcut{'Z', true}},
      {"Ctrl+7", Shortcut{'7', true}},
      {"Shift+Del", Shortcut{0x2E, false, true}},
      {"Shift+F6", Shortcut{0x75, false, true}},
      {"Shift+", std::nullopt},
      {"Shift+Ctrl+C", std::nullopt},
      {"Shift+Shift+Del", std::nullopt},
      {"shift+Del", std::nullopt},
      {"", std::nullopt},
      {"Delete", std::nullopt},
      {"Ctrl+", std::nullopt},
      {"Ctrl+i", std::nullopt},
      {"Ctrl+IJ", std::nullopt},
      {"Alt+X", std::nullopt},
      {"F", std::nullopt},
      {"F0", std::nullopt},
      {"F05", std::nullopt},
      {"F13", std::nullopt},
      {"F1x", std::nullopt},
      {"f5", std::nullopt},
  };
  for (const auto& [text, key] : texts) EXPECT_EQ(ParseShortcut(text), key) << text;
}

}  // namespace
}  // namespace orvane
