#!/bin/sh
# Installs what is missing, builds the client and starts it.
# Without a display the client starts inside a virtual X server (Xvfb).
#
# ./run.sh --demo also builds the stand-alone test server, starts it on
# 127.0.0.1 with the sample data and starts the client pointed at it (settings
# of its own in a temporary folder); the server stops when the client exits.
set -eu
cd "$(dirname "$0")"

demo=0
if [ "${1:-}" = "--demo" ]; then
    demo=1
elif [ $# -gt 0 ]; then
    echo "usage: $0 [--demo]" >&2
    exit 2
fi

./scripts/install-deps.sh

start_client() {
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
        echo "No display found: starting the client under Xvfb."
        xvfb-run -a -s "-screen 0 1280x1024x24" "$1"
    else
        "$1"
    fi
}

if [ "$demo" -eq 0 ]; then
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQORV_BUILD_TESTS=OFF
    cmake --build build --target QuillaneClient
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
        echo "No display found: starting the client under Xvfb."
        exec xvfb-run -a -s "-screen 0 1280x1024x24" ./build/bin/QuillaneClient
    fi
    exec ./build/bin/QuillaneClient
fi

# The server is a test tool: it comes with the tests' build, and the client of
# the same build tree holds the other halves of its key pair.
cmake -S . -B build-demo -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQORV_BUILD_TESTS=ON
cmake --build build-demo --target QuillaneClient QuillaneTestServer

port="${QORV_DEMO_PORT:-30000}"
work="$(mktemp -d)"
server=""
cleanup() {
    if [ -n "$server" ]; then
        kill "$server" 2>/dev/null || true
        wait "$server" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

mkdir -p "$work/config/Halvemoor"
printf '[NetworkSettings]\nServerName=127.0.0.1\nServerPort=%s\n' "$port" > "$work/config/Halvemoor/QuillaneClient.conf"

./build-demo/bin/QuillaneTestServer --port "$port" --data tests/demoserver/sample.json > "$work/server.log" &
server=$!
tries=0
until grep -q '^Listening on' "$work/server.log"; do
    if ! kill -0 "$server" 2>/dev/null || [ "$tries" -ge 100 ]; then
        echo "The test server did not start:" >&2
        cat "$work/server.log" >&2
        exit 1
    fi
    tries=$((tries + 1))
    sleep 0.1
done
cat "$work/server.log"
echo "Log on as ann (or bob, or cy) with the password quillane."
XDG_CONFIG_HOME="$work/config" start_client ./build-demo/bin/QuillaneClient
