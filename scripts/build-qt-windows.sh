#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Usage: scripts/build-qt-windows.sh [CACHE-FOLDER]
#
# Qt 6 for 64-bit Windows (qtbase: Core, Gui, Widgets, Test, the windows platform plugin and the
# windowsvista style; shared libraries), cross-built with mingw-w64 from Debian's own qt6-base
# source, into CACHE-FOLDER/qt6-VERSION-mingw-w64-x86_64 (default ~/.cache/probex). Does nothing
# when that folder is complete. When ../shared/cache beside the repository holds the archive of
# exactly this build (checked by its sha256), it is unpacked instead. Prints the folder last.
set -euo pipefail

QT_VERSION=6.4.2
NAME=qt6-$QT_VERSION-mingw-w64-x86_64
ARCHIVE_SHA256=f63e2891a0977c0f95822edd51ebd8e4306c8fcf9713d2a61bf5f7bc8335dbca

repo=$(cd "$(dirname "$0")/.." && pwd)
cache=${1:-${XDG_CACHE_HOME:-$HOME/.cache}/probex}
mkdir -p "$cache"
cache=$(cd "$cache" && pwd)
prefix=$cache/$NAME
# Written last, so a build or unpack cut short is done again rather than taken as complete.
stamp=$prefix/.probex-qt-complete
archive=${PROBEX_QT_ARCHIVE:-$repo/../shared/cache/$NAME.tar.xz}

if [ -f "$stamp" ]; then
    echo "$prefix"
    exit 0
fi
rm -rf "$prefix" "$prefix.partial"

if [ -f "$archive" ] && echo "$ARCHIVE_SHA256  $archive" | sha256sum --check --status; then
    echo "Unpacking $archive" >&2
    mkdir -p "$prefix.partial"
    tar -xJf "$archive" -C "$prefix.partial"
    mv "$prefix.partial/$NAME" "$prefix"
    rmdir "$prefix.partial"
    touch "$stamp"
    echo "$prefix"
    exit 0
fi
[ -f "$archive" ] && echo "$archive is not the expected build (sha256 differs); building from source" >&2

# The source, fetched through a private apt configuration that adds deb-src to the system's
# Debian entry, so the machine's own apt sources and lists stay untouched.
work=$cache/build-$NAME
rm -rf "$work"
mkdir -p "$work/apt/sources.list.d" "$work/apt/lists/partial" "$work/apt/cache/archives/partial" "$work/src"
system_sources=/etc/apt/sources.list.d/debian.sources
if [ -f "$system_sources" ]; then
    sed 's/^Types:.*/Types: deb-src/' "$system_sources" >"$work/apt/sources.list.d/debian-src.sources"
else
    sed -n 's/^deb /deb-src /p' /etc/apt/sources.list >"$work/apt/sources.list.d/debian-src.list"
fi
apt_options=(-o "Dir::Etc::SourceList=/dev/null" -o "Dir::Etc::SourceParts=$work/apt/sources.list.d"
    -o "Dir::State::Lists=$work/apt/lists" -o "Dir::Cache=$work/apt/cache"
    -o "APT::Sandbox::User=$(id -un)" -o "Debug::NoLocking=true")
apt-get "${apt_options[@]}" -qq update
(cd "$work/src" && apt-get "${apt_options[@]}" -q source qt6-base)
source_dir=$(find "$work/src" -mindepth 1 -maxdepth 1 -type d -name "qt6-base-$QT_VERSION*" | head -n1)
[ -n "$source_dir" ] || { echo "apt-get source gave no qt6-base-$QT_VERSION folder in $work/src" >&2; exit 1; }

# Two parts of the windows platform plugin that Debian's source cannot build:
# - its pen-tablet code needs src/3rdparty/wintab, which Debian leaves out: the plugin is built
#   without it (no pen-tablet input);
# - with direct2d off, QtGui has no DirectWrite font database, yet the plugin still refers to it:
#   that use is tied to direct2d too, leaving the GDI font database.
plugin=$source_dir/src/plugins/platforms/windows
for file in qwindowscontext.cpp qwindowspointerhandler.cpp qwindowspointerhandler.h; do
    grep -q '^#if QT_CONFIG(tabletevent)' "$plugin/$file" \
        || { echo "$plugin/$file: no tablet block to leave out" >&2; exit 1; }
    sed -i 's/^#if QT_CONFIG(tabletevent)/#if 0 \/\/ no wintab in this source/' "$plugin/$file"
done
grep -q 'CONDITION QT_FEATURE_tabletevent' "$plugin/CMakeLists.txt" \
    || { echo "$plugin/CMakeLists.txt: no tablet sources to leave out" >&2; exit 1; }
sed -i 's/CONDITION QT_FEATURE_tabletevent/CONDITION FALSE/' "$plugin/CMakeLists.txt"
grep -q '^#if QT_CONFIG(directwrite3)$' "$plugin/qwindowsintegration.cpp" \
    || { echo "$plugin/qwindowsintegration.cpp: no DirectWrite font database use to guard" >&2; exit 1; }
sed -i 's/^#if QT_CONFIG(directwrite3)$/#if QT_CONFIG(directwrite3) \&\& QT_CONFIG(direct2d)/' \
    "$plugin/qwindowsintegration.cpp"

# A small Qt: what Probex and its tests use, with Qt's own copies of the libraries it needs.
features_off=(sql network dbus opengl icu concurrent printsupport xml vulkan androiddeployqt windeployqt
    jpeg freetype zstd glib fontconfig pkg_config direct2d
    system_zlib system_png system_pcre2 system_harfbuzz system_doubleconversion)
feature_args=()
for feature in "${features_off[@]}"; do
    feature_args+=("-DFEATURE_$feature=OFF")
done
cmake -S "$source_dir" -B "$work/build" -G Ninja \
    --toolchain "$repo/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON \
    -DCMAKE_INSTALL_PREFIX="$prefix.partial" \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
    -DINPUT_opengl=no -DFEATURE_testlib=ON "${feature_args[@]}"
[ -n "${PROBEX_QT_CONFIGURE_ONLY:-}" ] && { echo "configured in $work/build" >&2; exit 0; }
cmake --build "$work/build" -j"${JOBS:-$(nproc)}"
cmake --install "$work/build"
mv "$prefix.partial" "$prefix"
touch "$stamp"
rm -rf "$work"
echo "$prefix"
