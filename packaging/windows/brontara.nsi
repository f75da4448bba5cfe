; SPDX-License-Identifier: GPL-3.0-or-later
; The Windows installer: installs Brontara for the current player, without
; administrator rights, into %LOCALAPPDATA%\Programs\Brontara (a folder the
; player may write, so the data stays in the program's own Dump folder), adds
; a Start-menu entry and an uninstaller. The uninstaller never removes the
; back-ups or the journal of an installed storm without asking; run silently
; it keeps them.
;
;   makensis -DVERSION=1.0 -DPROGRAM=<folder with brontara.exe and Dump> -DLICENSE=<LICENSE> -DOUTFILE=<setup.exe> brontara.nsi

; The program is 64-bit only, and so is the installer (it runs under a 64-bit Wine too).
Target amd64-unicode
!include "LogicLib.nsh"

Name "Brontara ${VERSION}"
OutFile "${OUTFILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\Brontara"
InstallDirRegKey HKCU "Software\Brontara" "InstallDir"
SetCompressor /SOLID lzma
VIProductVersion "${VERSION}.0.0"
VIAddVersionKey "ProductName" "Brontara"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "Brontara ${VERSION} installer"
VIAddVersionKey "LegalCopyright" "GPL-3.0-or-later"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Brontara"

LicenseData "${LICENSE}"
Page license
Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "Brontara"
  SetOutPath "$INSTDIR"
  File "${PROGRAM}\brontara.exe"
  File "${PROGRAM}\Brontara Help (Nederlands).doc"
  File "${PROGRAM}\Brontara Help (English).doc"
  File "${LICENSE}"
  SetOutPath "$INSTDIR\Dump"
  ; The player's settings survive a reinstallation.
  SetOverwrite off
  File "${PROGRAM}\Dump\All_dat.ini"
  SetOverwrite on
  SetOutPath "$INSTDIR\Dump\Languages"
  File "${PROGRAM}\Dump\Languages\*.lng"
  SetOutPath "$INSTDIR\Dump\Textures"
  File "${PROGRAM}\Dump\Textures\ZKT_*.ace"
  SetOutPath "$INSTDIR\Dump\Sounds"
  File "${PROGRAM}\Dump\Sounds\ZKT_*.wav"
  File "${PROGRAM}\Dump\Sounds\ZKT_*.sms"
  SetOutPath "$INSTDIR\Dump\rain"
  File "${PROGRAM}\Dump\rain\ZKT_*.env"
  CreateDirectory "$INSTDIR\Dump\back_up"
  SetOutPath "$INSTDIR"

  CreateShortcut "$SMPROGRAMS\Brontara.lnk" "$INSTDIR\brontara.exe"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  WriteRegStr HKCU "Software\Brontara" "InstallDir" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Brontara"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "The Brontara developers"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\brontara.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  Delete "$SMPROGRAMS\Brontara.lnk"
  Delete "$INSTDIR\brontara.exe"
  Delete "$INSTDIR\Brontara Help (Nederlands).doc"
  Delete "$INSTDIR\Brontara Help (English).doc"
  Delete "$INSTDIR\LICENSE"
  Delete "$INSTDIR\Dump\Textures\ZKT_*.ace"
  Delete "$INSTDIR\Dump\Sounds\ZKT_*.wav"
  Delete "$INSTDIR\Dump\Sounds\ZKT_*.sms"
  Delete "$INSTDIR\Dump\rain\ZKT_*.env"
  RMDir "$INSTDIR\Dump\Textures"
  RMDir "$INSTDIR\Dump\Sounds"
  RMDir "$INSTDIR\Dump\rain"

  ; A storm still installed, or back-ups of the simulator's files: only the
  ; player may give them up. A silent uninstall keeps them, with the settings
  ; and the language files beside them.
  StrCpy $0 "keep"
  ${IfNot} ${FileExists} "$INSTDIR\Dump\storm_journal.ini"
    FindFirst $1 $2 "$INSTDIR\Dump\back_up\*"
    StrCpy $3 "empty"
    ${DoWhile} $2 != ""
      ${If} $2 != "."
      ${AndIf} $2 != ".."
        StrCpy $3 "full"
      ${EndIf}
      FindNext $1 $2
    ${Loop}
    FindClose $1
    ${If} $3 == "empty"
      StrCpy $0 "remove"
    ${EndIf}
  ${EndIf}
  ${If} $0 == "keep"
    ${IfNot} ${Silent}
      MessageBox MB_YESNO|MB_ICONEXCLAMATION|MB_DEFBUTTON2 \
        "Brontara's folder holds back-ups of Train Simulator's files$\r$\n(and perhaps a storm that is still installed):$\r$\n$INSTDIR\Dump$\r$\n$\r$\nDelete them too?" \
        IDNO keepData
      StrCpy $0 "remove"
    ${EndIf}
  ${EndIf}
  ${If} $0 == "remove"
    RMDir /r "$INSTDIR\Dump"
  ${EndIf}
  keepData:
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  DeleteRegKey HKCU "Software\Brontara"
SectionEnd
