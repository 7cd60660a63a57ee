#!/usr/bin/env bash
# Runs Reelmark under Wine on a sample movie folder, opens the copy dialog
# from the main window's Copy command with a list of sample files in every
# row state (ready, already in the target, missing), and saves a picture of
# the screen to BUILD_DIR/screenshots/copy.png.
# Usage: scripts/screenshot-copy.sh [BUILD_DIR] [SECONDS]
# Without a DISPLAY it runs itself on a virtual screen. It ends the Wine
# session of BUILD_DIR when done.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
wait_seconds=${2:-8}

source "$root/scripts/screenshot-lib.sh"
reelmark_begin "$0" "$build" "$wait_seconds"

# The program run with the dialog filled as "Add Files To List..." fills it.
reelmark_tool "$build" copy-screenshot

# Sample files: sizes only (sparse), nothing is copied.
mkdir -p "$work/Movies/Holidays" "$work/Recordings/Summer Trip" "$work/Recordings/Shows"
truncate -s 1288490188 "$work/Recordings/Summer Trip/Beach Day.mpg"
truncate -s 734003200 "$work/Recordings/Summer Trip/Wedding & Party.mkv"
truncate -s 999 "$work/Recordings/Shows/Trailer.mp4"
truncate -s 52428800 "$work/Recordings/Shows/Holiday.mpg"
truncate -s 52428800 "$work/Movies/Holidays/Holiday.mpg"
truncate -s 4200000000 "$work/Recordings/Shows/Concert.ts"

to_windows() { winepath -w "$1" 2>/dev/null; }
# shellcheck source=scripts/wine-env.sh
source "$root/scripts/wine-env.sh" "$build"
wine_ensure_session
printf '[Settings]\r\nTargetDir=%s\r\n' "$(to_windows "$work/Movies/Holidays")" >"$work/reelmark.ini"
files=()
for file in "Summer Trip/Beach Day.mpg" "Summer Trip/Wedding & Party.mkv" "Shows/Trailer.mp4" \
    "Shows/Holiday.mpg" "Shows/Concert.ts" "Shows/Lost Tape.avi"; do
    files+=("$(to_windows "$work/Recordings/$file")")
done

reelmark_shoot_after "$build" "$work" "$build/screenshots/copy.png" "$wait_seconds" "$program" "${files[@]}"
