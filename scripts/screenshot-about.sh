#!/usr/bin/env bash
# Starts the built Reelmark.exe under Wine in an empty temporary folder, waits
# until its start-up splash has gone, opens the about box (command 57664, as
# Help -> About Reelmark... does) and saves a picture of the screen to
# BUILD_DIR/screenshots/about.png. Then closes the program through its close
# message.
# Usage: scripts/screenshot-about.sh [BUILD_DIR] [SECONDS]
# Without a DISPLAY it runs itself on a virtual screen. It ends the Wine
# session of BUILD_DIR when done.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
wait_seconds=${2:-2}

if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build" "$wait_seconds"
fi

for file in Reelmark.exe tools/post-command.exe; do
    if [ ! -f "$build/$file" ]; then
        echo "Missing $build/$file: build first (./test.sh or cmake --build)." >&2
        exit 1
    fi
done

work=$(mktemp -d)
program_pid=""
finish() {
    if [ -n "$program_pid" ] && kill -0 "$program_pid" 2>/dev/null; then
        kill "$program_pid" 2>/dev/null || true
    fi
    # shellcheck source=scripts/wine-env.sh
    (source "$root/scripts/wine-env.sh" "$build" && wine_stop_session)
    rm -rf "$work"
}
trap finish EXIT

post() {
    "$root/scripts/wine-run.sh" "$build" "$build/tools/post-command.exe" "$1"
}

(cd "$work" && exec "$root/scripts/wine-run.sh" "$build" "$build/Reelmark.exe") &
program_pid=$!

# The tool waits for the main window and for the start-up splash to go.
post 57664
sleep "$wait_seconds"
mkdir -p "$build/screenshots"
import -window root "$build/screenshots/about.png"
echo "Saved $build/screenshots/about.png"

post close
for _ in $(seq 50); do
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.2
done
if kill -0 "$program_pid" 2>/dev/null; then
    echo "Reelmark.exe did not end after its close message" >&2
    exit 1
fi
echo "Reelmark.exe closed; it left: $(cd "$work" && ls | tr '\n' ' ')"
