#!/usr/bin/env bash
# reelmark-cli says and writes, byte for byte, what it said and wrote when
# tests/tools/cli-same-output.expected was made: list, show, generate
# --dry-run and real runs (names read, sub-folders, the .meta folder,
# replacing) over one library of movies, episodes, season folders, .nfo,
# default.txt and .meta files, then every file of the library and the log.
# A change of output shows as a diff; when it is meant, make the expected
# output again with --update and read the diff before committing it.
# Usage: tests/tools/cli-same-output-test.sh PATH/TO/reelmark-cli [--update]
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
cli=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
expected="$root/tests/tools/cli-same-output.expected"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
lib="$work/Library"
home="$work/home"
mkdir -p "$home"

# The library. Text files carry CR LF, as the program and pyTivo's users write them.
file() {  # file PATH [TEXT]: the file, with the text's lines ended by CR LF
    mkdir -p "$(dirname "$lib/$1")"
    if [ $# -gt 1 ]; then printf '%s' "$2" | sed 's/$/\r/' >"$lib/$1"; else : >"$lib/$1"; fi
}
file "Movies/Movie Name (2012).mkv"
file "Movies/Movie.Name.2013.1080p.BluRay.x264-GRP.mkv"
file "Movies/Blade Runner 2049.mp4"
file "Movies/Holiday.mpg"
file "Movies/Holiday.mpg.txt" "title : Our Holiday
description : Sea, sand: and rain"
file "Movies/Holiday.nfo" "<movie><title>Holiday from nfo</title><plot>A plot</plot><year>1999</year><mpaa>PG</mpaa></movie>"
file "Movies/clip.MP4"
file "Movies/Gone.avi.txt" "title : A movie that is gone"
file "Movies/Empty.avi"
file "Movies/Empty.avi.txt"
file "Movies/Café (1999).mkv"
file "Movies/notes.doc"
file "TV/Dr Who/tvshow.nfo" "<tvshow><title>Doctor Who</title><genre>Science Fiction</genre><mpaa>TV-PG</mpaa></tvshow>"
file "TV/Dr Who/Season 1/Dr.Who.S01E01.Rose.720p.HDTV.x264.mkv"
file "TV/Dr Who/Season 1/Dr.Who.S01E02.mkv"
file "TV/Dr Who/Season 1/default.txt" "vProgramGenre : SciFi
seriesId : SH000001"
file "TV/Dr Who/Season 1/.meta/Dr.Who.S01E02.mkv.txt" "episodeTitle : From the meta folder"
file "TV/Dr Who/Season 1/.meta/default.txt" "tvRating : TV-14"
file "TV/Dr Who/Specials/Special One.avi"
file "TV/Show - 1x02 - Title.avi"
file "TV/Show.Name.S02E03E04.Double.WEB-DL.mkv"
file "TV/Daily.Show.2012.03.04.Guest.mkv"
file "TV/[Group] Anime - 012 [1080p].mkv"
file "TV/Series 2/Other.S02E01.ts"
mkdir -p "$lib/Empty folder"
# pyTivo dates a movie without one by its file's time.
find "$lib" -exec touch -d '2011-05-06 07:08:09' {} +
export TZ=UTC
printf ' [Config]\r\n ParseNames=true\r\n [Settings]\r\n SeriesType=EP episodes\r\n SeriesDesc=Line one\r\n Genre=Comedy; Drama\r\n OriginalAirDate=2012-03-31\r\n TVRating=TV-PG - Parental Guidance\r\n' \
    >"$work/episodes.ini"
printf ' [Settings]\r\n SeriesTitle=Home Movies\r\n StarRating=4 (****) stars\r\n MPAARating=PG-13 - Parents Strongly Cautioned\r\n Genre=Family\r\n' \
    >"$work/movies.ini"

run() {  # run ARGUMENTS...: the command, its exit code and everything it printed
    echo "### reelmark-cli $*"
    local code=0
    (cd "$home" && "$cli" "$@" 2>&1) || code=$?
    echo "### exit $code"
}
library_files() {
    echo "### the library's files"
    (cd "$lib" && find . -type f | LC_ALL=C sort | while IFS= read -r path; do
        echo "== $path"
        cat -v "$path"
        echo "=="
    done)
}

output=$(
    run list "$lib" --recursive --json
    run list "$lib/Movies"
    run show --recursive "$lib"
    run show --json "$lib/TV/Dr Who/Season 1"
    run generate "$lib" --recursive --parse-names --dry-run --ini "$work/episodes.ini"
    run generate "$lib/TV/Dr Who" --recursive --parse-names --dry-run --whole-template --ini "$work/episodes.ini"
    run generate "$lib/TV/Dr Who/Season 1" --dry-run --ini "$work/movies.ini"
    run generate "$lib" --recursive --parse-names --json --ini "$work/episodes.ini"
    library_files
    run generate "$lib/Movies" --meta-folder --replace --ini "$work/movies.ini"
    run generate "$lib/TV" --recursive --ini "$work/movies.ini"
    library_files
    run list "$lib" --recursive
    run show --json "$lib/Movies/Holiday.mpg" "$lib/TV/Dr Who/Season 1/Dr.Who.S01E02.mkv"
    echo "### Reelmark.log"
    cat -v "$home/Reelmark.log"
)
# The library's place and the clock's stamps differ from run to run.
output=$(sed -E -e "s|$work|WORK|g" \
    -e 's/[A-Z][a-z]{2} [A-Z][a-z]{2} [ 0-9][0-9],[0-9]{4} [0-9]{2}:[0-9]{2}:[0-9]{2}/STAMP/g' <<<"$output")

if [ "${2:-}" = "--update" ]; then
    printf '%s\n' "$output" >"$expected"
    echo "wrote $expected"
    exit 0
fi
if ! diff -u "$expected" <(printf '%s\n' "$output"); then
    echo "FAILED: reelmark-cli's output differs from tests/tools/cli-same-output.expected (above)" >&2
    exit 1
fi
echo "reelmark-cli said and wrote what it did before ($(wc -l <"$expected") lines)"
