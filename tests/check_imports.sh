#!/usr/bin/env bash
# Each executable given must be a 32-bit PE file that imports system DLLs only.
set -u
export LC_ALL=C   # objdump speaks the locale's language otherwise
allowed='^(kernel32|user32|gdi32|advapi32|shell32|shlwapi|ole32|comctl32|comdlg32|userenv|msvcrt|version)\.dll$'
status=0
for exe in "$@"; do
    if ! i686-w64-mingw32-objdump -f "$exe" | grep -q 'file format pei-i386'; then
        echo "$exe: not a 32-bit PE executable"; status=1; continue
    fi
    for dll in $(i686-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p'); do
        if ! echo "$dll" | tr 'A-Z' 'a-z' | grep -Eq "$allowed"; then
            echo "$exe: imports $dll"; status=1
        fi
    done
done
[ $status -eq 0 ] && echo "$# executables: 32-bit PE, system DLLs only"
exit $status
