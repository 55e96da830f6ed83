#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Usage: scripts/wine-run.sh PROGRAM.exe [ARGUMENTS...]
#
# Runs a program of the Windows build under Wine and exits with its status. The Qt DLLs and
# plugins come from the Windows Qt (PROBEX_QT_WINDOWS, default as scripts/build-qt-windows.sh
# makes it) and the compiler's runtime DLLs from mingw-w64, so a test program runs from the build
# folder as it is; with PROBEX_WINE_OWN_FOLDER=1 the program gets nothing but what lies beside it,
# as on a machine without either. The Wine prefix is WINEPREFIX (default ~/.cache/probex/wine), made on first
# use without the Mono and Gecko prompts; set WINEDEBUG to see Wine's own messages.
set -euo pipefail
[ $# -ge 1 ] || { echo "usage: $0 PROGRAM.exe [ARGUMENTS...]" >&2; exit 64; }

cache=${XDG_CACHE_HOME:-$HOME/.cache}/probex
qt=${PROBEX_QT_WINDOWS:-$cache/qt6-6.4.2-mingw-w64-x86_64}
export WINEPREFIX=${WINEPREFIX:-$cache/wine}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

windows_path() { echo "Z:${1//\//\\}"; }
if [ "${PROBEX_WINE_OWN_FOLDER:-}" = 1 ]; then
    unset WINEPATH QT_PLUGIN_PATH
else
    runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
    pthread=$(dirname "$(realpath "$(x86_64-w64-mingw32-g++-posix -print-file-name=libwinpthread-1.dll)")")
    WINEPATH="$(windows_path "$qt/bin");$(windows_path "$runtime");$(windows_path "$pthread")"
    QT_PLUGIN_PATH=$(windows_path "$qt/plugins")
    export WINEPATH QT_PLUGIN_PATH
fi

# Two test programs started at once must not both make the prefix.
mkdir -p "$(dirname "$WINEPREFIX")"
(
    flock 9
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        wineboot --init >/dev/null 2>&1
        wineserver --wait
    fi
) 9>"$WINEPREFIX.lock"

exec wine "$@"
