#!/usr/bin/env bash
# The native reelmark-cli and the Windows one write the same metadata bytes
# for the same movies and settings (ASCII names: the same text either way).
# Usage: tests/tools/cli-both-builds-test.sh BUILD_DIR NATIVE_CLI
set -eu
# shellcheck source=tests/tools/e2e-lib.sh
source "$(dirname "$0")/e2e-lib.sh" "$1"
native="$2"
if [ ! -x "$native" ]; then
    echo "no native reelmark-cli at $native (./test.sh builds it): skipped"
    exit 77
fi

movies=("Holiday.mpg" "Garden Diary - Week 01.avi" "A.B.C.mkv" "clip.MP4" "Show.Name.S01E02.Pilot.720p.ts")
printf ' [Config]\r\n ParseNames=true\r\n [Settings]\r\n SeriesType=EP episodes\r\n SeriesDesc=Line one\r\n Genre=Comedy; Drama\r\n OriginalAirDate=2012-03-31\r\n' \
    >"$work/episodes.ini"
printf ' [Settings]\r\n SeriesTitle=Home Movies\r\n StarRating=4 (****) stars\r\n' >"$work/movies.ini"
for settings in episodes movies; do
    for side in native windows; do
        mkdir -p "$work/$side-$settings/Films"
        for movie in "${movies[@]}"; do : >"$work/$side-$settings/Films/$movie"; done
    done
    (cd "$work" && "$native" generate "$work/native-$settings/Films" --ini "$work/$settings.ini" >/dev/null) ||
        fail "the native program failed ($settings)"
    (cd "$work" && wine "$build/reelmark-cli.exe" generate "$(windows_path "$work/windows-$settings/Films")" \
        --ini "$(windows_path "$work/$settings.ini")" >/dev/null) || fail "the Windows program failed ($settings)"
    for movie in "${movies[@]}"; do
        [ -s "$work/native-$settings/Films/$movie.txt" ] || fail "no $movie.txt ($settings)"
        cmp "$work/native-$settings/Films/$movie.txt" "$work/windows-$settings/Films/$movie.txt" ||
            fail "$movie.txt differs ($settings)"
    done
done

[ "$failures" -eq 0 ] && echo "both programs wrote the same bytes for ${#movies[@]} movies in two layouts"
exit "$failures"
