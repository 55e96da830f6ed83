#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# make-man.sh PROGRAM SUMMARY INCLUDE VERSION OUT.gz
# Writes PROGRAM's man page from its --help with help2man, so the page cannot drift from the
# program. The help lists several usage lines under a lone "Usage:"; help2man only takes
# "Usage: LINE" followed by "or: LINE", so the help is passed through a wrapper of the
# program's own name that rewrites that block.
set -euo pipefail
program=$1 summary=$2 include=$3 version=$4 out=$5
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
wrapper="$tmp/$(basename "$program")"
cat >"$wrapper" <<WRAPPER
#!/bin/bash
set -o pipefail
"$program" "\$@" | awk '
  /^Usage:[ \t]*\$/ { usage = 1; first = 1; next }
  usage && /^[ \t]+[^ \t]/ { sub(/^[ \t]+/, ""); gsub(/  +/, " "); print (first ? "Usage: " : "  or:  ") \$0; first = 0; next }
  { usage = 0; print }'
WRAPPER
chmod +x "$wrapper"
help2man --no-info --version-string="$version" --name="$summary" --include="$include" \
  --output="$tmp/page.1" "$wrapper"
gzip -9n <"$tmp/page.1" >"$out.tmp"
mv "$out.tmp" "$out"
