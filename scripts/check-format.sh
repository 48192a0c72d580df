#!/bin/sh
# Fails when a tracked .h or .cpp file of the project's own code differs from
# what clang-format 14 makes of it under .clang-format, and names each such
# file. Generated code lives in the build trees and is not tracked; third-party
# code, should any be added, goes into EXCLUDE.
#
#   scripts/check-format.sh            check
#   clang-format -i <file>             fix one file
set -eu
cd "$(dirname "$0")/.."

# Extended regular expression of paths that are not the project's own code.
EXCLUDE='^(third_party|3rdparty)/'

FORMAT="$(command -v clang-format-14 || command -v clang-format || true)"
if [ -z "$FORMAT" ]; then
    echo "check-format: clang-format 14 is not installed (scripts/install-deps.sh installs it)" >&2
    exit 2
fi
case "$("$FORMAT" --version)" in
    *" 14."*) ;;
    *) echo "check-format: $FORMAT is not clang-format 14; other versions format differently" >&2; exit 2 ;;
esac

differing="$(git ls-files -z -- '*.h' '*.cpp' | tr '\0' '\n' | grep -Ev "$EXCLUDE" | tr '\n' '\0' \
    | xargs -0 -r -n 50 -P "$(nproc 2>/dev/null || echo 2)" sh -c '
        for file; do
            "$0" --style=file "$file" | cmp -s - "$file" || echo "$file"
        done' "$FORMAT" | sort)"

if [ -n "$differing" ]; then
    echo "check-format: these files differ from .clang-format (clang-format -i <file> fixes one):" >&2
    echo "$differing" | sed 's/^/  /' >&2
    echo "check-format: $(echo "$differing" | wc -l) file(s)" >&2
    exit 1
fi
echo "check-format: every file is formatted"
