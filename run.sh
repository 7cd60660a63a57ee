#!/usr/bin/env bash
# Builds Reelmark and runs it under Wine. Installs the packages it needs on a
# Debian machine first.
#   ./run.sh [ARGS...]        the desktop program
#   ./run.sh --cli [ARGS...]  the command-line program (e.g. --cli list FOLDER)
#   ./run.sh --package        the installer and the zip for Windows users, in build/
#   ./run.sh --deb            the Debian package of reelmark-cli, in build-deb/
# The program keeps reelmark.ini and Reelmark.log in the folder it runs in:
# $REELMARK_HOME, or build/run by default.
source "$(dirname "$0")/scripts/setup.sh"
if [ "${1:-}" = "--package" ]; then
    reelmark_build --target package
    exit 0
fi
if [ "${1:-}" = "--deb" ]; then
    reelmark_build_deb
    exit 0
fi
reelmark_build --target Reelmark reelmark-cli wine-keepalive
source "$REELMARK_ROOT/scripts/wine-env.sh" "$REELMARK_BUILD"

home="${REELMARK_HOME:-$REELMARK_BUILD/run}"
mkdir -p "$home"
cd "$home"

program="$REELMARK_BUILD/Reelmark.exe"
if [ "${1:-}" = "--cli" ]; then
    shift
    program="$REELMARK_BUILD/reelmark-cli.exe"
fi

status=0
if [ -n "${DISPLAY:-}" ] || [ "$program" != "$REELMARK_BUILD/Reelmark.exe" ]; then
    wine_ensure_session
    wine "$program" "$@" || status=$?
else
    echo "No display: Reelmark runs on a virtual screen (Xvfb) that nobody sees." >&2
    echo "Close it with Ctrl+C; scripts/screenshot-main.sh shows what it looks like." >&2
    xvfb-run -a -s "-screen 0 1280x1024x24" bash -c \
        'source "$0/scripts/wine-env.sh" "$1"; wine_ensure_session; wine "$2" "${@:3}"' \
        "$REELMARK_ROOT" "$REELMARK_BUILD" "$program" "$@" || status=$?
fi
wine_stop_session
exit $status
