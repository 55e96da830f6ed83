#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Usage: scripts/windows-e2e.sh PROBEX-FOLDER ZAQ-SIM SCREENSHOT.png
#
# The Windows programs end to end under Wine, against the Linux zaq-sim: Wine's COM1 is mapped
# to the simulator's pseudo-terminal, the only way Wine maps a COM port. Wine cannot set the
# device's baud on a pseudo-terminal and leaves it at 38400, so the simulator accepts any line
# format (--any-line-format).
# - probex-cli.exe from PROBEX-FOLDER (the Windows folder the installer is made from): read the
#   whole EEPROM, write a changed dump with verify, compare it with the device (equal) and the
#   original dump with the device (different, exit 8).
# - probex.exe from PROBEX-FOLDER starts in Xvfb and shows its window; then the build's
#   probex-screenshot.exe, the same window application with a driver that clicks Read and answers
#   its questions, reads the EEPROM through COM1 and saves SCREENSHOT.png.
set -euo pipefail
[ $# -eq 3 ] || { echo "usage: $0 PROBEX-FOLDER ZAQ-SIM SCREENSHOT.png" >&2; exit 64; }
root=$(cd "$(dirname "$0")/.." && pwd)
dist=$(realpath "$1")
sim=$(realpath "$2")
shot=$(realpath -m "$3")
screenshot_exe=${PROBEX_SCREENSHOT_EXE:-$(dirname "$dist")/cmake/probex-screenshot.exe}
run() { "$root/scripts/wine-run.sh" "$@"; }

work=$(mktemp -d)
export WINEPREFIX=${WINEPREFIX:-$work/wine}
sim_pid='' xvfb_pid=''
cleanup() {
    [ -n "$sim_pid" ] && { kill "$sim_pid" 2>/dev/null || true; wait "$sim_pid" 2>/dev/null || true; }
    [ -n "$xvfb_pid" ] && { kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; }
    wineserver -k 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "windows-e2e: $*" >&2; exit 1; }

# The virtual display comes before any Wine process. Wine's desktop process, started with the
# first program of a Wine server, draws every window of that server on the display it was
# started with: started without one (by the command-line runs), it would keep probex.exe's
# window off the screen, for good.
# Xvfb takes a free display number itself and names it once it accepts clients: a number of our
# own choosing could be another run's display.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 300); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb gave no display"
export DISPLAY=:$(head -n1 "$work/display")

# Every run starts from the same image and from a program that has never run (no settings).
"$root/scripts/make-demo-image.sh" "$work/eeprom.bin"
cp "$work/eeprom.bin" "$work/original.bin"
"$sim" --any-line-format "$work/eeprom.bin" >"$work/sim.out" 2>"$work/sim.err" &
sim_pid=$!
for _ in $(seq 100); do [ -s "$work/sim.out" ] && break; sleep 0.1; done
pty=$(head -n1 "$work/sim.out")
[ -c "$pty" ] || fail "zaq-sim gave no pseudo-terminal: $(cat "$work/sim.err")"

run reg add 'HKLM\Software\Wine\Ports' /v COM1 /t REG_SZ /d "$pty" /f >/dev/null
wineserver -k  # the mapping takes effect at the next start of the Wine server
rm -rf "$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/Velmora" \
    "$WINEPREFIX/drive_c/users/$(id -un)/AppData/Local/Velmora"

# Wine starts a program in the Windows form of the current folder: plain file names reach it.
cd "$work"
# The folder's programs get nothing but what lies beside them, as on a Windows machine.
own() { PROBEX_WINE_OWN_FOLDER=1 run "$@"; }
cli() { own "$dist/probex-cli.exe" "$@"; }
expect_status() {
    local want=$1 status=0
    shift
    cli "$@" >"$work/cli.out" 2>"$work/cli.err" || status=$?
    [ "$status" -eq "$want" ] || fail "probex-cli.exe $* exited $status, not $want: $(cat "$work/cli.out" "$work/cli.err")"
}

expect_status 0 read --port COM1 read.bin
cmp read.bin original.bin || fail "the dump read under Wine differs from the simulator's image"
echo "probex-cli.exe read: the whole EEPROM, as the simulator holds it"

cp original.bin changed.bin
printf '\x12\x34\x56' | dd of=changed.bin bs=1 seek=$((0x40)) conv=notrunc status=none
expect_status 0 write --port COM1 changed.bin
cmp changed.bin eeprom.bin || fail "after the write the simulator's image is not the written dump"
grep -q '^Backup: ' cli.err || fail "the write named no backup: $(cat cli.err)"
echo "probex-cli.exe write with verify: the device holds the written dump"

expect_status 0 compare --port COM1 changed.bin
expect_status 8 compare --port COM1 original.bin
grep -q '3 bytes differ: 40, 41, 42' cli.out cli.err || fail "compare said: $(cat cli.out cli.err)"
echo "probex-cli.exe compare: equal to the written dump, 3 bytes differ from the original"

# The window.
own "$dist/probex.exe" >"$work/probex.out" 2>&1 &
probex_pid=$!
# The wait ends when the window is up or the program has ended; the bound only keeps a program
# hung before its window from holding the run.
shown='' started=$SECONDS
while [ $((SECONDS - started)) -lt 300 ]; do
    if xwininfo -root -tree 2>/dev/null | grep -q '"Probex'; then
        shown=yes
        break
    fi
    kill -0 "$probex_pid" 2>/dev/null || break
    sleep 0.2
done
[ -n "$shown" ] || fail "probex.exe showed no window in $((SECONDS - started)) s: $(cat "$work/probex.out")"
echo "probex.exe: its window is up after $((SECONDS - started)) s, with the DLLs and plugins of the folder"
wineserver -k
wait "$probex_pid" 2>/dev/null || true

cp original.bin eeprom.bin
mkdir -p "$(dirname "$shot")"
rm -f "$work/progress.png" "$work/done.png"
LANGUAGE='' LC_ALL='' LC_MESSAGES='' LANG=ru_RU.UTF-8 run "$screenshot_exe" progress.png done.png 2>"$work/screenshot.err" \
    || fail "probex-screenshot.exe failed: $(cat "$work/screenshot.err")"
if grep -E '"(Unable|Device|K-line|Receive)' "$work/screenshot.err"; then
    fail "the read through the window failed"
fi
cp done.png "$shot"
echo "probex.exe's window read the EEPROM under Wine: $shot"
