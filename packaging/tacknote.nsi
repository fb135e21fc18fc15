; The Windows installer. scripts/package.sh runs makensis with these defines:
;   VERSION  EXE32  EXE64  README  LICENSE  ICON  OUTFILE
;   STUB_AMD64 (optional) builds the installer itself as a 64-bit program; the tests use it
;              where the host cannot run 32-bit code. The release is the 32-bit one.
; Command line: /S silent, /LOGON also selects the start-at-logon entry, /D=dir the folder.

Unicode true
!ifdef STUB_AMD64
  Target amd64-unicode
!endif
SetCompressor /SOLID lzma

!include MUI2.nsh
!include LogicLib.nsh
!include x64.nsh
!include FileFunc.nsh

!define PRODUCT "Tacknote"
!define MAKERS "The Tacknote developers"
!define UNINST_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tacknote"
; Shortcuts, the notes folder and the logon entry belong to the user who installs.
!define NOTES_DIR "$DOCUMENTS\Tacknote"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES\${PRODUCT}"
RequestExecutionLevel admin
BrandingText "${PRODUCT} ${VERSION}"
ShowInstDetails show
ShowUninstDetails show

VIProductVersion 5.1.0.0
VIAddVersionKey /LANG=1033 ProductName "${PRODUCT}"
VIAddVersionKey /LANG=1033 ProductVersion "${VERSION}"
VIAddVersionKey /LANG=1033 FileVersion "${VERSION}"
VIAddVersionKey /LANG=1033 FileDescription "${PRODUCT} ${VERSION} setup"
VIAddVersionKey /LANG=1033 CompanyName "${MAKERS}"
VIAddVersionKey /LANG=1033 LegalCopyright "Copyright (C) 2026 ${MAKERS}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_SMALLDESC
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Section "Tacknote" SecProgram
  SectionIn RO
  SetShellVarContext current
  SetOutPath "$INSTDIR"
  ${If} ${RunningX64}
    File "/oname=tacknote.exe" "${EXE64}"
  ${Else}
    File "/oname=tacknote.exe" "${EXE32}"
  ${EndIf}
  File "/oname=README.txt" "${README}"
  File "/oname=LICENSE.txt" "${LICENSE}"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateDirectory "${NOTES_DIR}"
  ; A shortcut starts in the output folder of the moment it is made: the notes folder.
  SetOutPath "${NOTES_DIR}"
  CreateDirectory "$SMPROGRAMS\${PRODUCT}"
  CreateShortCut "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk" "$INSTDIR\tacknote.exe" "" \
                 "$INSTDIR\tacknote.exe" 0 SW_SHOWNORMAL "" "Sticky notes on the desktop"
  CreateShortCut "$SMPROGRAMS\${PRODUCT}\Uninstall ${PRODUCT}.lnk" "$INSTDIR\uninstall.exe"

  WriteRegStr HKLM "${UNINST_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINST_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINST_KEY}" "Publisher" "${MAKERS}"
  WriteRegStr HKLM "${UNINST_KEY}" "DisplayIcon" "$INSTDIR\tacknote.exe"
  WriteRegStr HKLM "${UNINST_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINST_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINST_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINST_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINST_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINST_KEY}" "EstimatedSize" $0
SectionEnd

Section /o "Start Tacknote at logon" SecLogon
  SetShellVarContext current
  SetOutPath "${NOTES_DIR}"
  CreateShortCut "$SMSTARTUP\${PRODUCT}.lnk" "$INSTDIR\tacknote.exe" "" "$INSTDIR\tacknote.exe" 0
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SecProgram} \
    "The program, and a Start-menu entry that starts it in Documents\Tacknote, where the notes are kept."
  !insertmacro MUI_DESCRIPTION_TEXT ${SecLogon} \
    "Starts Tacknote with your notes each time you log on."
!insertmacro MUI_FUNCTION_DESCRIPTION_END

Function .onInit
  ${If} ${RunningX64}
    SetRegView 64
    ; /D= on the command line has already set another folder; keep that one.
    ${If} $INSTDIR == "$PROGRAMFILES\${PRODUCT}"
      StrCpy $INSTDIR "$PROGRAMFILES64\${PRODUCT}"
    ${EndIf}
  ${EndIf}
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/LOGON" $1
  ${IfNot} ${Errors}
    SectionSetFlags ${SecLogon} ${SF_SELECTED}
  ${EndIf}
FunctionEnd

Function un.onInit
  ${If} ${RunningX64}
    SetRegView 64
  ${EndIf}
FunctionEnd

; Removes exactly what the installer put there. The notes folder is the user's and stays,
; and so does anything else in the program's folder (RMDir without /r removes only an
; empty folder).
Section "Uninstall"
  SetShellVarContext current
  Delete /REBOOTOK "$INSTDIR\tacknote.exe"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk"
  Delete "$SMPROGRAMS\${PRODUCT}\Uninstall ${PRODUCT}.lnk"
  RMDir "$SMPROGRAMS\${PRODUCT}"
  Delete "$SMSTARTUP\${PRODUCT}.lnk"
  DeleteRegKey HKLM "${UNINST_KEY}"
SectionEnd
