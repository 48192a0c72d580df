#!/bin/sh
# Installs what is missing, builds the client and starts it.
# Without a display the client starts inside a virtual X server (Xvfb).
set -eu
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQORV_BUILD_TESTS=OFF
cmake --build build --target QuillaneClient
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: starting the client under Xvfb."
    exec xvfb-run -a -s "-screen 0 1280x1024x24" ./build/bin/QuillaneClient
fi
exec ./build/bin/QuillaneClient
