#!/usr/bin/env bash
# End-to-end check of the built program: Reelmark.exe started in an empty
# folder shows its main window, ends on WM_CLOSE (as from its close box) and
# leaves its settings, its log and the two help files in that folder.
# Usage: tests/tools/smoke-test.sh BUILD_DIR   (needs a DISPLAY)
set -eu
# shellcheck source=tests/tools/e2e-lib.sh
source "$(dirname "$0")/e2e-lib.sh" "$1"
run_probe

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
