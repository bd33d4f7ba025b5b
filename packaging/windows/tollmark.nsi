; The Windows installer of Tollmark, made by makensis from the folder laid out by
; cmake/windows-deploy.cmake (see cmake/windows.cmake):
;   makensis -NOCD -DVERSION=3.0.0 -DFILE_VERSION=3.0.0.1 -DDEPLOY=<folder>
;            -DOUTFILE=<setup.exe> -DICONS=<packaging/windows> tollmark.nsi
;
; It installs for the current user without administrator rights (into
; %LOCALAPPDATA%\Programs\Tollmark, keys under HKEY_CURRENT_USER), and for all users when
; run as administrator (Program Files, HKEY_LOCAL_MACHINE); /CurrentUser and /AllUsers
; choose on the command line, /S installs silently. The uninstaller removes every file
; the installer wrote, its keys and the user's settings under Software\Varnotec\Tollmark.

; A 64-bit installer for the 64-bit program: it also runs where Windows has no 32-bit
; subsystem (and under a Wine without its 32-bit half).
Target amd64-unicode
; zlib by default: a tenth of LZMA's time for an installer about twice the size; a
; release passes -DCOMPRESSOR="/SOLID lzma".
!ifndef COMPRESSOR
    !define COMPRESSOR zlib
!endif
SetCompressor ${COMPRESSOR}

!define PRODUCT "Tollmark"
!define PUBLISHER "Varnotec"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tollmark"
!define SETTINGS_KEY "Software\Varnotec\Tollmark"

!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "${PRODUCT}"
; The uninstaller (and a second installer) finds the mode of the first installation.
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallMode"
!include MultiUser.nsh
!include MUI2.nsh
!include x64.nsh

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
BrandingText "${PRODUCT} ${VERSION}"
!define MUI_ICON "${ICONS}/tollmark.ico"
!define MUI_UNICON "${ICONS}/tollmark.ico"

VIProductVersion "${FILE_VERSION}"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "${PRODUCT} ${VERSION} Setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "Copyright (C) 2026 Varnotec and the Tollmark developers"

!insertmacro MUI_PAGE_LICENSE "${DEPLOY}/doc/LICENSE"
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\bin\tollmark.exe"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Function .onInit
    ${IfNot} ${RunningX64}
        MessageBox MB_OK|MB_ICONSTOP "${PRODUCT} needs 64-bit Windows." /SD IDOK
        Abort
    ${EndIf}
    SetRegView 64
    !insertmacro MULTIUSER_INIT
FunctionEnd

Function un.onInit
    SetRegView 64
    !insertmacro MULTIUSER_UNINIT
FunctionEnd

; A file type: its description and icon, and for records the open and print verbs.
!macro FileType EXTENSION CLASS DESCRIPTION
    WriteRegStr SHCTX "Software\Classes\${EXTENSION}" "" "${CLASS}"
    WriteRegStr SHCTX "Software\Classes\${CLASS}" "" "${DESCRIPTION}"
    WriteRegStr SHCTX "Software\Classes\${CLASS}\DefaultIcon" "" \
        "$INSTDIR\share\tollmark\tollmark-document.ico"
!macroend

; Removes a file type only while it is still ours.
!macro un.FileType EXTENSION CLASS
    ReadRegStr $0 SHCTX "Software\Classes\${EXTENSION}" ""
    StrCmp $0 "${CLASS}" 0 +2
    DeleteRegKey SHCTX "Software\Classes\${EXTENSION}"
    DeleteRegKey SHCTX "Software\Classes\${CLASS}"
!macroend

Section "Tollmark"
    !include "${DEPLOY}/files.nsh"
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    CreateShortCut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\bin\tollmark.exe" "" \
        "$INSTDIR\bin\tollmark.exe" 0

    !insertmacro FileType ".irc" "Tollmark.Record" "Tollmark IFTA record file"
    WriteRegStr SHCTX "Software\Classes\Tollmark.Record\shell\open\command" "" \
        '"$INSTDIR\bin\tollmark.exe" "%1"'
    WriteRegStr SHCTX "Software\Classes\Tollmark.Record\shell\print\command" "" \
        '"$INSTDIR\bin\tollmark.exe" /p "%1"'
    !insertmacro FileType ".itx" "Tollmark.TaxRates" "Tollmark IFTA tax-rate file"
    !insertmacro FileType ".usr" "Tollmark.Profiles" "Tollmark user profiles"
    ; Explorer shows the new icons without a new logon.
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'

    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\bin\tollmark.exe,0"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallMode" "$MultiUser.InstallMode"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" \
        '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" \
        '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode /S'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    !include "${DEPLOY}/uninstall.nsh"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    ; The per-user Programs folder a first per-user install made, when nothing else is in it.
    RMDir "$INSTDIR\.."

    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    !insertmacro un.FileType ".irc" "Tollmark.Record"
    !insertmacro un.FileType ".itx" "Tollmark.TaxRates"
    !insertmacro un.FileType ".usr" "Tollmark.Profiles"
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
    ; The settings of the user who uninstalls: the window's place, recent files, tables.
    DeleteRegKey HKCU "${SETTINGS_KEY}"
    DeleteRegKey /ifempty HKCU "Software\Varnotec"
SectionEnd
