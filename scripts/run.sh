#!/bin/bash
# Starts Probex from a build folder.
set -euo pipefail
build=${1:-build}
exec "$build/tools/probex-cli" --help
