#!/usr/bin/env bash
# Prints what Reelmark's long runs cost next to bare programs that do only
# the same file work (tools/bench/), under Wine, over a folder of MOVIES
# movie files (default 1000) beside 500 sibling folders (a replacing
# Generate also beside itself without its undo journal, under Wine and
# natively); then the copy run's
# file work (MOVIES files of 32 KiB, and one file of BIG_MB MiB, default
# 1024) and the command-line program's start; a library of 10,000 episodes;
# the tags inside MOVIES tagged .m4v movies and one 4 GB movie; TMDB
# lookups of 2,000 episodes against a fake TMDB on 127.0.0.1; and the
# Library window and the main window (sub-folders ticked) over libraries of
# 10,000 and GRID (default 100,000) episodes in folders of 100. Each
# figure is the median of ROUNDS runs (default 3), Reelmark and its baseline
# in turn, and the ratio of the two. Figures for a person to read; nothing
# here passes or fails. PARTS (default all) picks some of the parts: files,
# copy, library, tags, lookup, grid, separated by commas. REELMARK_BEFORE,
# the path of an earlier build's Reelmark.exe, times its main window beside
# this one.
# Usage: [GRID=N] [REELMARK_BEFORE=exe] scripts/benchmark.sh [MOVIES] [ROUNDS] [BIG_MB] [PARTS]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build="${REELMARK_BUILD:-$root/build}"
movies=${1:-1000}
rounds=${2:-3}
big_mb=${3:-1024}
parts=${4:-all}
part() { [ "$parts" = all ] || [[ ",$parts," == *",$1,"* ]]; }
source "$root/scripts/setup.sh"
reelmark_build --target Reelmark reelmark-cli reelmark-bench reelmark-copy-bench bare-files bare-list bare-start \
    bare-copy bare-tags window-timer wine-keepalive library-bench bare-grid
source "$root/scripts/wine-env.sh" "$build"
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
wine_ensure_session

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
folder="$work/Video/Movies"
mkdir -p "$folder" "$work/start"
for i in $(seq 1 500); do mkdir -p "$work/Video/Sibling $i"; done
(cd "$folder" && seq 1 "$movies" | sed 's/.*/Movie &.mpg/' | xargs -d '\n' touch)
win() { winepath -w "$1"; }
printf ' [Settings]\r\n TargetDir=%s\r\n' "$(win "$folder")" >"$work/start/reelmark.ini"
# The same settings without the undo journal: what a run cost before it kept one.
printf ' [Settings]\r\n TargetDir=%s\r\n [Config]\r\n UndoMegabytes=0\r\n' "$(win "$folder")" \
    >"$work/start/no-undo.ini"
# The journals of the runs lie in the work folder, never the user's.
export REELMARK_RUNS
REELMARK_RUNS=$(win "$work/runs")
native_runs="$work/native-runs"
tools="$build/tools"

metadata_none() { find "$folder" -name '*.txt' -delete; }
metadata_all() {
    metadata_none
    (cd "$folder" && for f in *.mpg; do printf 'title : x\r\n' >"$f.txt"; done)
}
# Milliseconds a command takes (its output goes to a file in the work folder).
# What the set-up wrote goes to the disk first: else the first flush of a
# run pays for it.
timed() {
    local start end
    sync
    start=$(date +%s%N)
    (cd "$work/start" && "$@" >"$work/out.txt" 2>&1) || { echo "failed: $* ($(tail -2 "$work/out.txt"))" >&2; }
    end=$(date +%s%N)
    echo $(((end - start) / 1000000))
}
median() { sort -n | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }
# compare LABEL SETUP -- REELMARK... -- BASELINE...: medians and ratio.
compare() {
    local label=$1 setup=$2
    shift 3
    local ours=() bare=()
    while [ "$1" != "--" ]; do ours+=("$1"); shift; done
    shift
    bare=("$@")
    local a=() b=()
    for _ in $(seq 1 "$rounds"); do
        $setup; a+=("$(timed "${ours[@]}")")
        $setup; b+=("$(timed "${bare[@]}")")
    done
    local ma mb
    ma=$(printf '%s\n' "${a[@]}" | median)
    mb=$(printf '%s\n' "${b[@]}" | median)
    printf '%-46s %9d ms %9d ms %6.2fx\n' "$label" "$ma" "$mb" "$(awk -v a="$ma" -v b="$mb" 'BEGIN {print a / (b > 0 ? b : 1)}')"
}
# window LABEL SETUP: the window timer on Reelmark and on the bare list.
window() {
    local label=$1 setup=$2 ours=() bare=() line
    for _ in $(seq 1 "$rounds"); do
        $setup
        line=$(cd "$work/start" && wine "$tools/window-timer.exe" "Reelmark [ver" "$movies" "$build/Reelmark.exe")
        ours+=("$(echo "$line" | awk '{print $2}')"); peak=$(echo "$line" | awk '{print $4}')
        line=$(wine "$tools/window-timer.exe" "Bare list" "$movies" "$tools/bare-list.exe" "$(win "$folder")")
        bare+=("$(echo "$line" | awk '{print $2}')")
    done
    local ma mb
    ma=$(printf '%s\n' "${ours[@]}" | median)
    mb=$(printf '%s\n' "${bare[@]}" | median)
    printf '%-46s %9d ms %9d ms %6.2fx  (peak %s MB)\n' "$label" "$ma" "$mb" "$(awk -v a="$ma" -v b="$mb" 'BEGIN {print a / (b > 0 ? b : 1)}')" "$peak"
}

cli="$build/reelmark-cli.exe"
native="$root/build-native-release"
native_build() {
    [ -f "$native/CMakeCache.txt" ] || cmake -S "$root" -B "$native" -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$native" -j "$(nproc)" --target reelmark-cli bare-tags >/dev/null
}
nothing() { :; }
if part files; then
echo "$movies movies, 500 sibling folders, median of $rounds; Reelmark, bare baseline, ratio"
compare "generate, new files (bare: test + create)" metadata_none -- wine "$cli" generate "$(win "$folder")" \
    -- wine "$tools/bare-files.exe" create "$(win "$folder")"
compare "generate --replace (bare: overwrite in place)" metadata_all -- \
    wine "$cli" generate "$(win "$folder")" --replace -- wine "$tools/bare-files.exe" overwrite "$(win "$folder")"
compare "generate --replace (yardstick: no undo journal)" metadata_all -- \
    wine "$cli" generate "$(win "$folder")" --replace \
    -- wine "$cli" generate "$(win "$folder")" --replace --ini "$(win "$work/start/no-undo.ini")"
native_build
compare "native generate --replace (yardstick: no journal)" metadata_all -- \
    env REELMARK_RUNS="$native_runs" "$native/reelmark-cli" generate "$folder" --replace \
    -- env REELMARK_RUNS="$native_runs" "$native/reelmark-cli" generate "$folder" --replace --ini "$work/start/no-undo.ini"
compare "generate, all skipped (bare: same log lines)" metadata_all -- wine "$cli" generate "$(win "$folder")" \
    -- wine "$tools/bare-files.exe" log "$(win "$folder")" "$(win "$work/start/bare.log")"
window "window filled, no metadata (bare: list box)" metadata_none
window "window filled, all with metadata" metadata_all
metadata_none
line=$(cd "$work/start" && wine "$tools/window-timer.exe" "Reelmark [ver" "$movies" --generate "$build/Reelmark.exe")
echo "window during Generate, sampled every 100 ms: $(echo "$line" | cut -d' ' -f9-)"
wine "$tools/reelmark-bench.exe" "$(win "$work/start")" 0 | grep -i settings
fi

# The copy run's file work: into an empty folder each time.
if part copy; then
copies="$work/copies"
mkdir -p "$work/small" "$copies"
head -c 32768 /dev/urandom >"$work/one.bin"
for i in $(seq 1 "$movies"); do cp "$work/one.bin" "$work/small/Movie $i.mpg"; done
head -c $((big_mb << 20)) /dev/urandom >"$work/Big.mpg"
fresh_copies() { rm -rf "$copies"; mkdir "$copies"; }
echo "copy run, median of $rounds; Reelmark, bare baseline, ratio"
compare "copy $movies x 32 KiB (bare: CopyFileW loop)" fresh_copies -- \
    wine "$tools/reelmark-copy-bench.exe" files "$(win "$work/small")" "$(win "$copies")" \
    -- wine "$tools/bare-copy.exe" files "$(win "$work/small")" "$(win "$copies")"
compare "copy one $big_mb MiB file (bare: CopyFileW)" fresh_copies -- \
    wine "$tools/reelmark-copy-bench.exe" file "$(win "$work/Big.mpg")" "$(win "$copies")" \
    -- wine "$tools/bare-copy.exe" file "$(win "$work/Big.mpg")" "$(win "$copies/Big.mpg")"
compare "copy one $big_mb MiB file (bare: Linux cp)" fresh_copies -- \
    wine "$tools/reelmark-copy-bench.exe" file "$(win "$work/Big.mpg")" "$(win "$copies")" \
    -- cp "$work/Big.mpg" "$copies/Big.mpg"
compare "reelmark-cli --version (bare: trivial program)" nothing -- wine "$cli" --version \
    -- wine "$tools/bare-start.exe"
peak() { /usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -1; }
echo "peak memory: reelmark-cli --version $(peak wine "$cli" --version) KB," \
    "trivial program $(peak wine "$tools/bare-start.exe") KB"
fi

# A library of 10,000 episodes (20 shows, 5 season folders of 100 each),
# each with its metadata file: what pyTivo reads of it (show) beside the
# listing of it (list), and what reading the names costs a sub-folder
# Generate, under Wine and natively (a release build of reelmark-cli).
# make_library FOLDER EPISODES: 20 shows of 5 season folders of EPISODES.
make_library() {
    for show in $(seq 1 20); do
        for season in 1 2 3 4 5; do
            mkdir -p "$1/Show $show/Season $season"
            (cd "$1/Show $show/Season $season" && seq -w 1 "$2" |
                sed "s/.*/Show.$show.S0${season}E&.The.Title.720p.HDTV.x264-GRP.mkv/" | xargs -d '\n' touch)
        done
    done
}
if part library; then
library="$work/Library"
make_library "$library" 100
library_none() { find "$library" -name '*.txt' -delete; }
library_all() {
    find "$library" -name '*.mkv' | while read -r movie; do printf 'title : x\r\n' >"$movie.txt"; done
}
native_build
echo "a library of 10,000 episodes in 100 season folders, median of $rounds; Reelmark, yardstick, ratio"
library_all
compare "show --recursive (yardstick: list --recursive)" nothing -- wine "$cli" show --recursive "$(win "$library")" \
    -- wine "$cli" list --recursive "$(win "$library")"
compare "show --recursive (bare: read every .txt)" nothing -- wine "$cli" show --recursive "$(win "$library")" \
    -- wine "$tools/bare-files.exe" read "$(win "$library")"
compare "native show --recursive (yardstick: list)" nothing -- "$native/reelmark-cli" show --recursive "$library" \
    -- "$native/reelmark-cli" list --recursive "$library"
compare "generate --recursive --parse-names (yardstick: without)" library_none -- \
    wine "$cli" generate --recursive --parse-names "$(win "$library")" -- wine "$cli" generate --recursive "$(win "$library")"
compare "native generate --parse-names (yardstick: without)" library_none -- \
    env REELMARK_RUNS="$native_runs" "$native/reelmark-cli" generate --recursive --parse-names "$library" \
    -- env REELMARK_RUNS="$native_runs" "$native/reelmark-cli" generate --recursive "$library"
fi

# The tags inside movies: MOVIES tagged .m4v movies (the test library's
# episode), what show costs beside list (which opens each movie too, for
# its state) and beside a bare read of the same tags with TagLib alone;
# then one 4 GB movie with its tags at the end, behind a sparse video box.
if part tags; then
tagged="$work/Tagged"
mkdir -p "$tagged"
for i in $(seq 1 "$movies"); do cp "$root/tests/data/tags/Episode.m4v" "$tagged/Episode $i.m4v"; done
native_build
echo "$movies tagged movies, median of $rounds; Reelmark, yardstick, ratio"
compare "show (yardstick: list)" nothing -- wine "$cli" show "$(win "$tagged")" -- wine "$cli" list "$(win "$tagged")"
compare "show (bare: TagLib reads the tags)" nothing -- wine "$cli" show "$(win "$tagged")" \
    -- wine "$tools/bare-tags.exe" "$(win "$tagged")"
compare "native show (yardstick: list)" nothing -- "$native/reelmark-cli" show "$tagged" \
    -- "$native/reelmark-cli" list "$tagged"
compare "native show (bare: TagLib reads the tags)" nothing -- "$native/reelmark-cli" show "$tagged" \
    -- "$native/bare-tags" "$tagged"
big="$work/Big"
mkdir -p "$big"
# ftyp, a 4 GiB video box that holds a hole, then moov with the tags.
python3 - "$root/tests/data/tags/Episode.m4v" "$big/Big.m4v" <<'PY'
import struct, sys
data = open(sys.argv[1], 'rb').read()
boxes, at = {}, 0
while at + 8 <= len(data):
    size, name = struct.unpack('>I4s', data[at:at + 8])
    boxes[name] = data[at:at + size]
    at += size
with open(sys.argv[2], 'wb') as out:
    out.write(boxes[b'ftyp'] + struct.pack('>I4sQ', 1, b'mdat', 16 + (4 << 30)))
    out.seek(4 << 30, 1)
    out.write(boxes[b'moov'])
PY
echo "one movie of $(du --apparent-size -h "$big/Big.m4v" | cut -f1) with its tags at the end, median of $rounds"
compare "show of it (yardstick: list)" nothing -- wine "$cli" show "$(win "$big/Big.m4v")" \
    -- wine "$cli" list "$(win "$big")"
compare "native show of it (yardstick: list)" nothing -- "$native/reelmark-cli" show "$big/Big.m4v" \
    -- "$native/reelmark-cli" list "$big"
fi

# TMDB lookups of a library of 2,000 episodes (20 shows, 5 seasons of 20)
# against the tests' fake TMDB on 127.0.0.1: the requests of a first lookup
# beside shows + seasons (a search, the show and each season once), those
# of a second one (none: the cache answers), what a lookup from a warm
# cache costs beside listing the library, and what Generate with the lookup
# from a warm cache costs beside Generate without it.
if part lookup; then
native_build
cmake --build "$native" -j "$(nproc)" --target tmdb-fake-server >/dev/null
lookups="$work/Lookups"
make_library "$lookups" 20
coproc FAKE_TMDB { "$native/tmdb-fake-server" 20 5 20; }
read -r tmdb_url <&"${FAKE_TMDB[0]}"
export REELMARK_TMDB_URL=$tmdb_url REELMARK_TMDB_KEY=bench-key XDG_CACHE_HOME="$work/cache"
asked() { curl -s "${tmdb_url%/3}/count"; }
wine_cache=$(winepath -u "$(wine cmd /c echo %LOCALAPPDATA% 2>/dev/null | tr -d '\r')")/Reelmark/cache
rm -rf "$wine_cache" "$work/cache"
echo "TMDB lookups of 2,000 episodes (20 shows, 100 seasons: 20 + 20 + 100 = 140 requests at least)"
for side in wine native; do
    before=$(asked)
    if [ "$side" = wine ]; then run=(wine "$cli" lookup --recursive "$(win "$lookups")"); else
        run=("$native/reelmark-cli" lookup --recursive "$lookups"); fi
    cold=$(timed "${run[@]}")
    first=$(($(asked) - before))
    warm=$(timed "${run[@]}")
    echo "$side: first lookup $first requests in $cold ms; second $(($(asked) - before - first)) requests in $warm ms"
done
compare "lookup --recursive, warm (yardstick: list)" nothing -- wine "$cli" lookup --recursive "$(win "$lookups")" \
    -- wine "$cli" list --recursive "$(win "$lookups")"
compare "native lookup, warm (yardstick: list)" nothing -- "$native/reelmark-cli" lookup --recursive "$lookups" \
    -- "$native/reelmark-cli" list --recursive "$lookups"
# Generate with the lookup from a warm cache beside the same Generate
# without it (both replace every file); the goal is at most 1.3 times.
generate=(generate --recursive --parse-names --replace)
compare "generate --lookup, warm (yardstick: generate)" nothing \
    -- wine "$cli" "${generate[@]}" --lookup "$(win "$lookups")" -- wine "$cli" "${generate[@]}" "$(win "$lookups")"
compare "native generate --lookup, warm (yardstick: generate)" nothing \
    -- "$native/reelmark-cli" "${generate[@]}" --lookup "$lookups" -- "$native/reelmark-cli" "${generate[@]}" "$lookups"
echo "requests of every warm run above: $(($(asked) - before - first))"
exec {FAKE_TMDB[1]}>&-
wait "$FAKE_TMDB_PID" 2>/dev/null || true
fi

# The Library window over GRID episodes in GRID/100 folders of 100 (shows
# of 20 seasons) beside a bare virtual list view fed the same rows; then the
# main window with the sub-folder tick over 10,000 and GRID episodes: when
# it first answers, when its list is whole and the longest time it did not
# answer meanwhile (and an earlier build's, with REELMARK_BEFORE).
if part grid; then
grid_library() {
    local total=$1 at=$2 folders=$(($1 / 100))
    rm -rf "$at"
    for f in $(seq 0 $((folders - 1))); do
        local show=$((f / 20 + 1)) season=$((f % 20 + 1))
        mkdir -p "$at/Show $show/Season $season"
        (cd "$at/Show $show/Season $season" && seq -w 1 100 |
            sed "s/.*/Show.$show.S$(printf %02d $season)E&.The.Title.720p.HDTV.x264-GRP.mkv/" | xargs -d '\n' touch)
    done
}
grid=${GRID:-100000}
echo "the Library window over $grid episodes in $((grid / 100)) folders, one run each"
grid_library "$grid" "$work/Grid"
echo "Reelmark: $(wine "$tools/library-bench.exe" "$(win "$work/Grid")" | tr -d '\r')"
echo "bare:     $(wine "$tools/bare-grid.exe" "$(win "$work/Grid")" | tr -d '\r')"
echo "the main window, sub-folders ticked, median of $rounds; first answer, whole list, peak memory"
mkdir -p "$work/gridstart"
main_window() {
    local label=$1 exe=$2 count=$3 answers=() fills=() waits=() line
    for _ in $(seq 1 "$rounds"); do
        line=$(cd "$work/gridstart" && wine "$tools/window-timer.exe" "Reelmark [ver" "$count" "$exe" | tr -d '\r')
        fills+=("$(echo "$line" | awk '{print $2}')"); answers+=("$(echo "$line" | awk '{print $6}')")
        waits+=("$(echo "$line" | awk '{print $8}')"); peak=$(echo "$line" | awk '{print $4}')
    done
    printf '%-46s %9d ms %9d ms  (longest wait %s ms, peak %s MB)\n' "$label" \
        "$(printf '%s\n' "${answers[@]}" | median)" "$(printf '%s\n' "${fills[@]}" | median)" \
        "$(printf '%s\n' "${waits[@]}" | median)" "$peak"
}
for total in 10000 "$grid"; do
    grid_library "$total" "$work/Grid"
    printf ' [Settings]\r\n TargetDir=%s\r\n Recursive=true\r\n' "$(win "$work/Grid")" >"$work/gridstart/reelmark.ini"
    main_window "main window, $total episodes" "$build/Reelmark.exe" "$total"
    if [ -n "${REELMARK_BEFORE:-}" ]; then
        main_window "main window, $total episodes, earlier build" "$REELMARK_BEFORE" "$total"
    fi
done
fi
