#!/bin/sh
# Regenerates every committed bitmap (res/bitmaps) and icon (res/icons) from the
# drawings in res/art. Only needed after changing a drawing; the build uses the
# committed files. Needs: rsvg-convert (Debian librsvg2-bin) and Pillow for the
# system Python 3 (Debian python3-pil).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)

if ! command -v rsvg-convert >/dev/null 2>&1; then
    echo "make-art: rsvg-convert not found (apt-get install librsvg2-bin)" >&2
    exit 1
fi
python=/usr/bin/python3
[ -x "$python" ] || python=python3
if ! "$python" -c 'import PIL' 2>/dev/null; then
    echo "make-art: Pillow not found for $python (apt-get install python3-pil)" >&2
    exit 1
fi

exec "$python" "$root/res/art/compose.py"
