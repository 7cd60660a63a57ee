#!/usr/bin/env bash
# The help file's command-line page, the README and the manual page describe
# the options and exit codes that reelmark-cli has, and all of them and the
# about box carry TMDB's attribution: every option its --help
# names is on the page and every option on the page is in --help; every
# exit code of --help is in all three, and they name no other; the manual
# page names every command and option of --help; reelmark.ini(5) every key
# of the settings file, whose example holds nothing the program cannot use.
# Usage: tests/tools/docs-test.sh PATH/TO/reelmark-cli
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
cli=$1
page="$root/res/help/cli.html"
readme="$root/README.md"
manual=$(sed 's/\\-/-/g' "$root/res/package/reelmark-cli.1.in")
work_err=$(mktemp)
trap 'rm -f "$work_err"' EXIT
failures=0
fail() {
    echo "FAILED: $*" >&2
    failures=$((failures + 1))
}
help=$("$cli" --help)
options() { grep -o -e "--[a-z][a-z-]*" | sort -u; }
[ "$(options <<<"$help")" = "$(options <"$page")" ] ||
    fail "options of --help and of cli.html differ: $(diff <(options <<<"$help") <(options <"$page") | tr '\n' ' ')"
codes_help=$(sed -n '/^Exit codes:/,$p' <<<"$help" | sed -n 's/^  \([0-9]\)  .*/\1/p' | sort -u)
codes_page=$(sed -n 's/.*<tr><td><code>\([0-9]\)<\/code><\/td>.*/\1/p' "$page" | sort -u)
codes_readme=$(sed -n '/exit codes/,/^## /p' "$readme" | sed -n 's/^| \([0-9]\) |.*/\1/p' | sort -u)
[ -n "$codes_help" ] || fail "--help names no exit codes"
[ "$codes_help" = "$codes_page" ] || fail "exit codes of --help ($codes_help) and cli.html ($codes_page) differ"
[ "$codes_help" = "$codes_readme" ] || fail "exit codes of --help ($codes_help) and the README ($codes_readme) differ"
missing=$(comm -23 <(options <<<"$help") <(options <<<"$manual"))
[ -z "$missing" ] || fail "the manual page lacks options of --help: $(tr '\n' ' ' <<<"$missing")"
codes_manual=$(sed -n '/^\.SH "EXIT STATUS"/,/^\.SH /p' <<<"$manual" | sed -n 's/^\.B \([0-9]\)$/\1/p' | sort -u)
[ "$codes_help" = "$codes_manual" ] || fail "exit codes of --help ($codes_help) and the manual page ($codes_manual) differ"
# "--" before the paths of list, show and check, in all three.
for command in list show check; do
    grep -q -- "^  reelmark-cli $command .*\[--\]" <<<"$help" || fail "--help does not give $command [--]"
    grep -q -- "reelmark-cli $command \[--\]" "$page" || fail "cli.html does not give $command [--]"
    sed -n "/^\.B reelmark-cli $command\$/,/^\.br/p" <<<"$manual" | grep -q -- '^\.RB \[ -- \]$' ||
        fail "the manual page does not give $command [--]"
done
for command in $(sed -n 's/^  reelmark-cli \([a-z][a-z]*\) .*/\1/p' <<<"$help"); do
    grep -q "^\.B $command\$" <<<"$manual" || fail "the manual page does not describe the $command command"
done
# TMDB's attribution, as TMDB asks it of every program that uses its API:
# in --help, the help page, the README, the manual page and the about box.
attribution="This product uses the TMDB API but is not endorsed or certified by TMDB."
flat() { tr '\n' ' ' | tr -s ' \t' '  '; }
for source in "--help:$help" "cli.html:$(cat "$page")" "README.md:$(cat "$readme")" "the manual page:$manual" \
    "the about box:$(cat "$root/src/ui/controls/SplashWnd.cpp")"; do
    grep -qF "$attribution" <<<"$(flat <<<"${source#*:}")" || fail "${source%%:*} lacks TMDB's attribution"
done
# reelmark.ini(5) tells every key that the settings command shows, and the
# example settings file holds nothing the program cannot use.
ini_page=$(sed 's/\\-/-/g' "$root/res/package/reelmark.ini.5.in")
example="$root/res/package/reelmark.ini"
for key in $("$cli" settings --ini "$example" 2>"$work_err" | sed -n 's/^\([A-Za-z]*\)=.*/\1/p'); do
    grep -q "^\.B $key\$" <<<"$ini_page" || fail "reelmark.ini(5) does not tell the key $key"
done
[ ! -s "$work_err" ] || fail "the example reelmark.ini holds what the program cannot use: $(cat "$work_err")"
[ "$failures" -eq 0 ] && echo "--help, cli.html, the README and the manual page agree: options $(options <<<"$help" | tr '\n' ' ')exit codes $(tr '\n' ' ' <<<"$codes_help")"
exit "$failures"
