#include "core/pytivo/TiVoProblems.h"

#include <algorithm>
#include <cctype>
#include <map>

#include "core/files/TextFile.h"
#include "core/folders/MovieScanner.h"
#include "core/metadata/MetadataWriter.h"
#include "core/pytivo/PyTivoRatings.h"
#include "core/pytivo/PyTivoTags.h"
#include "core/pytivo/PythonRules.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"

namespace {

// Every key the TvBus template sends the TiVo.
const char* const kPyTivoKeys[] = {
    "title", "seriesTitle", "episodeTitle", "episodeNumber", "isEpisode", "description", "originalAirDate",
    "movieYear", "seriesId", "programId", "tvRating", "mpaaRating", "starRating", "colorCode", "showType",
    "showingBits", "partCount", "partIndex", "time", "startTime", "stopTime", "callsign", "displayMajorNumber",
    "displayMinorNumber", "vActor", "vChoreographer", "vDirector", "vExecProducer", "vGuestStar", "vHost",
    "vProducer", "vProgramGenre", "vSeriesGenre", "vWriter",
};

bool UsedByPyTivo(const std::string& key)
{
    return std::find(std::begin(kPyTivoKeys), std::end(kPyTivoKeys), key) != std::end(kPyTivoKeys);
}

std::string Lowered(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

size_t EditDistance(const std::string& a, const std::string& b)
{
    std::vector<size_t> row(b.size() + 1);
    for (size_t j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (size_t i = 1; i <= a.size(); ++i) {
        size_t diagonal = row[0];
        row[0] = i;
        for (size_t j = 1; j <= b.size(); ++j) {
            const size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

bool IsSeriesIdTheTiVoGroups(const std::string& id)
{
    return id.size() > 2 && (id.compare(0, 2, "SH") == 0 || id.compare(0, 2, "EP") == 0 || id.compare(0, 2, "MV") == 0) &&
           std::all_of(id.begin() + 2, id.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A rating the TiVo gets as pyTivo's tables know it: a number the table
// names, or nothing.
std::string RatingProblem(const PyTivoView& view, PyTivoRating kind)
{
    const PyTivoValue* value = view.Find(RatingKey(kind));
    if (!IsSet(value))
        return {};
    if (value->kind != PyTivoValue::Kind::Number)
        return "\"" + value->text + "\" is in none of pyTivo's " + RatingKey(kind) +
               " tables: it is sent as written and the TiVo shows no rating";
    if (RatingTableNumber(kind, RatingName(kind, value->number)) != value->number)
        return value->text + " is no " + RatingKey(kind) + " pyTivo knows: the TiVo shows no rating";
    return {};
}

std::string Name(const std::string& path, const std::string& moviePath)
{
    return SourceNameFor(path, moviePath);
}

}  // namespace

std::string MeantPyTivoKey(const std::string& key)
{
    std::string nearest;
    size_t best = 3;
    for (const char* known : kPyTivoKeys) {
        if (Lowered(known) == Lowered(key))
            return known;
        const size_t distance = EditDistance(Lowered(known), Lowered(key));
        if (distance < best) {
            best = distance;
            nearest = known;
        }
    }
    return nearest;
}

void TiVoCheck::Add(const std::string& where, const std::string& file, const char* kind, const std::string& text)
{
    if (told_.insert({file, text}).second)
        problems_.push_back({where, file, kind, text});
}

void TiVoCheck::CheckTextLines(const std::string& path)
{
    const std::string name = FileNameOf(path, true);
    const bool properties = name.size() > 11 && Lowered(name.substr(name.size() - 11)) == ".properties";
    if (IsTagSource(path) || !linesRead_.insert(path).second ||
        !(properties || (name.size() > 4 && Lowered(name.substr(name.size() - 4)) == ".txt")))
        return;
    std::string bytes;
    std::vector<PyTivoTextLine> lines;
    std::vector<std::string> unkeyed;
    std::string refusal;
    if (!ReadWholeFile(path, bytes, nullptr, static_cast<size_t>(kLargestPyTivoSource)) ||
        !ReadPyTivoTextLines(bytes, properties ? '=' : ':', lines, refusal, &unkeyed))
        return;
    for (const std::string& line : unkeyed)
        Add(path, path, "noSeparator",
            std::string("pyTivo skips the line \"") + DecodeLine(PythonStripped(line)) + "\": it has no \"" +
                (properties ? "=" : ":") + "\"");
}

void TiVoCheck::AddView(const std::string& moviePath, const PyTivoView& view)
{
    ++movies_;
    for (const PyTivoProblem& problem : view.problems)
        Add(IsTagSource(problem.path) ? moviePath : problem.path, problem.path, "unreadSource",
            "pyTivo cannot use it: " + problem.why);
    for (const std::string& file : view.filesRead)
        CheckTextLines(file);
    for (const auto& [key, value] : view.values) {
        const std::string file = value.kind == PyTivoValue::Kind::List && !value.items.empty()
                                     ? value.items.front().source : value.source;
        // pyTivo's own reading of a .nfo keeps its genres under vGenre too.
        const bool fromNfo = file.size() > 4 && Lowered(file.substr(file.size() - 4)) == ".nfo";
        if (UsedByPyTivo(key) || value.source == moviePath || fromNfo)
            continue;
        const std::string meant = MeantPyTivoKey(key);
        Add(IsTagSource(file) ? moviePath : file, file, "unusedKey",
            "pyTivo does not use the key \"" + key + "\" (keys are case-sensitive)" +
                (meant.empty() ? std::string() : "; it was probably meant to be \"" + meant + "\""));
    }
    const auto source = [&](const char* key) { return view.Find(key) ? view.Find(key)->source : moviePath; };
    const auto text = [&](const char* key) { return view.Find(key) ? view.Find(key)->text : std::string(); };
    if (!view.episodeNumberWritten.empty())
        Add(moviePath, source("episodeNumber"), "episodeNumber",
            "episodeNumber \"" + view.episodeNumberWritten + "\" (from " + Name(source("episodeNumber"), moviePath) +
                ") is no whole number: pyTivo sends 0");
    for (const PyTivoRating kind : {PyTivoRating::Tv, PyTivoRating::Mpaa, PyTivoRating::Star}) {
        const std::string problem = RatingProblem(view, kind);
        if (!problem.empty())
            Add(moviePath, source(RatingKey(kind)), "rating",
                problem + " (from " + Name(source(RatingKey(kind)), moviePath) + ")");
    }
    const PyTivoValue* isEpisode = view.Find("isEpisode");
    if (isEpisode && isEpisode->text != "true" && isEpisode->text != "false")
        Add(moviePath, isEpisode->source, "isEpisode",
            "isEpisode \"" + isEpisode->text + "\" (from " + Name(isEpisode->source, moviePath) +
                ") is neither true nor false: pyTivo sends it as written and shows the episode title unless it is "
                "\"false\"");
    const bool looksLikeMovie =
        IsSet(view.Find("movieYear")) || IsSet(view.Find("mpaaRating")) || IsSet(view.Find("starRating"));
    if (looksLikeMovie && text("isEpisode") != "false")
        Add(moviePath, moviePath, "movieAsEpisode",
            "a movie (it has a year or a movie rating) without \"isEpisode : false\": pyTivo sends isEpisode " +
                std::string(isEpisode ? "\"" + isEpisode->text + "\"" : "true") +
                " and the TiVo lists it as an episode");
    if (IsSet(view.Find("movieYear")) && source("originalAirDate") != moviePath)
        Add(moviePath, source("originalAirDate"), "airDateHidden",
            "the air date \"" + text("originalAirDate") + "\" (from " + Name(source("originalAirDate"), moviePath) +
                ") is not sent: beside movieYear the TiVo gets the year alone");
    const std::string seriesId = text("seriesId");
    if (!seriesId.empty() && !IsSeriesIdTheTiVoGroups(seriesId))
        Add(moviePath, source("seriesId"), "seriesId",
            "seriesId \"" + seriesId + "\" (from " + Name(source("seriesId"), moviePath) +
                ") is not SH, EP or MV and digits: the TiVo does not group the show's episodes by it");
    const TiVoShowing showing = ShowingOf(view);
    if (showing.isEpisode != "false" && !showing.seriesTitle.empty())
        episodes_.push_back({moviePath, showing.seriesTitle, seriesId});
}

void TiVoCheck::AddMovie(const PyTivoFolder& folder, const FolderEntry& movie, PyTivoRunCache& cache)
{
    AddView(AddTrailingSeparator(folder.Path()) + movie.name, ReadPyTivoView(folder, movie, cache));
    CheckFiles(folder, &movie.name);
}

void TiVoCheck::AddFolder(const PyTivoFolder& folder, PyTivoRunCache& cache)
{
    for (const FolderEntry& entry : folder.Index().Entries()) {
        if (!entry.isFolder && IsMovieFile(entry.name))
            AddView(AddTrailingSeparator(folder.Path()) + entry.name, ReadPyTivoView(folder, entry, cache));
    }
    CheckFiles(folder, nullptr);
}

void TiVoCheck::CheckFiles(const PyTivoFolder& folder, const std::string* onlyMovie)
{
    const FolderIndex& index = folder.Index();
    const std::string base = AddTrailingSeparator(folder.Path());
    // Lowered names and stems: the movie's name.
    std::map<std::string, std::string> movieNamed, movieOfStem;
    for (const FolderEntry& entry : index.Entries()) {
        if (!entry.isFolder && IsMovieFile(entry.name)) {
            movieNamed[Lowered(entry.name)] = entry.name;
            movieOfStem[Lowered(PythonStem(entry.name))] = entry.name;
        }
    }
    const auto concerns = [&](const std::string& movie) { return !onlyMovie || *onlyMovie == movie; };
    const auto check = [&](const std::string& inFolder, const FolderEntry& entry) {
        const std::string& name = entry.name;
        if (entry.isFolder || name.size() <= 4 || Lowered(name.substr(name.size() - 4)) != ".txt" ||
            Lowered(name) == "default.txt")
            return;
        const std::string path = AddTrailingSeparator(inFolder) + name;
        const std::string named = name.substr(0, name.size() - 4);
        const auto movie = movieNamed.find(Lowered(named));
        if (movie != movieNamed.end()) {
            // pyTivo asks for the name as spelled: where the file system
            // tells letter cases apart, that is another file.
            const std::string wanted = movie->second + ".txt";
            const FolderIndex& holder = inFolder == folder.Path() ? index : *folder.Meta();
            if (concerns(movie->second) && wanted != name && holder.Find(wanted) != holder.Find(name))
                Add(base + movie->second, path, "letterCase",
                    "pyTivo looks for \"" + wanted + "\" and, on this file system, which tells letter cases "
                    "apart, never reads \"" + name + "\"");
            return;
        }
        const auto stem = movieOfStem.find(Lowered(named));
        if (stem != movieOfStem.end()) {
            if (concerns(stem->second))
                Add(base + stem->second, path, "wrongName",
                    "pyTivo reads \"" + stem->second + ".txt\" for " + stem->second + ", never \"" + name + "\"");
        } else if (!onlyMovie && IsMovieFile(named)) {
            Add(path, path, "movieGone", "its movie \"" + named + "\" is not there: nothing reads this file");
        }
    };
    for (const FolderEntry& entry : index.Entries())
        check(folder.Path(), entry);
    if (const FolderIndex* meta = folder.Meta()) {
        for (const FolderEntry& entry : meta->Entries())
            check(base + kMetaFolderName, entry);
    }
}

std::vector<TiVoProblem> TiVoCheck::Finish()
{
    // Episodes of one show: one series ID for a series title, one title for an ID.
    const auto compare = [&](auto key, auto other, const char* kind, const char* what, const char* outcome) {
        std::map<std::string, std::vector<const Episode*>> groups;
        for (const Episode& episode : episodes_)
            if (!(episode.*key).empty() && !(episode.*other).empty())
                groups[episode.*key].push_back(&episode);
        for (const auto& [name, group] : groups) {
            std::set<std::string> values;
            for (const Episode* episode : group)
                values.insert(episode->*other);
            if (values.size() < 2)
                continue;
            std::string listed;
            for (const std::string& value : values)
                listed += (listed.empty() ? "\"" : ", \"") + value + "\"";
            Add(group.front()->movie, group.front()->movie, kind,
                std::to_string(group.size()) + " episodes of \"" + name + "\" have different " + what + " (" +
                    listed + "): " + outcome);
        }
    };
    compare(&Episode::seriesTitle, &Episode::seriesId, "showSeriesIds", "series IDs",
            "the TiVo lists them as different shows");
    compare(&Episode::seriesId, &Episode::seriesTitle, "showTitles", "series titles",
            "the TiVo holds them as one show under one of the titles");
    episodes_.clear();
    return std::move(problems_);
}
