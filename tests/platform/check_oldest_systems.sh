#!/usr/bin/env bash
# check_oldest_systems.sh EXE: would the Windows 95 and NT 4.0 loaders start
# EXE? They refuse a program whose OS or subsystem version is above 4.0, or
# that imports a DLL or a function the system lacks, before any of its code
# runs. Wine cannot show this (it has every export in every version mode),
# so the PE header and import table are read and every import looked up in
# oldest-exports.tsv beside this script.
set -u
export LC_ALL=C
exe=$1
table="$(dirname "$0")/oldest-exports.tsv"
dump=$(i686-w64-mingw32-objdump -p "$exe") || { echo "$exe: not readable as a PE file"; exit 1; }

status=0
for field in OSystem Subsystem; do
    major=$(echo "$dump" | awk -v f="Major${field}Version" '$1 == f { print $2 }')
    minor=$(echo "$dump" | awk -v f="Minor${field}Version" '$1 == f { print $2 }')
    if [ "$major.$minor" != "4.0" ]; then
        echo "$exe: ${field/OSystem/OS} version $major.$minor, not 4.0"
        status=1
    fi
done

# One "dll function" line per import, DLL names in lower case; an import by
# ordinal has no name to look up.
imports=$(echo "$dump" | awk '
    /^\tDLL Name: / { dll = tolower($3); next }
    /^$/ { dll = "" }
    dll != "" && /^\t[0-9a-f]+\t/ { print dll, (NF >= 3 && $3 != "<none>") ? $3 : "(by ordinal " $2 ")" }')

# Rows whose oldest systems are Windows 95 and NT 4.0 or earlier.
loadable=$(awk -F'\t' '!/^#/ && NF >= 5 && $3 == "95" && ($4 == "3.1" || $4 == "3.51" || $4 == "4.0") {
    print tolower($1), $2 }' "$table")

count=0
while read -r dll function; do
    count=$((count + 1))
    if ! grep -qxF "$dll $function" <<<"$loadable"; then
        if grep -q "^$dll " <<<"$loadable"; then
            echo "$exe: $function ($dll) is not in the table of what Windows 95 and NT 4.0 export"
        else
            echo "$exe: imports $dll, which Windows 95 or NT 4.0 lacks ($function)"
        fi
        status=1
    fi
done <<<"$imports"

if [ $status -eq 0 ]; then
    echo "$exe: OS and subsystem 4.0; all $count imports exported by Windows 95 and NT 4.0"
else
    echo "$exe: refused"
fi
exit $status
