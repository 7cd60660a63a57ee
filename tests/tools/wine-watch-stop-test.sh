#!/usr/bin/env bash
# The Windows reelmark-cli watch under Wine stops as the help says: SIGINT
# (kill -INT, what Wine turns into Ctrl+C) ends it cleanly, with "Stopped
# watching" in its output and its log and exit code 0, after it wrote the
# file of a movie that came while it watched; SIGTERM, which Wine gives the
# program no chance to answer, ends it at once, and the help says so.
# Usage: tests/tools/wine-watch-stop-test.sh BUILD_DIR   (needs a DISPLAY)
set -eu
# shellcheck source=tests/tools/e2e-lib.sh
source "$(dirname "$0")/e2e-lib.sh" "$1"

mkdir -p "$work/Films"
# Starts the watch; waits up to 20 s for its first line (the start of Wine
# may take long on a loaded machine).
start_watch() {  # start_watch OUTPUT
    (cd "$work" && exec wine "$build/reelmark-cli.exe" watch "$(windows_path "$work/Films")" --settle 0.2 \
        </dev/null >"$1" 2>&1) &
    watcher=$!
    for _ in $(seq 200); do
        grep -qs "Watching" "$1" && return 0
        sleep 0.1
    done
    fail "the watch did not start: $(cat "$1")"
}
# Waits up to 10 s for the watch to end; its exit code in $code.
wait_end() {
    for _ in $(seq 100); do
        kill -0 "$watcher" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$watcher" 2>/dev/null; then
        fail "the watch did not end"
        kill -KILL "$watcher"
    fi
    code=0
    wait "$watcher" || code=$?
}

# SIGINT: a clean stop, after a movie that came got its file.
start_watch "$work/int.txt"
: >"$work/Films/Holiday.mkv"
for _ in $(seq 100); do
    [ -s "$work/Films/Holiday.mkv.txt" ] && break
    sleep 0.1
done
[ -s "$work/Films/Holiday.mkv.txt" ] || fail "the watch wrote no file for a movie that came: $(cat "$work/int.txt")"
kill -INT "$watcher"
wait_end
[ "$code" -eq 0 ] || fail "after SIGINT the watch ended with $code: $(cat "$work/int.txt")"
grep -q "Stopped watching" "$work/int.txt" || fail "after SIGINT the watch did not say it stopped: $(cat "$work/int.txt")"
grep -q "Stopped watching" "$work/Reelmark.log" || fail "the log does not say the watch stopped"

# SIGTERM: Wine ends the program at once; the help tells to send SIGINT.
start_watch "$work/term.txt"
kill -TERM "$watcher"
wait_end
[ "$code" -ne 0 ] || echo "SIGTERM now stops the Windows watch with exit code 0: the help may say so"
(cd "$work" && wine "$build/reelmark-cli.exe" --help </dev/null 2>&1 | tr -d '\r') >"$work/help.txt"
tr '\n' ' ' <"$work/help.txt" | tr -s ' ' | grep -q "under Wine, SIGINT (kill -INT) stops it as Ctrl+C does; SIGTERM ends it at once" ||
    fail "the help does not say how to stop the Windows watch under Wine"

[ "$failures" -eq 0 ] && echo "under Wine SIGINT stops the watch cleanly (exit 0) and SIGTERM ends it with $code"
exit "$failures"
