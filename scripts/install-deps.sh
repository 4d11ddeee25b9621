#!/usr/bin/env bash
# install-deps.sh -- bring a fresh Debian 12 machine up to what one command needs.
#
#   scripts/install-deps.sh [play|web|test ...]      (default: test)
#
#   play   what scripts/play.sh needs to build the native game and open its
#          window: the compiler, CMake, SDL2, the GL/GLU headers and Mesa's GLX
#   web    what scripts/play-web.sh needs: emscripten, and Python to serve the page
#   test   what scripts/test.sh needs: both of the above, the test tools, the
#          Windows cross build and Wine, the browser and its driver
#
# Idempotent: when a group is already installed it returns at once. Never
# installs recommended packages: a recommendation is nothing these commands use.
set -euo pipefail

PKGS_PLAY=(cmake make g++ libsdl2-dev libx11-dev libgl-dev libglu1-mesa-dev libglx-mesa0 libstb-dev)
PKGS_WEB=(cmake make libstb-dev emscripten python3)
PKGS_TEST=(googletest libgtest-dev libbenchmark-dev libosmesa6-dev clang libclang-rt-14-dev clang-format
           libgl1-mesa-dri xvfb xauth xfonts-base xdotool x11-utils imagemagick
           g++-mingw-w64-i686-posix wine wine32:i386 libgl1:i386 libglx-mesa0:i386 libgl1-mesa-dri:i386
           chromium chromium-driver python3-selenium)

groups=("$@")
[ ${#groups[@]} -gt 0 ] || groups=(test)
wanted=()
for group in "${groups[@]}"; do
    case $group in
        play) wanted+=("${PKGS_PLAY[@]}") ;;
        web) wanted+=("${PKGS_WEB[@]}") ;;
        test) wanted+=("${PKGS_PLAY[@]}" "${PKGS_WEB[@]}" "${PKGS_TEST[@]}") ;;
        *)
            echo "install-deps: unknown group '$group' (play, web or test)" >&2
            exit 2
            ;;
    esac
done

missing=()
for p in "${wanted[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
if [ "$(id -u)" != 0 ]; then SUDO="sudo"; fi

echo "install-deps: installing ${missing[*]}" >&2
# Only Wine's 32-bit side needs the i386 architecture.
if [[ " ${missing[*]} " == *:i386* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
