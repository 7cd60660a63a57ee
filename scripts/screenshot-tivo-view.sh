#!/usr/bin/env bash
# Runs Reelmark under Wine on a sample movie folder whose first movie has
# every kind of source pyTivo reads (a Kodi .nfo, a default.txt above, its
# own .txt and a .meta file that takes part of it over) and some keys and
# values pyTivo gets wrong, opens What the TiVo Shows on it (its Problems
# part lists them), and saves a picture of the screen to
# BUILD_DIR/screenshots/tivo-view.png.
# Usage: scripts/screenshot-tivo-view.sh [BUILD_DIR] [SECONDS]
# Without a DISPLAY it runs itself on a virtual screen. It ends the Wine
# session of BUILD_DIR when done.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
wait_seconds=${2:-8}

source "$root/scripts/screenshot-lib.sh"
reelmark_begin "$0" "$build" "$wait_seconds"

reelmark_tool "$build" editor-screenshot

folder="$work/TV/Doctor Who/Season 1"
mkdir -p "$folder/.meta"
movie="Doctor.Who.2005.S01E01.Rose.mkv"
: >"$folder/$movie"
: >"$folder/Doctor.Who.2005.S01E02.The.End.of.the.World.mkv"
printf 'seriesTitle : Doctor Who\r\ndescription : Shows of the BBC, kept on the NAS.\r\n' >"$work/TV/Doctor Who/default.txt"
printf '%s\n' '<?xml version="1.0" encoding="UTF-8"?>' '<episodedetails>' '  <title>Rose</title>' \
    '  <season>1</season>' '  <episode>1</episode>' '  <aired>2005-03-26</aired>' '  <rating>7.6</rating>' \
    '  <mpaa>TV-PG</mpaa>' '  <genre>Science Fiction</genre>' '  <actor><name>Christopher Eccleston</name></actor>' \
    '  <actor><name>Billie Piper</name></actor>' '  <director>Keith Boak</director>' '</episodedetails>' \
    >"$folder/Doctor.Who.2005.S01E01.Rose.nfo"
printf 'episodeTitle : Rose\r\ndescription : Rose meets the Doctor in a department store.\r\nvActor : Camille Coduri\r\nseriesID : SH0072\r\nepisodeNumber : 1x01\r\nstars : 4\r\ncallsign : BBC One\r\ndisplayMajorNumber : 101\r\n' \
    >"$folder/$movie.txt"
printf 'description : When Rose Tyler meets the Doctor, her life changes for ever.\n' >"$folder/.meta/$movie.txt"

to_windows() { winepath -w "$1" 2>/dev/null; }
# shellcheck source=scripts/wine-env.sh
source "$root/scripts/wine-env.sh" "$build"
wine_ensure_session
printf '[Settings]\r\nTargetDir=%s\r\nSeriesType=SH general TV shows\r\n' "$(to_windows "$folder")" >"$work/reelmark.ini"

reelmark_shoot_after "$build" "$work" "$build/screenshots/tivo-view.png" "$wait_seconds" "$program" tivo
