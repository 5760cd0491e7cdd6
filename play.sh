#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it (VORMIL_WINDOWED=1 for a window).
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh play
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target vormil
cd build/data/vormil
exec ../../vormil
