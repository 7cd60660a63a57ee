#!/usr/bin/env bash
# Runs Reelmark under Wine on a mixed library (names read, sub-folders
# ticked), opens the Library window and saves two pictures of the screen:
# BUILD_DIR/screenshots/library-edit.png with a cell's editor open over a
# row, and library-set.png with Set for Selected up over several selected
# rows. In both the rows of one folder carry edits not written yet (their
# cells marked).
# Usage: scripts/screenshot-library.sh [BUILD_DIR] [SECONDS]
# Without a DISPLAY it runs itself on a virtual screen. It ends the Wine
# session of BUILD_DIR when done.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
wait_seconds=${2:-10}

source "$root/scripts/screenshot-lib.sh"
reelmark_begin "$0" "$build" "$wait_seconds"

reelmark_tool "$build" library-screenshot

library="$work/Library"
reelmark_mixed_library "$library"
# The library's own default.txt for the downloads, and a movie's own file.
printf 'description : Recorded off the air\r\n' >"$library/Downloads/default.txt"
printf 'title : Blade Runner 2049\r\nseriesTitle : Blade Runner 2049\r\nmovieYear : 2017\r\nmpaaRating : R4\r\n' \
    >"$library/Movies/Blade.Runner.2049.2017.1080p.BluRay.x264.mkv.txt"

to_windows() { winepath -w "$1" 2>/dev/null; }
# shellcheck source=scripts/wine-env.sh
source "$root/scripts/wine-env.sh" "$build"
wine_ensure_session
printf ' [Config]\r\n ParseNames=true\r\n [Settings]\r\n TargetDir=%s\r\n SeriesTitle=Library\r\n Recursive=true\r\n' \
    "$(to_windows "$library")" >"$work/reelmark.ini"
printf ' [Library]\r\n Placement=20,20,1200,560\r\n' >>"$work/reelmark.ini"

reelmark_shoot_after "$build" "$work" "$build/screenshots/library-edit.png" "$wait_seconds" "$program" edit
wine_ensure_session
reelmark_shoot_after "$build" "$work" "$build/screenshots/library-set.png" "$wait_seconds" "$program" set
