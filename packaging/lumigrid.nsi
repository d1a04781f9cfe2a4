; The Windows installer of Lumigrid, made by the win64 tree's dist target:
;   makensis -DVERSION=1.0 -DSTAGE=FOLDER -DFILES=FILES.nsh -DICON=lumigrid.ico -DOUTFILE=SETUP.exe lumigrid.nsi
; STAGE is the laid-out release (packaging/windows-zip.sh); FILES.nsh names
; its example patterns, so that the uninstaller removes exactly those.
;
; For one user or for everyone (MultiUser: /CurrentUser or /AllUsers on the
; command line), with a Start menu entry, and the .led and .ll file types
; shown with the editor's icon only when the user ticks them (/ASSOCIATE when
; silent). The uninstaller removes what was installed and nothing else: a
; pattern or list the user saved beside the examples stays.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma

!define PRODUCT "Lumigrid"
!define SETTINGS_KEY "Software\Lumigrid"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Lumigrid"
!define PATTERN_TYPE "Lumigrid.Pattern"
!define LIST_TYPE "Lumigrid.DisplayList"

!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "${PRODUCT}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${SETTINGS_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallDir"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${SETTINGS_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallMode"
!include MultiUser.nsh
!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include "${FILES}"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
BrandingText "${PRODUCT} ${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_LANGDLL_REGISTRY_ROOT SHCTX
!define MUI_LANGDLL_REGISTRY_KEY "${SETTINGS_KEY}"
!define MUI_LANGDLL_REGISTRY_VALUENAME "Language"
!define MUI_FINISHPAGE_RUN "$INSTDIR\lumigrid.exe"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${STAGE}/LICENSE.txt"
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "Japanese"
!insertmacro MUI_LANGUAGE "English"

LangString SectionProgramName ${LANG_JAPANESE} "Lumigrid (エディタとコマンドライン ツール)"
LangString SectionProgramName ${LANG_ENGLISH} "Lumigrid (editor and command-line tool)"
LangString SectionAssociateName ${LANG_JAPANESE} ".led と .ll ファイルをエディタのアイコンで表示する"
LangString SectionAssociateName ${LANG_ENGLISH} "Show .led and .ll files with the editor's icon"
LangString PatternTypeName ${LANG_JAPANESE} "Lumigrid パターン"
LangString PatternTypeName ${LANG_ENGLISH} "Lumigrid pattern"
LangString ListTypeName ${LANG_JAPANESE} "Lumigrid 表示リスト"
LangString ListTypeName ${LANG_ENGLISH} "Lumigrid display list"

Section "$(SectionProgramName)" SectionProgram
    SectionIn RO
    SetOutPath "$INSTDIR"
    File "${STAGE}/lumigrid.exe"
    File "${STAGE}/Panekit.dll"
    File "${STAGE}/lumigrid-cli.exe"
    File "${STAGE}/README.txt"
    File "${STAGE}/user-guide.html"
    File "${STAGE}/LICENSE.txt"
    SetOutPath "$INSTDIR\examples"
    !insertmacro InstallExamples
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    CreateShortCut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\lumigrid.exe"

    WriteRegStr SHCTX "${SETTINGS_KEY}" "InstallDir" "$INSTDIR"
    WriteRegStr SHCTX "${SETTINGS_KEY}" "InstallMode" "$MultiUser.InstallMode"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT} ${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "The Lumigrid developers"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\lumigrid.exe,0"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode /S'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section /o "$(SectionAssociateName)" SectionAssociate
    WriteRegStr SHCTX "Software\Classes\.led" "" "${PATTERN_TYPE}"
    WriteRegStr SHCTX "Software\Classes\${PATTERN_TYPE}" "" "$(PatternTypeName)"
    WriteRegStr SHCTX "Software\Classes\${PATTERN_TYPE}\DefaultIcon" "" "$INSTDIR\lumigrid.exe,0"
    WriteRegStr SHCTX "Software\Classes\.ll" "" "${LIST_TYPE}"
    WriteRegStr SHCTX "Software\Classes\${LIST_TYPE}" "" "$(ListTypeName)"
    WriteRegStr SHCTX "Software\Classes\${LIST_TYPE}\DefaultIcon" "" "$INSTDIR\lumigrid.exe,0"
    ; Explorer redraws the files' icons.
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd

Function .onInit
    !insertmacro MULTIUSER_INIT
    !insertmacro MUI_LANGDLL_DISPLAY
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/ASSOCIATE" $1
    ${IfNot} ${Errors}
        SectionSetFlags ${SectionAssociate} ${SF_SELECTED}
    ${EndIf}
FunctionEnd

; Takes a file type back only where it is still ours.
!macro RemoveFileType EXTENSION TYPE
    ReadRegStr $0 SHCTX "Software\Classes\${EXTENSION}" ""
    ${If} $0 == "${TYPE}"
        DeleteRegValue SHCTX "Software\Classes\${EXTENSION}" ""
        DeleteRegKey /ifempty SHCTX "Software\Classes\${EXTENSION}"
    ${EndIf}
    DeleteRegKey SHCTX "Software\Classes\${TYPE}"
!macroend

Section "Uninstall"
    Delete "$INSTDIR\lumigrid.exe"
    Delete "$INSTDIR\Panekit.dll"
    Delete "$INSTDIR\lumigrid-cli.exe"
    Delete "$INSTDIR\README.txt"
    Delete "$INSTDIR\user-guide.html"
    Delete "$INSTDIR\LICENSE.txt"
    !insertmacro RemoveExamples
    RMDir "$INSTDIR\examples"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"

    Delete "$SMPROGRAMS\${PRODUCT}.lnk"

    !insertmacro RemoveFileType ".led" "${PATTERN_TYPE}"
    !insertmacro RemoveFileType ".ll" "${LIST_TYPE}"
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
    DeleteRegKey SHCTX "${SETTINGS_KEY}"
SectionEnd

Function un.onInit
    !insertmacro MULTIUSER_UNINIT
    !insertmacro MUI_UNGETLANGUAGE
FunctionEnd
