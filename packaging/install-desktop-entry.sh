#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Probex menu entry and icon for the current user, starting the program from a
# build folder. An installed package (`make package`) makes this unnecessary.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
data=${XDG_DATA_HOME:-$HOME/.local/share}
id=io.github.velmora.Probex
install -Dm644 "$root/packaging/$id.svg" "$data/icons/hicolor/scalable/apps/$id.svg"
# The entry of the script's earlier versions, under the old name.
rm -f "$data/applications/probex.desktop"
mkdir -p "$data/applications"
sed "s|^Exec=.*|Exec=$build/app/probex|" "$root/packaging/$id.desktop" >"$data/applications/$id.desktop.tmp"
mv "$data/applications/$id.desktop.tmp" "$data/applications/$id.desktop"
echo "Installed $data/applications/$id.desktop"
