#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# make-man.sh PROGRAM SUMMARY INCLUDE OUT.gz
# Writes PROGRAM's man page from its --help and --version with help2man, so the page cannot drift
# from the program. help2man is given a wrapper of the program's own name that reshapes the help
# into what help2man reads:
# - the usage lines under a lone "Usage:" become "Usage: LINE" and "or: LINE", a line indented
#   deeper than the first joining the one before it;
# - "Exit status:" becomes a section of its own (help2man's "*Name*" form), which the include
#   file places before its own sections.
set -euo pipefail
export LC_ALL=C.UTF-8  # month names and sorting the same in every build
program=$1 summary=$2 include=$3 out=$4
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
wrapper="$tmp/$(basename "$program")"
cat >"$wrapper" <<WRAPPER
#!/bin/bash
set -o pipefail
"$program" "\$@" | awk '
  function flush() { if (line != "") { print (first ? "Usage: " : "  or:  ") line; first = 0 } line = "" }
  /^Usage:[ \t]*\$/ { usage = 1; first = 1; indent = -1; next }
  usage && /^[ \t]+[^ \t]/ {
    match(\$0, /^[ \t]+/)
    text = substr(\$0, RLENGTH + 1); gsub(/  +/, " ", text)
    if (indent < 0) indent = RLENGTH
    if (RLENGTH > indent) { line = line " " text; next }
    flush(); line = text; next }
  usage { flush(); usage = 0 }
  /^Exit status:[ \t]*\$/ { sub(/:[ \t]*\$/, ""); print "*" \$0 "*"; next }
  { print }
  END { flush() }'
WRAPPER
chmod +x "$wrapper"
help2man --no-info --name="$summary" --include="$include" --output="$tmp/page.1" "$wrapper"
gzip -9n <"$tmp/page.1" >"$out.tmp"
mv "$out.tmp" "$out"
