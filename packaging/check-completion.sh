#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# check-completion.sh BIN-DIR COMPLETIONS-DIR
# Completes command lines of probex-cli and zaq-sim as bash would, each program's completion
# loaded from the file of its own name, with the programs of BIN-DIR, a per-user port map
# holding COM3 and COM7, and a folder of dump files. Reports every wrong completion.
set -uo pipefail
bin=$(cd "$1" && pwd) completions=$(cd "$2" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export PATH="$bin:$PATH" XDG_CONFIG_HOME="$work/config" HOME="$work"
mkdir -p "$XDG_CONFIG_HOME/Velmora/ports" "$work/files/dumps"
ln -s /dev/null "$XDG_CONFIG_HOME/Velmora/ports/COM3"
ln -s /dev/null "$XDG_CONFIG_HOME/Velmora/ports/COM7"
touch "$work/files/dump.bin" "$work/files/-odd.bin"
cd "$work/files" || exit 1
faults=0

# complete WORD... : what bash offers for the last word, sorted, one line.
complete_words() {
  (
    # shellcheck source=/dev/null
    source "$completions/$1" || exit 1
    COMP_WORDS=("$@")
    COMP_CWORD=$(($# - 1))
    function=$(complete -p "$1" | sed -n 's/.*-F \([^ ]*\).*/\1/p')
    "$function" "$1" "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' ' | sed 's/ $//'
  )
}

# expect exact|has|lacks "WORDS" "TEXT": the completion is TEXT, contains or lacks each word of it.
expect() {
  local how=$1 line=$2 want=$3 got word
  read -ra words <<<"$line"
  [ "${line: -1}" = " " ] && words+=("")
  got=$(complete_words "${words[@]}")
  case $how in
    exact) [ "$got" = "$want" ] || { echo "FAULT: '$line' completes to '$got', not '$want'"; faults=$((faults + 1)); } ;;
    has | lacks)
      for word in $want; do
        if grep -qxF -- "$word" <<<"${got// /$'\n'}"; then [ "$how" = has ]; else [ "$how" = lacks ]; fi ||
          { echo "FAULT: '$line' completes to '$got': $how $word expected"; faults=$((faults + 1)); }
      done ;;
  esac
}

expect has "probex-cli " "id read write compare diff"
expect exact "probex-cli w" "write"
expect exact "probex-cli read --ch" "--changed-only"
expect has "probex-cli --" "--port --timeout --last --range --no-verify --trace --help --version"
expect exact "probex-cli read --port C" "COM3 COM7"
expect has "probex-cli read --port " "COM3 COM7"
expect lacks "probex-cli read --port " "COM1 dump.bin"
expect exact "probex-cli read --port /dev/nul" "/dev/null"
expect exact "probex-cli --port COM3 read d" "dump.bin dumps"
expect exact "probex-cli --port COM3 --timeout 5 d" "diff"
expect exact "probex-cli read --timeout " ""
expect has "probex-cli read --trace " "- dump.bin"
expect exact "probex-cli write --port COM3 -- -" "-odd.bin"
expect exact "zaq-sim --li" "--link"
expect has "zaq-sim --link " "COM1 COM2 COM16"
expect lacks "zaq-sim --link " "COM3 COM7"
expect exact "zaq-sim --log d" "dump.bin dumps"
expect exact "zaq-sim --id " ""
expect exact "zaq-sim --min" "--min-gap1 --min-gap2"
expect exact "zaq-sim --min-gap1 " ""
expect exact "zaq-sim --long d" "dump.bin dumps"

[ "$faults" = 0 ] && echo "completion OK"
exit $((faults != 0))
