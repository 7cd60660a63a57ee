#!/usr/bin/env bash
# End-to-end check that the real file picker moves none of the program's
# files: Reelmark.exe started in an empty folder picks a pyTivo script in
# another folder with Tools > Options > "...", confirms, and closes. Its
# settings (with the picked script) and its log stay in the start folder.
# Usage: tests/tools/picker-test.sh BUILD_DIR   (needs a DISPLAY)
set -eu
# shellcheck source=tests/tools/e2e-lib.sh
source "$(dirname "$0")/e2e-lib.sh" "$1"

other="$work/pyTivo here"
mkdir -p "$work/start" "$other"
touch "$other/pyTivo.py"
work="$work/start" run_probe --pick-pytivo "$(windows_path "$other/pyTivo.py")"

grep -qF " PythonLoc=$(windows_path "$other/pyTivo.py")" "$work/start/reelmark.ini" 2>/dev/null ||
    fail "reelmark.ini in the start folder lacks the picked script"
[ -f "$work/start/Reelmark.log" ] || fail "no Reelmark.log in the start folder"
[ "$(ls -A "$other")" = "pyTivo.py" ] || fail "files landed beside the picked script: $(ls -A "$other")"

[ "$failures" -eq 0 ] && echo "the picker moved none of the program's files"
exit "$failures"
