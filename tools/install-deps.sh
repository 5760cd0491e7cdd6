#!/usr/bin/env bash
# Installs the Debian packages the game needs: "play" to build and run it, "test" for the tests too.
set -euo pipefail
mode=${1:-play}
packages=(cmake g++ make pkg-config libsdl2-dev libsdl2-ttf-dev fonts-dejavu-core)
if [ "$mode" = test ]; then
    packages+=(libgtest-dev googletest libbenchmark-dev xvfb xdotool imagemagick clang-format)
fi
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
    sudo=()
elif command -v sudo >/dev/null; then
    sudo=(sudo)
else
    echo "Please install these packages as root: ${missing[*]}" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
