#!/usr/bin/env bash
# Starts the built Reelmark.exe on a folder of 3000 movie files, presses
# Generate (command 1008) once the start-up splash has gone, and saves a
# picture of the screen to BUILD_DIR/screenshots/progress.png while the run
# shows its progress. Usage: scripts/screenshot-progress.sh [BUILD_DIR]
# Without a DISPLAY it runs itself on a virtual screen.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
source "$root/scripts/screenshot-lib.sh"
reelmark_begin "$0" "$build"
mkdir -p "$work/Movies" "$work/start"
(cd "$work/Movies" && seq 1 3000 | sed 's/.*/Episode &.mpg/' | xargs -d '\n' touch)
printf ' [Settings]\r\n TargetDir=%s\r\n' "$(winepath -w "$work/Movies" 2>/dev/null)" >"$work/start/reelmark.ini"
# The close at the end cancels the run; its summary box then waits, and
# the probe ends the program: only the picture matters here.
reelmark_shoot "$build" "$work/start" "$build/screenshots/progress.png" 1008 || true
