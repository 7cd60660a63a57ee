#!/usr/bin/env bash
# Runs Reelmark under Wine on a sample movie folder, selects the first movie
# and opens the metadata editor on its file (Edit Selected Meta Text), and
# saves a picture of the screen to BUILD_DIR/screenshots/editor.png.
# Usage: scripts/screenshot-editor.sh [BUILD_DIR] [SECONDS]
# Without a DISPLAY it runs itself on a virtual screen. It ends the Wine
# session of BUILD_DIR when done.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
wait_seconds=${2:-8}

source "$root/scripts/screenshot-lib.sh"
reelmark_begin "$0" "$build" "$wait_seconds"

reelmark_tool "$build" editor-screenshot

# One episode with a long name and a metadata file in .meta (the caption
# says so and leaves out the middle of the name) that has every kind of
# line: known fields, several actors, a rating code the items do not know,
# a comment and keys the editor does not know.
folder="$work/Movies/Garden Diary"
movie="Garden Diary - 1x01 - Spring Beds and What the Frost Left of the Roses.avi"
mkdir -p "$folder/.meta"
: >"$folder/$movie"
printf '%s\r\n' \
    "# checked against the TV guide" \
    "title : Garden Diary" \
    "seriesTitle : Garden Diary" \
    "episodeTitle : Week 01 - Spring Beds" \
    "episodeNumber : 101" \
    "originalAirDate : 2012-05-04T00:00:00Z" \
    "seriesId : SH990200" \
    "movieYear : 2012" \
    "description : Planting out the spring beds, and what the frost left of the roses." \
    "isEpisode : true" \
    "tvRating : x3" \
    "starRating : x5" \
    "callsign : KQED" \
    "vProgramGenre : Home & Garden" \
    "vProgramGenre : Documentary" \
    "vActor : Jones|Ann" \
    "vActor : Smith|Bob" \
    "vDirector : Lee|Kim" \
    "displayMajorNumber : 9" >"$folder/.meta/$movie.txt"

to_windows() { winepath -w "$1" 2>/dev/null; }
# shellcheck source=scripts/wine-env.sh
source "$root/scripts/wine-env.sh" "$build"
wine_ensure_session
printf '[Settings]\r\nTargetDir=%s\r\nSeriesType=SH general TV shows\r\n' "$(to_windows "$folder")" >"$work/reelmark.ini"

reelmark_shoot_after "$build" "$work" "$build/screenshots/editor.png" "$wait_seconds" "$program"
