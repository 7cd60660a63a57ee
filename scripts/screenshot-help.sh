#!/usr/bin/env bash
# Opens the built help document with the built help viewer under Wine, as the
# Help command does ("hh.exe Reelmark.chm" in the folder that holds both), and
# saves a picture of the screen to BUILD_DIR/screenshots/help.png.
# Usage: scripts/screenshot-help.sh [BUILD_DIR] [SECONDS]
# Without a DISPLAY it runs itself on a virtual screen. It ends the Wine
# session of BUILD_DIR when done.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
wait_seconds=${2:-6}

source "$root/scripts/screenshot-lib.sh"
reelmark_begin "$0" "$build" "$wait_seconds"

for file in hh.exe Reelmark.chm; do
    if [ ! -f "$build/res/$file" ]; then
        echo "Missing $build/res/$file: build first (./test.sh or cmake --build)." >&2
        exit 1
    fi
done

cp "$build/res/hh.exe" "$build/res/Reelmark.chm" "$work/"
reelmark_shoot_after "$build" "$work" "$build/screenshots/help.png" "$wait_seconds" ./hh.exe Reelmark.chm
