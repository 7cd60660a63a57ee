#pragma once
// What Generate writes for each movie of a run, decided file by file.
// With name reading on, each movie is what its name says (NameParser.h),
// else what the season folder it lies in says, else what the template's
// Is Episode tick says; an episode's show comes from its name, else from
// its folders (a season folder taking its parent's name). Without name
// reading every file is the template's, as it always was. The plan reads
// no file and writes none: the window and reelmark-cli can show it, and
// RunGenerate writes it.
#include <string>
#include <vector>

#include "core/library/NameParser.h"
#include "core/metadata/MetadataFormat.h"

// Where a movie's kind (movie or episode) came from.
enum class KindSource { Name, SeasonFolder, Template };

struct PlannedMovie {
    std::string entry;      // as the list gives it, below the movie folder
    std::string moviePath;  // the movie folder and the entry
    KindSource kindFrom = KindSource::Template;
    // An episode's numbers as the name and folders give them (kNoNumber:
    // not known). A file of several episodes keeps its first number and
    // names the range in its episode title.
    int season = kNoNumber;
    int episode = kNoNumber;
    int lastEpisode = kNoNumber;
    // The day the name gives (daily shows); not the template's date.
    CalendarDate airDate;
    // The movie's year, or its show's, as the names give it (the file's,
    // else that of the show's folder when it names the same show); 0 when
    // they give none. It tells a show or movie from its namesakes.
    int year = 0;
    MovieLines lines;  // what its file says of it; lines.movieLayout: a movie
    std::string text;  // the metadata text Generate writes for it
};

struct LibraryPlan {
    std::vector<PlannedMovie> movies;  // in the order of the entries
    // Whether the template's series ID and air date are written: in a run
    // over one folder whose movies make one show or one movie, and always
    // without name reading. Otherwise each show and each movie has an ID
    // of its own (ShowSeriesId), the same in every run, and only a date
    // read from a movie's name is written.
    bool templateIdAndDate = true;
};

// folder: the movie folder; entries: paths below it, the entries of one
// folder standing together (as the walk lists them); metadata: the
// template, its seriesTitle the Series Title the user sees.
//
// Movies get the movie layout (no episode title, number or air date,
// isEpisode false) and episodes the episode layout (isEpisode true),
// whatever the template's tick; the template gives the values they share
// (description, ratings, genres). An episode's number is pyTivo's season
// and episode (EpisodeNumberText); a number without a season takes the
// season of the season folder it lies in. A file of several episodes is
// titled "Pilot (Episodes 1-2)", or "Episodes 1-2" when its name gives no
// title (a hyphen: TiVo's fonts may lack the dash). A show's name is
// written as the first of its files with a capital letter spells it.
LibraryPlan PlanLibrary(const std::string& folder, const std::vector<std::string>& entries,
                        const MetadataTemplate& metadata);

// One line of what a movie's file will say, for the movie list:
// "movie | Heat | 1995" or "episode | Doctor Who | S01E01 | Rose" (an air
// date where the name gives one; parts that are not known left out).
std::string PlanSummary(const PlannedMovie& movie);
