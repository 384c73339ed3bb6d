#!/usr/bin/env bash
# Hovla: build and play, or build and test.
#   ./build.sh play   installs what is missing, builds the game alone, starts it
#   ./build.sh test   installs what is missing, builds everything, runs every test
# JOBS=N sets how many compilers run at once (default: one per core).
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(cmake g++ make pkg-config qt6-base-dev libgl-dev libsdl2-mixer-dev
          fonts-comic-neue libgtest-dev libgmock-dev libbenchmark-dev
          libebur128-dev xvfb xauth xdotool imagemagick x11-utils sox desktop-file-utils
          appstream locales lintian dpkg-dev file jq)

install_missing() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        local sudo=""
        [ "$(id -u)" -eq 0 ] || sudo=sudo
        $sudo apt-get update -qq
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
    fi
}

JOBS=${JOBS:-$(nproc)}

build() {  # build [TARGET]: one target and what it needs, or everything
    cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build build -j"$JOBS" ${1:+--target "$1"}
}

case "${1:-}" in
    play)
        install_missing
        build hovla  # the pictures, the sounds and the icons come with it
        exec ./build/hovla
        ;;
    test)
        install_missing
        build
        cd build
        exec ctest --output-on-failure -j"$JOBS"
        ;;
    *)
        echo "usage: $0 play|test" >&2
        exit 2
        ;;
esac
