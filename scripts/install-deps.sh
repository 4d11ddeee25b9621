#!/usr/bin/env bash
# install-deps.sh -- bring a fresh Debian 12 machine up to what the build and tests need.
# Idempotent: when every package is already installed it returns at once.
set -euo pipefail

PKGS_NATIVE=(cmake g++ make googletest libgtest-dev libsdl2-dev libx11-dev libgl-dev libglu1-mesa-dev
             libgl1-mesa-dri libglx-mesa0 libstb-dev xvfb xauth xfonts-base xdotool x11-utils
             imagemagick clang-format libosmesa6-dev libbenchmark-dev clang libclang-rt-14-dev)
PKGS_WINDOWS=(g++-mingw-w64-i686-posix wine wine32:i386 libgl1:i386 libglx-mesa0:i386
              libgl1-mesa-dri:i386)
# The web build (emscripten) and its browser test (headless Chromium driven by Selenium).
PKGS_WEB=(emscripten chromium chromium-driver python3-selenium)

SUDO=""
if [ "$(id -u)" != 0 ]; then SUDO="sudo"; fi

missing=()
for p in "${PKGS_NATIVE[@]}" "${PKGS_WINDOWS[@]}" "${PKGS_WEB[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "install-deps: installing ${missing[*]}" >&2
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
