#!/usr/bin/env bash
# Folder links for the link test, made from the Linux side (Wine cannot make
# them): a folder outside the prefix's drive, linked from inside drive C:.
set -eu
target=/tmp/qv7-link-target
drive="$WINEPREFIX/drive_c"
rm -rf "$target" "$drive/qv7links"
mkdir -p "$target/sub" "$target/emptysub" "$drive/qv7links/top"
echo one > "$target/t1.txt"
echo two > "$target/sub/t2.txt"
echo own > "$drive/qv7links/top/own.txt"
ln -s "$target" "$drive/qv7links/top/Outside"
ln -s "$target/emptysub" "$drive/qv7links/toplink"
