#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# check-reproducible.sh FIRST SECOND
# The packages of two builds (build-packages.sh) in different folders are byte for byte the same:
# every .deb, the debug symbols' included, and the source package. On a difference, diffoscope,
# when installed, says where.
set -uo pipefail
first=$(cd "$1" && pwd) second=$(cd "$2" && pwd)
faults=0
compared=0
for file in "$first"/*.deb "$first"/*.dsc "$first"/*.tar.*; do
  [ -e "$file" ] || continue
  name=$(basename "$file")
  compared=$((compared + 1))
  if [ ! -f "$second/$name" ]; then
    echo "FAULT: the second build made no $name"
    faults=$((faults + 1))
  elif ! cmp -s "$file" "$second/$name"; then
    echo "FAULT: $name differs between $first and $second"
    faults=$((faults + 1))
    if command -v diffoscope >/dev/null; then diffoscope "$file" "$second/$name" | head -n 60; fi
  fi
done
[ "$compared" -gt 0 ] || { echo "FAULT: no packages in $first"; exit 1; }
[ "$faults" = 0 ] && echo "reproducible: $compared files byte-identical"
exit $((faults != 0))
