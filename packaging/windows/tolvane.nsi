; The Windows installer, built with makensis -DVERSION= -DID= -DEXE= -DICON= -DOUTFILE=.
; Written by hand rather than by CPack: CPack's NSIS template asks for
; administrator rights and registers the program for all users, and this
; installer is for the current user alone.
; A 64-bit installer for a 64-bit program: it runs where the program runs.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${ID}"

Name "Tolvane ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Tolvane"
Icon "${ICON}"
UninstallIcon "${ICON}"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey "ProductName" "Tolvane"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "CompanyName" "Sorrelwick Software"
VIAddVersionKey "FileDescription" "Tolvane Setup"
VIAddVersionKey "LegalCopyright" "Sorrelwick Software"

!include MUI2.nsh
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\tolvane.exe"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Section
    SetShellVarContext current
    SetOutPath "$INSTDIR"
    File "/oname=tolvane.exe" "${EXE}"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\Tolvane.lnk" "$INSTDIR\tolvane.exe"

    ; Apps and Features lists the program for this user.
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Tolvane"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Sorrelwick Software"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\tolvane.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    SectionGetSize 0 $0
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; Removes exactly what the installer put down. The date the program keeps under
; HKCU\Software\tolvane is the user's and stays.
Section "Uninstall"
    SetShellVarContext current
    Delete "$SMPROGRAMS\Tolvane.lnk"
    Delete "$INSTDIR\tolvane.exe"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
