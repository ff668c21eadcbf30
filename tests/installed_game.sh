#!/usr/bin/env bash
# Installs the build into a temporary prefix, checks that everything a
# desktop needs is there, then plays the installed game through its launcher
# (tests/play_installed.sh).
#   tests/installed_game.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "installed game: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$work/prefix" >/dev/null
for f in bin/ombrel share/applications/org.ombrel.Ombrel.desktop share/metainfo/org.ombrel.Ombrel.metainfo.xml \
         share/icons/hicolor/256x256/apps/org.ombrel.Ombrel.png share/man/man6/ombrel.6; do
    [ -f "$work/prefix/$f" ] || fail "not installed: $f"
done
"$(dirname "$0")/play_installed.sh" "$work/prefix/bin/ombrel"
