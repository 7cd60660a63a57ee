#!/usr/bin/env bash
# Each menu command's id names one command: two commands of one number reach
# the same handler (two merges once gave new commands numbers already taken,
# and the Library button ran Shift+Delete's handler). Control ids may repeat
# across dialogs; command ids are the main window's alone.
set -u
header="$(dirname "$0")/../../res/resource.h"
[ -r "$header" ] || { echo "cannot read $header"; exit 1; }
taken=$(awk '$1 == "#define" && $2 ~ /^ID_/ && $3 ~ /^[0-9]+$/ {print $3, $2}' "$header" | sort -n |
    awk '$1 == prev {print name " and " $2 " are both " $1} {prev = $1; name = $2}')
if [ -n "$taken" ]; then
    echo "$taken"
    exit 1
fi
echo "every command id names one command"
