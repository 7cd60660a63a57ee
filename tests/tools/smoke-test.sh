#!/usr/bin/env bash
# End-to-end check of the built program: Reelmark.exe started in an empty
# folder shows its main window, ends on WM_CLOSE (as from its close box) and
# leaves its settings, its log and the two help files in that folder.
# Usage: tests/tools/smoke-test.sh BUILD_DIR   (needs a DISPLAY)
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "$1" && pwd)
# shellcheck source=scripts/wine-env.sh
source "$root/scripts/wine-env.sh" "$build"
wine_ensure_session

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
windows_path() { printf 'Z:%s' "${1//\//\\}"; }

failures=0
fail() {
    echo "FAILED: $*" >&2
    failures=$((failures + 1))
}

cd "$work"
timeout 40 wine "$build/tools/reelmark-probe.exe" "$(windows_path "$build/Reelmark.exe")" </dev/null ||
    fail "the program did not start and close as expected"

# Active lines of the settings file start with a space.
ini="$work/reelmark.ini"
if [ -f "$ini" ]; then
    for key in PythonLoc OverwriteMetadata TargetDir SeriesTitle SeriesID IsEpisode SeriesType StarRating \
        MpaaRating TvRating SeriesDesc; do
        grep -q "^ $key=" "$ini" || fail "reelmark.ini has no $key"
    done
    grep -q '^ \[Config\]' "$ini" && grep -q '^ \[Settings\]' "$ini" || fail "reelmark.ini lacks a section"
    grep -q '^ TargetDir=C:\\' "$ini" || fail "TargetDir is not the default C:\\"
else
    fail "no reelmark.ini"
fi
if [ -f "$work/Reelmark.log" ]; then
    grep -q 'Found [0-9]* movie files in folder directory\.' "$work/Reelmark.log" ||
        fail "Reelmark.log has no \"Found ... movie files\" line"
else
    fail "no Reelmark.log"
fi
for file in hh.exe Reelmark.chm; do
    cmp -s "$work/$file" "$build/res/$file" || fail "$file missing or not the embedded one"
done

[ "$failures" -eq 0 ] && echo "Reelmark.exe started, closed and wrote its files"
exit "$failures"
