#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts Probex from a build folder.
#
# With no serial adapter on this machine Probex offers, once, to start a simulated K-line
# adapter with a ZAQ device (zaq-sim) holding a demonstration EEPROM image, as the installed
# program does; here it finds the simulator and the image in the build folder. The answer is kept
# in its settings (section "Simulator"); the simulator stops when Probex exits.
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
export PROBEX_ZAQ_SIM="$build/tools/zaq-sim"
export PROBEX_DEMO_IMAGE="$build/packaging/demo-eeprom.bin"
exec "$build/app/probex"
