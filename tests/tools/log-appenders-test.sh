#!/usr/bin/env bash
# Four reelmark-cli runs at once in one folder append to one Reelmark.log
# (scheduled runs and watches share it): every line each run printed is in
# the log once, whole, on a line of its own; no line is lost, mixed with
# another or empty.
# Usage: tests/tools/log-appenders-test.sh native PATH/TO/reelmark-cli
#        tests/tools/log-appenders-test.sh wine BUILD_DIR   (needs a DISPLAY)
set -eu
kind=$1
if [ "$kind" = wine ]; then
    # shellcheck source=tests/tools/e2e-lib.sh
    source "$(dirname "$0")/e2e-lib.sh" "$2"
    run() { wine "$build/reelmark-cli.exe" generate "$(windows_path "$work/$1")"; }
else
    cli=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    failures=0
    fail() {
        echo "FAILED: $*" >&2
        failures=$((failures + 1))
    }
    run() { "$cli" generate "$work/$1"; }
fi

movies=600
for n in 1 2 3 4; do
    mkdir -p "$work/Library $n"
    for i in $(seq "$movies"); do : >"$work/Library $n/Film $i.mpg"; done
done
pids=""
for n in 1 2 3 4; do
    (cd "$work" && run "Library $n" >"$work/printed-$n.txt" 2>"$work/errors-$n.txt") &
    pids="$pids $!"
done
for pid in $pids; do
    wait "$pid" || fail "a run failed: $(cat "$work"/errors-*.txt | head -3)"
done

tr -d '\r' <"$work/Reelmark.log" >"$work/log.txt"
cat "$work"/printed-*.txt | tr -d '\r' >"$work/printed.txt"
printed=$(wc -l <"$work/printed.txt")
logged=$(wc -l <"$work/log.txt")
[ "$printed" -ge $((4 * movies)) ] || fail "the runs printed $printed lines"
[ "$logged" -eq "$printed" ] || fail "the log holds $logged lines where the runs printed $printed"
empty=$(grep -c '^$' "$work/log.txt" || true)
[ "$empty" -eq 0 ] || fail "$empty empty lines in the log"
stamp='[A-Z][a-z][a-z] [A-Z][a-z][a-z] [ 0-9][0-9],[0-9]{4} [0-9]{2}:[0-9]{2}:[0-9]{2}: '
mixed=$(grep -c -v -E "^$stamp" "$work/log.txt" || true)
twice=$(grep -c -E "$stamp.*$stamp" "$work/log.txt" || true)
[ "$mixed" -eq 0 ] && [ "$twice" -eq 0 ] ||
    fail "$mixed lines without their stamp, $twice with two: $(grep -v -E "^$stamp" "$work/log.txt" | head -2)"
missing=$(comm -23 <(sort "$work/printed.txt") <(sort "$work/log.txt") | wc -l)
[ "$missing" -eq 0 ] || fail "$missing printed lines are not in the log"

[ "$failures" -eq 0 ] && echo "four runs at once logged all their $printed lines whole ($kind)"
exit "$failures"
