#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the 256-byte demonstration EEPROM image to FILE: a text, then a counting pattern.
set -euo pipefail
{
  printf 'Probex demo EEPROM image.'
  for ((i = 25; i < 256; i++)); do printf "\\x$(printf %02x "$i")"; done
} >"$1"
