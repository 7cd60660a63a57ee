# Sourced by the end-to-end checks of the built program: a Wine session for
# the build, an empty start folder (removed at the end), Windows paths and a
# failure count. Usage: source e2e-lib.sh BUILD_DIR   (needs a DISPLAY)
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=$(cd "$1" && pwd)
# shellcheck source=scripts/wine-env.sh
source "$root/scripts/wine-env.sh" "$build"
wine_ensure_session

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
windows_path() { printf 'Z:%s' "${1//\//\\}"; }

failures=0
fail() {
    echo "FAILED: $*" >&2
    failures=$((failures + 1))
}

# Runs the probe on Reelmark.exe in the start folder with the given options.
run_probe() {
    (cd "$work" && timeout 60 wine "$build/tools/reelmark-probe.exe" "$(windows_path "$build/Reelmark.exe")" \
        "$@" </dev/null) || fail "the program did not start, run and close as expected"
}
