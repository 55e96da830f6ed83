#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# check-spdx.sh SOURCE-DIR
# Every source file (in a checkout, those git knows) starts with the licence's SPDX line in its
# own comment syntax: C++ with "//", CMake, make and shell files with "#", the latter right after
# their "#!" line. Lists every file without it.
set -uo pipefail
cd "$1" || exit 1
line='SPDX-License-Identifier: GPL-3.0-or-later'
missing=0 checked=0
while IFS= read -r -d '' file; do
  [ -f "$file" ] || continue
  case $file in
    *.cpp | *.h) want="// $line" ;;
    *.sh | *.cmake | CMakeLists.txt | */CMakeLists.txt | Makefile | */Makefile | debian/rules | \
      packaging/completion/*) want="# $line" ;;
    *) head -c 2 "$file" | grep -q '^#!' || continue
       want="# $line" ;;
  esac
  checked=$((checked + 1))
  first=$(head -n 1 "$file")
  [[ $first == '#!'* ]] && first=$(sed -n 2p "$file")
  if [ "$first" != "$want" ]; then
    echo "no SPDX line: $file"
    missing=$((missing + 1))
  fi
done < <(if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
           git ls-files -z
         else  # an unpacked source tarball
           find . -path './build*' -prune -o -path ./.git -prune -o -type f -printf '%P\0'
         fi)
[ "$checked" -gt 0 ] || { echo "no source files found under $1"; exit 1; }
[ "$missing" = 0 ] && echo "SPDX line in all $checked source files"
exit $((missing != 0))
