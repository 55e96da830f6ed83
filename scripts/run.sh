#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts Probex from a build folder.
#
# With no serial adapter on this machine (no USB or ACM serial device, no entry in the
# per-user port map that leads to a device), a simulated K-line adapter with a ZAQ device
# (zaq-sim) is started first, holding a demonstration EEPROM image, and registered in the
# port map as a COM name, so read ID, read, edit, save and write all work at once. The
# simulator is stopped, and the port map put back as it was, when Probex exits.
set -euo pipefail
build=${1:-build}
app="$build/app/probex"
sim="$build/tools/zaq-sim"
config_home=${XDG_CONFIG_HOME:-$HOME/.config}
port_map="$config_home/Velmora/ports"
demo_image="${XDG_DATA_HOME:-$HOME/.local/share}/Velmora/demo-eeprom.bin"

adapter_present() {
  compgen -G '/sys/class/tty/ttyUSB*' >/dev/null || compgen -G '/sys/class/tty/ttyACM*' >/dev/null && return 0
  local link
  for link in "$port_map"/COM*; do
    [ -e "$link" ] && return 0  # -e follows the link: only a live device counts
  done
  return 1
}

# The first COM name the port map does not use yet; COM1 when there is no map, so the
# program's default port finds the simulator.
free_com_name() {
  local n
  for ((n = 1; n <= 16; n++)); do
    [ -e "$port_map/COM$n" ] || [ -L "$port_map/COM$n" ] || { echo "COM$n"; return; }
  done
  echo "COM16"
}

if adapter_present || [ ! -x "$sim" ]; then
  exec "$app"
fi

if [ ! -f "$demo_image" ]; then
  mkdir -p "$(dirname "$demo_image")"
  "$(dirname "$0")/make-demo-image.sh" "$demo_image"
fi
created_map=
[ -d "$port_map" ] || created_map=yes
com_name=$(free_com_name)
sim_out=$(mktemp)
"$sim" --link "$com_name" "$demo_image" >"$sim_out" &
sim_pid=$!

cleanup() {
  kill "$sim_pid" 2>/dev/null || true
  wait "$sim_pid" 2>/dev/null || true
  rm -f "$sim_out"
  if [ -n "$created_map" ]; then
    rmdir "$port_map" 2>/dev/null || true
  fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM

for _ in $(seq 50); do
  [ -s "$sim_out" ] && break
  kill -0 "$sim_pid" 2>/dev/null || { echo "run.sh: zaq-sim did not start" >&2; exit 1; }
  sleep 0.1
done
echo "No serial adapter found: $com_name is a simulated adapter and ZAQ device ($(head -n1 "$sim_out"))."
echo "Its EEPROM image is $demo_image."
"$app"
