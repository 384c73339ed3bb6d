#!/usr/bin/env bash
# Hovla: build and play, or build and test.
#   ./build.sh play   installs what is missing, builds, starts the game
#   ./build.sh test   installs what is missing, builds, runs every test
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(cmake g++ make pkg-config qt6-base-dev libgl-dev libsdl2-mixer-dev
          fonts-comic-neue libgtest-dev libgmock-dev libbenchmark-dev
          libebur128-dev xvfb xauth xdotool imagemagick x11-utils sox desktop-file-utils
          appstream locales)

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

build() {
    cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build build -j"$(nproc)"
}

case "${1:-}" in
    play)
        install_missing
        build
        exec ./build/hovla
        ;;
    test)
        install_missing
        build
        cd build
        exec ctest --output-on-failure -j"$(nproc)"
        ;;
    *)
        echo "usage: $0 play|test" >&2
        exit 2
        ;;
esac
