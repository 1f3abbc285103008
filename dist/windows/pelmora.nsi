; Pelmora's Windows installer: per user, no administrator rights, into
; %LOCALAPPDATA%\Programs\Pelmora, with a Start-menu shortcut, an entry in the system's list of
; programs and the program's folder on the user's PATH, so that the console program
; pelmora-journal runs in any new console. The uninstaller removes what the installer put there
; and nothing else: the user's settings (%APPDATA%\Pelmora\Pelmora.ini), the journal
; (%LOCALAPPDATA%\Pelmora), the rest of PATH and any file of theirs in the program's folder stay.
;
; Everything about the build comes from the command line, so the script holds no path of the
; machine that builds it:
;   makensis -DVERSION=0.1.0 -DSTAGE=/path/to/stage -DOUTFILE=/path/to/setup.exe pelmora.nsi
; STAGE holds pelmora.exe, pelmora-journal.exe and the licence files, as plain files without
; subfolders.

; A 64-bit installer for a 64-bit program: a 32-bit Windows, where the program could never
; start, refuses the installer itself.
Target amd64-unicode
; A warning here is a fault in the package, as in the program's own build.
!pragma warning error all
ManifestDPIAware true
SetCompressor /SOLID lzma
RequestExecutionLevel user

!ifndef VERSION | STAGE | OUTFILE
    !error "Give -DVERSION=x.y.z -DSTAGE=<folder with pelmora.exe> -DOUTFILE=<setup.exe>"
!endif
!searchparse /noerrors "${VERSION}" "" VERSION_MAJOR "." VERSION_MINOR "." VERSION_PATCH
!ifndef VERSION_PATCH
    !error "VERSION must be three numbers, as in 0.1.0; it was '${VERSION}'"
!endif
!if ! /FileExists "${STAGE}/pelmora.exe"
    !error "The stage folder '${STAGE}' holds no pelmora.exe"
!endif
!if ! /FileExists "${STAGE}/pelmora-journal.exe"
    !error "The stage folder '${STAGE}' holds no pelmora-journal.exe"
!endif

!define PRODUCT "Pelmora"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
; The Start-menu entry carries the Chinese name the Linux desktop entry has.
!define SHORTCUT "$SMPROGRAMS\Pelmora 股票交易计算器.lnk"
!define ICON "${__FILEDIR__}/../../assets/pelmora.ico"

; The staged files, listed once here at build time: the installer copies exactly these and the
; uninstaller deletes exactly these. Names are kept to plain characters so that they need no
; quoting in this script; a subfolder would be left out silently, so it stops the build instead.
; (makensis turns backslashes into slashes in these commands, hence no backslash in them.)
!system `cd "${STAGE}" && if find . -mindepth 1 -maxdepth 1 '(' ! -type f -o -name '*[!A-Za-z0-9._-]*' ')' | grep .; then echo "The stage may hold only plain files with plain names; the above are not" >&2; exit 1; fi` = 0
!tempfile STAGED_LIST
!system `cd "${STAGE}" && find . -mindepth 1 -maxdepth 1 -type f | LC_ALL=C sort | sed -e 's|^[.]/|!insertmacro STAGED_FILE "|' -e 's|$|"|' > "${STAGED_LIST}"` = 0

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION_MAJOR}.${VERSION_MINOR}.${VERSION_PATCH}.0"
VIFileVersion "${VERSION_MAJOR}.${VERSION_MINOR}.${VERSION_PATCH}.0"
VIAddVersionKey /LANG=2052 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=2052 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=2052 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=2052 "FileDescription" "${PRODUCT} 安装程序"
VIAddVersionKey /LANG=2052 "CompanyName" "${PRODUCT}"
VIAddVersionKey /LANG=2052 "LegalCopyright" "${PRODUCT}"

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "${__FILEDIR__}/path-entry.nsh"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\pelmora.exe"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "SimpChinese"

LangString FilesInUse ${LANG_SIMPCHINESE} "有文件无法写入，${PRODUCT} 可能正在运行。请先关闭 ${PRODUCT}，再重新运行安装程序。"
LangString ProgramInUse ${LANG_SIMPCHINESE} "${PRODUCT} 正在运行，无法卸载。请先关闭 ${PRODUCT}，再重新卸载。"
LangString PathNotRead ${LANG_SIMPCHINESE} "用户的 PATH 太长，安装程序无法完整读取，因此没有修改它。"
LangString PathTooLong ${LANG_SIMPCHINESE} "用户的 PATH 加上 $INSTDIR 后太长，因此没有加入。"
LangString PathNotWritten ${LANG_SIMPCHINESE} "无法写入用户的 PATH。"
LangString PathEntryKept ${LANG_SIMPCHINESE} "用户的 PATH 太长，卸载程序无法完整读取，$1 仍留在其中。"

; The uninstall entry's value PATH_RECORD names the entry the installer added to PATH: the
; uninstaller removes that one, and an entry the user had made is never the installer's.
!define PATH_RECORD "PathEntry"

!macro STAGED_FILE NAME
    File "${STAGE}/${NAME}"
!macroend

!insertmacro PATH_ENTRY_READ ""
!insertmacro PATH_ENTRY_FIND ""
!insertmacro PATH_ENTRY_REMOVE ""
!insertmacro PATH_ENTRY_ADD ""
!insertmacro PATH_ENTRY_WRITE ""
!insertmacro PATH_ENTRY_READ "un."
!insertmacro PATH_ENTRY_FIND "un."
!insertmacro PATH_ENTRY_REMOVE "un."
!insertmacro PATH_ENTRY_WRITE "un."

; Puts $INSTDIR on the user's PATH unless an entry names it already, and records the entry it
; added. The entry an earlier install into another folder added goes first.
Function AddFolderToPath
    Call ReadUserPath
    ${If} $2 <> 1
        DetailPrint "$(PathNotRead)"
        Return
    ${EndIf}
    StrCpy $R0 0 ; whether PATH changed
    ReadRegStr $1 HKCU "${UNINSTALL_KEY}" "${PATH_RECORD}"
    ${If} $1 != ""
    ${AndIf} $1 != $INSTDIR
        Call RemovePathEntry
        IntOp $R0 $R0 | $2
        DeleteRegValue HKCU "${UNINSTALL_KEY}" "${PATH_RECORD}"
    ${EndIf}
    StrCpy $1 $INSTDIR
    Call AddPathEntry
    ${If} $2 = -1
        DetailPrint "$(PathTooLong)"
    ${ElseIf} $2 = 1
        StrCpy $R0 1
        WriteRegStr HKCU "${UNINSTALL_KEY}" "${PATH_RECORD}" $INSTDIR
    ${EndIf}
    ${If} $R0 = 1
        Call WriteUserPath
        ${IfThen} $2 <> 1 ${|} DetailPrint "$(PathNotWritten)" ${|}
    ${EndIf}
FunctionEnd

; Takes the entry the installer added off the user's PATH again.
Function un.RemoveFolderFromPath
    ReadRegStr $1 HKCU "${UNINSTALL_KEY}" "${PATH_RECORD}"
    ${IfThen} $1 == "" ${|} Return ${|}
    Call un.ReadUserPath
    ${If} $2 <> 1
        DetailPrint "$(PathEntryKept)"
        Return
    ${EndIf}
    Call un.RemovePathEntry
    ${If} $2 = 1
        Call un.WriteUserPath
        ${IfThen} $2 <> 1 ${|} DetailPrint "$(PathNotWritten)" ${|}
    ${EndIf}
FunctionEnd

Section "${PRODUCT}"
    SetOutPath "$INSTDIR"
    ; A running Pelmora keeps its program file locked. A silent install would skip the file and
    ; still report success, so a file that could not be written ends the install as failed.
    ClearErrors
    !include "${STAGED_LIST}"
    ${If} ${Errors}
        MessageBox MB_OK|MB_ICONSTOP "$(FilesInUse)" /SD IDOK
        SetErrorLevel 2
        Abort
    ${EndIf}
    WriteUninstaller "$INSTDIR\uninstall.exe"

    CreateShortcut "${SHORTCUT}" "$INSTDIR\pelmora.exe" "" "$INSTDIR\pelmora.exe" 0 \
        SW_SHOWNORMAL "" "计算 A 股买卖的手续费、利润和保本价格"

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PRODUCT}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\pelmora.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0

    Call AddFolderToPath
SectionEnd

!macroundef STAGED_FILE
!macro STAGED_FILE NAME
    Delete "$INSTDIR\${NAME}"
!macroend

; A running program's file cannot be opened for writing: then the uninstaller stops before
; anything is removed, so the programs, the shortcut, the entry in the list of programs and PATH
; stay whole for the next attempt.
!macro STOP_IF_RUNNING NAME
    ${If} ${FileExists} "$INSTDIR\${NAME}"
        ClearErrors
        FileOpen $0 "$INSTDIR\${NAME}" a
        ${If} ${Errors}
            MessageBox MB_OK|MB_ICONSTOP "$(ProgramInUse)" /SD IDOK
            SetErrorLevel 2
            Abort
        ${EndIf}
        FileClose $0
    ${EndIf}
!macroend

Section "Uninstall"
    !insertmacro STOP_IF_RUNNING pelmora.exe
    !insertmacro STOP_IF_RUNNING pelmora-journal.exe
    !include "${STAGED_LIST}"
    Delete "$INSTDIR\uninstall.exe"
    ; Not /r: a file the user keeps in this folder is theirs, and the folder then stays for it.
    RMDir "$INSTDIR"
    Delete "${SHORTCUT}"
    Call un.RemoveFolderFromPath
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd

!delfile "${STAGED_LIST}"
