#!/usr/bin/env bash
# Starts the built Reelmark.exe on a sample movie tree (every folder state,
# names with "&", "é" and a long name, metadata files) and saves a picture of
# the screen to BUILD_DIR/screenshots/main.png once the splash has gone.
# Usage: scripts/screenshot-main.sh [BUILD_DIR]
# Without a DISPLAY it runs itself on a virtual screen. It ends the Wine
# session of BUILD_DIR afterwards only when it started that session.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)

if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build"
fi
for file in Reelmark.exe tools/reelmark-probe.exe; do
    if [ ! -f "$build/$file" ]; then
        echo "Missing $build/$file: build first (./test.sh or cmake --build)." >&2
        exit 1
    fi
done

# shellcheck source=scripts/wine-env.sh
source "$root/scripts/wine-env.sh" "$build"
started_session=yes
if [ -f "$build/.wine-keepalive" ]; then
    read -r pid display <"$build/.wine-keepalive" || true
    if [ -n "${pid:-}" ] && kill -0 "$pid" 2>/dev/null && [ "${display:-}" = "$DISPLAY" ]; then
        started_session=no
    fi
fi
wine_ensure_session

work=$(mktemp -d)
probe_pid=""
finish() {
    if [ -n "$probe_pid" ] && kill -0 "$probe_pid" 2>/dev/null; then
        touch "$work/start/release"
        wait "$probe_pid" || true
    fi
    [ "$started_session" = yes ] && wine_stop_session
    rm -rf "$work"
}
trap finish EXIT

# The sample tree: Movies\<sibling> folders in every state of the tree.
movies="$work/Movies"
e=$'\xc3\xa9'  # "é" as the Linux side stores it
long_name="A very long movie file name that needs a second display line.mpg"
mkdir -p "$movies/Tom & Jerry" "$movies/Caf${e} Films" "$movies/Comedy" "$movies/Mixed" "$movies/Empty" \
    "$movies/Orphans" "$work/start"
for f in "Cat & Mouse.mpg" "Caf${e} Crash.avi" "$long_name" "Chase.mkv" "Picnic.mp4"; do
    : >"$movies/Tom & Jerry/$f"
done
: >"$movies/Tom & Jerry/Cat & Mouse.mpg.txt"
: >"$movies/Tom & Jerry/Chase.mkv.txt"
for f in "Cr${e}me.mpg" "Nuit.avi"; do : >"$movies/Caf${e} Films/$f"; done
for f in One.mpg Two.mpg; do
    : >"$movies/Comedy/$f"
    : >"$movies/Comedy/$f.txt"
done
: >"$movies/Mixed/Old.wmv"
: >"$movies/Orphans/Gone.mpg.txt"
: >"$movies/Orphans/Lost.avi.txt"

# The settings point at "Tom & Jerry" (ANSI text: "&" is plain ASCII).
windows_path() { printf 'Z:%s' "${1//\//\\}"; }
printf ' [Settings]\r\n TargetDir=%s\r\n SeriesTitle=Tom & Jerry\r\n' \
    "$(windows_path "$movies/Tom & Jerry")" >"$work/start/reelmark.ini"

(cd "$work/start" && exec wine "$build/tools/reelmark-probe.exe" "$(windows_path "$build/Reelmark.exe")" \
    ready release </dev/null) &
probe_pid=$!
for _ in $(seq 1 300); do
    [ -f "$work/start/ready" ] && break
    kill -0 "$probe_pid" 2>/dev/null || break
    sleep 0.1
done
if [ ! -f "$work/start/ready" ]; then
    echo "Reelmark's main window did not appear." >&2
    exit 1
fi
sleep 0.5  # the last repaint after the splash
mkdir -p "$build/screenshots"
import -window root "$build/screenshots/main.png"
echo "Saved $build/screenshots/main.png"
touch "$work/start/release"
wait "$probe_pid" && status=0 || status=$?
probe_pid=""
exit $status
