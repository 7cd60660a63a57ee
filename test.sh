#!/usr/bin/env bash
# Builds Reelmark and its tests twice: natively (the core, platform and
# command-line tests with the sanitizers, and a few seconds of each fuzz
# target) and for Windows (every test under Wine). Checks the layers of the
# source first. Installs the packages it needs on a Debian machine first.
# Arguments go to both CTest runs.
source "$(dirname "$0")/scripts/setup.sh"
"$REELMARK_ROOT/scripts/check-layers.sh"
reelmark_build_native
reelmark_build
status=0
(cd "$REELMARK_NATIVE_BUILD" && ctest --output-on-failure -j "$(nproc)" "$@") || status=$?
source "$REELMARK_ROOT/scripts/wine-env.sh" "$REELMARK_BUILD"
if [ -n "${DISPLAY:-}" ]; then
    (cd "$REELMARK_BUILD" && ctest --output-on-failure -j "$(nproc)" "$@") || status=$?
else
    # No screen: window tests run on a virtual one.
    (cd "$REELMARK_BUILD" && xvfb-run -a -s "-screen 0 1280x1024x24" \
        ctest --output-on-failure -j "$(nproc)" "$@") || status=$?
fi
wine_stop_session
exit $status
