#!/usr/bin/env bash
# Opens the built help document with the built help viewer under Wine, as the
# Help command does ("hh.exe Reelmark.chm" in the folder that holds both), and
# saves a picture of the screen to BUILD_DIR/screenshots/help.png.
# Usage: scripts/screenshot-help.sh [BUILD_DIR] [SECONDS]
# Without a DISPLAY it runs itself on a virtual screen. It ends the Wine
# session of BUILD_DIR when done.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
wait_seconds=${2:-6}

if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build" "$wait_seconds"
fi

for file in hh.exe Reelmark.chm; do
    if [ ! -f "$build/res/$file" ]; then
        echo "Missing $build/res/$file: build first (./test.sh or cmake --build)." >&2
        exit 1
    fi
done

work=$(mktemp -d)
viewer_pid=""
finish() {
    if [ -n "$viewer_pid" ] && kill -0 "$viewer_pid" 2>/dev/null; then
        kill "$viewer_pid" 2>/dev/null || true
    fi
    # shellcheck source=scripts/wine-env.sh
    (source "$root/scripts/wine-env.sh" "$build" && wine_stop_session)
    rm -rf "$work"
}
trap finish EXIT

cp "$build/res/hh.exe" "$build/res/Reelmark.chm" "$work/"
(cd "$work" && exec "$root/scripts/wine-run.sh" "$build" ./hh.exe Reelmark.chm) &
viewer_pid=$!
sleep "$wait_seconds"

if kill -0 "$viewer_pid" 2>/dev/null; then
    echo "hh.exe is running"
else
    wait "$viewer_pid" && status=0 || status=$?
    echo "hh.exe ended already (exit code $status)"
fi
mkdir -p "$build/screenshots"
import -window root "$build/screenshots/help.png"
echo "Saved $build/screenshots/help.png"
