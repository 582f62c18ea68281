; The Windows installer a user opens: the licence, a choice between
; installing for oneself (no administrator: %LOCALAPPDATA%\Programs\Brisel)
; and for everyone (Program Files), an optional desktop shortcut, Start-menu
; entries for Brisel and its help, "Open with" entries for PADS netlists
; (*.net and *.asc) that make Brisel nobody's default program, and a finish
; page that can start Brisel. The uninstaller removes every file, shortcut
; and registry entry the installer made. Written by packaging/make-setup.sh:
;   makensis -DVERSION=1.02 -DFILE_VERSION=1.0.0.2 -DMAKER=... -DCOPYRIGHT=...
;            [-DWEB=...] -DSTAGE=... -DICON=... -DLICENCE=... -DOUTFILE=... brisel.nsi
; Silently: Brisel-<version>-setup.exe /S /CurrentUser (or /AllUsers)
; [/DesktopShortcut]; uninstall.exe /S.

!define /ifndef WEB ""

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Brisel"
!define APPLICATION_KEY "Software\Classes\Applications\brisel.exe"

; The install mode and folder of an earlier install are found again through
; its uninstall entry.
!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_INSTALLMODE_INSTDIR "Brisel"
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "UninstallString"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!include MultiUser.nsh
!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh
!include Sections.nsh

Name "Brisel"
OutFile "${OUTFILE}"
BrandingText "Brisel ${VERSION}"

VIProductVersion "${FILE_VERSION}"
VIAddVersionKey /LANG=1033 "ProductName" "Brisel"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "CompanyName" "${MAKER}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "${COPYRIGHT}"
VIAddVersionKey /LANG=1033 "FileDescription" "Brisel ${VERSION} Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN "$INSTDIR\brisel.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start Brisel"

!insertmacro MUI_PAGE_LICENSE "${LICENCE}"
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Section "Brisel" SectionProgram
  SectionIn RO
  SetOutPath "$INSTDIR"
  File "${STAGE}\brisel.exe"
  File "${STAGE}\brisel-convert.exe"
  File "${STAGE}\Brisel.txt"
  SetOutPath "$INSTDIR\examples"
  File "${STAGE}\examples\board.net"
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateDirectory "$SMPROGRAMS\Brisel"
  CreateShortcut "$SMPROGRAMS\Brisel\Brisel.lnk" "$INSTDIR\brisel.exe" "" "$INSTDIR\brisel.exe" 0 \
    SW_SHOWNORMAL "" "Convert PADS netlists into ExpressPCB netlists"
  CreateShortcut "$SMPROGRAMS\Brisel\Brisel Help.lnk" "$INSTDIR\Brisel.txt"

  Call RegisterOpenWith
  Call WriteUninstallEntry
SectionEnd

Section /o "Desktop shortcut" SectionDesktop
  CreateShortcut "$DESKTOP\Brisel.lnk" "$INSTDIR\brisel.exe" "" "$INSTDIR\brisel.exe" 0 \
    SW_SHOWNORMAL "" "Convert PADS netlists into ExpressPCB netlists"
SectionEnd

; Brisel joins the programs that Explorer's "Open with" offers for the two
; extensions; whichever program opens them by default stays the default.
Function RegisterOpenWith
  WriteRegStr SHCTX "${APPLICATION_KEY}" "FriendlyAppName" "Brisel"
  WriteRegStr SHCTX "${APPLICATION_KEY}\DefaultIcon" "" "$INSTDIR\brisel.exe,0"
  WriteRegStr SHCTX "${APPLICATION_KEY}\shell\open\command" "" '"$INSTDIR\brisel.exe" "%1"'
  WriteRegStr SHCTX "${APPLICATION_KEY}\SupportedTypes" ".net" ""
  WriteRegStr SHCTX "${APPLICATION_KEY}\SupportedTypes" ".asc" ""
  WriteRegStr SHCTX "Software\Classes\.net\OpenWithList\brisel.exe" "" ""
  WriteRegStr SHCTX "Software\Classes\.asc\OpenWithList\brisel.exe" "" ""
FunctionEnd

Function WriteUninstallEntry
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "Brisel"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${MAKER}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\brisel.exe,0"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
  !if "${WEB}" != ""
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "URLInfoAbout" "${WEB}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "HelpLink" "${WEB}"
  !endif
FunctionEnd

Function .onInit
  !insertmacro MULTIUSER_INIT
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/DesktopShortcut" $1
  ${IfNot} ${Errors}
    !insertmacro SelectSection ${SectionDesktop}
  ${EndIf}
FunctionEnd

Function un.onInit
  !insertmacro MULTIUSER_UNINIT
FunctionEnd

; An extension's keys, which other programs may share, are removed only
; once nothing of theirs is left in them.
!macro RemoveOpenWith EXTENSION
  DeleteRegKey SHCTX "Software\Classes\${EXTENSION}\OpenWithList\brisel.exe"
  DeleteRegKey /ifempty /ifnovalues SHCTX "Software\Classes\${EXTENSION}\OpenWithList"
  DeleteRegKey /ifempty /ifnovalues SHCTX "Software\Classes\${EXTENSION}"
!macroend

Section "Uninstall"
  Delete "$INSTDIR\brisel.exe"
  Delete "$INSTDIR\brisel-convert.exe"
  Delete "$INSTDIR\Brisel.txt"
  Delete "$INSTDIR\examples\board.net"
  RMDir "$INSTDIR\examples"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"

  Delete "$SMPROGRAMS\Brisel\Brisel.lnk"
  Delete "$SMPROGRAMS\Brisel\Brisel Help.lnk"
  RMDir "$SMPROGRAMS\Brisel"
  Delete "$DESKTOP\Brisel.lnk"

  DeleteRegKey SHCTX "${APPLICATION_KEY}"
  !insertmacro RemoveOpenWith ".net"
  !insertmacro RemoveOpenWith ".asc"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
