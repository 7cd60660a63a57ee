#!/usr/bin/env bash
# Prints how long the core takes over a folder of many movie files (default
# 2000) under Wine. Usage: scripts/benchmark.sh [MOVIES]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build="${REELMARK_BUILD:-$root/build}"
source "$root/scripts/setup.sh"
reelmark_build --target reelmark-bench wine-keepalive
source "$root/scripts/wine-env.sh" "$build"
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
wine_ensure_session
wine "$build/tools/reelmark-bench.exe" "$(winepath -w "$folder")" "${1:-2000}"
