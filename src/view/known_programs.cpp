#include "view/known_programs.h"

#include <iterator>

namespace orvane {

namespace {

// clang-format off
constexpr KnownProgram kRows[] = {
    {"cdplayer.exe", false, "Windows Audio-CD player"},
    {"csrss.exe", true, "Client-server run-time server subsystem (cannot be modified in NT/2000, owned by system)"},
    {"excel.exe", false, "Microsoft Excel"},
    {"explorer.exe", true, "Windows graphical shell (Start-menu, taskbar, desktop-icons...)"},
    {"iexplore.exe", false, "Microsoft Internet Explorer WebBrowser"},
    {"internat.exe", true, "The input local task bar icon"},
    {"inetinfo.exe", false, "Part of Microsoft Internet Infomation Services (IIS) (used for debugging)"},
    {"irmon.exe", false, "Monitors infrared port activity"},
    {"kernel32.dll", true, "The kernel provides system services for managing threads, memory, and resources"},
    {"loadwc.exe", false, "Customizing settings in Internet Explorer"},
    {"lsass.exe", true, "Local Security Authority server process (cannot be modified in NT/2000, owned by system)"},
    {"mdm.exe", true, "Machine Debug Manager (application debugging)"},
    {"mmtask.tsk", true, "Multimedia background task support module"},
    {"mplayer.exe", false, "Windows Media Player"},
    {"mplayer2.exe", false, "Windows Media Player"},
    {"mprexe.exe", true, "Routes incoming network requests to the appropriate network provider"},
    {"msgsrv32.exe", true, "Load windows drivers at start up and starts shell (Program Manager)"},
    {"msimn.exe", false, "Microsoft Outlook Express"},
    {"mspaint.exe", false, "Microsoft Paint"},
    {"mstask.exe", true, "Windows Task Scheduler (cannot be modified in NT/2000, owned by system)"},
    {"netscape.exe", false, "Netscape Web Browser"},
    {"notepad.exe", false, "Notepad Editor"},
    {"ntvdm.exe", false, "Virtual Machine for 16-bit and Dos programs"},
    {"osa.exe", false, "Part of Microsoft Office 2000 (improves performance)"},
    {"outlook.exe", false, "Microsoft Outlook"},
    {"powerpnt.exe", false, "Microsoft PowerPoint"},
    {"regsvc.exe", true, "(cannot be modified in NT/2000, owned by system)"},
    {"rnaapp.exe", false, "Windows Modem Connection"},
    {"services.exe", true, "Service controller and services (cannot be modified in NT/2000, owned by system)"},
    {"smss.exe", true, "Session Manager subsystem (cannot be modified in NT/2000, owned by system)"},
    {"sndrec32.exe", false, "Windows Sound Recorder"},
    {"sndvol32.exe", false, "Windows Volume Control"},
    {"snmp.exe", true, "SNMP Service; proxy agent that listens for requests and hands them off to the appropriate network provider"},
    {"spool32.exe", true, "Windows spooler (Printer job handling)"},
    {"spoolsv.exe", true, "Windows spooler (Printer job handling) (cannot be modified in NT/2000, owned by system)"},
    {"svchost.exe", true, "A generic host process for services that are run from dynamic-link libraries (DLLs) (cannot be modified in NT/2000, owned by system)"},
    {"system", true, "System Process (cannot be modified in NT/2000, owned by system)"},
    {"[system process]", true, "System Process (cannot be modified in NT/2000, owned by system)"},
    {"systray.exe", false, "Windows power-management (Energy saving functions...)"},
    {"taskmon.exe", true, "System Disk Optimization"},
    {"tcpsvcs.exe", true, "TCP/IP Services application (cannot be modified in NT/2000, owned by system)"},
    {"winlogon.exe", true, "Windows NT Logon utility (cannot be modified in NT/2000, owned by system)"},
    {"winamp.exe", false, "WinAmp MP3-Player"},
    {"winmgmt.exe", true, "Windows Management Applications.... (cannot be modified in NT/2000, owned by system)"},
    {"winoa386.mod", false, "Windows console application (MS-DOS, Scripts ...)"},
    {"winword.exe", false, "Microsoft Word"},
    {"winzip.exe", false, "WinZip"},
    {"wordpad.exe", false, "Wordpad Editor"},
    {"ddhelp.exe", true, "???"},
};
// clang-format on

}  // namespace

KnownPrograms::KnownPrograms(Locale& locale) : locale_(locale) {
  rows_.reserve(std::size(kRows));
  // A later row with an equal name replaces the earlier one.
  for (const KnownProgram& row : kRows) rows_[row.name] = &row;
}

const KnownProgram* KnownPrograms::Find(std::string_view text) const {
  // The whole name, byte for byte: no trimming, no directory or extension stripped.
  const std::string lower = locale_.Lower(text);
  auto found = rows_.find(lower);
  return found == rows_.end() ? nullptr : found->second;
}

std::string_view KnownPrograms::DescribeProgram(std::string_view text) const {
  const KnownProgram* row = Find(text);
  return row != nullptr ? row->description : std::string_view();
}

bool KnownPrograms::IsSystemProgram(std::string_view text) const {
  const KnownProgram* row = Find(text);
  return row != nullptr && row->system;
}

}  // namespace orvane
