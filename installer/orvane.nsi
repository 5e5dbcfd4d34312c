; The Orvane 2000 installer. scripts/package builds it:
;   makensis -DVERSION=3.10.1 -DARCH=x64 -DSTAGE=<folder> -DOUTFILE=<setup.exe> orvane.nsi
; with absolute paths; STAGE holds exactly what is installed (orvn2k.exe, tray.exe, help\).
;
; A per-user install by default, into the user's own programs folder: the program keeps its
; state files beside itself, and a standard user cannot write under Program Files.

!if "${ARCH}" == "x64"
  Target amd64-unicode
!else
  Target x86-unicode
!endif

!include MUI2.nsh
!include FileFunc.nsh
!include WinMessages.nsh

!define PRODUCT "Orvane 2000"
!define PUBLISHER "Orvane"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
; The main window, found by its class and exact title; its class name alone is too common.
!define MAIN_CLASS "TMainForm"
!define MAIN_TITLE "Orvane 2000 Professional"
!define TRAY_TITLE "ORVANE2000TRAYWINDOW"
; Where Trap CTRL ALT DEL makes Windows start the program in place of its task manager.
!define TASKMGR_KEY "SOFTWARE\Microsoft\Windows NT\CurrentVersion\Image File Execution Options\taskmgr.exe"
!define SYNCHRONIZE 0x00100000

Name "${PRODUCT}"
OutFile "${OUTFILE}"
SetCompressor /SOLID lzma
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (C) ${PUBLISHER}"

!define MUI_ICON "../src/res/orvane.ico"
!define MUI_UNICON "../src/res/orvane.ico"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\orvn2k.exe"
!insertmacro MUI_PAGE_FINISH

!define MUI_COMPONENTSPAGE_TEXT_TOP "Orvane 2000 and its settings will be removed. Tick the box below to delete the list of the startup entries you removed as well."
!define MUI_COMPONENTSPAGE_NODESC
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; Asks every running copy of a window ($R0 class, $R1 title; empty matches any) to close, as
; the user would, and waits up to 5 seconds for its process to end, so that its files can be
; replaced or deleted. A window that stays open ends the search.
!macro CLOSE_WINDOWS_FUNCTION UN
  Function ${UN}CloseWindows
    next:
      FindWindow $0 $R0 $R1
      StrCmp $0 0 done
      System::Call 'user32::GetWindowThreadProcessId(p r0, *i .r2) i'
      System::Call 'kernel32::OpenProcess(i ${SYNCHRONIZE}, i 0, i r2) p .r3'
      SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=5000
      System::Call 'kernel32::WaitForSingleObject(p r3, i 5000) i'
      System::Call 'kernel32::CloseHandle(p r3) i'
      IsWindow $0 done next
    done:
  FunctionEnd
!macroend
!insertmacro CLOSE_WINDOWS_FUNCTION ""
!insertmacro CLOSE_WINDOWS_FUNCTION "un."

Section "${PRODUCT}" SecProgram
  SectionIn RO
  StrCpy $R0 "${MAIN_CLASS}"
  StrCpy $R1 "${MAIN_TITLE}"
  Call CloseWindows
  StrCpy $R0 ""
  StrCpy $R1 "${TRAY_TITLE}"
  Call CloseWindows
  SetOutPath "$INSTDIR"
  File /r "${STAGE}/*"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\orvn2k.exe"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\orvn2k.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "un.${PRODUCT}" UnSecProgram
  SectionIn RO
  StrCpy $R0 "${MAIN_CLASS}"
  StrCpy $R1 "${MAIN_TITLE}"
  Call un.CloseWindows
  ; The program's own clean-up: ends the tray companion, deletes its files, its Run value and
  ; its replacement of the task manager.
  ExecWait '"$INSTDIR\orvn2k.exe" notray x 0'
  ; That replacement goes only with an administrator's right, which this per-user uninstall
  ; may lack. Left behind, it would keep Task Manager from starting at all: when it is still
  ; ours, ask for the right once (not in a silent uninstall, which must not wait for a person).
  SetRegView 64
  ReadRegStr $0 HKLM "${TASKMGR_KEY}" "Debugger"
  SetRegView default
  IfSilent debugger_done
  StrCmp $0 '"$INSTDIR\orvn2k.exe"' 0 debugger_done
  ExecShellWait "runas" "$INSTDIR\orvn2k.exe" "notray x 0"
  debugger_done:
  ; The companion ends there only when the program had seen its window; make sure.
  StrCpy $R0 ""
  StrCpy $R1 "${TRAY_TITLE}"
  Call un.CloseWindows

  Delete "$INSTDIR\orvn2k.exe"
  ; A companion that the program started only just now may open its window after the close
  ; above: close it again and retry, for up to ten seconds.
  StrCpy $4 0
  tray_delete:
    Delete "$INSTDIR\tray.exe"
    IfFileExists "$INSTDIR\tray.exe" 0 tray_done
    IntOp $4 $4 + 1
    IntCmp $4 20 tray_done
    Sleep 500
    Call un.CloseWindows
    Goto tray_delete
  tray_done:
  RMDir /r "$INSTDIR\help"
  ; The state files that the clean-up leaves, and those it deletes in case it could not run.
  Delete "$INSTDIR\workspace.dat"
  Delete "$INSTDIR\tray.dat"
  Delete "$INSTDIR\details.dat"
  Delete "$INSTDIR\start.dat"
  Delete "$INSTDIR\news.dat"
  Delete "$INSTDIR\oldn.dat"
  Delete "$INSTDIR\nnws.dat"
  Delete "$INSTDIR\uninstall.exe"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd

; Off by default, and so kept by a silent uninstall: the user's record of what was removed.
Section /o "un.Removed startup entries (removed.dat)" UnSecRemoved
  Delete "$INSTDIR\removed.dat"
SectionEnd

Section "-un.Folder"
  RMDir "$INSTDIR"
SectionEnd
