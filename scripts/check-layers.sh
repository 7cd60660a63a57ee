#!/usr/bin/env bash
# Checks the layers of src/: includes go only downwards (platform, then core,
# then the windows and the command-line program beside each other), no
# circle of includes crosses folders, and the core needs no Windows header.
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

status=0
edges=$(mktemp)
trap 'rm -f "$edges"' EXIT
while IFS=: read -r file included; do
    from=$(dirname "$file")
    to=$(dirname "$included")
    [ "$to" = "." ] && to=res
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

if grep -rln --include='*.h' --include='*.cpp' -E '#include <(windows|winbase|shlobj|commctrl|shellapi)\.h>' core; then
    echo "the core includes a Windows header (above)"
    status=1
fi
if [ "$status" = 0 ]; then
    echo "layers: $(sort -u "$edges" | wc -l) folder-to-folder include edges, all downwards, no circle"
fi
exit $status
