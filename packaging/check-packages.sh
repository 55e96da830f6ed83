#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# check-packages.sh OUT
# Checks what build-packages.sh left in OUT: lintian finds no error in the source package or the
# binary packages, hardening-check passes on every program, probex-cli depends on the C and C++
# runtime alone, probex on the same version of probex-cli, and each package holds its own files.
# Reports every fault, not just the first.
set -uo pipefail
out=$(cd "$1" && pwd)
root=$(cd "$(dirname "$0")/.." && pwd)
version=$(sed -n 's/^project(Probex VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
arch=$(dpkg --print-architecture)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
faults=0
fault() { echo "FAULT: $*"; faults=$((faults + 1)); }

changes=$out/probex_${version}_$arch.changes
[ -f "$changes" ] || { echo "FAULT: no $changes"; exit 1; }
lintian --fail-on error --display-info "$changes" || fault "lintian reports an error"

deb() { echo "$out/$1_${version}_$arch.deb"; }
for package in probex probex-cli; do
  [ -f "$(deb $package)" ] || { fault "no $(deb $package)"; continue; }
  dpkg-deb -x "$(deb $package)" "$tmp/$package"
  [ "$(dpkg-deb -f "$(deb $package)" Version)" = "$version" ] || fault "$package is not at version $version"
done

# --- Each package's own files: the programs, and what goes with them.
holds() {
  local package=$1 path
  shift
  for path; do
    compgen -G "$tmp/$package/$path" >/dev/null || fault "$package does not hold $path"
  done
}
holds probex-cli usr/bin/probex-cli usr/bin/zaq-sim usr/share/man/man1/probex-cli.1.gz \
  usr/share/man/man1/zaq-sim.1.gz usr/share/bash-completion/completions/probex-cli \
  usr/share/bash-completion/completions/zaq-sim usr/share/probex/demo-eeprom.bin \
  usr/share/doc/probex-cli/copyright
holds probex usr/bin/probex usr/share/man/man1/probex.1.gz 'usr/share/doc/probex/README.md*' \
  usr/share/doc/probex/copyright usr/share/applications/io.github.velmora.Probex.desktop \
  usr/share/metainfo/io.github.velmora.Probex.metainfo.xml
[ -e "$tmp/probex-cli/usr/bin/probex" ] && fault "probex-cli holds the window program"

# --- Dependencies: no Qt for the command line; the window program on the same probex-cli.
depends() { dpkg-deb -f "$(deb "$1")" Depends | tr ',' '\n' | sed 's/^ *//; s/ .*//'; }
cli_depends=$(depends probex-cli | grep -vx -e libc6 -e libgcc-s1 -e libstdc++6)
[ -z "$cli_depends" ] || fault "probex-cli depends on more than the C and C++ runtime:" $cli_depends
dpkg-deb -f "$(deb probex)" Depends | grep -q "probex-cli (= $version)" ||
  fault "probex does not depend on probex-cli (= $version)"
depends probex | grep -q '^libqt6widgets6' || fault "probex does not depend on Qt's widgets"

# --- The distribution's hardening on every program. Control-flow protection is not asked for:
# Debian 12's C start files carry no CET marking, so no program linked with them can carry it.
hardening-check --nocfprotection "$tmp/probex/usr/bin/probex" "$tmp/probex-cli/usr/bin/probex-cli" \
  "$tmp/probex-cli/usr/bin/zaq-sim" || fault "hardening-check"

[ "$faults" = 0 ] && echo "packages OK: $(cd "$out" && ls -- *.deb | tr '\n' ' ')"
exit $((faults != 0))
