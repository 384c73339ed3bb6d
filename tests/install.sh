#!/usr/bin/env bash
# Installs into a scratch prefix and checks that a desktop finds the game.
set -euo pipefail
build=$1
source=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "FAIL: $*"; exit 1; }
[ -x "$prefix/bin/hovla" ] || fail "no bin/hovla"
real=$(readlink -f "$prefix/bin/hovla")
for wave in WELCOME.wav kiuas.wav ulos1.wav; do
    [ -f "$(dirname "$real")/Audio/$wave" ] || fail "no $wave beside the game"
done
for size in 32 48 128; do
    icon=$prefix/share/icons/hicolor/${size}x${size}/apps/fi.hovla.Hovla.png
    [ -f "$icon" ] || fail "no ${size}px icon"
    [ "$(identify -format '%w' "$icon")" = "$size" ] || fail "the ${size}px icon is $(identify -format '%wx%h' "$icon")"
done
desktop-file-validate "$prefix/share/applications/fi.hovla.Hovla.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$prefix/share/metainfo/fi.hovla.Hovla.metainfo.xml" >/dev/null || fail "metainfo"
echo "1 passed, 0 failed"
