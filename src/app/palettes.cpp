#include "app/palettes.h"

#include <array>

namespace orvane {

namespace {

constexpr std::array kProcessButtons{
    PaletteButton{"ToolProcess0Stop", "Stop", "Terminate Process", kGlyphStop,
                  Command::kProcessStop},
    PaletteButton{"ToolProcess0Inc", "Inc", "Increase Process Priority", kGlyphInc,
                  Command::kProcessInc},
    PaletteButton{"ToolProcess0Dec", "Dec", "Decrease Process Priority", kGlyphDec,
                  Command::kProcessDec},
    PaletteButton{"ToolProcess0Show", "Show", "Show Process MainWindow", kGlyphProcessShow,
                  Command::kProcessShow},
    PaletteButton{"ToolProcess0Hide", "Hide", "Hide Process MainWindow", kGlyphProcessHide,
                  Command::kProcessHide},
    PaletteButton{"ToolProcess0Max", "Max", "Maximize Process MainWindow", kGlyphProcessMax,
                  Command::kProcessMax},
    PaletteButton{"ToolProcess0Min", "Min", "Minimize Process MainWindow", kGlyphProcessMin,
                  Command::kProcessMin},
    PaletteButton{"ToolProcess0Norm", "Norm", "Normalize Process MainWindow", kGlyphProcessNorm,
                  Command::kProcessNorm},
};

constexpr std::array kComputerButtons{
    PaletteButton{"ToolComputer0Run", "Run", "Start Program", kGlyphRun, Command::kComputerRun},
    PaletteButton{"ToolComputer0Restart", "Restart", "Autostart Program", kGlyphRestart,
                  Command::kComputerRestart},
};

constexpr std::array kWindowButtons{
    PaletteButton{"ToolWindow0Close", "Close", "Close Window", kGlyphWindowClose,
                  Command::kWindowClose},
    PaletteButton{"ToolWindow0Show", "Show", "Show Window", kGlyphWindowShow, Command::kWindowShow},
    PaletteButton{"ToolWindow0Hide", "Hide", "Hide Window", kGlyphWindowHide, Command::kWindowHide},
    PaletteButton{"ToolWindow0Max", "Max", "Maximize Window", kGlyphWindowMax, Command::kWindowMax},
    PaletteButton{"ToolWindow0Min", "Min", "Minimize Window", kGlyphWindowMin, Command::kWindowMin},
    PaletteButton{"ToolWindow0Norm", "Norm", "Normalize Window", kGlyphWindowNorm,
                  Command::kWindowNorm},
};

constexpr std::array kGeneralButtons{
    PaletteButton{"ToolGeneral0Search", "Search", "Search", kGlyphSearch, Command::kGeneralSearch},
    PaletteButton{"ToolGeneral0Refresh", "Refresh", "Refresh View", kGlyphRefresh,
                  Command::kGeneralRefresh},
    PaletteButton{"ToolGeneral0Print", "Print", "Print View", kGlyphPrint, Command::kGeneralPrint},
    PaletteButton{"ToolGeneral0Log", "Log", "Log Events", kGlyphLog, Command::kGeneralLog},
};

// The Common palette repeats the most used buttons of the others, bound to their handlers.
constexpr std::array kCommonButtons{
    PaletteButton{"ToolCommon0Run", "Run", "Start Program", kGlyphRun, Command::kComputerRun},
    PaletteButton{"ToolCommon0Stop", "Stop", "Terminate Process", kGlyphStop,
                  Command::kProcessStop},
    PaletteButton{"ToolCommon0Inc", "Inc", "Increase Process Priority", kGlyphInc,
                  Command::kProcessInc},
    PaletteButton{"ToolCommon0Dec", "Dec", "Decrease Process Priority", kGlyphDec,
                  Command::kProcessDec},
    PaletteButton{"ToolCommon0Show", "Show", "Show Process MainWindow", kGlyphProcessShow,
                  Command::kProcessShow},
    PaletteButton{"ToolCommon0Hide", "Hide", "Hide Process MainWindow", kGlyphProcessHide,
                  Command::kProcessHide},
    PaletteButton{"ToolCommon0Search", "Search", "Search", kGlyphSearch, Command::kGeneralSearch},
    PaletteButton{"ToolCommon0Refresh", "Refresh", "Refresh View", kGlyphRefresh,
                  Command::kGeneralRefresh},
};

constexpr std::array kPalettes{
    Palette{PaletteId::kComputer, "ToolComputer", "Computer", kComputerButtons},
    Palette{PaletteId::kProcess, "ToolProcess", "Process", kProcessButtons},
    Palette{PaletteId::kWindow, "ToolWindow", "Window", kWindowButtons},
    Palette{PaletteId::kGeneral, "ToolGeneral", "General", kGeneralButtons},
    Palette{PaletteId::kCommon, "ToolCommon", "Common", kCommonButtons},
};

// The hidden palettes float, staggered over the main window's first place, so that showing one
// from the View menu brings it up where it can be seen and dragged to a bar.
constexpr std::array kDefaultArrangement{
    PalettePlacement{PaletteId::kComputer, DockSite::kFloating, 340, 260, false},
    PalettePlacement{PaletteId::kProcess, DockSite::kFloating, 370, 300, false},
    PalettePlacement{PaletteId::kWindow, DockSite::kFloating, 400, 340, false},
    PalettePlacement{PaletteId::kGeneral, DockSite::kFloating, 430, 380, false},
    PalettePlacement{PaletteId::kCommon, DockSite::kDockBig, 0, 0, true},
};

}  // namespace

std::span<const Palette> Palettes() {
  return kPalettes;
}

const Palette& PaletteById(PaletteId id) {
  return kPalettes[static_cast<std::size_t>(id)];
}

PaletteLayout LayoutFor(int32_t hostHeight, bool floating, int dpi) {
  return floating || hostHeight < Scale(kLargeLayoutMinHeight, dpi) ? PaletteLayout::kSmall
                                                                    : PaletteLayout::kLarge;
}

int32_t ButtonSize(PaletteLayout layout, int dpi) {
  return Scale(layout == PaletteLayout::kLarge ? kLargeButtonSize : kSmallButtonSize, dpi);
}

int32_t GlyphSize(PaletteLayout layout, int dpi) {
  return Scale(layout == PaletteLayout::kLarge ? 32 : 24, dpi);
}

ButtonPlace PlaceButton(const PaletteButton& button, int32_t index, PaletteLayout layout, int dpi) {
  const int32_t size = ButtonSize(layout, dpi);
  return {index * size, 0, size, layout == PaletteLayout::kLarge ? button.caption : ""};
}

int32_t PaletteWidth(int32_t count, PaletteLayout layout, int dpi) {
  return count * ButtonSize(layout, dpi);
}

std::span<const PalettePlacement> DefaultArrangement() {
  return kDefaultArrangement;
}

}  // namespace orvane
