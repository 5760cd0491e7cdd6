#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: plainly, then under
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh test
jobs=$(nproc)

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DVORMIL_SANITIZE=ON >/dev/null
cmake --build build-asan -j"$jobs"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
echo "== tests"
(cd build && ctest --output-on-failure -j"$jobs")
echo "== tests under AddressSanitizer and UndefinedBehaviorSanitizer"
(cd build-asan && ctest --output-on-failure -j"$jobs")
