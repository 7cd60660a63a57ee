#!/usr/bin/env bash
# The service set up as the manual page (SERVICE) tells an administrator,
# over the installed package: the template copied from the example and
# changed, shown by the settings command; a drop-in that runs the service
# as the library's owner, passed by systemd-analyze; the unit's own command
# line, run as that user (setpriv) in a state folder of the test's own,
# writes the template's files into a library under a home only that user
# may enter and stops at SIGTERM with exit code 0; run as another user, it
# says which user may not enter which folder, and a generate which user may
# not write in it. Run as root by deb-test.sh once the package is installed.
# Usage: tests/tools/service-setup-test.sh WORK_FOLDER (made; left for the caller)
set -eu
work=$1
owner=daemon     # the library's owner
stranger=nobody  # a user the library is not open to
failures=0
fail() {
    echo "FAILED: $*" >&2
    failures=$((failures + 1))
}
mkdir -p "$work"
chmod 755 "$work"
state="$work/state"
mkdir -p "$state"
# The journals of the runs go where each user of the test may write, as
# they go into the state folder that systemd makes for the unit's user.
export REELMARK_RUNS="$work/runs"
mkdir -p "$REELMARK_RUNS"
chmod 1777 "$REELMARK_RUNS"

# 1. The template.
cp /usr/share/doc/reelmark-cli/examples/reelmark.ini "$state/"
sed -i -e 's/^IsEpisode=.*/IsEpisode=true/' -e 's/^SeriesType=.*/SeriesType=SH general TV shows/' \
    -e 's/^TvRating=.*/TvRating=TV-14/' "$state/reelmark.ini"
/usr/bin/reelmark-cli settings --ini "$state/reelmark.ini" >"$work/settings.txt" 2>"$work/settings.err" ||
    fail "settings: $(cat "$work/settings.err")"
[ ! -s "$work/settings.err" ] || fail "settings warns of the example: $(cat "$work/settings.err")"
grep -qx "TvRating=TV-14    # from the file: TV-14 - Parents Strongly Cautioned" "$work/settings.txt" ||
    fail "settings does not show the template's TV rating: $(cat "$work/settings.txt")"
grep -qx "SeriesID=SH994401    # default, with the series type's letters" "$work/settings.txt" ||
    fail "settings does not show the series ID the type gives"

# 2. The user: a drop-in, as systemctl edit writes it.
library="$work/home/Movies"
mkdir -p "$library/Garden Diary"
: >"$library/Garden Diary/Week 1.mkv"
touch -d "1 hour ago" "$library/Garden Diary/Week 1.mkv"
chown -R "$owner:" "$work/home" "$state"
chmod 700 "$work/home"
instance=$(systemd-escape --path "$library")
units="$work/units"
mkdir -p "$units/reelmark-watch@$instance.service.d"
cp /usr/lib/systemd/system/reelmark-watch@.service "$units/reelmark-watch@$instance.service"
printf '[Service]\nDynamicUser=no\nUser=%s\nGroup=%s\n' "$owner" "$(id -gn "$owner")" \
    >"$units/reelmark-watch@$instance.service.d/override.conf"
if command -v systemd-analyze >/dev/null; then
    systemd-analyze verify "$units/reelmark-watch@$instance.service" >"$work/verify.log" 2>&1 ||
        fail "systemd-analyze verify with the drop-in: $(cat "$work/verify.log")"
fi

# The unit's command line: ExecStart with its options and the library.
options=$(sed -n 's/^Environment=REELMARK_WATCH_OPTIONS=//p' "$units/reelmark-watch@$instance.service")
exec_start=$(sed -n 's/^ExecStart=//p' "$units/reelmark-watch@$instance.service")
exec_start=${exec_start/\$REELMARK_WATCH_OPTIONS/$options}
read -r -a command <<<"${exec_start/ %f/}"
command+=("$library")

# Runs the command line as a user in the state folder until the file
# appears or a few seconds have passed, then stops it as systemctl stop does.
watch_as() {  # watch_as USER OUTPUT [FILE]
    (cd "$state" && exec setpriv --reuid="$1" --regid="$(id -g "$1")" --init-groups "${command[@]}") >"$2" 2>&1 &
    local pid=$!
    for _ in $(seq 50); do
        [ -n "${3:-}" ] && [ -e "$3" ] && break
        [ -z "${3:-}" ] && grep -qs "Cannot watch" "$2" && break
        sleep 0.1
    done
    kill -TERM "$pid"
    local code=0
    wait "$pid" || code=$?
    return "$code"
}

# 3./4. As the owner: the file with the template's values, and a clean stop.
written="$library/Garden Diary/Week 1.mkv.txt"
watch_as "$owner" "$work/owner.log" "$written" || fail "the watch as $owner ended with $?: $(cat "$work/owner.log")"
grep -q "^tvRating : x5" "$written" 2>/dev/null || fail "the watch as $owner wrote no file of the template: $(cat "$work/owner.log")"
[ "$(stat -c %U "$written" 2>/dev/null)" = "$owner" ] || fail "the file does not belong to $owner"
grep -q "Stopped watching $library." "$work/owner.log" || fail "the watch did not stop cleanly: $(cat "$work/owner.log")"
grep -q "Stopped watching" "$state/Reelmark.log" 2>/dev/null || fail "the watch kept no Reelmark.log in its state folder"

# As another user: the folder it may not enter, and where it may not write.
rm -f "$written"
watch_as "$stranger" "$work/stranger.log" || fail "the watch as $stranger ended with $?: $(cat "$work/stranger.log")"
grep -q "The program runs as the user $stranger, who may not enter the folder $work/home (owner $owner" \
    "$work/stranger.log" || fail "the refusal does not name the user and the folder: $(cat "$work/stranger.log")"
chmod 755 "$work/home"
(cd "$state" && setpriv --reuid="$stranger" --regid="$(id -g "$stranger")" --init-groups \
    /usr/bin/reelmark-cli generate --recursive "$library") >"$work/generate.log" 2>&1 && fail "generate as $stranger wrote"
grep -q "The program runs as the user $stranger, who may not write in the folder $library/Garden Diary (owner $owner" \
    "$work/generate.log" || fail "the refusal does not say where it may not write: $(cat "$work/generate.log")"

[ "$failures" -eq 0 ] && echo "the service set up as the manual page says writes as $owner and names $stranger's refusals"
exit "$failures"
