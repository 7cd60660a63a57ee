#!/usr/bin/env bash
# End-to-end check of the release packages: builds them with CPack into a
# folder of its own, checks the zip's files and that its programs keep their
# files beside them, then installs silently under Wine, checks the installed
# files, version resources, Add/Remove Programs entry and shortcuts, starts
# the programs from the install folder and from the Start menu (their files
# must go to the per-user folder), and uninstalls silently: the install
# folder goes, the user's files stay.
# Usage: tests/tools/package-test.sh BUILD_DIR VERSION   (needs a DISPLAY; exit code
# 77, which CTest counts as skipped, where makensis is missing)
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "$1" && pwd)
version=$2
if ! command -v makensis >/dev/null; then
    echo "SKIPPED: makensis (Debian package nsis) is not on the PATH, so the installer cannot be built here"
    exit 77
fi
# shellcheck source=scripts/wine-env.sh
source "$root/scripts/wine-env.sh" "$build"
wine_ensure_session

failures=0
fail() {
    echo "FAILED: $*" >&2
    failures=$((failures + 1))
}
windows_path() { winepath -w "$1" 2>/dev/null; }
# Sorted names in a folder, on one line; nothing for a missing folder.
names_in() { (cd "$1" 2>/dev/null && ls -A | sort | tr '\n' ' ') || true; }
# One value of a registry key, as "wine reg query" prints it.
reg_value() { wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_SZ *//p"; }

uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Reelmark'
start_menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Reelmark"
windows_variable() { winepath -u "$(wine cmd /c "echo %$1%" 2>/dev/null | tr -d '\r')"; }
per_user="$(windows_variable APPDATA)/Reelmark"
temp=$(windows_variable TEMP)
work=$(mktemp -d)
install_dir=$(mktemp -d "$WINEPREFIX/drive_c/Reelmark test.XXXX")
cleanup() {
    # Whatever a failed run left in this build's Wine prefix.
    rm -rf "$work" "$install_dir" "$per_user" "$start_menu"
    wine reg delete "$uninstall_key" /f >/dev/null 2>&1 || true
    wine reg delete 'HKLM\Software\Reelmark developers' /f >/dev/null 2>&1 || true
}
trap cleanup EXIT
rm -rf "$per_user"

# --- Build ---------------------------------------------------------------
(cd "$work" && cpack --config "$build/CPackConfig.cmake" -B "$work/packages" >"$work/cpack.log" 2>&1) ||
    { cat "$work/cpack.log" >&2; fail "cpack did not build the packages"; exit 1; }
setup="$work/packages/Reelmark-$version-win64-setup.exe"
zip="$work/packages/Reelmark-$version-win64.zip"
[ -f "$setup" ] || fail "no installer named $(basename "$setup")"
[ -f "$zip" ] || fail "no zip named $(basename "$zip")"
[ "$failures" -eq 0 ] || exit "$failures"

# --- Portable zip ----------------------------------------------------------
top="Reelmark-$version-win64"
expected_zip="$top/LICENSE.txt $top/README.txt $top/Reelmark.chm $top/Reelmark.exe $top/reelmark-cli.exe "
listing=$(cmake -E tar tf "$zip" | sort | tr '\n' ' ')
[ "$listing" = "$expected_zip" ] || fail "the zip holds \"$listing\", not \"$expected_zip\""
mkdir "$work/portable" "$work/movies"
(cd "$work/portable" && cmake -E tar xf "$zip")
# Started in its own folder, the portable program keeps its files there.
(cd "$work/portable/$top" && wine reelmark-cli.exe generate "$(windows_path "$work/movies")" >/dev/null 2>&1) || true
[ -f "$work/portable/$top/Reelmark.log" ] || fail "the portable reelmark-cli wrote no Reelmark.log beside itself"
[ ! -e "$per_user" ] || fail "the portable reelmark-cli made the per-user folder"

# --- Install ---------------------------------------------------------------
# /D= takes the rest of the command line, unquoted as a user types it: the
# path goes as words that wine joins with single spaces.
# shellcheck disable=SC2046
timeout 60 wine "$setup" /S /D=$(windows_path "$install_dir") </dev/null >/dev/null 2>&1 ||
    fail "the silent installer failed"
expected_installed="LICENSE.txt README.txt Reelmark.chm Reelmark.exe Uninstall.exe reelmark-cli.exe "
installed=$(names_in "$install_dir")
[ "$installed" = "$expected_installed" ] || fail "installed \"$installed\", not \"$expected_installed\""
cmp -s "$install_dir/README.txt" "$work/portable/$top/README.txt" || fail "README.txt differs from the zip's"
grep -q $'^Reelmark '"$version"$'\r$' "$install_dir/README.txt" || fail "README.txt is not the users' README with CR LF lines"
grep -q -e 'apt-get\|sanitizer\|cmake' "$install_dir/README.txt" && fail "README.txt speaks of building Reelmark"
cmp -s "$install_dir/Reelmark.chm" "$build/res/Reelmark.chm" || fail "the installed Reelmark.chm is not the help document"

# Version resources, as Explorer's Properties page shows them.
check_version() {
    local file=$1 description=$2 info
    info=$(wine "$build/tools/version-info.exe" "$(windows_path "$file")" 2>&1 | tr -d '\r')
    for line in "FileVersionNumber=$version" "ProductName=Reelmark" "ProductVersion=$version" \
        "FileVersion=$version" "FileDescription=$description" "CompanyName=Reelmark developers"; do
        grep -qxF "$line" <<<"$info" || fail "$(basename "$file") lacks $line in its version resource: $info"
    done
}
check_version "$install_dir/Reelmark.exe" "Reelmark - pyTivo metadata writer"
check_version "$install_dir/reelmark-cli.exe" "Reelmark command-line metadata writer"
check_version "$setup" "Reelmark Setup"

# Add/Remove Programs.
install_windows=$(windows_path "$install_dir")
[ "$(reg_value "$uninstall_key" DisplayName)" = "Reelmark" ] || fail "no Add/Remove Programs entry named Reelmark"
[ "$(reg_value "$uninstall_key" DisplayVersion)" = "$version" ] || fail "the entry's DisplayVersion is not $version"
[ "$(reg_value "$uninstall_key" DisplayIcon)" = "$install_windows\\Reelmark.exe" ] ||
    fail "the entry's DisplayIcon is not Reelmark.exe"
[ "$(reg_value "$uninstall_key" UninstallString)" = "\"$install_windows\\Uninstall.exe\"" ] ||
    fail "the entry's UninstallString is not the installed uninstaller"
shortcuts=$(names_in "$start_menu")
[ "$shortcuts" = "Reelmark Help.lnk Reelmark.lnk Uninstall.lnk " ] || fail "Start menu holds \"$shortcuts\""
# The help shortcut opens the help document, as F1 does (its target path
# stands in the shortcut file as text).
grep -aq 'Reelmark\.chm' "$start_menu/Reelmark Help.lnk" && ! grep -aq 'README' "$start_menu/Reelmark Help.lnk" ||
    fail "the Reelmark Help shortcut does not open Reelmark.chm"

# --- Run -------------------------------------------------------------------
cli_version=$(cd "$work" && wine "$install_dir/reelmark-cli.exe" --version 2>/dev/null | tr -d '\r')
[ "$cli_version" = "$version" ] || fail "installed reelmark-cli --version says \"$cli_version\""
# In the install folder the installed copy keeps its files in the per-user folder.
(cd "$install_dir" && wine reelmark-cli.exe generate "$(windows_path "$work/movies")" >/dev/null 2>&1) || true
[ -f "$per_user/Reelmark.log" ] || fail "reelmark-cli started in its install folder wrote no log in $per_user"
# Started from the Start menu, so is the desktop program.
(cd "$work" && timeout 40 wine "$build/tools/reelmark-probe.exe" \
    "$(windows_path "$start_menu/Reelmark.lnk")" </dev/null >/dev/null) ||
    fail "Reelmark did not start from its Start-menu shortcut and close"
[ "$(names_in "$per_user")" = "Reelmark.chm Reelmark.log hh.exe reelmark.ini " ] ||
    fail "the per-user folder holds \"$(names_in "$per_user")\""
[ "$(names_in "$install_dir")" = "$expected_installed" ] ||
    fail "the programs wrote into their install folder: \"$(names_in "$install_dir")\""
cp "$per_user/reelmark.ini" "$work/reelmark.ini" 2>/dev/null || true

# --- Uninstall -------------------------------------------------------------
# The silent uninstaller copies itself to a temporary folder ("~nsu*.tmp"),
# starts the copy with "_?=<install folder>" and returns at once: wait for
# the copy to end.
copies_before=$(ls -d "$temp"/~nsu*.tmp 2>/dev/null || true)
wine "$install_dir/Uninstall.exe" /S </dev/null >/dev/null 2>&1 || fail "the silent uninstaller failed"
uninstaller_runs() {
    local processes
    processes=$(ps -eo args)
    grep -qF -- "_?=$install_windows" <<<"$processes"
}
for _ in $(seq 1 150); do
    uninstaller_runs || break
    sleep 0.2
done
uninstaller_runs && fail "the uninstaller still runs after 30 s"
for copy in "$temp"/~nsu*.tmp; do
    grep -qxF -- "$copy" <<<"$copies_before" || rm -rf "$copy"
done
[ ! -e "$install_dir" ] || fail "the install folder stays, holding \"$(names_in "$install_dir")\""
[ ! -e "$start_menu" ] || fail "the Start-menu folder stays"
wine reg query "$uninstall_key" >/dev/null 2>&1 && fail "the Add/Remove Programs entry stays"
cmp -s "$per_user/reelmark.ini" "$work/reelmark.ini" || fail "the user's reelmark.ini did not stay as it was"
[ -f "$per_user/Reelmark.log" ] || fail "the user's Reelmark.log did not stay"

[ "$failures" -eq 0 ] && echo "packages built, installed, started and uninstalled"
exit "$failures"
