#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts Probex under Xvfb against zaq-sim, runs a read through the window and saves
# screenshots: OUT (after the read) and OUT with -progress (while the bar runs); then a write that
# the simulated device ignores, so the verify finds differences: OUT with -verify.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
out=${2:-$root/docs/screenshot.png}
mkdir -p "$(dirname "$out")"
out=$(cd "$(dirname "$out")" && pwd)/$(basename "$out")

work=$(mktemp -d)
export XDG_CONFIG_HOME="$work/config"
mkdir -p "$XDG_CONFIG_HOME/Velmora/ports"
sim_pid= xvfb_pid=
cleanup() {
  [ -n "$sim_pid" ] && { kill "$sim_pid" 2>/dev/null || true; wait "$sim_pid" 2>/dev/null || true; }
  [ -n "$xvfb_pid" ] && { kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; }
  rm -rf "$work"
}
trap cleanup EXIT

"$root/scripts/make-demo-image.sh" "$work/eeprom.bin"
"$build/tools/zaq-sim" --ignore-writes --link COM1 "$work/eeprom.bin" >"$work/sim.out" &
sim_pid=$!
for _ in $(seq 50); do [ -s "$work/sim.out" ] && break; sleep 0.1; done

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 800x600x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.1; done

DISPLAY=$display QT_QPA_PLATFORM=xcb "$build/app/probex-screenshot" "${out%.png}-progress.png" "$out" \
  "${out%.png}-verify.png"
echo "Saved $out, ${out%.png}-progress.png and ${out%.png}-verify.png"
