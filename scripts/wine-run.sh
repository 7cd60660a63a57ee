#!/usr/bin/env bash
# Runs a Windows program of this build under Wine: the emulator of CTest.
# Usage: scripts/wine-run.sh BUILD_DIR PROGRAM.exe [ARGS...]
set -eu
build=$1
shift
# shellcheck source=scripts/wine-env.sh
source "$(dirname "$0")/wine-env.sh" "$build"
# The desktop's trash, which is Wine's Recycle Bin, of the tests' own: in
# the build tree, on the disk of their files.
export XDG_DATA_HOME="$REELMARK_BUILD/test-data"
wine_ensure_session
exec wine "$@"
