# Sourced by run.sh and test.sh: installs what the builds need (Debian
# packages), then configures and builds the Windows program into build/ and,
# for the tests, the native core and reelmark-cli into build-native/ (clang,
# with the sanitizers and the fuzz targets).
set -eu
REELMARK_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
REELMARK_BUILD="${REELMARK_BUILD:-$REELMARK_ROOT/build}"
REELMARK_NATIVE_BUILD="${REELMARK_NATIVE_BUILD:-$REELMARK_ROOT/build-native}"

reelmark_packages="g++-mingw-w64-x86-64-posix wine64 wine xvfb xauth xdotool imagemagick fonts-wine fonts-wqy-zenhei googletest fp-utils nsis cmake make clang libclang-rt-14-dev libexpat1-dev libutfcpp-dev nettle-dev libcurl4-openssl-dev nlohmann-json3-dev"

# Only for the Debian package of reelmark-cli: dpkg-shlibdeps finds what it
# depends on, lintian checks it.
reelmark_deb_packages="dpkg-dev lintian"

# Installs the packages named (all the builds need when none are named).
reelmark_install_packages() {
    local missing=""
    for p in ${*:-$reelmark_packages}; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
    done
    [ -z "$missing" ] && return 0
    echo "Installing:$missing"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends $missing
}

reelmark_build() {
    if [ ! -f "$REELMARK_BUILD/CMakeCache.txt" ]; then
        cmake -S "$REELMARK_ROOT" -B "$REELMARK_BUILD" -DCMAKE_BUILD_TYPE=Release \
            -DCMAKE_TOOLCHAIN_FILE="$REELMARK_ROOT/cmake/mingw-w64.cmake"
    fi
    cmake --build "$REELMARK_BUILD" -j "$(nproc)" "$@"
}

reelmark_build_native() {
    if [ ! -f "$REELMARK_NATIVE_BUILD/CMakeCache.txt" ]; then
        CC=clang CXX=clang++ cmake -S "$REELMARK_ROOT" -B "$REELMARK_NATIVE_BUILD" -DCMAKE_BUILD_TYPE=Debug \
            -DREELMARK_SANITIZE=ON
    fi
    cmake --build "$REELMARK_NATIVE_BUILD" -j "$(nproc)" "$@"
}

# The Debian package of reelmark-cli from a release build of its own,
# build-deb/ (no sanitizers, no tests): build-deb/reelmark-cli_<version>_<arch>.deb.
reelmark_build_deb() {
    reelmark_install_packages $reelmark_deb_packages
    local build="$REELMARK_ROOT/build-deb"
    if [ ! -f "$build/CMakeCache.txt" ]; then
        cmake -S "$REELMARK_ROOT" -B "$build" -DCMAKE_BUILD_TYPE=Release -DREELMARK_TESTS=OFF
    fi
    cmake --build "$build" -j "$(nproc)" --target package
}

reelmark_install_packages
