#include "app/palettes.h"

#include <array>

namespace orvane {

namespace {

constexpr std::array kProcessButtons{
    PaletteButton{"ToolProcess0Stop", "Stop", "Terminate Process", kGlyphStop,
                  Command::kProcessStop, true},
    PaletteButton{"ToolProcess0Inc", "Inc", "Increase Process Priority", kGlyphInc,
                  Command::kProcessInc, true},
    PaletteButton{"ToolProcess0Dec", "Dec", "Decrease Process Priority", kGlyphDec,
                  Command::kProcessDec, true},
    PaletteButton{"ToolProcess0Show", "Show", "Show Process MainWindow", kGlyphProcessShow,
                  Command::kProcessShow, true},
    PaletteButton{"ToolProcess0Hide", "Hide", "Hide Process MainWindow", kGlyphProcessHide,
                  Command::kProcessHide, true},
    PaletteButton{"ToolProcess0Max", "Max", "Maximize Process MainWindow", kGlyphProcessMax,
                  Command::kProcessMax, true},
    PaletteButton{"ToolProcess0Min", "Min", "Minimize Process MainWindow", kGlyphProcessMin,
                  Command::kProcessMin, true},
    PaletteButton{"ToolProcess0Norm", "Norm", "Normalize Process MainWindow", kGlyphProcessNorm,
                  Command::kProcessNorm, true},
};

constexpr std::array kComputerButtons{
    PaletteButton{"ToolComputer0Run", "Run", "Start Program", kGlyphRun, Command::kComputerRun,
                  true},
    PaletteButton{"ToolComputer0Restart", "Restart", "Autostart Program", kGlyphRestart,
                  Command::kComputerRestart, true},
};

constexpr std::array kWindowButtons{
    PaletteButton{"ToolWindow0Close", "Close", "Close Window", kGlyphWindowClose,
                  Command::kWindowClose, true},
    PaletteButton{"ToolWindow0Show", "Show", "Show Window", kGlyphWindowShow, Command::kWindowShow,
                  true},
    PaletteButton{"ToolWindow0Hide", "Hide", "Hide Window", kGlyphWindowHide, Command::kWindowHide,
                  true},
    PaletteButton{"ToolWindow0Max", "Max", "Maximize Window", kGlyphWindowMax, Command::kWindowMax,
                  true},
    PaletteButton{"ToolWindow0Min", "Min", "Minimize Window", kGlyphWindowMin, Command::kWindowMin,
                  true},
    PaletteButton{"ToolWindow0Norm", "Norm", "Normalize Window", kGlyphWindowNorm,
                  Command::kWindowNorm, true},
};

constexpr std::array kGeneralButtons{
    PaletteButton{"ToolGeneral0Search", "Search", "Search", kGlyphSearch, Command::kGeneralSearch,
                  true},
    PaletteButton{"ToolGeneral0Refresh", "Refresh", "Refresh View", kGlyphRefresh,
                  Command::kGeneralRefresh, true},
    PaletteButton{"ToolGeneral0Print", "Print", "Print View", kGlyphPrint, Command::kGeneralPrint,
                  true},
    PaletteButton{"ToolGeneral0Log", "Log", "Log Events", kGlyphLog, Command::kGeneralLog, true},
};

// The Common palette repeats the most used buttons of the others, bound to their handlers.
constexpr std::array kCommonButtons{
    PaletteButton{"ToolCommon0Run", "Run", "Start Program", kGlyphRun, Command::kComputerRun, true},
    PaletteButton{"ToolCommon0Stop", "Stop", "Terminate Process", kGlyphStop, Command::kProcessStop,
                  true},
    PaletteButton{"ToolCommon0Inc", "Inc", "Increase Process Priority", kGlyphInc,
                  Command::kProcessInc, true},
    PaletteButton{"ToolCommon0Dec", "Dec", "Decrease Process Priority", kGlyphDec,
                  Command::kProcessDec, true},
    PaletteButton{"ToolCommon0Show", "Show", "Show Process MainWindow", kGlyphProcessShow,
                  Command::kProcessShow, true},
    PaletteButton{"ToolCommon0Hide", "Hide", "Hide Process MainWindow", kGlyphProcessHide,
                  Command::kProcessHide, true},
    PaletteButton{"ToolCommon0Search", "Search", "Search", kGlyphSearch, Command::kGeneralSearch,
                  true},
    PaletteButton{"ToolCommon0Refresh", "Refresh", "Refresh View", kGlyphRefresh,
                  Command::kGeneralRefresh, true},
};

constexpr std::array kPalettes{
    Palette{PaletteId::kComputer, "ToolComputer", "Computer", "ShowComputerPalette1",
            "Show Computer Palette", kComputerButtons},
    Palette{PaletteId::kProcess, "ToolProcess", "Process", "ShowProcessPalette1",
            "Show Process Palette", kProcessButtons},
    Palette{PaletteId::kWindow, "ToolWindow", "Window", "ShowWindowPalette1", "Show Window Palette",
            kWindowButtons},
    Palette{PaletteId::kGeneral, "ToolGeneral", "General", "ShowGeneralPalette1",
            "Show General Palette", kGeneralButtons},
    Palette{PaletteId::kCommon, "ToolCommon", "Common", "ShowCommonPalette1", "Show Common Palette",
            kCommonButtons},
};

constexpr std::array kDefaultArrangement{
    PalettePlacement{PaletteId::kComputer, DockSite::kDockBig, 0, 0, false},
    PalettePlacement{PaletteId::kProcess, DockSite::kDockBig, 0, 0, false},
    PalettePlacement{PaletteId::kWindow, DockSite::kDockBig, 0, 0, false},
    PalettePlacement{PaletteId::kGeneral, DockSite::kDockBig, 0, 0, false},
    PalettePlacement{PaletteId::kCommon, DockSite::kDockBig, 0, 0, true},
};

}  // namespace

std::span<const Palette> Palettes() {
  return kPalettes;
}

const Palette& PaletteById(PaletteId id) {
  return kPalettes[static_cast<std::size_t>(id)];
}

PaletteLayout LayoutFor(int32_t hostHeight, bool floating) {
  return floating || hostHeight < kLargeLayoutMinHeight ? PaletteLayout::kSmall
                                                        : PaletteLayout::kLarge;
}

int32_t ButtonSize(PaletteLayout layout) {
  return layout == PaletteLayout::kLarge ? kLargeButtonSize : kSmallButtonSize;
}

int32_t GlyphSize(PaletteLayout layout) {
  return layout == PaletteLayout::kLarge ? 32 : 24;
}

ButtonPlace PlaceButton(const PaletteButton& button, int32_t index, PaletteLayout layout) {
  const int32_t size = ButtonSize(layout);
  return {index * size, 0, size, layout == PaletteLayout::kLarge ? button.caption : ""};
}

int32_t PaletteWidth(int32_t count, PaletteLayout layout) {
  return count * ButtonSize(layout);
}

std::span<const PalettePlacement> DefaultArrangement() {
  return kDefaultArrangement;
}

}  // namespace orvane
