#!/bin/bash
# Installs the Probex menu entry and icon for the current user, pointing at a build folder.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
data=${XDG_DATA_HOME:-$HOME/.local/share}
install -Dm644 "$root/res/icons/probex-64.png" "$data/icons/hicolor/64x64/apps/probex.png"
install -Dm644 "$root/res/icons/probex.png" "$data/icons/hicolor/32x32/apps/probex.png"
mkdir -p "$data/applications"
sed "s|^Exec=.*|Exec=$build/app/probex|" "$root/packaging/probex.desktop" >"$data/applications/probex.desktop.tmp"
mv "$data/applications/probex.desktop.tmp" "$data/applications/probex.desktop"
echo "Installed $data/applications/probex.desktop"
