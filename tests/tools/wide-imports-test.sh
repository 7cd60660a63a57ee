#!/usr/bin/env bash
# Build check: the programs call only the wide (W) Windows functions for
# text. Lists every imported function whose name ends in "A" (the ANSI
# forms); the only ones allowed are those the C and C++ runtimes import for
# themselves, which never see a text of ours.
# Usage: tests/tools/wide-imports-test.sh OBJDUMP PROGRAM...
set -eu
objdump=$1
shift
# Runtime start-up (GetStartupInfoA), unnamed synchronisation objects of the
# threads library (CreateEventA, CreateSemaphoreA), its debug output
# (OutputDebugStringA), its clock of timed waits, which finds kernel32.dll
# by that fixed name (GetModuleHandleA), and the C++ library's
# std::system_category messages (FormatMessageA).
allowed='^(GetStartupInfoA|CreateEventA|CreateSemaphoreA|OutputDebugStringA|GetModuleHandleA|FormatMessageA)$'
failures=0
for program in "$@"; do
    found=$("$objdump" -p "$program" | awk 'NF == 3 && $1 ~ /^[0-9a-f]+$/ && $2 ~ /^[0-9]+$/ {print $3}' |
        grep -E '[a-z0-9]A$' | grep -vE "$allowed" || true)
    if [ -n "$found" ]; then
        echo "FAILED: $(basename "$program") imports ANSI functions: $(echo $found)" >&2
        failures=$((failures + 1))
    fi
done
[ "$failures" -eq 0 ] && echo "no ANSI text functions in: $(for p in "$@"; do basename "$p"; done | tr '\n' ' ')"
exit "$failures"
