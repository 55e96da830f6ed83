#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every benchmark program (bench-*) built under the build folder's bench/.
set -euo pipefail
build=${1:-build}
mapfile -t programs < <(find "$build/bench" -type f -perm -u+x -name 'bench-*' 2>/dev/null | sort)
if [[ ${#programs[@]} == 0 ]]; then
  echo "no benchmark programs under $build/bench" >&2
  exit 1
fi
status=0
for program in "${programs[@]}"; do
  echo "== $(basename "$program")"
  "$program" || status=1
  echo
done
exit $status
