#include "app/command_ids.h"

namespace orvane {

const char* CommandName(Command command) {
  switch (command) {
    case Command::kProcessStop:
      return "ToolProcess0StopClick";
    case Command::kProcessInc:
      return "ToolProcess0IncClick";
    case Command::kProcessDec:
      return "ToolProcess0DecClick";
    case Command::kProcessShow:
      return "ToolProcess0ShowClick";
    case Command::kProcessHide:
      return "ToolProcess0HideClick";
    case Command::kProcessMax:
      return "ToolProcess0MaxClick";
    case Command::kProcessMin:
      return "ToolProcess0MinClick";
    case Command::kProcessNorm:
      return "ToolProcess0NormClick";
    case Command::kWindowClose:
      return "ToolWindow0CloseClick";
    case Command::kWindowShow:
      return "ToolWindow0ShowClick";
    case Command::kWindowHide:
      return "ToolWindow0HideClick";
    case Command::kWindowMax:
      return "ToolWindow0MaxClick";
    case Command::kWindowMin:
      return "ToolWindow0MinClick";
    case Command::kWindowNorm:
      return "ToolWindow0NormClick";
    case Command::kStop1:
      return "Stop1Click";
    case Command::kShow1:
      return "Show1Click";
    case Command::kHide1:
      return "Hide1Click";
    case Command::kAskBefore1:
      return "Askbefore1Click";
    case Command::kGeneralRefresh:
      return "ToolGeneral0RefreshClick";
    case Command::kComputerRun:
      return "ToolComputer0RunClick";
    case Command::kComputerRestart:
      return "ToolComputer0RestartClick";
    case Command::kGeneralSearch:
      return "ToolGeneral0SearchClick";
    case Command::kGeneralPrint:
      return "ToolGeneral0PrintClick";
    case Command::kGeneralLog:
      return "ToolGeneral0LogClick";
    case Command::kAbout1:
      return "About1Click";
  }
  return "";
}

}  // namespace orvane
