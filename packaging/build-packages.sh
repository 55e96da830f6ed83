#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# build-packages.sh OUT
# Builds the source package and the binary packages with dpkg-buildpackage from a copy of the
# files git knows, as they are in the work tree, in OUT/probex-VERSION; the results land in OUT.
# SOURCE_DATE_EPOCH is the time of the last commit, so the packages do not depend on when they
# are built. Outside a git checkout the whole tree is copied, less its build folders, and the
# time is the changelog's.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$1
version=$(sed -n 's/^project(Probex VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
rm -rf "$out"
mkdir -p "$out/probex-$version"
out=$(cd "$out" && pwd)
if git -C "$root" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  # A file deleted but not yet committed is left out.
  (cd "$root" && git ls-files -z | while IFS= read -r -d '' file; do
    [ -e "$file" ] && printf '%s\0' "$file"
  done | tar --null -T - -cf -) | tar -xf - -C "$out/probex-$version"
  SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git -C "$root" log -1 --format=%ct)}
  export SOURCE_DATE_EPOCH
else
  tar -C "$root" --exclude='./build*' -cf - . | tar -xf - -C "$out/probex-$version"
fi
cd "$out/probex-$version"
dpkg-buildpackage -us -uc -J"$(nproc)"
