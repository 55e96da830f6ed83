#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Usage: packaging/windows/check-installer.sh SETUP.exe PROBEX-FOLDER
# Installs SETUP.exe silently under Wine (in WINEPREFIX, else a prefix of its own), as an
# administrator would, and checks the result: every file of PROBEX-FOLDER in Program Files, the
# Start-menu entry, the uninstall entry Settings > Apps lists, and probex-cli.exe running from
# there with nothing but its own folder. Then uninstalls silently: all of it gone, and a file the user put in the folder kept.
set -euo pipefail
[ $# -eq 2 ] || { echo "usage: $0 SETUP.exe PROBEX-FOLDER" >&2; exit 64; }
root=$(cd "$(dirname "$0")/../.." && pwd)
setup=$(realpath "$1")
dist=$(realpath "$2")
work=$(mktemp -d)
export WINEPREFIX=${WINEPREFIX:-$work/wine}
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
run() { PROBEX_WINE_OWN_FOLDER=1 "$root/scripts/wine-run.sh" "$@"; }
fail() { echo "check-installer: $*" >&2; exit 1; }

installed="$WINEPREFIX/drive_c/Program Files/Probex"
start_menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Probex"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Probex'

run "$setup" /S
wineserver --wait
while IFS= read -r -d '' file; do
    cmp -s "$dist/$file" "$installed/$file" || fail "$file is not installed as built"
done < <(cd "$dist" && find . -type f -printf '%P\0')
[ -f "$installed/Uninstall.exe" ] || fail "no uninstaller"
[ -f "$start_menu/Probex.lnk" ] || fail "no Start-menu entry in $start_menu"
run reg query "$uninstall_key" /v UninstallString | grep -q 'Uninstall.exe' || fail "no uninstall entry"
run "$installed/probex-cli.exe" --version | grep -q '^probex-cli ' || fail "the installed probex-cli.exe does not run"
echo "installed: $(cd "$dist" && find . -type f | wc -l) files, Start-menu entry, uninstall entry; probex-cli.exe runs"

echo "a note of the user's" >"$installed/notes.txt"
# The uninstaller copies itself away and runs from there: the wait is for every Wine process.
run "$installed/Uninstall.exe" /S
wineserver --wait
left=$(cd "$installed" && find . -mindepth 1 -printf '%P\n')
[ "$left" = notes.txt ] || fail "after uninstalling, the folder holds: $left"
[ ! -e "$start_menu" ] || fail "the Start-menu entry is still there"
if run reg query "$uninstall_key" >/dev/null 2>&1; then
    fail "the uninstall entry is still there"
fi
echo "uninstalled: the installed files, the Start-menu entry and the uninstall entry are gone, the user's file kept"
