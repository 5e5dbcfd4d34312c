#pragma once
// The main window's command handlers, as ids that the palette and menu tables bind to.

#include <cstdint>

namespace orvane {

enum class Command : int32_t {
  // Object commands: ObjectCommands handles them.
  kProcessStop,  // ToolProcess0StopClick
  kProcessInc,   // ToolProcess0IncClick
  kProcessDec,   // ToolProcess0DecClick
  kProcessShow,  // ToolProcess0ShowClick
  kProcessHide,  // ToolProcess0HideClick
  kProcessMax,   // ToolProcess0MaxClick
  kProcessMin,   // ToolProcess0MinClick
  kProcessNorm,  // ToolProcess0NormClick
  kWindowClose,  // ToolWindow0CloseClick
  kWindowShow,   // ToolWindow0ShowClick
  kWindowHide,   // ToolWindow0HideClick
  kWindowMax,    // ToolWindow0MaxClick
  kWindowMin,    // ToolWindow0MinClick
  kWindowNorm,   // ToolWindow0NormClick
  kStop1,        // Stop1Click (Edit > Stop, Delete)
  kShow1,        // Show1Click (Edit > Show, Ctrl+S)
  kHide1,        // Hide1Click (Edit > Hide, Ctrl+H)
  kAskBefore1,   // Askbefore1Click (Settings > Ask before terminate)
  // The main window's own handlers.
  kGeneralRefresh,  // ToolGeneral0RefreshClick
  // Handlers that open a tool dialog.
  kComputerRun,      // ToolComputer0RunClick: the run-program dialog
  kComputerRestart,  // ToolComputer0RestartClick: the startup-entries manager
  kGeneralSearch,    // ToolGeneral0SearchClick
  kGeneralPrint,     // ToolGeneral0PrintClick
  kGeneralLog,       // ToolGeneral0LogClick
  kAbout1,           // About1Click (Help > About): the about box
};

// The handler's name, for tests and diagnostics.
const char* CommandName(Command command);

}  // namespace orvane
