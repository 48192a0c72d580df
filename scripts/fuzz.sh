#!/bin/sh
# Builds the libFuzzer targets over the code that reads server data (clang,
# AddressSanitizer and UndefinedBehaviorSanitizer, a build folder of its own),
# records their seeds from the test server, and runs each for a bounded number
# of inputs. Fails on any crash, leak, sanitizer report, time-out, or an
# allocation larger than the reply frame cap (128 MiB).
#
#   scripts/fuzz.sh            the bounded run CI makes
#   FUZZ_SCALE=10 scripts/fuzz.sh   ten times the inputs per target
set -eu
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
JOBS="${FUZZ_JOBS:-$(nproc 2>/dev/null || echo 2)}"
SCALE="${FUZZ_SCALE:-1}"
BUILD=build-fuzz

cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DQORV_FUZZ=ON -DQORV_BUILD_TESTS=OFF -DQORV_SANITIZE=OFF -DQORV_WERROR=ON
cmake --build "$BUILD" -j "$JOBS" --target qorv_fuzzers

WORK="$BUILD/fuzz/work"
rm -rf "$WORK"
mkdir -p "$WORK"
# The recording and the targets keep whatever they write in a home of their
# own, never in the user's.
export HOME="$PWD/$WORK/home"
export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share" XDG_CACHE_HOME="$HOME/.cache" \
    XDG_STATE_HOME="$HOME/.local/state"
"$BUILD/fuzz/fuzz_seeds" "$WORK/seeds"

# fontconfig keeps caches for the life of the process once a window lays out
# text; only those allocations are left out of the leak check.
export LSAN_OPTIONS="suppressions=$PWD/fuzz/lsan.supp:print_suppressions=0"
# Each target runs in a process of its own, all at once: the windows target
# alone takes longer than all the others together, so on two cores or more
# the step takes about as long as it does.
run_target() {
    target="$1"
    runs="$2"
    corpus="$WORK/corpus/$target"
    mkdir -p "$corpus"
    cp "$WORK/seeds/$target/"* "$corpus/"
    ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=0 \
        "$BUILD/fuzz/$target" -runs="$runs" -max_len=16384 -timeout=10 \
            -rss_limit_mb=2048 -malloc_limit_mb=128 -detect_leaks=1 \
            -artifact_prefix="$WORK/$target-" "$corpus" >"$WORK/$target.log" 2>&1
}

# target and inputs: the RSA-decrypting targets run fewer, slower inputs, and
# the windows target, which builds and lays out real windows for each input
# (some 80 inputs a second), fewer still.
pids=""
for entry in fuzz_windows:10000 fuzz_logon:20000 fuzz_reset:40000 fuzz_records:100000 fuzz_audit:100000 \
             fuzz_frame:200000; do
    target="${entry%%:*}"
    run_target "$target" $(( ${entry##*:} * SCALE )) &
    pids="$pids $target:$!"
done

failed=0
for entry in $pids; do
    target="${entry%%:*}"
    log="$WORK/$target.log"
    if wait "${entry##*:}"; then
        echo "$target: $(grep -o 'Done [0-9]* runs in [0-9]* second(s)' "$log" | tail -n 1)"
    else
        failed=1
        echo "$target: FAILED (log and input in $WORK)" >&2
        tail -n 40 "$log" >&2
    fi
done
exit "$failed"
