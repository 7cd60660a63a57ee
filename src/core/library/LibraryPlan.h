#pragma once
// What Generate writes for each movie of a run, decided file by file.
// With name reading on, each movie is what its name says (NameParser.h),
// else what the season folder it lies in says, else what the template's
// Is Episode tick says; an episode's show comes from its name, else from
// its folders (a season folder taking its parent's name). Without name
// reading every file is the template's, as it always was. The plan writes
// no file: the window and reelmark-cli can show it, and RunGenerate writes
// it. Of the library it reads only the names of the folders beside a show
// whose name carries a year (below). What other files give each movie
// enters later, movie by movie, as its folder is read (PlanAgainst).
#include <string>
#include <vector>

#include "core/library/NameParser.h"
#include "core/library/PlannedKeys.h"
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
    // The file as the template and the name compose it, and values of
    // Reelmark's own laid over it (a lookup's, the user's edits).
    std::vector<MetadataKeyLine> composed;
    std::vector<PlanValueLayer> layers;
    // Its keys as decided (PlanAgainst), and the text Generate writes.
    std::vector<PlannedKey> keys;
    std::string text;
};

struct LibraryPlan {
    std::vector<PlannedMovie> movies;  // in the order of the entries
    // Whether the template's air date is written: in a run over one folder
    // whose movies make one show or one movie, and always without name
    // reading. Otherwise only a date read from a movie's name is.
    bool templateAirDate = true;
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
//
// With name reading, every show and every movie has a series ID of its own
// (ShowSeriesId: "SH" for a show, "MV" for a movie), the same in every run,
// whatever folder it starts from: a show's is drawn from its name alone, so
// "Battlestar_Galactica_S02E10" and "Battlestar Galactica (2003) - S01E01"
// are one show. A year makes a show of its own only where the library holds
// one name with two years: then the year stays in its series title too,
// "Doctor Who (2005)", so that the two can be told apart on the TiVo. Such
// years come from the run's files and from the names beside each dated
// show's folder (its neighbours in the library), so that a run over one
// season folder knows them as a run over the whole library does.
//
// Each movie's keys are the composed ones, all written, as if no other
// file described it; PlanAgainst decides them against the other files.
LibraryPlan PlanLibrary(const std::string& folder, const std::vector<std::string>& entries,
                        const MetadataTemplate& metadata);

// Decides the movie's keys and text against what the other files pyTivo
// reads give it (PlanKeys): others is its view without Reelmark's own file,
// nullptr when no other file gives it anything.
void PlanAgainst(PlannedMovie& movie, const PyTivoView* others, OtherFiles mode);

// One line of what a movie's file will say, for the movie list:
// "movie | Heat | 1995" or "episode | Doctor Who | S01E01 | Rose" (an air
// date where the name gives one; parts that are not known left out).
std::string PlanSummary(const PlannedMovie& movie);

// What the file does beside the other files (KeysLine): "adds 3 values",
// "hides 2 values from Movie.nfo", "nothing to add".
std::string PlanKeysLine(const PlannedMovie& movie);
