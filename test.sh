#!/bin/sh
# Installs what is missing, builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs every test.
set -eu
cd "$(dirname "$0")"
./scripts/install-deps.sh
JOBS="$(nproc 2>/dev/null || echo 2)"
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQORV_SANITIZE=ON
cmake --build build-test -j "$JOBS"
cd build-test
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$JOBS" "$@"
