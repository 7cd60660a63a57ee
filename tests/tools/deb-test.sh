#!/usr/bin/env bash
# The Debian package of reelmark-cli end to end: builds it with CPack in a
# release build of its own, checks what it holds and what it depends on,
# that lintian finds no error, that its manual pages read without groff's
# warnings and its unit template passes systemd-analyze, then installs it
# with dpkg, runs the installed program, finds its manual pages and its unit
# not enabled, and removes it again: nothing of it stays. Installed, it
# follows the manual page's set-up of the service as an administrator
# would: the template from the example, checked with the settings command;
# a drop-in that runs the service as the library's owner, checked with
# systemd-analyze; the unit's own command line run as that user writes
# into a library under a home only that user may enter, and run as another
# user says which user may not enter which folder.
# Usage: tests/tools/deb-test.sh BUILD_DIR VERSION CC CXX (exit code 77,
# which CTest counts as skipped, where dpkg is missing, or lintian is and
# cannot be installed, or another reelmark-cli package is installed)
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$1
version=$2
skip() {
    echo "SKIPPED: $*"
    exit 77
}
command -v dpkg >/dev/null && command -v dpkg-deb >/dev/null || skip "dpkg is missing"
if ! command -v lintian >/dev/null || ! command -v dpkg-shlibdeps >/dev/null; then
    [ "$(id -u)" = 0 ] && command -v apt-get >/dev/null || skip "lintian or dpkg-dev is missing"
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends lintian dpkg-dev >/dev/null ||
        skip "lintian and dpkg-dev cannot be installed here"
fi
if dpkg-query -W -f='${Status}' reelmark-cli 2>/dev/null | grep -q "installed"; then
    skip "a reelmark-cli package is installed here already; this test does not replace it"
fi

failures=0
fail() {
    echo "FAILED: $*" >&2
    failures=$((failures + 1))
}
work=$(mktemp -d)
installed=no
cleanup() {
    [ "$installed" = yes ] && dpkg -r reelmark-cli >/dev/null 2>&1
    rm -rf "$work"
}
trap cleanup EXIT

if [ ! -f "$build/CMakeCache.txt" ]; then
    CC=$3 CXX=$4 cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DREELMARK_TESTS=OFF >"$work/configure.log" ||
        { cat "$work/configure.log"; exit 1; }
fi
rm -f "$build"/reelmark-cli_*.deb
cmake --build "$build" -j2 --target package >"$work/build.log" 2>&1 || { cat "$work/build.log"; exit 1; }
deb="$build/reelmark-cli_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || { echo "FAILED: no $deb; the build made: $(ls "$build"/*.deb 2>/dev/null)"; exit 1; }

# What it holds: these files and the folders above them, nothing else.
files="/usr/bin/reelmark-cli /usr/share/man/man1/reelmark-cli.1.gz /usr/share/man/man5/reelmark.ini.5.gz
/usr/lib/systemd/system/reelmark-watch@.service /usr/share/doc/reelmark-cli/changelog.gz
/usr/share/doc/reelmark-cli/copyright /usr/share/doc/reelmark-cli/examples/reelmark.ini"
held=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { sub(/^\./, "", $6); print $6 }' | sort)
[ "$held" = "$(tr ' ' '\n' <<<"$files" | sort)" ] || fail "the package holds: $(tr '\n' ' ' <<<"$held")"
dpkg-deb -x "$deb" "$work/tree"
[ "$(stat -c %a "$work/tree/usr/bin/reelmark-cli")" = 755 ] || fail "the program is not executable by all"
depends=$(dpkg-deb -f "$deb" Depends)
for library in libc6 libstdc++6 libexpat1 libnettle8 libcurl4; do
    grep -q "$library" <<<"$depends" || fail "Depends names no $library: $depends"
done
[ "$(dpkg-deb -f "$deb" Package)" = reelmark-cli ] || fail "the package is not named reelmark-cli"

# lintian: no error (warnings and notes are printed for a reader).
lintian --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1 || true
grep -v "running with root privileges" "$work/lintian.log" || true
! grep -q "^E: " "$work/lintian.log" || fail "lintian finds errors"

# The manual pages read without groff's warnings.
for page in man1/reelmark-cli.1.gz man5/reelmark.ini.5.gz; do
    LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$work/tree/usr/share/man/$page" >"$work/man.txt" \
        2>"$work/man-warnings.txt" || fail "man cannot show $page"
    [ ! -s "$work/man-warnings.txt" ] || fail "$page has warnings: $(cat "$work/man-warnings.txt")"
done
LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$work/tree/usr/share/man/man1/reelmark-cli.1.gz" >"$work/man.txt" 2>/dev/null
grep -q "reelmark-watch@" "$work/man.txt" || fail "the manual page does not tell of the service"

# Installed: the program, its manual page, its unit not enabled; removed:
# nothing stays.
dpkg -i "$deb" >"$work/install.log" 2>&1 || { cat "$work/install.log"; fail "dpkg cannot install it"; exit 1; }
installed=yes
[ "$(/usr/bin/reelmark-cli --version)" = "$version" ] || fail "the installed program is not version $version"
mkdir -p "$work/run/Films" && : >"$work/run/Films/Holiday.mkv"
(cd "$work/run" && /usr/bin/reelmark-cli generate Films >/dev/null 2>&1) || fail "the installed program cannot generate"
grep -q "^title : Holiday" "$work/run/Films/Holiday.mkv.txt" 2>/dev/null || fail "the installed program wrote no file"
[ "$(man -w reelmark-cli 2>/dev/null)" = /usr/share/man/man1/reelmark-cli.1.gz ] || fail "man reelmark-cli finds no page"
[ "$(man -w reelmark.ini 2>/dev/null)" = /usr/share/man/man5/reelmark.ini.5.gz ] || fail "man reelmark.ini finds no page"
chmod 755 "$work"  # the users of the service's test pass through it
"$root/tests/tools/service-setup-test.sh" "$work/service" || fail "the service cannot be set up as the manual page says"
cp /usr/lib/systemd/system/reelmark-watch@.service "$work/reelmark-watch@srv-movies.service"
if command -v systemd-analyze >/dev/null; then
    systemd-analyze verify "$work/reelmark-watch@srv-movies.service" >"$work/verify.log" 2>&1 ||
        fail "systemd-analyze verify: $(cat "$work/verify.log")"
fi
! ls /etc/systemd/system/*/reelmark-watch@* >/dev/null 2>&1 || fail "the package enabled its unit"
dpkg -r reelmark-cli >"$work/remove.log" 2>&1 || fail "dpkg cannot remove it: $(cat "$work/remove.log")"
installed=no
for file in $files; do
    [ ! -e "$file" ] || fail "$file stays after dpkg -r"
done
dpkg-query -W -f='${Status}' reelmark-cli 2>/dev/null | grep -q " installed" && fail "dpkg still lists it as installed"

[ "$failures" -eq 0 ] && echo "the package $(basename "$deb") holds its files, passes lintian, installs and goes"
exit "$failures"
