#pragma once
// What a TMDB answer gives a movie's metadata file: pyTivo's keys and the
// texts its file would hold for them, each with "TMDB" as its source. Every
// text keeps to one line (line breaks, tabs and runs of spaces become one
// space); names of people are as the TiVo keeps them, "Last|First", in
// billing order, at most 10 a list; ratings are the codes the template
// writes, which pyTivo's tables turn into the TiVo's numbers.
#include <string>
#include <vector>

#include "core/lookup/TmdbAnswers.h"
#include "core/pytivo/PyTivoValues.h"

// The source every looked-up value carries.
extern const char kTmdbSource[];

// The most names a list key ("vActor") is given.
constexpr size_t kMostNames = 10;

// An episode (or the episodes of a file that holds several, in order):
// title and seriesTitle the show's name, episodeTitle the episode's
// (several joined by " / "), description the episode's overview else the
// show's, originalAirDate, vActor (the show's cast), vGuestStar, vDirector,
// vWriter (the episode's crew), vProgramGenre and vSeriesGenre (the
// show's), tvRating (the US content rating) and starRating (the episode's
// vote average when it has votes, else the show's).
PyTivoValues EpisodeValues(const TmdbShow& show, const std::vector<const TmdbEpisode*>& episodes);

// A movie: title and seriesTitle, description, movieYear, vActor,
// vDirector, vWriter, vProgramGenre, vSeriesGenre, mpaaRating (the US
// certification) and starRating.
PyTivoValues MovieValues(const TmdbMovie& movie);

// A person's name as the TiVo keeps it: "Clarke|Emilia", "Downey Jr.|Robert",
// "Zendaya|" for a name of one word.
std::string TiVoPersonName(const std::string& name);

// The text on one line: every control character a space, runs of spaces
// one, none at either end.
std::string OneLineText(const std::string& text);

// pyTivo's stars for a 0-10 vote average: the number its .nfo reading
// makes of it (1 to 7, half stars between), as the code "x1" to "x7".
std::string StarRatingCode(double voteAverage);
