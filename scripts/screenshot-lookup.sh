#!/usr/bin/env bash
# Runs Reelmark under Wine on a folder of episodes and movies with "Look up
# titles and descriptions (TMDB)" ticked, against the tests' TMDB on
# 127.0.0.1 (tests/tools/lookup_screenshot.cpp), presses Generate and saves
# four pictures to BUILD_DIR/screenshots: lookup-progress.png (the run's
# window while TMDB answers), lookup-choose.png (the Choose on TMDB dialog
# of the show whose name fits two of TMDB's), lookup-tivo.png (What the
# TiVo Shows of a looked-up episode, its values from TMDB named) and
# lookup-tivo-before.png (the same episode with its file deleted: what the
# next Generate adds from TMDB's cache).
# Usage: scripts/screenshot-lookup.sh [BUILD_DIR]
# Without a DISPLAY it runs itself on a virtual screen. It ends the Wine
# session of BUILD_DIR when done.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)

source "$root/scripts/screenshot-lib.sh"
reelmark_begin "$0" "$build"

reelmark_tool "$build" lookup-screenshot

# shellcheck source=scripts/wine-env.sh
source "$root/scripts/wine-env.sh" "$build"
wine_ensure_session
for picture in progress choose tivo tivo-before; do
    start="$work/$picture"
    folder="$start/Shows"
    mkdir -p "$folder"
    for f in Doctor.Who.2005.S01E01.Rose.mkv Doctor.Who.2005.S01E02.mkv The.Daily.Show.2012.03.04.mkv \
        The.Office.S01E01.mkv "Heat (1995).mkv"; do
        : >"$folder/$f"
    done
    printf '[Config]\r\nParseNames=true\r\nLookup=true\r\nTmdbKey=bench-key\r\n[Settings]\r\nTargetDir=%s\r\n' \
        "$(winepath -w "$folder" 2>/dev/null)" >"$start/reelmark.ini"
    seconds=6
    [ "$picture" = progress ] && seconds=5
    case $picture in tivo*) seconds=10 ;; esac
    reelmark_shoot_after "$build" "$start" "$build/screenshots/lookup-$picture.png" "$seconds" "$program" "$picture"
    wine_ensure_session
done
wine_stop_session
