#include "app/main_menu.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>
#include <vector>

namespace orvane {
namespace {

std::string Words(std::string_view caption) {
  std::string words;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&') ++i;
    if (i < caption.size()) words += caption[i];
  }
  return words;
}

// Every menu, the bar included: each item has an access letter of its own within its menu, so
// pressing the letter picks that item and no other.
void ExpectOwnLetters(std::span<const MenuItem> menu, const std::string& path,
                      std::vector<std::string>& captions) {
  std::set<char> letters;
  for (const MenuItem& item : menu) {
    if (item.caption.empty()) continue;  // a separator
    const std::string name = path + Words(item.caption);
    captions.push_back(name);
    const char letter = AccessLetter(item.caption);
    EXPECT_TRUE(std::isalnum(static_cast<unsigned char>(letter))) << name;
    EXPECT_TRUE(letters.insert(letter).second) << name << " repeats " << letter;
    EXPECT_EQ(item.caption.find('&', item.caption.find('&') + 1), std::string_view::npos)
        << name << " has one '&'";
    EXPECT_NE(item.id == 0, item.submenu.empty()) << name;
    ExpectOwnLetters(item.submenu, name + " > ", captions);
  }
}

TEST(MainMenu, EveryItemHasItsOwnAccessLetterAndKeepsItsWords) {
  std::vector<std::string> captions;
  ExpectOwnLetters(MainMenu(), "", captions);
  const std::vector<std::string> expected{"File",
                                          "File > Exit",
                                          "Edit",
                                          "Edit > Stop",
                                          "Edit > Increase",
                                          "Edit > Decrease",
                                          "Edit > Show",
                                          "Edit > Hide",
                                          "View",
                                          "View > Reset Workspace",
                                          "View > Refresh",
                                          "View > Search",
                                          "View > Log Events",
                                          "View > Print Objects",
                                          "View > Views",
                                          "View > Views > Show Object Info",
                                          "View > Views > Show Navigation Tree",
                                          "View > Palettes",
                                          "View > Palettes > Show Common Palette",
                                          "View > Palettes > Show Computer Palette",
                                          "View > Palettes > Show Process Palette",
                                          "View > Palettes > Show Window Palette",
                                          "View > Palettes > Show General Palette",
                                          "Settings",
                                          "Settings > Ask before terminate",
                                          "Settings > Add traybar icon",
                                          "Settings > Trap CTRL ALT DEL",
                                          "Settings > Trap CTRL ALT SHIFT",
                                          "Settings > Trap LEFTSHIFT RIGHTSHIFT",
                                          "Help",
                                          "Help > Help",
                                          "Help > About"};
  EXPECT_EQ(captions, expected);
  // Alt+V, P opens the palettes, not the report.
  EXPECT_EQ(AccessLetter(MainMenu()[2].submenu.back().caption), 'P');
}

TEST(MainMenu, AccessLetterIsTheFirstSingleAmpersandsCharacter) {
  EXPECT_EQ(AccessLetter("S&how"), 'H');
  EXPECT_EQ(AccessLetter("Save && &Quit"), 'Q');
  EXPECT_EQ(AccessLetter("Tom && Jerry"), 0);
  EXPECT_EQ(AccessLetter("Exit"), 0);
  EXPECT_EQ(AccessLetter("Trailing&"), 0);
  EXPECT_EQ(AccessLetter(""), 0);
}

}  // namespace
}  // namespace orvane
