; The user's PATH (the value Path of HKCU\Environment), edited with NSIS's own string
; instructions: an entry is added at the end and removed again with exactly one of the semicolons
; beside it, so that the rest of PATH stays as it was, character for character.
;
; An NSIS string holds at most NSIS_MAX_STRLEN - 1 characters (1023 in Debian's NSIS). A PATH that
; long may have been cut short when it was read, and writing it back would lose the rest of it,
; so such a PATH is never written.
;
; Each function comes as a macro taking "" for the installer or "un." for the uninstaller, so
; that each inserts only the functions it calls. The functions work in $0 to $4 as each one says.

!include "LogicLib.nsh"
!include "WinMessages.nsh"

!define PATH_ENTRY_KEY "Environment"
; The length of a string that may have been cut at the limit.
!define /math PATH_ENTRY_CUT_LENGTH ${NSIS_MAX_STRLEN} - 1

; $0 = the user's PATH ("" where there is none), $2 = 1 where it was read whole, 0 where it is too
; long to be read whole or is no text.
!macro PATH_ENTRY_READ UN
Function ${UN}ReadUserPath
    Push $3
    Push $4
    ClearErrors
    ReadRegStr $0 HKCU "${PATH_ENTRY_KEY}" "Path"
    StrCpy $2 1
    ${If} ${Errors}
        ; No Path, or one that ReadRegStr cannot hold: only the list of the values tells which.
        StrCpy $3 0
        ${Do}
            EnumRegValue $4 HKCU "${PATH_ENTRY_KEY}" $3
            ${IfThen} $4 == "" ${|} ${ExitDo} ${|}
            ${IfThen} $4 == "Path" ${|} StrCpy $2 0 ${|}
            IntOp $3 $3 + 1
        ${Loop}
        StrCpy $0 ""
    ${Else}
        StrLen $3 $0
        ${IfThen} $3 >= ${PATH_ENTRY_CUT_LENGTH} ${|} StrCpy $2 0 ${|}
    ${EndIf}
    Pop $4
    Pop $3
FunctionEnd
!macroend

; $0 a PATH, $1 a folder: $3 = where the first entry naming the folder starts (in any case, with
; or without a closing backslash) and $4 = where it ends; $3 = -1 where no entry names it.
!macro PATH_ENTRY_FIND UN
Function ${UN}FindPathEntry
    Push $5
    Push $6
    StrCpy $3 0
    ${Do}
        StrCpy $4 $3
        ${Do}
            StrCpy $5 $0 1 $4
            ${IfThen} $5 == "" ${|} ${ExitDo} ${|}
            ${IfThen} $5 == ";" ${|} ${ExitDo} ${|}
            IntOp $4 $4 + 1
        ${Loop}
        IntOp $6 $4 - $3
        StrCpy $6 $0 $6 $3
        ${If} $6 == $1
        ${OrIf} $6 == "$1\"
            ${ExitDo}
        ${EndIf}
        ${If} $5 == ""
            StrCpy $3 -1
            ${ExitDo}
        ${EndIf}
        IntOp $3 $4 + 1
    ${Loop}
    Pop $6
    Pop $5
FunctionEnd
!macroend

; $0 a PATH, $1 a folder: $0 without its first entry naming the folder and the semicolon after it
; (the one before it, for the last entry), $2 = 1; or $0 as it was, $2 = 0.
!macro PATH_ENTRY_REMOVE UN
Function ${UN}RemovePathEntry
    Push $3
    Push $4
    Push $5
    Call ${UN}FindPathEntry
    ${If} $3 < 0
        StrCpy $2 0
    ${Else}
        StrCpy $2 1
        StrCpy $5 $0 1 $4
        ${If} $5 == ";"
            IntOp $4 $4 + 1
        ${ElseIf} $3 > 0
            IntOp $3 $3 - 1
        ${EndIf}
        StrCpy $5 $0 $3
        StrCpy $0 $0 "" $4
        StrCpy $0 "$5$0"
    ${EndIf}
    Pop $5
    Pop $4
    Pop $3
FunctionEnd
!macroend

; $0 a PATH, $1 a folder: $0 with the folder as its last entry, $2 = 1; $0 as it was where an
; entry names the folder already ($2 = 0) or where the longer PATH would not fit a string
; ($2 = -1). After a PATH that ends in a semicolon the entry ends in one too, so that removing it
; gives that PATH back.
!macro PATH_ENTRY_ADD UN
Function ${UN}AddPathEntry
    Push $3
    Push $4
    Call ${UN}FindPathEntry
    ${If} $3 >= 0
        StrCpy $2 0
    ${Else}
        StrCpy $3 $0 1 -1
        ${If} $0 == ""
            StrCpy $4 $1
        ${ElseIf} $3 == ";"
            StrCpy $4 "$0$1;"
        ${Else}
            StrCpy $4 "$0;$1"
        ${EndIf}
        StrLen $3 $4
        ${If} $3 >= ${PATH_ENTRY_CUT_LENGTH}
            StrCpy $2 -1
        ${Else}
            StrCpy $0 $4
            StrCpy $2 1
        ${EndIf}
    ${EndIf}
    Pop $4
    Pop $3
FunctionEnd
!macroend

; Writes $0 as the user's PATH (removes the value where $0 is empty), as an expandable string like
; Windows's own, so that entries such as %USERPROFILE%\bin keep working, and tells the running
; programs, the shell among them, that the environment changed. $2 = 1 where it was written.
!macro PATH_ENTRY_WRITE UN
Function ${UN}WriteUserPath
    ClearErrors
    ${If} $0 == ""
        DeleteRegValue HKCU "${PATH_ENTRY_KEY}" "Path"
    ${Else}
        WriteRegExpandStr HKCU "${PATH_ENTRY_KEY}" "Path" $0
    ${EndIf}
    ${If} ${Errors}
        StrCpy $2 0
    ${Else}
        StrCpy $2 1
    ${EndIf}
    SendMessage ${HWND_BROADCAST} ${WM_SETTINGCHANGE} 0 "STR:Environment" /TIMEOUT=5000
FunctionEnd
!macroend
