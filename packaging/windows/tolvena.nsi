; The installer for Windows. makensis is given, with -D:
;   VERSION   the program's version
;   STAGE     the folder laid out by deploy.sh (its lists STAGE-install.nsh,
;             STAGE-uninstall.nsh beside it)
;   ICON      the program's icon
;   OUTFILE   the installer to write
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma

!include "MUI2.nsh"
!include "x64.nsh"

!define NAME "Tolvena"
!define TITLE "Esercitazioni sulle Tolvena"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tolvena"

Name "${NAME}"
Caption "${TITLE} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Tolvena"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
BrandingText "Velandri"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1040 "ProductName" "${TITLE}"
VIAddVersionKey /LANG=1040 "CompanyName" "Velandri"
VIAddVersionKey /LANG=1040 "FileDescription" "Installazione di ${TITLE}"
VIAddVersionKey /LANG=1040 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1040 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1040 "LegalCopyright" "GPL-3.0-or-later"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\tolvena.exe"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${STAGE}/LICENSE.txt"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Italian"

Function .onInit
    ${IfNot} ${RunningX64}
        MessageBox MB_OK|MB_ICONSTOP "Questo programma funziona solo su Windows a 64 bit."
        Abort
    ${EndIf}
    SetRegView 64
    SetShellVarContext all
FunctionEnd

Function un.onInit
    SetRegView 64
    SetShellVarContext all
FunctionEnd

Section "${TITLE}" SecProgram
    SectionIn RO
    !include "${STAGE}-install.nsh"
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\disinstalla.exe"
    CreateShortCut "$SMPROGRAMS\${TITLE}.lnk" "$INSTDIR\tolvena.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${TITLE}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Velandri"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\tolvena.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\disinstalla.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\disinstalla.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section /o "Collegamento sul desktop" SecDesktop
    CreateShortCut "$DESKTOP\${TITLE}.lnk" "$INSTDIR\tolvena.exe"
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
    !insertmacro MUI_DESCRIPTION_TEXT ${SecProgram} "Il programma, i suoni e i caratteri."
    !insertmacro MUI_DESCRIPTION_TEXT ${SecDesktop} "Un collegamento al programma sul desktop."
!insertmacro MUI_FUNCTION_DESCRIPTION_END

; Only what the installer put there goes: a file the teacher left in the
; folder keeps it.
Section "Uninstall"
    !include "${STAGE}-uninstall.nsh"
    Delete "$INSTDIR\disinstalla.exe"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\${TITLE}.lnk"
    Delete "$DESKTOP\${TITLE}.lnk"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
