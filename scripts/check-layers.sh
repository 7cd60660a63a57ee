#!/usr/bin/env bash
# Checks the layers of src/: includes go only downwards (platform, then core,
# then the windows and the command-line program beside each other), no
# circle of includes crosses folders, and the core needs no Windows header.
# Inside the core the same holds for its rooms (the sub-folders of
# src/core/, ranked below): a room includes only rooms below it, no circle
# of includes joins two of the core's files, and every file of the core
# lies in a room.
# Usage: scripts/check-layers.sh [--graph]   (--graph also prints the
# rooms' include edges, bottom first)
set -eu
cd "$(dirname "$0")/../src"

# platform 0, core 1, ui and cli 2; the resource ids belong to the windows.
rank() {
    case "$1" in
        platform*) echo 0 ;;
        core*) echo 1 ;;
        ui*) echo 2 ;;
        cli*) echo 3 ;;
        *) echo 9 ;;
    esac
}

# The core's rooms from the bottom up. A room includes only rooms of a
# lower rank; rooms of one rank stand beside each other and include neither.
core_room_rank() {
    case "$1" in
        log) echo 0 ;;       # the activity log and the message seam
        files) echo 1 ;;     # text files written whole, the work folder, the log file
        folders) echo 2 ;;   # which files are movies, one reading of a folder, the walk
        metadata) echo 3 ;;  # the metadata text: format, editor document, writer, series IDs, dates
        copy) echo 3 ;;      # the copy engine, copy names and checks, size texts
        settings) echo 4 ;;  # the INI store, the settings, the version
        pytivo) echo 5 ;;    # what pyTivo reads for a movie and what the TiVo shows
        library) echo 6 ;;   # names, the library plan, the movie list, the tree's counts
        lookup) echo 7 ;;    # lookups in online databases
        runs) echo 8 ;;      # Generate's run and the watch over a library
        *) echo "" ;;
    esac
}

status=0
edges=$(mktemp)
room_edges=$(mktemp)
file_edges=$(mktemp)
trap 'rm -f "$edges" "$room_edges" "$file_edges"' EXIT

for file in $(find core -maxdepth 1 -type f | sort); do
    echo "a file of the core outside its rooms: src/$file (give it a room of core/)"
    status=1
done
for room in $(find core -mindepth 1 -maxdepth 1 -type d -printf '%f\n' | sort); do
    if [ -z "$(core_room_rank "$room")" ]; then
        echo "a room of the core without a rank: src/core/$room (add it to scripts/check-layers.sh)"
        status=1
    fi
done

while IFS=: read -r file included; do
    from=$(dirname "$file")
    to=$(dirname "$included")
    [ "$to" = "." ] && to=res
    # Within the core: the direction of the rooms, and each file's includes
    # for the circle check (a file and its own header are one module).
    if [ "${from%%/*}" = core ] && [ "${to%%/*}" = core ]; then
        from_module=${file%.*}
        to_module=${included%.*}
        [ "$from_module" != "$to_module" ] && echo "$from_module $to_module" >>"$file_edges"
        from_room=${from#core/}
        to_room=${to#core/}
        if [ "$from_room" != "$to_room" ]; then
            from_room_rank=$(core_room_rank "$from_room")
            to_room_rank=$(core_room_rank "$to_room")
            if [ -n "$from_room_rank" ] && [ -n "$to_room_rank" ] && [ "$to_room_rank" -ge "$from_room_rank" ]; then
                echo "room break: src/$file includes \"$included\" ($from_room may not use $to_room)"
                status=1
            fi
            echo "$from_room $to_room" >>"$room_edges"
        fi
    fi
    [ "$from" = "$to" ] && continue
    from_rank=$(rank "$from")
    to_rank=$(rank "$to")
    allowed=yes
    if [ "$to" = res ]; then
        [ "$from_rank" = 2 ] || allowed=no
    elif [ "$to_rank" -gt "$from_rank" ] || { [ "$from_rank" = 3 ] && [ "$to_rank" = 2 ]; }; then
        allowed=no
    fi
    if [ "$allowed" = no ]; then
        echo "layer break: src/$file includes \"$included\""
        status=1
    fi
    echo "$from $to" >>"$edges"
done < <(grep -rHo '^#include "[^"]*"' --include='*.h' --include='*.cpp' . |
    sed 's|^\./||; s|:#include "|:|; s|"$||')

if ! sort -u "$edges" | tsort >/dev/null 2>&1; then
    echo "a circle of includes crosses folders:"
    sort -u "$edges" | tsort 2>&1 >/dev/null | sed 's/^/  /'
    status=1
fi
if ! sort -u "$file_edges" | tsort >/dev/null 2>&1; then
    echo "a circle of includes joins files of the core:"
    sort -u "$file_edges" | tsort 2>&1 >/dev/null | sed 's/^/  /'
    status=1
fi

if grep -rln --include='*.h' --include='*.cpp' -E '#include <(windows|winbase|shlobj|commctrl|shellapi)\.h>' core; then
    echo "the core includes a Windows header (above)"
    status=1
fi

if [ "${1:-}" = "--graph" ]; then
    echo "the core's rooms, bottom first, each with the rooms it includes (and how many includes):"
    for room in log files folders metadata copy settings pytivo library lookup runs; do
        [ -d "core/$room" ] || continue
        uses=$(awk -v room="$room" '$1 == room { print $2 }' "$room_edges" | sort | uniq -c |
            awk '{ printf " %s(%s)", $2, $1 }')
        echo "  $room:${uses:- nothing}"
    done
fi
if [ "$status" = 0 ]; then
    echo "layers: $(sort -u "$edges" | wc -l) folder-to-folder include edges, all downwards, no circle;" \
        "the core's $(find core -mindepth 1 -maxdepth 1 -type d | wc -l) rooms:" \
        "$(sort -u "$room_edges" | wc -l) room-to-room edges, all downwards, no circle between its files"
fi
exit $status
