#!/bin/sh
# Installs what is missing, checks the formatting, builds everything with
# AddressSanitizer and UndefinedBehaviorSanitizer, runs every test, then fuzzes
# what the client reads from the server for a bounded number of inputs. Fails,
# too, when the tests or the fuzzing leave anything in the user's own
# configuration folder: every test must keep its settings in a home of its own.
set -eu
cd "$(dirname "$0")"
./scripts/install-deps.sh
./scripts/check-format.sh
JOBS="$(nproc 2>/dev/null || echo 2)"

CONFIG_DIR="${XDG_CONFIG_HOME:-$HOME/.config}"
SNAPSHOT="$(mktemp -d)"
trap 'rm -rf "$SNAPSHOT"' EXIT

# One line per entry: path, type, and for all but folders size and modification time.
snapshot_config() {
    if [ -d "$CONFIG_DIR" ]; then
        find "$CONFIG_DIR" -mindepth 1 \( -type d -printf '%P\td\n' \) -o -printf '%P\t%y\t%s\t%T@\n' \
            | LC_ALL=C sort
    fi
}

# Names every entry of the configuration folder that appeared, changed or went
# away since the snapshot; fails when there is one.
check_config() {
    snapshot_config >"$SNAPSHOT/after"
    report="$(LC_ALL=C awk -F '\t' '
        NR == FNR { before[$1] = $0; next }
        { seen[$1] = 1
          if (!($1 in before)) print "  appeared: " $1
          else if (before[$1] != $0) print "  changed:  " $1 }
        END { for (path in before) if (!(path in seen)) print "  removed:  " path }
    ' "$SNAPSHOT/before" "$SNAPSHOT/after")"
    if [ -n "$report" ]; then
        echo "FAILED: $1 touched the real configuration folder $CONFIG_DIR:" >&2
        echo "$report" >&2
        echo "Every test must keep its settings and files in a home of its own (qorv_add_test, QORV_ISOLATE_TEST_ENVIRONMENT)." >&2
        return 1
    fi
}

cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQORV_SANITIZE=ON -DQORV_WERROR=ON
cmake --build build-test -j "$JOBS"
snapshot_config >"$SNAPSHOT/before"
status=0
(cd build-test && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$JOBS" "$@") || status=$?
check_config "the tests" || status=1
[ "$status" -eq 0 ] || exit "$status"
./scripts/fuzz.sh
check_config "the fuzzing"
