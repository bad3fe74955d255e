#!/bin/sh
# Checks the desktop entries and the file-type description in FOLDER with
# the desktop's own tools; exit 77 (skipped) when they are not installed.
set -eu
folder=$1
for tool in desktop-file-validate xmllint update-mime-database; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed"; exit 77; }
done
for entry in "$folder"/*.desktop; do
    desktop-file-validate "$entry"
    # Docks match a window to its entry by the window class, which each
    # program sets to its installed name, the one its entry starts.
    program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry" | head -n 1)
    grep -qx "StartupWMClass=$program" "$entry" ||
        { echo "$entry: StartupWMClass is not $program"; exit 1; }
done
xmllint --noout "$folder"/kvaro-bk.xml
# update-mime-database reports what xmllint lets pass, such as a magic
# match of an unknown type or with a bad value.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/mime/packages"
cp "$folder"/kvaro-bk.xml "$work/mime/packages/"
output=$(XDG_DATA_HOME="$work" XDG_DATA_DIRS="$work" update-mime-database "$work/mime" 2>&1)
[ -z "$output" ] || { echo "$output"; exit 1; }
grep -q '^application/x-bk-pic' "$work/mime/types"
