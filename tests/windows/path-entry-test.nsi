; The installer's PATH editing (dist/windows/path-entry.nsh) on a table of PATHs: which entry
; names the folder, what adding and removing it leave, and that removing what was added gives
; the PATH back. Built and run by path-entry.sh; writes one line a check to RESULTS (UTF-16),
; and "done" after the last.
;   makensis -DRESULTS=Z:\path\results.txt -DOUTFILE=/path/test.exe path-entry-test.nsi
Target amd64-unicode
!pragma warning error all
SilentInstall silent
RequestExecutionLevel user
Name "path-entry-test"
OutFile "${OUTFILE}"

!include "${__FILEDIR__}/../../dist/windows/path-entry.nsh"
!insertmacro PATH_ENTRY_FIND ""
!insertmacro PATH_ENTRY_REMOVE ""
!insertmacro PATH_ENTRY_ADD ""

Var results

; A line for the check: what was done, then "ok" or what was got instead of what was expected.
!macro EXPECT WHAT EXPECTED_PATH EXPECTED_STATUS
    ${If} $0 S== "${EXPECTED_PATH}"
    ${AndIf} $2 = ${EXPECTED_STATUS}
        FileWriteUTF16LE $results "ok: ${WHAT}$\n"
    ${Else}
        FileWriteUTF16LE $results "FAILED: ${WHAT}: got '$0' ($2), expected '${EXPECTED_PATH}' (${EXPECTED_STATUS})$\n"
    ${EndIf}
!macroend

!macro REMOVES PATH FOLDER EXPECTED_PATH EXPECTED_STATUS
    StrCpy $0 "${PATH}"
    StrCpy $1 "${FOLDER}"
    Call RemovePathEntry
    !insertmacro EXPECT "removing ${FOLDER} from '${PATH}'" "${EXPECTED_PATH}" ${EXPECTED_STATUS}
!macroend

; Adding, and where it added, removing again.
!macro ADDS PATH FOLDER EXPECTED_PATH EXPECTED_STATUS
    StrCpy $0 "${PATH}"
    StrCpy $1 "${FOLDER}"
    Call AddPathEntry
    !insertmacro EXPECT "adding ${FOLDER} to '${PATH}'" "${EXPECTED_PATH}" ${EXPECTED_STATUS}
    ${If} $2 = 1
        Call RemovePathEntry
        !insertmacro EXPECT "removing what was added to '${PATH}'" "${PATH}" 1
    ${EndIf}
!macroend

; $R0 = LENGTH characters: "C:\" and as many x as make it up.
!macro LONG_PATH LENGTH
    StrCpy $R0 "C:\"
    StrLen $R1 $R0
    ${DoUntil} $R1 >= ${LENGTH}
        StrCpy $R0 "$R0x"
        StrLen $R1 $R0
    ${Loop}
!macroend

Section
    FileOpen $results "${RESULTS}" w
    FileWriteWord $results 0xFEFF

    !insertmacro REMOVES "C:\P" "C:\P" "" 1
    !insertmacro REMOVES "C:\a;C:\P" "C:\P" "C:\a" 1
    !insertmacro REMOVES "C:\P;C:\a" "C:\P" "C:\a" 1
    !insertmacro REMOVES "C:\a;C:\P;C:\b" "C:\P" "C:\a;C:\b" 1
    !insertmacro REMOVES "C:\a;c:\p\;C:\b" "C:\P" "C:\a;C:\b" 1
    !insertmacro REMOVES "c:\p;C:\b" "C:\P" "C:\b" 1
    !insertmacro REMOVES "C:\a;C:\P;C:\P" "C:\P" "C:\a;C:\P" 1
    !insertmacro REMOVES "C:\a;;C:\P;" "C:\P" "C:\a;;" 1
    !insertmacro REMOVES "D:\工具;%USERPROFILE%\bin;C:\程序\P" "C:\程序\P" "D:\工具;%USERPROFILE%\bin" 1
    !insertmacro REMOVES "C:\a;C:\PP;C:\P\bin;C:\" "C:\P" "C:\a;C:\PP;C:\P\bin;C:\" 0
    !insertmacro REMOVES "" "C:\P" "" 0
    !insertmacro REMOVES ";" "C:\P" ";" 0

    !insertmacro ADDS "" "C:\P" "C:\P" 1
    !insertmacro ADDS "C:\a" "C:\P" "C:\a;C:\P" 1
    !insertmacro ADDS "C:\a;" "C:\P" "C:\a;C:\P;" 1
    !insertmacro ADDS "C:\a;;C:\b" "C:\P" "C:\a;;C:\b;C:\P" 1
    !insertmacro ADDS "D:\工具;%USERPROFILE%\bin" "C:\程序\P" "D:\工具;%USERPROFILE%\bin;C:\程序\P" 1
    !insertmacro ADDS "C:\a;c:\p\" "C:\P" "C:\a;c:\p\" 0
    !insertmacro ADDS "C:\P;C:\a" "C:\P" "C:\P;C:\a" 0
    !insertmacro ADDS "C:\a;C:\P\bin" "C:\P" "C:\a;C:\P\bin;C:\P" 1

    ; At the string's limit: a PATH of 1022 characters is whole, one of 1023 may have been cut.
    !insertmacro LONG_PATH 1017
    StrCpy $R2 $R0
    StrCpy $0 $R0
    StrCpy $1 "C:\P"
    Call AddPathEntry
    !insertmacro EXPECT "adding to a PATH that becomes 1022 characters long" "$R2;C:\P" 1
    !insertmacro LONG_PATH 1018
    StrCpy $R2 $R0
    StrCpy $0 $R0
    Call AddPathEntry
    !insertmacro EXPECT "adding to a PATH that would become 1023 characters long" "$R2" -1

    FileWriteUTF16LE $results "done$\n"
    FileClose $results
SectionEnd
