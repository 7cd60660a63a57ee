#!/usr/bin/env bash
# End-to-end check of reelmark-cli.exe with names in other scripts: a folder
# named in Greek given on the command line is found, and the output, sent
# to a file, is the UTF-8 of the names.
# Usage: tests/tools/cli-unicode-test.sh BUILD_DIR
set -eu
# shellcheck source=tests/tools/e2e-lib.sh
source "$(dirname "$0")/e2e-lib.sh" "$1"

mkdir -p "$work/Ταινίες"
: >"$work/Ταινίες/Ωmega.mpg"
: >"$work/Ταινίες/映画.mp4"
(cd "$work" && wine "$build/reelmark-cli.exe" generate "$(windows_path "$work/Ταινίες")" >"$work/generate.txt" \
    2>"$work/errors.txt") || fail "generate failed: $(cat "$work/errors.txt")"
(cd "$work" && wine "$build/reelmark-cli.exe" list "$(windows_path "$work/Ταινίες")" >"$work/list.txt") ||
    fail "list failed"

expected=$'[meta] Ωmega.mpg\n[meta] 映画.mp4\n2 movie files, 2 with metadata'
listed=$(sort "$work/list.txt" | sed '/movie files/d'; grep 'movie files' "$work/list.txt")
[ "$listed" = "$expected" ] || fail "list printed: $(cat "$work/list.txt")"
grep -q "Creating metadata file 1 of 2: .*Ταινίες" "$work/generate.txt" || fail "generate printed: $(cat "$work/generate.txt")"
head -c 20 "$work/Ταινίες/Ωmega.mpg.txt" | grep -q '^title : Ωmega' || fail "metadata: $(head -1 "$work/Ταινίες/Ωmega.mpg.txt")"

[ "$failures" -eq 0 ] && echo "reelmark-cli took and printed the names whole"
exit "$failures"
