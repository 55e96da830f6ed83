#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts Probex under Xvfb against zaq-sim, runs a read through the window and saves
# screenshots: OUT (after the read) and OUT with -progress (while the bar runs); then a write that
# the simulated device ignores, so the verify finds differences: OUT with -verify; then the
# "Restore from backup..." dialog on the backup that write stored: OUT with -restore; last the
# adapter check's report: OUT with -check. All of that twice: in the Russian interface, and in the
# English one with -en before the extension.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
out=${2:-$root/docs/screenshot.png}
mkdir -p "$(dirname "$out")"
out=$(cd "$(dirname "$out")" && pwd)/$(basename "$out")

work=$(mktemp -d)
export XDG_CONFIG_HOME="$work/config"
export XDG_DATA_HOME="$work/data"
mkdir -p "$XDG_CONFIG_HOME/Velmora/ports"
sim_pid= xvfb_pid=
cleanup() {
  [ -n "$sim_pid" ] && { kill "$sim_pid" 2>/dev/null || true; wait "$sim_pid" 2>/dev/null || true; }
  [ -n "$xvfb_pid" ] && { kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; }
  rm -rf "$work"
}
trap cleanup EXIT

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 800x600x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.1; done

# $1: the interface language's locale, $2: the first picture's name.
take() {
  # A fresh device and settings for each language, so both show the same scenes.
  rm -rf "$XDG_CONFIG_HOME/Velmora" "$XDG_DATA_HOME/Velmora" && mkdir -p "$XDG_CONFIG_HOME/Velmora/ports"
  "$root/scripts/make-demo-image.sh" "$work/eeprom.bin"
  rm -f "$work/sim.out"
  "$build/tools/zaq-sim" --byte-timing --ignore-writes --link COM1 "$work/eeprom.bin" >"$work/sim.out" &
  sim_pid=$!
  for _ in $(seq 50); do [ -s "$work/sim.out" ] && break; sleep 0.1; done
  DISPLAY=$display QT_QPA_PLATFORM=xcb LANGUAGE= LC_ALL= LC_MESSAGES= LANG=$1 \
    "$build/app/probex-screenshot" "${2%.png}-progress.png" "$2" "${2%.png}-verify.png" \
    "${2%.png}-restore.png" "${2%.png}-check.png"
  kill "$sim_pid" 2>/dev/null || true
  wait "$sim_pid" 2>/dev/null || true
  sim_pid=
  echo "Saved $2, ${2%.png}-progress.png, ${2%.png}-verify.png, ${2%.png}-restore.png and ${2%.png}-check.png"
}
take ru_RU.UTF-8 "$out"
take en_US.UTF-8 "${out%.png}-en.png"
