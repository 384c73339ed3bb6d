#!/usr/bin/env bash
# Makes the Debian package from a built tree, looks inside it, lints it,
# unpacks it into a scratch root and starts the game from there under a
# virtual X server. Usage: package.sh BUILD_DIR
set -euo pipefail

fail() { echo "FAIL: $*"; exit 1; }
for tool in cpack dpkg-deb dpkg-shlibdeps lintian file Xvfb xdotool identify desktop-file-validate; do
    command -v $tool >/dev/null || fail "no $tool (./build.sh test installs what is missing)"
done
build=$(cd "$1" && pwd)
scratch=$(mktemp -d)
pids=()
trap 'for p in "${pids[@]}"; do kill $p 2>/dev/null || true; done; rm -rf "$scratch"' EXIT

# The package, made outside the build folder so that nothing there changes.
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch/out" >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log"; fail "cpack"; }
debs=("$scratch"/out/hovla_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no single hovla_*.deb: ${debs[*]}"
deb=${debs[0]}
echo "made $(basename "$deb")"

# The control fields.
field() { dpkg-deb -f "$deb" "$1"; }
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[ -n "$version" ] || fail "no project version in the cache"
[ "$(field Package)" = hovla ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version), the project is $version"
[ "$(field Section)" = games ] || fail "Section: $(field Section)"
[ "$(field Priority)" = optional ] || fail "Priority: $(field Priority)"
[[ "$(field Maintainer)" =~ ^[^\<]+\ \<[^@\>]+@[^\>]+\>$ ]] || fail "Maintainer: $(field Maintainer)"
depends=$(field Depends)
for dep in fonts-comic-neue libqt6widgets6 libqt6gui6 libsdl2-mixer-2.0-0 libc6; do
    [[ ", $depends," =~ ,\ $dep[\ ,] ]] || fail "Depends lacks $dep: $depends"
done
description=$(field Description)
[ "$(echo "$description" | wc -l)" -ge 3 ] || fail "no long description: $description"
echo "$description" | head -1 | grep -q 'steam-room game' || fail "short description: $(echo "$description" | head -1)"

# What is inside: every file where Debian puts it for a game, nothing else.
dpkg-deb -c "$deb" | awk '{ $1=$2=$3=$4=$5=""; sub(/^ +/, ""); print }' >"$scratch/contents"
has() { grep -qxF -- "$1" "$scratch/contents" || fail "the package lacks $1"; }
has ./usr/lib/games/hovla/hovla
has "./usr/games/hovla -> ../lib/games/hovla/hovla"
has "./usr/lib/games/hovla/Audio -> ../../../share/games/hovla/Audio"
for wave in WELCOME.wav kiuas.wav ulos1.wav; do
    has "./usr/share/games/hovla/Audio/$wave"
done
has ./usr/share/applications/fi.hovla.Hovla.desktop
for size in 32 48 128; do
    has "./usr/share/icons/hicolor/${size}x${size}/apps/fi.hovla.Hovla.png"
done
has ./usr/share/metainfo/fi.hovla.Hovla.metainfo.xml
has ./usr/share/doc/hovla/copyright
has ./usr/share/doc/hovla/changelog.gz
has ./usr/share/man/man6/hovla.6.gz
if grep -E '^\./usr/(bin|local)/|^\./usr/lib/hovla/|^\./usr/lib/x86_64|^\./usr/include/' "$scratch/contents"; then
    fail "files outside Debian's layout for games"
fi

# Lintian: no errors. Its warnings are shown for whoever reads the log.
lintian --fail-on error --tag-display-limit 0 "$deb" >"$scratch/lintian.log" 2>&1 ||
    { cat "$scratch/lintian.log"; fail "lintian found errors"; }
grep -E '^[EWIP]: ' "$scratch/lintian.log" || true
echo "lintian: no errors"

# Unpacked: the links resolve, the program needs nothing missing, the desktop
# entry starts what the package installs.
root=$scratch/root
dpkg -x "$deb" "$root"
[ "$(readlink -f "$root/usr/games/hovla")" = "$root/usr/lib/games/hovla/hovla" ] ||
    fail "usr/games/hovla leads to $(readlink -f "$root/usr/games/hovla")"
[ -x "$root/usr/lib/games/hovla/hovla" ] || fail "the game is not executable"
for wave in WELCOME.wav kiuas.wav ulos1.wav; do
    [ -f "$root/usr/lib/games/hovla/Audio/$wave" ] || fail "Audio beside the game lacks $wave"
done
if ldd "$root/usr/lib/games/hovla/hovla" | grep 'not found'; then fail "libraries missing"; fi
if readelf -d "$root/usr/lib/games/hovla/hovla" | grep -E 'RPATH|RUNPATH'; then fail "a run path into the build"; fi
file "$root/usr/lib/games/hovla/hovla" | grep -q ', stripped' || fail "the game is not stripped"
desktop=$root/usr/share/applications/fi.hovla.Hovla.desktop
desktop-file-validate "$desktop" || fail "desktop entry"
exec_cmd=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
case $exec_cmd in
    /*) [ -x "$root$exec_cmd" ] || fail "Exec=$exec_cmd is not in the package" ;;
    *) [ -x "$root/usr/games/$exec_cmd" ] || [ -x "$root/usr/bin/$exec_cmd" ] ||
        fail "Exec=$exec_cmd is not in the package's /usr/games or /usr/bin" ;;
esac
for size in 32 48 128; do
    icon=$root/usr/share/icons/hicolor/${size}x${size}/apps/fi.hovla.Hovla.png
    [ "$(identify -format '%wx%h' "$icon")" = "${size}x${size}" ] ||
        fail "the ${size}px icon is $(identify -format '%wx%h' "$icon")"
done
head -1 "$root/usr/share/doc/hovla/copyright" |
    grep -qxF 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
    fail "copyright is not in the machine-readable format"
zcat "$root/usr/share/doc/hovla/changelog.gz" | head -1 | grep -q "^hovla ($version) " ||
    fail "changelog does not start with version $version"

# The game from the unpacked root, started as a player starts it, on an X
# server of its own: -displayfd takes a free display without racing other
# tests for it, and -noreset keeps the server from resetting when a look by
# xdotool ends before the game has connected (it would refuse the game).
# Any window other than the main one first means a message at start.
Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -nolisten tcp 3>"$scratch/display" 2>"$scratch/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do
    [ -s "$scratch/display" ] && break
    sleep 0.1
done
[ -s "$scratch/display" ] || { cat "$scratch/xvfb.log"; fail "Xvfb did not start"; }
export DISPLAY=:$(head -1 "$scratch/display")
export SDL_AUDIODRIVER=dummy
"$root/usr/games/hovla" 2>"$scratch/game.log" &
game=$!
pids+=($game)
shown=no
for _ in $(seq 100); do
    if ! kill -0 $game 2>/dev/null; then
        wait $game && status=0 || status=$?
        cat "$scratch/game.log"
        kill -0 "${pids[0]}" 2>/dev/null || { cat "$scratch/xvfb.log"; echo "(Xvfb is gone)"; }
        fail "the game ended at start with status $status"
    fi
    xdotool search --onlyvisible --name "^Hovla$" >/dev/null 2>&1 &&
        fail "a message at start (are the wave files where the game looks?)"
    if xdotool search --onlyvisible --name "^ Strandok by Tuvrikon 2004$" >/dev/null 2>&1; then
        shown=yes
        break
    fi
    sleep 0.1
done
[ $shown = yes ] || fail "no main window"
sleep 0.5  # a message that comes just after the window counts too
xdotool search --onlyvisible --name "^Hovla$" >/dev/null 2>&1 && fail "a message over the main window"
kill -0 $game 2>/dev/null || fail "the game ended after showing its window"
echo "main window shown on $DISPLAY"

echo "1 passed, 0 failed"
