#include "core/pytivo/PyTivoView.h"

#include <algorithm>
#include <cctype>

#include "core/files/TextFile.h"
#include "core/metadata/MetadataWriter.h"
#include "core/pytivo/PyTivoNfo.h"
#include "core/pytivo/PyTivoRatings.h"
#include "core/pytivo/PyTivoTags.h"
#include "core/pytivo/PyTivoTextFile.h"
#include "core/pytivo/PythonRules.h"
#include "platform/Paths.h"

namespace {

std::string PathIn(const std::string& folder, const std::string& name)
{
    return AddTrailingSeparator(folder) + name;
}

// The file's time as pyTivo writes an air date; the present time where
// Python's dates do not reach the file's.
std::string FileTimeText(unsigned long long lastWrite)
{
    UnixTime time = UnixTimeOf(lastWrite);
    std::optional<std::string> text = PythonUtcIsoTime(time.seconds, time.hundredNanoseconds);
    if (!text) {
        time = UnixTimeOf(FileClockNow());
        text = PythonUtcIsoTime(time.seconds, time.hundredNanoseconds);
    }
    return text.value_or(std::string());
}

void Update(PyTivoValues& values, const PyTivoValues& later)
{
    for (const auto& value : later)
        values[value.first] = value.second;
}

// A tvshow.nfo beside the movie or in the nearest folder above that has
// one; nullptr when none has.
const PyTivoShowSource* NearestShow(const PyTivoFolder& folder, PyTivoRunCache& cache, std::string& path)
{
    const char name[] = "tvshow.nfo";
    if (const FolderEntry* entry = folder.Index().Find(name))
        return &cache.Show(path = PathIn(folder.Path(), name), *entry);
    for (const std::string& above : FoldersAbove(folder.Path())) {
        if (const FolderEntry* entry = cache.EntryAbove(above, name))
            return &cache.Show(path = PathIn(above, name), *entry);
    }
    return nullptr;
}

// The tags inside the movie, over pyTivo's own values.
void ReadTags(const std::string& path, const std::string& name, PyTivoRunCache& cache, PyTivoView& view)
{
    const PyTivoTagReading* tags = cache.Tags(path, name);
    if (!tags)
        return;
    view.problems.insert(view.problems.end(), tags->problems.begin(), tags->problems.end());
    if (tags->values.empty())
        return;
    Update(view.values, tags->values);
    view.filesRead.push_back(TagSourceOf(path));
}

// pyTivo's video plugin applies the details inside a .TiVo or .wtv file
// after everything read here.
void NoteEmbeddedDetails(const std::string& name, PyTivoView& view)
{
    const std::string extension = name.substr(PythonStem(name).size());
    const auto is = [&](const char* kind) {
        return extension.size() == std::char_traits<char>::length(kind) &&
               std::equal(extension.begin(), extension.end(), kind,
                          [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
    };
    if (is(".tivo") || is(".wtv"))
        view.notes.push_back("pyTivo applies the details inside this " + extension.substr(1) +
                             " file after the files above, so they override what those say; Reelmark does not "
                             "read them");
}

void ReadNfo(const PyTivoFolder& folder, const std::string& stem, PyTivoRunCache& cache, PyTivoView& view)
{
    const FolderEntry* entry = folder.Index().Find(stem + ".nfo");
    if (!entry)
        return;
    const std::string path = PathIn(folder.Path(), entry->name);
    std::string bytes;
    std::string why;
    const SourceRead state = ReadPyTivoSource(path, *entry, bytes, why);
    if (state == SourceRead::Refused)
        view.problems.push_back({path, why});
    if (state != SourceRead::Read)
        return;
    const NfoDocument document(bytes);
    if (!document.IsXml()) {
        view.problems.push_back({path, NotXmlText(document.Fault())});
        return;
    }
    PyTivoValues show;
    std::string showPath;
    const PyTivoShowSource* source = KindOfNfo(document) == NfoKind::Episode ? NearestShow(folder, cache, showPath)
                                                                               : nullptr;
    if (source) {
        view.problems.insert(view.problems.end(), source->problems.begin(), source->problems.end());
        if (source->read) {
            show = source->values;
            view.filesRead.push_back(showPath);
        }
    }
    Update(view.values, MovieNfoValues(document, path, show, view.problems));
    view.filesRead.push_back(path);
}

// The text files in pyTivo's order, merged into values.
class TextReading {
public:
    TextReading(PyTivoView& view) : view_(view) {}

    void Take(const std::string& path, const PyTivoTextSource& source)
    {
        if (source.state == SourceRead::Refused)
            view_.problems.push_back({path, source.why});
        if (source.state != SourceRead::Read)
            return;
        MergePyTivoTextLines(source.lines, path, values_);
        view_.filesRead.push_back(path);
    }
    void TakeOwn(const std::string& folder, const FolderIndex& index, const std::string& name, char separator)
    {
        if (const FolderEntry* entry = index.Find(name))
            Take(PathIn(folder, entry->name), ReadPyTivoTextSource(PathIn(folder, entry->name), *entry, separator));
    }
    void TakeShared(const std::string& folder, const FolderEntry* entry, PyTivoRunCache& cache)
    {
        if (entry)
            Take(PathIn(folder, entry->name), cache.SharedText(PathIn(folder, entry->name), *entry));
    }
    // The values, the ratings made numbers, over those read before.
    void Finish()
    {
        MapTextRatings(values_);
        Update(view_.values, values_);
    }

private:
    PyTivoView& view_;
    PyTivoValues values_;
};

// own: Reelmark's own file, left out; nullptr: none left out.
void ReadTexts(const PyTivoFolder& folder, const FolderEntry& movie, const std::string& stem, PyTivoRunCache& cache,
               const OwnFile* own, PyTivoView& view)
{
    const char kDefault[] = "default.txt";
    view.textsFrom = view.filesRead.size();
    TextReading texts(view);
    texts.TakeOwn(folder.Path(), folder.Index(), stem + ".properties", '=');
    const std::vector<std::string> above = FoldersAbove(folder.Path());
    for (auto it = above.rbegin(); it != above.rend(); ++it)
        texts.TakeShared(*it, cache.EntryAbove(*it, kDefault), cache);
    texts.TakeShared(folder.Path(), folder.Index().Find(kDefault), cache);
    if (own && *own == OwnFile::Beside)
        view.ownAt = view.filesRead.size();
    else
        texts.TakeOwn(folder.Path(), folder.Index(), movie.name + ".txt", ':');
    if (const FolderIndex* meta = folder.Meta()) {
        const std::string metaPath = PathIn(folder.Path(), kMetaFolderName);
        if (meta->ReadError() != 0)
            view.problems.push_back({metaPath, SystemErrorLine(meta->ReadError())});
        texts.TakeShared(metaPath, meta->Find(kDefault), cache);
        if (!own || *own != OwnFile::InMeta)
            texts.TakeOwn(metaPath, *meta, movie.name + ".txt", ':');
    }
    if (own && *own == OwnFile::InMeta)
        view.ownAt = view.filesRead.size();
    texts.Finish();
}

TiVoRating RatingSent(const PyTivoView& view, PyTivoRating kind)
{
    TiVoRating rating;
    const PyTivoValue* value = view.Find(RatingKey(kind));
    rating.sent = IsSet(value);
    if (rating.sent) {
        rating.value = value->text;
        rating.name = RatingName(kind, value->kind == PyTivoValue::Kind::Number ? value->number : 0);
    }
    return rating;
}

}  // namespace

PyTivoFolder::PyTivoFolder(std::string path, const FolderIndex& index) : path_(std::move(path)), index_(index)
{
    const FolderEntry* meta = index_.Find(kMetaFolderName);
    if (meta && meta->isFolder)
        meta_ = (ownMeta_ = std::make_unique<FolderIndex>(PathIn(path_, meta->name))).get();
}

PyTivoFolder::PyTivoFolder(std::string path, const FolderIndex& index, const FolderIndex* meta)
    : path_(std::move(path)), index_(index), meta_(meta)
{
}

bool HasOtherPyTivoSources(const PyTivoFolder& folder, const std::string& movieName, PyTivoRunCache& cache,
                           OwnFile own, bool tags)
{
    const auto holds = [](const FolderEntry* entry) { return entry && !entry->isFolder && entry->size > 0; };
    const char kDefault[] = "default.txt";
    const std::string stem = PythonStem(movieName);
    const FolderIndex& index = folder.Index();
    if (holds(index.FindDetailed(stem + ".nfo")) || holds(index.FindDetailed(stem + ".properties")) ||
        holds(index.FindDetailed(kDefault)) || (own == OwnFile::InMeta && holds(index.FindDetailed(movieName + ".txt"))))
        return true;
    if (const FolderIndex* meta = folder.Meta()) {
        if ((own == OwnFile::Beside && holds(meta->FindDetailed(movieName + ".txt"))) ||
            holds(meta->FindDetailed(kDefault)))
            return true;
    }
    for (const std::string& above : FoldersAbove(folder.Path())) {
        if (holds(cache.EntryAbove(above, kDefault)))
            return true;
    }
    // Last, as it opens the movie: tags that give pyTivo a value.
    const PyTivoTagReading* reading = tags ? cache.Tags(PathIn(folder.Path(), movieName), movieName) : nullptr;
    return reading && !reading->values.empty();
}

std::vector<MovieListing> MoviesWithSources(const PyTivoFolder& folder, PyTivoRunCache& cache)
{
    std::vector<MovieListing> movies = MoviesIn(folder.Index());
    for (MovieListing& movie : movies)
        movie.otherSources = HasOtherPyTivoSources(folder, movie.name, cache, OwnFile::Beside, !movie.hasMetadata);
    return movies;
}

const PyTivoValue* PyTivoView::Find(const std::string& key) const
{
    const auto found = values.find(key);
    return found == values.end() ? nullptr : &found->second;
}

bool PyTivoView::ReadAfterOwn(const std::string& source) const
{
    const auto at = std::find(filesRead.begin(), filesRead.end(), source);
    return at != filesRead.end() && static_cast<size_t>(at - filesRead.begin()) >= ownAt;
}

bool PyTivoView::IsTextSource(const std::string& source) const
{
    const auto at = std::find(filesRead.begin(), filesRead.end(), source);
    return at != filesRead.end() && static_cast<size_t>(at - filesRead.begin()) >= textsFrom;
}

namespace {

PyTivoView ReadView(const PyTivoFolder& folder, const FolderEntry& listed, PyTivoRunCache& cache, const OwnFile* own)
{
    const FolderEntry& movie = folder.Index().Detailed(listed);  // its time gives pyTivo's date
    PyTivoView view;
    const std::string path = PathIn(folder.Path(), movie.name);
    const std::string stem = PythonStem(movie.name);
    view.values["title"] = TextValue(DecodeLine(stem), path);
    view.values["originalAirDate"] = TextValue(FileTimeText(movie.lastWrite), path);
    ReadTags(path, movie.name, cache, view);
    ReadNfo(folder, stem, cache, view);
    ReadTexts(folder, movie, stem, cache, own, view);
    NoteEmbeddedDetails(movie.name, view);
    // The video plugin sends the episode number as a whole number, 0 for
    // one that is none.
    const auto episode = view.values.find("episodeNumber");
    if (episode != view.values.end() && episode->second.kind == PyTivoValue::Kind::Text) {
        const std::optional<std::string> number = PythonIntText(episode->second.text);
        if (!number)
            view.episodeNumberWritten = episode->second.text;
        episode->second.text = number.value_or("0");
    }
    return view;
}

}  // namespace

PyTivoView ReadPyTivoView(const PyTivoFolder& folder, const FolderEntry& movie, PyTivoRunCache& cache)
{
    return ReadView(folder, movie, cache, nullptr);
}

PyTivoView ReadOtherSources(const PyTivoFolder& folder, const FolderEntry& movie, PyTivoRunCache& cache,
                            OwnFile own)
{
    return ReadView(folder, movie, cache, &own);
}

TiVoShowing ShowingOf(const PyTivoView& view)
{
    const auto text = [&](const char* key) {
        const PyTivoValue* value = view.Find(key);
        return value && value->kind != PyTivoValue::Kind::List ? value->text : std::string();
    };
    TiVoShowing showing;
    showing.seriesTitle = text("seriesTitle");
    showing.title = showing.seriesTitle.empty() ? text("title") : showing.seriesTitle;
    showing.isEpisode = view.Find("isEpisode") ? text("isEpisode") : "true";
    if (showing.isEpisode != "false")
        showing.episodeTitle = text("episodeTitle");
    showing.episodeNumber = text("episodeNumber");
    showing.dateKey = IsSet(view.Find("movieYear")) ? "movieYear" : "originalAirDate";
    showing.date = text(showing.dateKey.c_str());
    showing.description = text("description");
    showing.seriesId = text("seriesId");
    showing.tvRating = RatingSent(view, PyTivoRating::Tv);
    showing.mpaaRating = RatingSent(view, PyTivoRating::Mpaa);
    showing.starRating = RatingSent(view, PyTivoRating::Star);
    showing.callsign = text("callsign");
    showing.displayMajorNumber = text("displayMajorNumber");
    showing.displayMinorNumber = text("displayMinorNumber");
    return showing;
}

std::vector<TiVoRow> RowsOf(const PyTivoView& view)
{
    const TiVoShowing showing = ShowingOf(view);
    std::vector<TiVoRow> rows;
    const auto source = [&](const std::string& key) {
        const PyTivoValue* value = view.Find(key);
        return value ? value->source : std::string();
    };
    const auto add = [&](const char* field, const std::string& shown, const std::string& key) {
        if (!shown.empty())
            rows.push_back({field, shown, source(key), std::string()});
    };
    add("Title", showing.title, showing.seriesTitle.empty() ? "title" : "seriesTitle");
    add("Episode title", showing.episodeTitle, "episodeTitle");
    add("Episode number", showing.episodeNumber == "0" ? std::string() : showing.episodeNumber, "episodeNumber");
    add(showing.dateKey == "movieYear" ? "Year" : "Air date", showing.date, showing.dateKey);
    add("Description", showing.description, "description");
    add("Series ID", showing.seriesId, "seriesId");
    add("Call sign", showing.callsign, "callsign");
    add("Channel number", showing.displayMajorNumber, "displayMajorNumber");
    add("Sub-channel number", showing.displayMinorNumber, "displayMinorNumber");
    const std::pair<const char*, const TiVoRating*> ratings[] = {
        {"TV rating", &showing.tvRating}, {"MPAA rating", &showing.mpaaRating}, {"Star rating", &showing.starRating}};
    // In the words a TiVo screen uses: "TV-14", "PG-13", "3.5 stars".
    const char* const prefixes[] = {"TV-", "", ""};
    const char* const suffixes[] = {"", "", " stars"};
    for (size_t i = 0; i < 3; ++i) {
        const TiVoRating& rating = *ratings[i].second;
        const std::string suffix = rating.name == "1" && i == 2 ? " star" : suffixes[i];
        if (rating.sent)
            add(ratings[i].first, rating.name.empty() ? rating.value : prefixes[i] + rating.name + suffix,
                RatingKey(static_cast<PyTivoRating>(i)));
    }
    const std::pair<const char*, const char*> lists[] = {
        {"Genre", "vProgramGenre"}, {"Actor", "vActor"}, {"Director", "vDirector"}, {"Writer", "vWriter"}};
    for (const auto& list : lists) {
        if (const PyTivoValue* value = view.Find(list.second)) {
            for (const PyTivoItem& item : value->items)
                rows.push_back({list.first, item.text, item.source, std::string()});
        }
    }
    return rows;
}

PyTivoView ViewOfText(const std::string& text, const std::string& source)
{
    PyTivoView view;
    std::vector<PyTivoTextLine> lines;
    std::string refusal;
    if (ReadPyTivoTextLines(text, ':', lines, refusal)) {
        MergePyTivoTextLines(lines, source, view.values);
        MapTextRatings(view.values);
    }
    view.filesRead.push_back(source);
    return view;
}

std::vector<OverriddenValue> OverriddenOwnValues(const PyTivoFolder& folder, const FolderEntry& movie,
                                                 const PyTivoView& view)
{
    std::vector<OverriddenValue> overridden;
    const FolderEntry* own = folder.Index().Find(movie.name + ".txt");
    if (!own)
        return overridden;
    const std::string ownPath = PathIn(folder.Path(), own->name);
    const PyTivoTextSource text = ReadPyTivoTextSource(ownPath, *own, ':');
    for (const PyTivoTextLine& line : text.lines) {
        const PyTivoValue* value = view.Find(line.key);
        // A list grows over the files; only a single value can be taken over.
        if (!value || value->kind == PyTivoValue::Kind::List || value->source == ownPath)
            continue;
        const std::string metaPath = PathIn(folder.Path(), kMetaFolderName);
        if (value->source.compare(0, metaPath.size(), metaPath) == 0 &&
            std::none_of(overridden.begin(), overridden.end(),
                         [&](const OverriddenValue& seen) { return seen.key == line.key; }))
            overridden.push_back({line.key, DecodeLine(line.value), value->source});
    }
    return overridden;
}

std::string SourceNameFor(const std::string& source, const std::string& moviePath)
{
    if (IsTagSource(source))
        return "tags in " + SourceNameFor(source.substr(TagSourceOf("").size()), moviePath);
    const std::string folder = ParentFolderOf(moviePath) + kSeparator;
    return source.compare(0, folder.size(), folder) == 0 ? source.substr(folder.size()) : source;
}
