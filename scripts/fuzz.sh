#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every fuzz target built under the build folder's fuzz/ for the given seconds, each from
# its seed corpus in fuzz/corpus/<target>. New inputs go to the build folder, never into the
# repository. A crash, a sanitizer report or a leak stops the target with a non-zero status and
# leaves the input that caused it in <build>/fuzz-artifacts; the script then fails.
set -euo pipefail
build=${1:-build-fuzz}
seconds=${2:-30}
source=$(cd "$(dirname "$0")/.." && pwd)
mapfile -t targets < <(find "$build/fuzz" -maxdepth 1 -type f -perm -u+x -name 'Fuzz*' 2>/dev/null | sort)
if [[ ${#targets[@]} == 0 ]]; then
  echo "no fuzz targets under $build/fuzz" >&2
  exit 1
fi
mkdir -p "$build/fuzz-artifacts" "$build/fuzz-tmp"
export TMPDIR
TMPDIR=$(cd "$build/fuzz-tmp" && pwd)
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
status=0
summary=()
for target in "${targets[@]}"; do
  name=$(basename "$target")
  seeds="$source/fuzz/corpus/$name"
  work="$build/fuzz-corpus/$name"
  mkdir -p "$work"
  log="$build/fuzz-artifacts/$name.log"
  echo "== $name, $seconds s"
  if "$target" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 -rss_limit_mb=2048 \
      -artifact_prefix="$build/fuzz-artifacts/$name-" "$work" "$seeds" >"$log" 2>&1; then
    result=ok
  else
    result=FAILED
    status=1
    tail -n 60 "$log"
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  summary+=("$name: ${runs:-?} executions, $result")
done
printf '%s\n' "${summary[@]}"
exit $status
