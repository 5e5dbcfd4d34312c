#include "app/main_menu.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <span>
#include <string>
#include <vector>

namespace orvane {
namespace {

// An item as a line: its menu's path, its caption, then its key, id and check mark; a
// separator is "-".
std::string Line(const std::string& path, const MenuItem& item) {
  if (item.caption.empty()) return path + "-";
  std::string line = path + std::string(item.caption);
  if (!item.shortcut.empty()) line += "\t" + std::string(item.shortcut);
  if (item.id != 0) line += " #" + std::to_string(item.id);
  if (item.checked) line += " checked";
  return line;
}

// Every menu, the bar included: each item has an access letter of its own within its menu, so
// pressing the letter picks that item and no other.
void ExpectOwnLetters(std::span<const MenuItem> menu, const std::string& path,
                      std::vector<std::string>& lines) {
  std::set<char> letters;
  for (const MenuItem& item : menu) {
    lines.push_back(Line(path, item));
    if (item.caption.empty()) continue;  // a separator
    const std::string name = path + std::string(item.caption);
    const char letter = AccessLetter(item.caption);
    EXPECT_TRUE(std::isalnum(static_cast<unsigned char>(letter))) << name;
    EXPECT_TRUE(letters.insert(letter).second) << name << " repeats " << letter;
    EXPECT_EQ(item.caption.find('&', item.caption.find('&') + 1), std::string_view::npos)
        << name << " has one '&'";
    EXPECT_NE(item.id == 0, item.submenu.empty()) << name;
    ExpectOwnLetters(item.submenu, name + " > ", lines);
  }
}

// The menu as it has always been: the test drivers send these ids, and people know the letters
// and keys.
TEST(MainMenu, EveryItemHasItsOwnAccessLetterAndKeepsItsCaptionKeyIdAndCheck) {
  std::vector<std::string> lines;
  ExpectOwnLetters(MainMenu(), "", lines);
  const std::vector<std::string> expected{
      "&File",
      "&File > E&xit #100",
      "&Edit",
      "&Edit > &Stop\tDel #1014",
      "&Edit > Stop &Tree\tShift+Del #113",
      "&Edit > &Increase\tCtrl+I #1001",
      "&Edit > &Decrease\tCtrl+D #1002",
      "&Edit > Sho&w\tCtrl+S #1015",
      "&Edit > &Hide\tCtrl+H #1016",
      "&Edit > &Find Window\tCtrl+F #111",
      "&Edit > &Move On Screen\tCtrl+M #112",
      "&Edit > &Copy\tCtrl+C #114",
      "&View",
      "&View > Reset &Workspace #101",
      "&View > &Refresh\tF5 #1018",
      "&View > Pa&use Updates\tF6 #115",
      "&View > &Search\tF3 #1021",
      "&View > &Log Events #1023",
      "&View > Print &Objects #1022",
      "&View > Per&formance #110",
      "&View > -",
      "&View > &Views",
      "&View > &Views > Show &Object Info #102 checked",
      "&View > &Views > Show &Navigation Tree #103 checked",
      "&View > &Views > Show Process &Details #109",
      "&View > &Views > &Highlight Changes #116",
      "&View > &Palettes",
      "&View > &Palettes > Show &Common Palette #204 checked",
      "&View > &Palettes > Show C&omputer Palette #200 checked",
      "&View > &Palettes > Show &Process Palette #201 checked",
      "&View > &Palettes > Show &Window Palette #202 checked",
      "&View > &Palettes > Show &General Palette #203 checked",
      "&Settings",
      "&Settings > &Ask before terminate #1017 checked",
      "&Settings > Add traybar &icon #104 checked",
      "&Settings > Trap CTRL ALT &DEL #105",
      "&Settings > Trap CTRL ALT &SHIFT #106",
      "&Settings > Trap &LEFTSHIFT RIGHTSHIFT #107",
      "&Help",
      "&Help > &Help\tF1 #108",
      "&Help > &About #1024",
  };
  EXPECT_EQ(lines, expected);
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
