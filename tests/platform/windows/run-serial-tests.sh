#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the Win32 serial test program under Wine with COM1 and COM2 joined through a pair of
# pseudo-terminals. Usage: run-serial-tests.sh TEST.exe [gtest options]
# WINEPREFIX names the Wine prefix to use (its COM1 and COM2 are mapped, then left mapped).
set -eu
exe=$1
shift
here=$(cd "$(dirname "$0")" && pwd)
wine=${WINE:-$(command -v wine || command -v /usr/lib/wine/wine64 || echo wine)}
wineserver=${WINESERVER:-$(command -v wineserver || echo /usr/lib/wine/wineserver64)}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=} WINEDEBUG=${WINEDEBUG:--all}

fifo=$(mktemp -u)
mkfifo "$fifo"
python3 "$here/pty-pair.py" >"$fifo" &
bridge=$!
trap 'kill $bridge 2>/dev/null; rm -f "$fifo"' EXIT INT TERM
read -r com1 com2 <"$fifo"

# Wine maps COM ports through the registry only, read when its server starts.
"$wine" reg add 'HKLM\Software\Wine\Ports' /v COM1 /t REG_SZ /d "$com1" /f >/dev/null
"$wine" reg add 'HKLM\Software\Wine\Ports' /v COM2 /t REG_SZ /d "$com2" /f >/dev/null
"$wineserver" -k >/dev/null 2>&1 || true


PROBEX_TEST_COM_PAIR=COM1,COM2 "$wine" "$exe" "$@"
