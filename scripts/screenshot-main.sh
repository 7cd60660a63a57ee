#!/usr/bin/env bash
# Starts the built Reelmark.exe on a sample movie tree (every folder state,
# names with "&", "é", other scripts and a long name, metadata files) and
# saves a picture of the screen to BUILD_DIR/screenshots/main.png once the
# splash has gone.
# Usage: scripts/screenshot-main.sh [BUILD_DIR] [--recursive | --library | --question]
# With --recursive the movie folder is Movies itself with the sub-folder
# tick set, and the picture is main-recursive.png. With --library it is a
# mixed library (shows in season folders, Specials, a downloads folder of
# several shows, Plex- and scene-style movies, a daily show, files of
# Sonarr and Kodi) with the tick set and names read: main-library.png, each
# movie with its plan. With --question the same library with the whole
# template chosen, and the question a Generate asks before it would hide
# values of other files: main-question.png.
# Without a DISPLAY it runs itself on a virtual screen. It ends the Wine
# session of BUILD_DIR afterwards only when it started that session.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
recursive="${2:-}"

source "$root/scripts/screenshot-lib.sh"
reelmark_begin "$0" "$build" ${recursive:+"$recursive"}

# The sample tree: Movies\<sibling> folders in every state of the tree.
movies="$work/Movies"
e=$'\xc3\xa9'  # "é" as the Linux side stores it
long_name="A very long movie file name that needs a second display line.mpg"
mkdir -p "$movies/Tom & Jerry" "$movies/Caf${e} Films" "$movies/Comedy" "$movies/Mixed" "$movies/Empty" \
    "$movies/Orphans" "$work/start"
for f in "Cat & Mouse.mpg" "Caf${e} Crash.avi" "$long_name" "Chase.mkv" "Picnic.mp4"; do
    : >"$movies/Tom & Jerry/$f"
done
# Names in other scripts: Greek, Polish, Cyrillic, Japanese, an emoji,
# full-width letters beside their plain twin, and a DOS device name.
for f in "Ωmega.mpg" "Zażółć gęślą.avi" "Фильм.mkv" "映画の夜.mp4" "🎬 Clip.mpg" "ｆｉｌｍ.mpg" "film.mpg" \
    "con.mpg"; do
    : >"$movies/Tom & Jerry/$f"
done
echo "title : Ωmega" >"$movies/Tom & Jerry/Ωmega.mpg.txt"
mkdir -p "$movies/Ελληνικά" "$movies/日本映画"
: >"$movies/日本映画/夏.mkv"
: >"$movies/Ελληνικά/Οδύσσεια.mpg"
: >"$movies/Tom & Jerry/Cat & Mouse.mpg.txt"
: >"$movies/Tom & Jerry/Chase.mkv.txt"
for f in "Cr${e}me.mpg" "Nuit.avi"; do : >"$movies/Caf${e} Films/$f"; done
for f in One.mpg Two.mpg; do
    : >"$movies/Comedy/$f"
    : >"$movies/Comedy/$f.txt"
done
: >"$movies/Mixed/Old.wmv"
: >"$movies/Orphans/Gone.mpg.txt"
: >"$movies/Orphans/Lost.avi.txt"

# The mixed library: what each file is comes from its name and folders.
library="$work/Library"
mkdir -p "$library/TV/Doctor Who/Season 1/.meta" "$library/TV/Doctor Who/Specials" \
    "$library/TV/Friends/Season 1" "$library/Movies/Heat (1995)" "$library/Downloads"
for f in "TV/Doctor Who/Season 1/Doctor.Who.2005.S01E01.Rose.720p.HDTV.x264-GRP.mkv" \
    "TV/Doctor Who/Season 1/Doctor.Who.2005.S01E02.The.End.of.the.World.mkv" \
    "TV/Doctor Who/Specials/The Christmas Invasion.mkv" \
    "TV/Friends/Season 1/Friends.S01E01E02.The.One.Where.It.All.Began.mkv" \
    "Movies/Heat (1995)/Heat (1995).mkv" "Movies/Blade.Runner.2049.2017.1080p.BluRay.x264.mkv" \
    "Downloads/game.of.thrones.s01e02.720p.mkv" "Downloads/The.Daily.Show.2012.03.04.720p.mkv" \
    "Downloads/Die Hard.1988.mkv" "Downloads/holiday video.mpg"; do
    : >"$library/$f"
done
printf 'title : Rose\r\n' >"$library/TV/Doctor Who/Season 1/Doctor.Who.2005.S01E01.Rose.720p.HDTV.x264-GRP.mkv.txt"
printf 'episodeTitle : The End of the World\n' \
    >"$library/TV/Doctor Who/Season 1/.meta/Doctor.Who.2005.S01E02.The.End.of.the.World.mkv.txt"
printf '<movie><title>Heat</title><year>1995</year><plot>A heist.</plot><mpaa>R</mpaa></movie>\n' \
    >"$library/Movies/Heat (1995)/Heat (1995).nfo"
printf '<episodedetails><title>Pilot</title><plot>A crash.</plot><aired>2011-04-17</aired></episodedetails>\n' \
    >"$library/Downloads/game.of.thrones.s01e02.720p.nfo"
printf 'description : Six friends in New York.\r\nseriesId : SH000123\r\n' >"$library/TV/Friends/default.txt"

# The settings point at "Tom & Jerry" (ANSI text: "&" is plain ASCII).
windows_path() { printf 'Z:%s' "${1//\//\\}"; }
command=
key=
if [ "$recursive" = --library ] || [ "$recursive" = --question ]; then
    whole=
    picture=main-library.png
    if [ "$recursive" = --question ]; then
        whole=' WholeTemplate=true\r\n'
        picture=main-question.png
        command=1008  # Generate Meta File(s); Escape then answers Cancel
        key=Escape
    fi
    printf " [Config]\r\n ParseNames=true\r\n$whole [Settings]\r\n TargetDir=%s\r\n SeriesTitle=Library\r\n Recursive=true\r\n" \
        "$(windows_path "$library")" >"$work/start/reelmark.ini"
elif [ "$recursive" = --recursive ]; then
    printf ' [Settings]\r\n TargetDir=%s\r\n SeriesTitle=Movies\r\n Recursive=true\r\n' \
        "$(windows_path "$movies")" >"$work/start/reelmark.ini"
    picture=main-recursive.png
else
    printf ' [Settings]\r\n TargetDir=%s\r\n SeriesTitle=Tom & Jerry\r\n' \
        "$(windows_path "$movies/Tom & Jerry")" >"$work/start/reelmark.ini"
    picture=main.png
fi

reelmark_shoot "$build" "$work/start" "$build/screenshots/$picture" "$command" "$key"
