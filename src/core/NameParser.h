#pragma once
// Titles, years and episode numbers read from movie file names in the
// common scene and library shapes:
//   "Movie Name (2012).mkv", "Movie.Name.2012.1080p.BluRay.x264-GRP.mkv"
//   "Show.Name.S01E02.Episode.Title.720p.HDTV.mkv", "Show Name - 1x02 - Episode Title.avi"
// Dots and underscores between words become spaces; quality and release
// tags ("720p", "x264", "HDTV", "WEB-DL", ...) and what follows them are
// dropped. A name of no such shape gives nothing, so the caller keeps the
// title it had.
#include <string>

struct ParsedName {
    enum class Kind { None, Movie, Episode };
    Kind kind = Kind::None;
    // The movie's title, or the show's name (empty when the name begins
    // with the episode mark, as "S01E02.mkv").
    std::string title;
    int year = 0;  // 0: none in the name
    int season = 0;
    int episode = 0;           // the first episode of a multi-episode file
    std::string episodeTitle;  // may be empty
};

// fileName: a file name with its extension (the last one is ignored).
ParsedName ParseMovieName(const std::string& fileName);

// pyTivo's episode number: the season followed by the episode in two
// digits ("102" for season 1 episode 2, "1203", "1105" for S01E105).
std::string EpisodeNumberText(int season, int episode);
