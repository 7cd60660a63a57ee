#!/usr/bin/env bash
# Builds Reelmark and its tests, then runs every test under Wine.
# Installs the packages it needs on a Debian machine first.
source "$(dirname "$0")/scripts/setup.sh"
reelmark_build
source "$REELMARK_ROOT/scripts/wine-env.sh" "$REELMARK_BUILD"
status=0
if [ -n "${DISPLAY:-}" ]; then
    (cd "$REELMARK_BUILD" && ctest --output-on-failure -j "$(nproc)" "$@") || status=$?
else
    # No screen: window tests run on a virtual one.
    (cd "$REELMARK_BUILD" && xvfb-run -a -s "-screen 0 1280x1024x24" \
        ctest --output-on-failure -j "$(nproc)" "$@") || status=$?
fi
wine_stop_session
exit $status
