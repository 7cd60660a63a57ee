#!/usr/bin/env bash
# Starts the built Reelmark.exe in an empty temporary folder, opens the
# Options dialog (command 32779, as Tools -> Options... does) once the
# start-up splash has gone, and saves a picture of the screen to
# BUILD_DIR/screenshots/settings.png. Usage: scripts/screenshot-settings.sh [BUILD_DIR]
# Without a DISPLAY it runs itself on a virtual screen.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
source "$root/scripts/screenshot-lib.sh"
reelmark_begin "$0" "$build"
reelmark_shoot "$build" "$work" "$build/screenshots/settings.png" 32779
