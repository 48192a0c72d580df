#!/bin/sh
# Installs what is missing, builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer, runs every test, then fuzzes what the client
# reads from the server for a bounded number of inputs.
set -eu
cd "$(dirname "$0")"
./scripts/install-deps.sh
JOBS="$(nproc 2>/dev/null || echo 2)"
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQORV_SANITIZE=ON -DQORV_WERROR=ON
cmake --build build-test -j "$JOBS"
(cd build-test && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$JOBS" "$@")
./scripts/fuzz.sh
