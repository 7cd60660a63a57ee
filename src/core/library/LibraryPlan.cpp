#include "core/library/LibraryPlan.h"

#include <map>
#include <set>

#include "core/folders/FolderWalk.h"
#include "core/library/SeriesTitle.h"
#include "core/metadata/SeriesId.h"
#include "platform/Paths.h"
#include "platform/Text.h"

namespace {

const char kMovieType[] = "MV";
const char kShowType[] = "SH";

// What the folder of the entries at hand gives its movies.
struct FolderFacts {
    std::string relative;
    MetadataTemplate metadata;  // the template with the folder's series title
    std::string show;           // that title read as a name: "Doctor Who (2005)" is "Doctor Who"
    int showYear = 0;
    int season = kNoNumber;  // the folder is a season folder
};

void ReadFolder(const std::string& root, const std::string& relative, const MetadataTemplate& metadata,
                FolderFacts& facts)
{
    facts.relative = relative;
    facts.metadata = metadata;
    facts.metadata.seriesTitle = SeriesTitleOfFolder(root, relative, metadata.seriesTitle);
    facts.show = facts.metadata.seriesTitle;
    facts.showYear = 0;
    if (metadata.parseNames) {
        const ParsedName name = ParseTitleText(facts.show);
        if (name.kind != ParsedName::Kind::None && !name.title.empty()) {
            facts.show = name.title;
            facts.showYear = name.year;
        }
    }
    facts.season =
        SeasonOfFolderName(relative.empty() ? LastPathComponent(root) : FileNameOf(relative, true));
}

// "Pilot (Episodes 1-2)", "Episodes 1-2"; the title alone for one episode.
std::string RangeTitle(const std::string& title, int first, int last)
{
    if (last <= first)
        return title;
    const std::string range = "Episodes " + std::to_string(first) + "-" + std::to_string(last);
    return title.empty() ? range : title + " (" + range + ")";
}

// The two letters of the template's series type, which its ID begins with;
// episodes of a movie template are general TV shows.
std::string EpisodeType(const MetadataTemplate& metadata)
{
    const std::string prefix = metadata.seriesId.substr(0, 2);
    if (prefix.size() < 2 || prefix == kMovieType)
        return kShowType;
    for (const std::string& item : SeriesTypeItems()) {
        if (item.compare(0, 2, prefix) == 0)
            return prefix;
    }
    return kShowType;
}

// One movie as its name and its folder tell; showYear is the year that
// tells its show from a namesake.
PlannedMovie ReadMovie(const std::string& entry, const FolderFacts& facts, int& showYear)
{
    PlannedMovie movie;
    const ParsedName name = ParseMovieName(FileNameOf(entry, true));
    // A name of no kind keeps its words before release tags, else all of it.
    const std::string ownTitle = !name.title.empty() ? name.title : FileNameOf(entry, false);
    bool episode = name.kind == ParsedName::Kind::Episode;
    if (name.kind != ParsedName::Kind::None) {
        movie.kindFrom = KindSource::Name;
    } else if (facts.season != kNoNumber) {
        movie.kindFrom = KindSource::SeasonFolder;
        episode = true;
    } else {
        episode = !facts.metadata.movieMode;
    }
    MovieLines& lines = movie.lines;
    lines.movieLayout = !episode;
    lines.isEpisode = episode ? "true" : "false";
    showYear = name.year;
    movie.year = name.year;
    if (!episode) {
        lines.title = lines.seriesTitle = ownTitle;
        if (name.year != 0)
            lines.year = std::to_string(name.year);
        return movie;
    }
    const bool named = name.kind == ParsedName::Kind::Episode && !name.title.empty();
    lines.title = lines.seriesTitle = named ? name.title : facts.show;
    if (!named)
        showYear = facts.showYear;
    // "Doctor Who (2005)\Doctor.Who.S01E01.mkv": the show's folder gives
    // the year its files leave out. (Not in its series ID, which earlier
    // runs drew without it.)
    const bool folderShow = named && name.year == 0 && ShowKey(name.title, 0) == ShowKey(facts.show, 0);
    movie.year = folderShow ? facts.showYear : showYear;
    movie.airDate = name.airDate;
    movie.season = name.season != kNoNumber ? name.season : facts.season;
    movie.episode = name.episode;
    movie.lastEpisode = name.lastEpisode;
    lines.episodeTitle = name.kind == ParsedName::Kind::Episode
                             ? RangeTitle(name.episodeTitle, name.episode, name.lastEpisode)
                             : ownTitle;
    if (movie.episode != kNoNumber)
        lines.episodeNumber = EpisodeNumberText(movie.season == kNoNumber ? 0 : movie.season, movie.episode);
    if (name.airDate.IsSet())
        lines.originalAirDate = name.airDate.Text();
    // The day it was shown tells its year best, then its show's.
    const int year = name.airDate.IsSet() ? name.airDate.year : showYear;
    if (year != 0)
        lines.year = std::to_string(year);
    return movie;
}

bool HasCapital(const std::string& text)
{
    for (char c : text) {
        if (c >= 'A' && c <= 'Z')
            return true;
    }
    return false;
}

struct Show {
    std::string title;
    std::string id;
};

// Gives every movie of a show the same spelling of its name and the same
// series ID; the template's ID and air date where the plan keeps them.
// keys: each movie's series type and ShowKey.
void SettleShows(LibraryPlan& plan, const std::vector<std::string>& keys, const MetadataTemplate& metadata)
{
    std::map<std::string, Show> shows;
    for (size_t i = 0; i < keys.size(); ++i) {
        Show& show = shows[keys[i]];
        const std::string& title = plan.movies[i].lines.seriesTitle;
        if (show.title.empty() || (!HasCapital(show.title) && HasCapital(title)))
            show.title = title;
    }
    plan.templateIdAndDate = plan.templateIdAndDate && shows.size() <= 1;
    // In the order of the keys, so that of two shows whose digits meet the
    // same one keeps them in every run that holds both.
    std::set<std::string> taken;
    for (auto& [key, show] : shows) {
        if (plan.templateIdAndDate) {
            show.id = metadata.seriesId;
            continue;
        }
        int attempt = 0;
        do {
            show.id = ShowSeriesId(key.substr(0, 2), key.substr(2), attempt++);
        } while (!taken.insert(show.id).second);
    }
    for (size_t i = 0; i < keys.size(); ++i) {
        MovieLines& lines = plan.movies[i].lines;
        const Show& show = shows[keys[i]];
        lines.title = lines.seriesTitle = show.title;
        lines.seriesId = show.id;
        if (!lines.movieLayout && plan.templateIdAndDate && lines.originalAirDate.empty())
            lines.originalAirDate = metadata.originalAirDate;
    }
}

}  // namespace

LibraryPlan PlanLibrary(const std::string& folder, const std::vector<std::string>& entries,
                        const MetadataTemplate& metadata)
{
    const std::string root = StripTrailingSeparator(folder);
    const std::string episodeType = EpisodeType(metadata);
    LibraryPlan plan;
    plan.movies.reserve(entries.size());
    std::vector<std::string> keys;
    FolderFacts facts;
    for (size_t i = 0; i < entries.size(); ++i) {
        const std::string& entry = entries[i];
        const std::string relative = RelativeFolderOf(entry);
        if (i == 0 || relative != facts.relative) {
            if (i > 0)
                plan.templateIdAndDate = false;  // a second folder
            ReadFolder(root, relative, metadata, facts);
        }
        const std::string moviePath = root + kSeparator + entry;
        PlannedMovie movie;
        if (metadata.parseNames) {
            int showYear = 0;
            movie = ReadMovie(entry, facts, showYear);
            keys.push_back((movie.lines.movieLayout ? kMovieType : episodeType) +
                           ShowKey(movie.lines.seriesTitle, showYear));
        } else {
            movie.lines = TemplateLines(facts.metadata, moviePath, std::string());
        }
        movie.entry = entry;
        movie.moviePath = moviePath;
        plan.movies.push_back(std::move(movie));
    }
    if (metadata.parseNames)
        SettleShows(plan, keys, metadata);
    else
        plan.templateIdAndDate = true;
    for (PlannedMovie& movie : plan.movies)
        movie.text = ComposeMetadata(metadata, movie.lines);
    return plan;
}

std::string PlanSummary(const PlannedMovie& movie)
{
    const MovieLines& lines = movie.lines;
    std::vector<std::string> parts;
    if (lines.movieLayout) {
        parts = {"movie", lines.title, lines.year};
    } else {
        parts = {"episode", lines.seriesTitle};
        if (movie.season != kNoNumber && movie.episode != kNoNumber) {
            std::string number = FormatText("S%02dE%02d", movie.season, movie.episode);
            if (movie.lastEpisode != kNoNumber && movie.lastEpisode != movie.episode)
                number += FormatText("-E%02d", movie.lastEpisode);
            parts.push_back(number);
        }
        parts.push_back(lines.originalAirDate);
        parts.push_back(lines.episodeTitle);
    }
    std::string summary;
    for (const std::string& part : parts) {
        if (!part.empty())
            summary += (summary.empty() ? "" : " | ") + part;
    }
    return summary;
}
