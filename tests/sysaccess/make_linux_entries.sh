#!/usr/bin/env bash
# make_linux_entries.sh TARGET: what the folder removal tests need and Wine
# cannot make, made from the Linux side: folder links from inside drive C:
# to TARGET, outside the drive; and a folder holding a sub-folder "Sub" and
# a file "sub", names that differ in case alone.
set -eu
target=$1
drive="$WINEPREFIX/drive_c"
rm -rf "$target" "$drive/qv7links" "$drive/qv7case"
mkdir -p "$target/sub" "$target/emptysub" "$drive/qv7links/top" "$drive/qv7case/Sub"
echo one > "$target/t1.txt"
echo two > "$target/sub/t2.txt"
echo own > "$drive/qv7links/top/own.txt"
ln -s "$target" "$drive/qv7links/top/Outside"
ln -s "$target/emptysub" "$drive/qv7links/toplink"
echo inside > "$drive/qv7case/Sub/inside.txt"
echo file > "$drive/qv7case/sub"
