# Sourced by the screenshot scripts: runs the built Reelmark.exe in a start
# folder through tests/tools/reelmark-probe, takes the picture once the main
# window is up (and the start-up splash gone), then closes the program.
# Needs a DISPLAY; ends the Wine session afterwards only when it started it.

# reelmark_begin SCRIPT ARGS...: without a DISPLAY, runs the script again on
# a virtual screen (and does not return); then sets work to a new temporary
# folder that is removed when the script ends.
reelmark_begin() {
    [ -n "${DISPLAY:-}" ] || exec xvfb-run -a -s "-screen 0 1280x1024x24" "$@"
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
}

# reelmark_tool BUILD TARGET: builds a screenshot program of the build tree
# (a target that is not part of the usual build) and sets program to it.
reelmark_tool() {
    local build=$1 target=$2 root
    root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
    cmake -S "$root" -B "$build" >/dev/null
    cmake --build "$build" --target "$target" >/dev/null
    program="$build/tools/$target.exe"
}

# reelmark_shoot BUILD START_FOLDER OUTPUT.png [COMMAND_ID [KEY]]
# KEY, when given, is pressed after the picture (xdotool's name: Escape
# answers a box the command left open).
reelmark_shoot() {
    local build=$1 start=$2 output=$3 command=${4:-} key=${5:-}
    local root
    root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
    for file in Reelmark.exe tools/reelmark-probe.exe; do
        if [ ! -f "$build/$file" ]; then
            echo "Missing $build/$file: build first (./test.sh or cmake --build)." >&2
            return 1
        fi
    done
    # shellcheck source=scripts/wine-env.sh
    source "$root/scripts/wine-env.sh" "$build"
    local started_session=yes pid display
    if [ -f "$build/.wine-keepalive" ]; then
        read -r pid display <"$build/.wine-keepalive" || true
        if [ -n "${pid:-}" ] && kill -0 "$pid" 2>/dev/null && [ "${display:-}" = "$DISPLAY" ]; then
            started_session=no
        fi
    fi
    wine_ensure_session

    local options=()
    [ -n "$command" ] && options=(--command "$command")
    (cd "$start" && exec wine "$build/tools/reelmark-probe.exe" "$(winepath -w "$build/Reelmark.exe")" "${options[@]}" \
        ready release </dev/null) &
    local probe=$!
    for _ in $(seq 1 300); do
        [ -f "$start/ready" ] && break
        kill -0 "$probe" 2>/dev/null || break
        sleep 0.1
    done
    local status=0
    if [ -f "$start/ready" ]; then
        sleep 1  # the last repaints after the splash and the command
        mkdir -p "$(dirname "$output")"
        import -window root "$output"
        echo "Saved $output"
    else
        echo "Reelmark's main window did not appear." >&2
        status=1
    fi
    [ -n "$key" ] && xdotool key "$key"
    touch "$start/release"
    wait "$probe" || status=$?
    rm -f "$start/ready" "$start/release"
    [ "$started_session" = yes ] && wine_stop_session
    return $status
}

# reelmark_shoot_after BUILD FOLDER OUTPUT.png SECONDS PROGRAM [ARGS...]
# Starts a Windows program of the build in FOLDER, waits, takes the picture
# and ends the program with the Wine session of BUILD.
reelmark_shoot_after() {
    local build=$1 folder=$2 output=$3 seconds=$4
    shift 4
    local root
    root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
    (cd "$folder" && exec "$root/scripts/wine-run.sh" "$build" "$@") &
    local program=$!
    sleep "$seconds"
    if kill -0 "$program" 2>/dev/null; then
        echo "$(basename "$1") is running"
    else
        local status=0
        wait "$program" || status=$?
        echo "$(basename "$1") ended already (exit code $status)"
    fi
    mkdir -p "$(dirname "$output")"
    import -window root "$output"
    echo "Saved $output"
    kill "$program" 2>/dev/null || true
    # shellcheck source=scripts/wine-env.sh
    (source "$root/scripts/wine-env.sh" "$build" && wine_stop_session)
}
