#pragma once
// What a movie file's name says it is, in the common scene and library
// shapes (tests/core/NameParserTest.cpp holds the full table):
//   movies    "Movie Name (2012).mkv", "Movie.Name.2012.1080p.BluRay.x264-GRP.mkv"
//   episodes  "Show.Name.S01E02.Title.720p.mkv", "Show - 1x02 - Title.avi",
//             "Show.S01E01E02.mkv" (several in one file), "Show.S2012E05.mkv"
//   daily     "Show.2012.03.04.mkv", "Show - 2012-03-04 - Guest.mkv"
//   numbered  "[Group] Show - 012 [1080p].mkv", "Show.E05.mkv" (no season)
// Dots and underscores between words become spaces; quality and release
// tags ("720p", "x264", "WEB-DL", "PROPER", ...) and what follows them are
// dropped. A name of no such shape is of no kind, so the caller decides.
#include <string>

#include "core/metadata/CalendarDate.h"

// A season or episode the name does not give.
constexpr int kNoNumber = -1;

struct ParsedName {
    enum class Kind { None, Movie, Episode };
    Kind kind = Kind::None;
    // The movie's title or the show's name, without a year at its end
    // ("Doctor.Who.2005.S01E01" gives "Doctor Who"); empty when the name
    // begins with the episode mark. For a name of no kind: the words before
    // its release tags when it has any ("Home Video WEBRip"), else empty.
    std::string title;
    int year = 0;  // the movie's year or the show's; 0: none in the name
    int season = kNoNumber;
    int episode = kNoNumber;      // the first episode of a multi-episode file
    int lastEpisode = kNoNumber;  // its last one (== episode for one episode)
    CalendarDate airDate;         // daily shows
    std::string episodeTitle;     // without release tags; may be empty
};

// fileName: a file name with its extension (the last one is ignored).
// Characters that show nothing (control characters, zero-width spaces,
// marks and overrides of writing direction, byte-order marks) are no part
// of a name read, and no-break spaces are spaces (TitleTextOf). A season
// of four digits is one only as a year from 1900 to 2100 ("S2012E05").
ParsedName ParseMovieName(const std::string& fileName);

// The name as a title is read from it: without the characters that show
// nothing but may turn a title round or hide in it (control characters,
// the soft hyphen, zero-width spaces, marks and overrides of writing
// direction, word joiners, byte-order marks; the zero-width joiners stay,
// as scripts and emoji need them), with no-break and typographic spaces as
// spaces, trimmed.
std::string TitleTextOf(const std::string& name);


// The same for a name without extension, such as a folder's.
ParsedName ParseTitleText(const std::string& name);

// The season a folder's name stands for: "Season 1", "Series 2", "S01",
// "Staffel 3", "Saison 4", "Temporada 5", ... (a space, an underscore or
// nothing before ASCII digits, letter case ignored), "Specials" is 0;
// kNoNumber for any other name ("Season 1 (2005)", "S01E02", "Seasons").
int SeasonOfFolderName(const std::string& name);

// pyTivo's episode number: the season followed by the episode in two
// digits ("102" for season 1 episode 2, "1203", "1105" for S01E105).
std::string EpisodeNumberText(int season, int episode);
