#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Usage: packaging/windows/make-installer.sh PROBEX-FOLDER VERSION SETUP.exe
# Makes the NSIS installer of the Windows folder. The uninstaller removes exactly the files it
# installed, listed here from the folder, so nothing else a user put there goes with it.
set -euo pipefail
[ $# -eq 3 ] || { echo "usage: $0 PROBEX-FOLDER VERSION SETUP.exe" >&2; exit 64; }
source=$(realpath "$1")
version=$2
outfile=$(realpath -m "$3")
here=$(cd "$(dirname "$0")" && pwd)

list=$(mktemp --suffix=.nsh)
trap 'rm -f "$list"' EXIT
# shellcheck disable=SC2016 # $INSTDIR is NSIS's, not the shell's
(
    cd "$source"
    find . -type f | sort | sed 's|^\./||; s|/|\\|g; s|.*|  Delete "$INSTDIR\\&"|'
    find . -mindepth 1 -type d | sort -r | sed 's|^\./||; s|/|\\|g; s|.*|  RMDir "$INSTDIR\\&"|'
) >"$list"
makensis -V2 -INPUTCHARSET UTF8 "-DVERSION=$version" "-DSOURCE=$source" "-DOUTFILE=$outfile" \
    "-DFILELIST=$list" "$here/probex.nsi"
echo "$outfile"
