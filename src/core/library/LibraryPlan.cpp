#include "core/library/LibraryPlan.h"

#include <map>
#include <set>

#include "core/folders/FolderIndex.h"
#include "core/folders/FolderWalk.h"
#include "core/library/NameParser.h"
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
    std::string showFolder;  // the folder whose name gives that title
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
        } else if (!TitleTextOf(facts.show).empty()) {
            facts.show = TitleTextOf(facts.show);
        }
    }
    facts.season =
        SeasonOfFolderName(relative.empty() ? LastPathComponent(root) : FileNameOf(relative, true));
    const std::string path = relative.empty() ? root : root + kSeparator + relative;
    facts.showFolder = facts.season != kNoNumber ? ParentFolderOf(path) : path;
}

// "Pilot (Episodes 1-2)", "Episodes 1-2"; the title alone for one episode.
std::string RangeTitle(const std::string& title, int first, int last)
{
    if (last <= first)
        return title;
    const std::string range = "Episodes " + std::to_string(first) + "-" + std::to_string(last);
    return title.empty() ? range : title + " (" + range + ")";
}

// One movie as its name and its folder tell; showYear is the year that
// tells its show from a namesake.
PlannedMovie ReadMovie(const std::string& entry, const FolderFacts& facts, int& showYear)
{
    PlannedMovie movie;
    const ParsedName name = ParseMovieName(FileNameOf(entry, true));
    // A name of no kind keeps its words before release tags, else all of it
    // (without the characters that show nothing); one of those alone, or of
    // dashes alone, keeps the file's name.
    const std::string fileName = FileNameOf(entry, false);
    const std::string readable = TitleTextOf(fileName);
    const std::string ownTitle = !name.title.empty() ? name.title : !readable.empty() ? readable : fileName;
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
    // A name without its show's year takes the year of the folder that
    // names the same show: "Doctor Who (2005)\Doctor.Who.S01E01.mkv".
    if (!named || (showYear == 0 && ShowKey(name.title, 0) == ShowKey(facts.show, 0)))
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

// What makes a movie's show: its series type, its name and its year.
struct ShowOf {
    const char* type;
    std::string name;  // its letters and digits (ShowKey without a year)
    int year = 0;
    std::string folder;  // the folder whose neighbours may hold its namesakes (episodes)
};

// The years a show's name carries in the library: those of the run's
// episodes and those the names beside each dated show's folder give.
std::map<std::string, std::set<int>> YearsOfShows(const std::vector<ShowOf>& shows)
{
    std::map<std::string, std::set<int>> years;
    std::set<std::string> neighbours;
    for (const ShowOf& show : shows) {
        if (show.type != std::string(kShowType) || show.year == 0)
            continue;
        years[show.name].insert(show.year);
        if (!show.folder.empty())
            neighbours.insert(ParentFolderOf(show.folder));
    }
    for (const std::string& folder : neighbours) {
        if (folder.empty())
            continue;
        const FolderIndex index(folder);
        for (const FolderEntry& entry : index.Entries()) {
            if (!entry.isFolder && !IsMovieFile(entry.name))
                continue;
            const ParsedName name = entry.isFolder ? ParseTitleText(entry.name) : ParseMovieName(entry.name);
            const bool show = entry.isFolder ? name.kind != ParsedName::Kind::None : name.kind == ParsedName::Kind::Episode;
            const std::string key = ShowKey(name.title, 0);
            if (show && name.year != 0 && years.count(key))
                years[key].insert(name.year);
        }
    }
    return years;
}

// Gives every movie of a show the same spelling of its name and the same
// series ID; the template's air date where the plan keeps it.
void SettleShows(LibraryPlan& plan, const std::vector<ShowOf>& of, const MetadataTemplate& metadata)
{
    const std::map<std::string, std::set<int>> years = YearsOfShows(of);
    std::vector<std::string> keys;
    std::map<std::string, Show> shows;
    for (size_t i = 0; i < of.size(); ++i) {
        // A year parts two shows of one name only where the library has both.
        const auto dated = years.find(of[i].name);
        const bool parted = of[i].type != std::string(kShowType) ||
                            (of[i].year != 0 && dated != years.end() && dated->second.size() > 1);
        keys.push_back(of[i].type + (parted && of[i].year != 0 ? of[i].name + std::to_string(of[i].year) : of[i].name));
        std::string title = plan.movies[i].lines.seriesTitle;
        if (parted && of[i].year != 0 && of[i].type == std::string(kShowType))
            title += " (" + std::to_string(of[i].year) + ")";
        Show& show = shows[keys[i]];
        if (show.title.empty() || (!HasCapital(show.title) && HasCapital(title)))
            show.title = title;
    }
    plan.templateAirDate = plan.templateAirDate && shows.size() <= 1;
    // In the order of the keys, so that of two shows whose digits meet the
    // same one keeps them in every run that holds both.
    std::set<std::string> taken;
    for (auto& [key, show] : shows) {
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
        if (!lines.movieLayout && plan.templateAirDate && lines.originalAirDate.empty())
            lines.originalAirDate = metadata.originalAirDate;
    }
}

}  // namespace

LibraryPlan PlanLibrary(const std::string& folder, const std::vector<std::string>& entries,
                        const MetadataTemplate& metadata)
{
    const std::string root = StripTrailingSeparator(folder);
    LibraryPlan plan;
    plan.movies.reserve(entries.size());
    std::vector<ShowOf> shows;
    FolderFacts facts;
    for (size_t i = 0; i < entries.size(); ++i) {
        const std::string& entry = entries[i];
        const std::string relative = RelativeFolderOf(entry);
        if (i == 0 || relative != facts.relative) {
            if (i > 0)
                plan.templateAirDate = false;  // a second folder
            ReadFolder(root, relative, metadata, facts);
        }
        const std::string moviePath = root + kSeparator + entry;
        PlannedMovie movie;
        if (metadata.parseNames) {
            int showYear = 0;
            movie = ReadMovie(entry, facts, showYear);
            const bool episode = !movie.lines.movieLayout;
            // A title of punctuation alone has no letters to key it by: it
            // is a show of its own, not one with every other such name.
            const std::string key = ShowKey(movie.lines.seriesTitle, 0);
            shows.push_back({episode ? kShowType : kMovieType, key.empty() ? "\x01" + movie.lines.seriesTitle : key,
                             showYear, episode ? facts.showFolder : std::string()});
        } else {
            movie.lines = TemplateLines(facts.metadata, moviePath, std::string());
        }
        movie.entry = entry;
        movie.moviePath = moviePath;
        plan.movies.push_back(std::move(movie));
    }
    if (metadata.parseNames)
        SettleShows(plan, shows, metadata);
    else
        plan.templateAirDate = true;
    for (PlannedMovie& movie : plan.movies) {
        movie.composed = ComposeMetadataLines(metadata, movie.lines);
        PlanAgainst(movie, nullptr, OtherFiles::WholeTemplate);
    }
    return plan;
}

void PlanAgainst(PlannedMovie& movie, const PyTivoView* others, OtherFiles mode)
{
    movie.keys = PlanKeys(movie.composed, movie.layers, movie.lines.movieLayout, others, movie.moviePath, mode);
    movie.text = WrittenText(movie.keys);
}

std::string PlanSummary(const PlannedMovie& movie)
{
    const MovieLines& lines = movie.lines;
    // A value another file gives instead is not what the file says.
    const auto written = [&movie](const char* key, const std::string& value) {
        for (const PlannedKey& planned : movie.keys) {
            if (planned.key == key && !planned.written)
                return std::string();
        }
        return value;
    };
    std::vector<std::string> parts;
    if (lines.movieLayout) {
        parts = {"movie", written("seriesTitle", lines.title), written("movieYear", lines.year)};
    } else {
        parts = {"episode", written("seriesTitle", lines.seriesTitle)};
        if (movie.season != kNoNumber && movie.episode != kNoNumber && !written("episodeNumber", "x").empty()) {
            std::string number = FormatText("S%02dE%02d", movie.season, movie.episode);
            if (movie.lastEpisode != kNoNumber && movie.lastEpisode != movie.episode)
                number += FormatText("-E%02d", movie.lastEpisode);
            parts.push_back(number);
        }
        parts.push_back(written("originalAirDate", lines.originalAirDate));
        parts.push_back(written("episodeTitle", lines.episodeTitle));
    }
    std::string summary;
    for (const std::string& part : parts) {
        if (!part.empty())
            summary += (summary.empty() ? "" : " | ") + part;
    }
    return summary;
}

std::string PlanKeysLine(const PlannedMovie& movie)
{
    return KeysLine(movie.keys, movie.moviePath);
}
