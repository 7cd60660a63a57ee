#!/usr/bin/env bash
# Makes the tagged movies the tests read (committed beside this script, so
# that no build needs these tools): tiny movies from ffmpeg, tagged by real
# tagging tools as users' libraries are: AtomicParsley (Debian's
# atomicparsley) and mutagen (python3-mutagen).
#   apt-get install ffmpeg atomicparsley python3-mutagen
set -eu
cd "$(dirname "$0")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A tenth of a second of black with silence (the sound track matters: pyTivo's
# reader takes no tags from an MP4 file without one), and one without sound.
ffmpeg -loglevel error -f lavfi -i color=c=black:s=16x16:r=10:d=0.1 -f lavfi -i anullsrc=r=8000:cl=mono \
    -t 0.1 -c:v mpeg4 -c:a aac -b:a 8k -map_metadata -1 -fflags +bitexact -y "$work/sound.mp4"
ffmpeg -loglevel error -f lavfi -i color=c=black:s=16x16:r=10:d=0.1 \
    -c:v mpeg4 -map_metadata -1 -fflags +bitexact -y "$work/silent.mp4"
ffmpeg -loglevel error -f lavfi -i color=c=black:s=16x16:r=10:d=0.1 -f lavfi -i anullsrc=r=8000:cl=mono \
    -t 0.1 -c:v wmv2 -c:a wmav2 -b:a 24k -map_metadata -1 -fflags +bitexact -f asf -y "$work/base.wmv"

# An episode as iTunes and Subler tag one, through AtomicParsley.
cp "$work/sound.mp4" Episode.m4v
AtomicParsley Episode.m4v --overWrite --stik "TV Show" --TVShowName "Tagged Show" --title "The Pilot" \
    --TVNetwork "HBO" --TVSeasonNum 2 --TVEpisodeNum 5 --TVEpisode "S02E05" --year "2009-09-15T00:00:00Z" \
    --genre "Drama" --description "Short." --longdesc "A longer description of the pilot." \
    --comment "The comment." --contentRating "TV-14" >/dev/null

# A movie: a standard genre (AtomicParsley writes it as a gnre code), an
# MPAA rating, a year, cast and crew in the iTunMOVI list.
cp "$work/sound.mp4" Movie.mp4
/usr/bin/python3 - <<'PY'
from mutagen.mp4 import MP4, MP4FreeForm
movie = MP4("Movie.mp4")
movie["----:com.apple.iTunes:iTunMOVI"] = [MP4FreeForm(b"""<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE plist PUBLIC "-//Apple//DTD PLIST 1.0//EN" "http://www.apple.com/DTDs/PropertyList-1.0.dtd">
<plist version="1.0">
<dict>
	<key>cast</key>
	<array>
		<dict><key>name</key><string>Ann Actor</string></dict>
		<dict><key>name</key><string>Bob Actor</string></dict>
	</array>
	<key>directors</key>
	<array><dict><key>name</key><string>Dee Director</string></dict></array>
	<key>producers</key>
	<array><dict><key>name</key><string>Pat Producer</string></dict></array>
	<key>screenwriters</key>
	<array><dict><key>name</key><string>Wes Writer</string></dict></array>
</dict>
</plist>
""")]
movie.save()
PY
# mutagen reads a gnre code as a genre name and writes it back so: the
# AtomicParsley items come last.
AtomicParsley Movie.mp4 --overWrite --stik Movie --title "Tagged Movie" --year 1999 --genre "Comedy" \
    --description "A tagged movie." --contentRating "PG-13" >/dev/null

# pyTivo's own free-form item, which may give any key, beside a title item.
cp "$work/sound.mp4" Info.m4v
/usr/bin/python3 - <<'PY'
from mutagen.mp4 import MP4, MP4FreeForm
movie = MP4("Info.m4v")
movie["\xa9nam"] = ["Title From Its Item"]
movie["tvsh"] = ["Info Show"]
movie["----:com.pyTivo.pyTivo:tiVoINFO"] = [MP4FreeForm(b"""<?xml version="1.0" encoding="UTF-8"?>
<plist version="1.0">
<dict>
	<key>seriesId</key><string>SH0123456</string>
	<key>episodeTitle</key><string>From tiVoINFO</string>
	<key>vActor</key><array><string>First</string><string>Second</string></array>
	<key>isEpisode</key><string>true</string>
</dict>
</plist>
""")]
movie.save()
PY

# Tags on a movie without sound: pyTivo reads none of them.
cp "$work/silent.mp4" Silent.mp4
AtomicParsley Silent.mp4 --overWrite --title "Never Read" >/dev/null

# A recorded show in Windows Media: its attributes as Windows Media Center
# writes them, through mutagen.
cp "$work/base.wmv" Recorded.wmv
/usr/bin/python3 - <<'PY'
from mutagen.asf import ASF, ASFDWordAttribute, ASFUnicodeAttribute
show = ASF("Recorded.wmv")
show["Title"] = ["Recorded Show"]
show["Description"] = ["The short description."]
show["WM/SubTitle"] = ["The Episode"]
show["WM/SubTitleDescription"] = ["What happens in the episode."]
show["WM/MediaStationCallSign"] = ["WXYZ"]
show["WM/MediaOriginalChannel"] = [ASFDWordAttribute(7)]
show["WM/MediaOriginalBroadcastDateTime"] = ["2008-03-04T00:00:00Z"]
show["WM/ParentalRating"] = ["TV-PG"]
show["WM/MediaCredits"] = ["Ann Lead/Bob Lead;Dee Director;;Guest Star"]
show["WM/Genre"] = ["Comedy, Drama"]
show.save()
PY
ls -l Episode.m4v Movie.mp4 Info.m4v Silent.mp4 Recorded.wmv
