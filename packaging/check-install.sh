#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# check-install.sh BUILD APP-ID
# Installs BUILD into a temporary DESTDIR and checks the tree as the packages would ship it:
# exactly the expected files, every program's --version, a desktop entry and AppStream metadata
# that validate and point at installed files, man pages that render without warnings and say
# what the programs' --help says, the bash completion, and one version everywhere. Reports every
# fault, not just the first.
set -uo pipefail
export LC_ALL=C.UTF-8  # the programs answer in English, as these checks read them
build=$1 id=$2
source_dir=$(cd "$(dirname "$0")/.." && pwd)
dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT
faults=0
fault() { echo "FAULT: $*"; faults=$((faults + 1)); }

DESTDIR=$dest cmake --install "$build" --prefix /usr >/dev/null || { echo "cmake --install failed"; exit 1; }
root=$dest/usr

# --- Files: exactly these, the programs executable.
expected=(
  bin/probex bin/probex-cli bin/zaq-sim
  "share/applications/$id.desktop"
  "share/metainfo/$id.metainfo.xml"
  "share/icons/hicolor/scalable/apps/$id.svg"
  share/man/man1/probex.1.gz share/man/man1/probex-cli.1.gz share/man/man1/zaq-sim.1.gz
  share/bash-completion/completions/probex-cli share/bash-completion/completions/zaq-sim
  share/probex/demo-eeprom.bin
  share/doc/probex/README.md
)
for size in 16 24 32 48 64 128 256; do
  expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png")
done
actual=$(cd "$root" && find . -type f -o -type l | sed 's|^\./||' | sort)
missing=$(comm -23 <(printf '%s\n' "${expected[@]}" | sort) <(echo "$actual"))
extra=$(comm -13 <(printf '%s\n' "${expected[@]}" | sort) <(echo "$actual"))
[ -z "$missing" ] || fault "not installed:" $missing
[ -z "$extra" ] || fault "installed but not expected:" $extra
for program in probex probex-cli zaq-sim; do
  [ -x "$root/bin/$program" ] || fault "bin/$program is not executable"
done
cmp -s "$source_dir/README.md" "$root/share/doc/probex/README.md" || fault "share/doc/probex/README.md is not README.md"
[ "$(stat -c %s "$root/share/probex/demo-eeprom.bin" 2>/dev/null)" = 256 ] || fault "the demonstration image is not 256 bytes"

# --- One version: the project's, in every program's --version, the man pages, the metainfo's
# newest release and the Debian changelog.
project_version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
for program in probex probex-cli zaq-sim; do
  first_line=$("$root/bin/$program" --version | head -n 1)
  [ "${PIPESTATUS[0]}" = 0 ] || fault "$program --version fails"
  [ "$first_line" = "$program $project_version" ] || fault "$program --version says '$first_line'"
done
changelog_version=$(sed -n '1s/^probex (\([^)]*\)).*/\1/p' "$source_dir/debian/changelog")
[ "$changelog_version" = "$project_version" ] || fault "debian/changelog is at $changelog_version, the project at $project_version"

for size in 16 24 32 48 64 128 256; do
  png=$root/share/icons/hicolor/${size}x${size}/apps/$id.png
  [ -f "$png" ] || continue
  [ "$(identify -format '%wx%h' "$png" 2>/dev/null)" = "${size}x${size}" ] || fault "$png is not ${size}x${size}"
done

# --- Desktop entry and AppStream metadata.
desktop=$root/share/applications/$id.desktop
metainfo=$root/share/metainfo/$id.metainfo.xml
if [ -f "$desktop" ]; then
  out=$(desktop-file-validate "$desktop" 2>&1) || fault "desktop-file-validate: $out"
  exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
  [ -x "$root/bin/$exec_name" ] || fault "Exec=$exec_name is not an installed program"
  [ "$(sed -n 's/^Icon=//p' "$desktop")" = "$id" ] || fault "Icon= is not $id"
fi
if [ -f "$metainfo" ]; then
  out=$(appstreamcli validate --no-net "$metainfo" 2>&1) || fault "appstreamcli validate: $out"
  grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fault "metainfo does not launch $id.desktop"
  grep -q '<screenshot type="default">' "$metainfo" || fault "metainfo has no default screenshot"
  grep -q '<project_license>GPL-3.0-or-later</project_license>' "$metainfo" || fault "metainfo names no GPL-3.0-or-later"
  version=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$metainfo" | head -n 1)
  [ "$version" = "$project_version" ] || fault "newest metainfo release $version, project $project_version"
fi

# --- Man pages: no warnings from man(1), the usual sections, and probex-cli's exit codes as in
# its --help.
render() { MANWIDTH=100 man -E UTF-8 -l "$1" 2>/dev/null | col -bx; }
for program in probex probex-cli zaq-sim; do
  page=$root/share/man/man1/$program.1.gz
  [ -f "$page" ] || continue
  warnings=$(LC_ALL=C.UTF-8 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fault "man $program: $warnings"
  text=$(render "$page")
  for section in NAME SYNOPSIS DESCRIPTION FILES "SEE ALSO"; do
    grep -qx "$section" <<<"$text" || fault "man $program has no $section section"
  done
  [ "$program" = probex ] || grep -qx EXAMPLES <<<"$text" || fault "man $program has no EXAMPLES"
  grep -Eq "^ *$program( |$)" <<<"$(sed -n '/^SYNOPSIS$/,/^[A-Z]/p' <<<"$text")" ||
    fault "man $program: the synopsis does not show the program"
  grep -Eq "^$program $project_version " <<<"$(grep . <<<"$text" | tail -n 1)" ||
    fault "man $program does not give version $project_version"
done
probex_text=$(render "$root/share/man/man1/probex.1.gz")
for word in probex.log XDG_STATE_HOME Ctrl+F Probex.conf; do
  grep -qF "$word" <<<"$probex_text" || fault "man probex does not name $word"
done
# probex-cli's page: its own OPTIONS and EXIT STATUS sections, and each command of --help's
# "Commands:" an entry of its own.
cli_text=$(render "$root/share/man/man1/probex-cli.1.gz")
for section in OPTIONS "EXIT STATUS"; do
  grep -qx "$section" <<<"$cli_text" || fault "man probex-cli has no $section section"
done
commands=$("$root/bin/probex-cli" --help | awk '/^Commands:/ { on = 1; next } on && !NF { exit } on && /^  [a-z]/ { print $1 }')
[ -n "$commands" ] || fault "probex-cli --help lists no commands"
for command in $commands; do
  grep -Eq "^ +$command( {2,}[^ ]|$)" <<<"$cli_text" || fault "man probex-cli has no entry of its own for $command"
done

"$source_dir/packaging/check-completion.sh" "$root/bin" "$root/share/bash-completion/completions" ||
  fault "bash completion"
# The exit codes: the numbers that start the lines after the "Exit status" heading at the
# indentation of the first, up to a line indented less.
exit_codes() { awk 'tolower($0) ~ /^ *exit (status|codes):? *$/ { on = 1; indent = -1; next }
                    on && NF { match($0, /^ */)
                               if (indent < 0) indent = RLENGTH
                               if (RLENGTH < indent) { on = 0; next }
                               if (RLENGTH == indent && $1 ~ /^[0-9]+$/) print $1 }'; }
help_codes=$("$root/bin/probex-cli" --help | exit_codes | tr '\n' ' ')
man_codes=$(render "$root/share/man/man1/probex-cli.1.gz" | exit_codes | tr '\n' ' ')
[ -n "$help_codes" ] || fault "probex-cli --help lists no exit codes"
[ "$help_codes" = "$man_codes" ] ||
  fault "exit codes: probex-cli --help lists '$help_codes', its man page '$man_codes'"

[ "$faults" = 0 ] && echo "install tree OK: ${#expected[@]} files, exit codes $help_codes"
exit $((faults != 0))
