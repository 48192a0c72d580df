#!/bin/sh
# Installs what is missing, builds the client and starts it.
# Without a display the client starts inside a virtual X server (Xvfb).
#
# ./run.sh --demo also builds the stand-alone test server, starts it on
# 127.0.0.1 with the sample data and starts the client pointed at it (settings
# of its own in a temporary folder). The one server runs for the whole demo:
# after a log-off the client starts again, so another account can log on and
# find what the first one did. Closing the client without logging on, or
# Ctrl-C, ends the demo and stops the server.
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

# Runs the client program, under Xvfb when there is no display. With "exec"
# first, the client takes the place of this script.
start_client() {
    run=""
    if [ "$1" = exec ]; then
        run="exec"
        shift
    fi
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
        echo "No display found: starting the client under Xvfb."
        $run xvfb-run -a -s "-screen 0 1280x1024x24" "$1"
    else
        $run "$1"
    fi
}

# One build tree for both: the demo needs the tests' part of the tree (the
# server is a test tool, and the client of the same tree holds the other
# halves of its key pair), but builds only the client and the server. A tree
# configured once keeps its choice of tests, so switching does not reconfigure.
configure() {
    if [ -f build/CMakeCache.txt ] && [ "$1" = OFF ]; then
        cmake -S . -B build
    else
        cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQORV_BUILD_TESTS="$1"
    fi
}

if [ "$demo" -eq 0 ]; then
    configure OFF
    cmake --build build --target QuillaneClient
    start_client exec ./build/bin/QuillaneClient
fi

configure ON
cmake --build build --target QuillaneClient QuillaneTestServer

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

mkdir -p "$work/config/Halvemoor" "$work/data" "$work/cache"
printf '[NetworkSettings]\nServerName=127.0.0.1\nServerPort=%s\n' "$port" > "$work/config/Halvemoor/QuillaneClient.conf"

./build/bin/QuillaneTestServer --port "$port" --data tests/demoserver/sample.json > "$work/server.log" &
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
echo "Log on as ann, bob or cy with the password quillane. Log off to switch accounts;"
echo "close the client without logging on (or press Ctrl-C) to end the demo."

logOffs() {
    grep -c '^Logged off' "$work/server.log" || true
}

while :; do
    before="$(logOffs)"
    XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_CACHE_HOME="$work/cache" \
        start_client ./build/bin/QuillaneClient || true
    if [ "$(logOffs)" -eq "$before" ]; then
        break
    fi
    echo "Logged off: the client starts again, log on as another account."
done
