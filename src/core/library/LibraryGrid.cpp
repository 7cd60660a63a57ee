#include "core/library/LibraryGrid.h"

#include <algorithm>
#include <string_view>

#include "core/folders/FolderWalk.h"
#include "core/library/GridOwnFiles.h"
#include "core/metadata/MetadataWriter.h"
#include "platform/Paths.h"
#include "platform/Text.h"

namespace {

char LowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string LowerText(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower)
        c = LowerAscii(c);
    return lower;
}

// Whether the text holds the (lower-case) part, ASCII letters of any case.
bool HoldsIgnoringCase(std::string_view text, const std::string& part)
{
    if (part.size() > text.size())
        return false;
    for (size_t at = 0; at + part.size() <= text.size(); ++at) {
        size_t i = 0;
        while (i < part.size() && LowerAscii(text[at + i]) == part[i])
            ++i;
        if (i == part.size())
            return true;
    }
    return false;
}

// The plan's values of a movie, taken over (the plan is done with them).
GridValues PlannedValues(PlannedMovie& movie)
{
    MovieLines& lines = movie.lines;
    GridValues values;
    values.episode = !lines.movieLayout;
    values.season = movie.season;
    values.number = movie.episode;
    values.lastNumber = movie.lastEpisode;
    values.show = std::move(lines.seriesTitle);
    values.episodeTitle = std::move(lines.episodeTitle);
    values.date =
        values.episode && IsAirDate(lines.originalAirDate) ? AirDateOf(lines.originalAirDate) : std::move(lines.year);
    values.seriesId = std::move(lines.seriesId);
    return values;
}

std::string ListText(const std::string& typed)
{
    std::string text;
    for (const std::string& item : GenreList(typed))
        text += (text.empty() ? "" : ", ") + item;
    return text;
}

SharedValues TemplateShared(const MetadataTemplate& metadata)
{
    SharedValues shared;
    shared.description = metadata.description;
    shared.tvRating = RatingCode(TvRatings(), metadata.tvRating);
    shared.mpaaRating = RatingCode(MpaaRatings(), metadata.mpaaRating);
    shared.starRating = RatingCode(StarRatings(), metadata.starRating);
    shared.genres = ListText(metadata.genres);
    shared.actors = ListText(metadata.actors);
    return shared;
}

// The key of a number column: unknown numbers first.
long long NumberKey(const std::string& text)
{
    return text.empty() || !IsAllDigits(text.substr(0, text.find('-'))) ? -1 : std::stoll(text.substr(0, text.find('-')));
}

}  // namespace

void LibraryGrid::Load(const std::string& folder, std::vector<MovieListing> movies, const MetadataTemplate& metadata,
                       bool metaFolder, bool plan)
{
    folder_ = folder;
    metaFolder_ = metaFolder;
    template_ = metadata;
    templateShared_ = TemplateShared(metadata);
    entries_.clear();
    rows_.clear();
    history_.clear();
    entries_.reserve(movies.size());
    rows_.resize(movies.size());
    for (size_t i = 0; i < movies.size(); ++i) {
        MovieListing& movie = movies[i];
        entries_.push_back(std::move(movie.name));
        Row& row = rows_[i];
        row.state = movie.hasMetadata ? RowState::Own : movie.otherSources ? RowState::Other : RowState::None;
        // The file the editor edits: the one in ".meta" where there is one
        // or Generate writes there, else the one beside the movie.
        row.ownInMeta = movie.ownInMeta || metaFolder;
        row.hasOwn = row.ownInMeta ? movie.ownInMeta : movie.hasMetadata;
    }
    ownReadFrom_ = 0;
    planned_ = false;
    if (plan)
        Plan();
    order_.resize(rows_.size());
    for (size_t i = 0; i < order_.size(); ++i)
        order_[i] = static_cast<RowId>(i);
    if (sortColumn_)
        Sort(*sortColumn_, ascending_);
    else
        Refilter();
}

void LibraryGrid::Clear()
{
    std::vector<std::string>().swap(entries_);
    std::vector<Row>().swap(rows_);
    std::vector<RowId>().swap(order_);
    std::vector<RowId>().swap(shown_);
    history_.clear();
    ownReadFrom_ = 0;
    planned_ = false;
}

void LibraryGrid::Plan()
{
    TakePlan(PlanLibrary(folder_, entries_, template_, &edits_, false), edits_);
}

bool LibraryGrid::SameShows(const PlanEdits& a, const PlanEdits& b)
{
    const auto showsOf = [](const PlanEdits& edits, const std::string& entry) {
        const std::string* kind = edits.Find(entry, EditField::Kind);
        const std::string* show = edits.Find(entry, EditField::Show);
        return std::make_pair(kind ? std::optional<std::string>(*kind) : std::nullopt,
                              show ? std::optional<std::string>(*show) : std::nullopt);
    };
    for (const PlanEdits* edits : {&a, &b}) {
        for (const std::string& entry : edits->Entries()) {
            if (showsOf(a, entry) != showsOf(b, entry))
                return false;
        }
    }
    return true;
}

void LibraryGrid::TakePlan(LibraryPlan plan, const PlanEdits& plannedWith)
{
    if (plan.movies.size() != rows_.size())
        return;
    for (size_t i = 0; i < rows_.size(); ++i) {
        PlannedMovie& movie = plan.movies[i];
        rows_[i].plan = PlannedValues(movie);
        rows_[i].kindFrom = movie.kindFrom;
        movie = PlannedMovie();  // the plan goes as the rows take it
    }
    planned_ = true;
    // A kind or a show the user edited while the plan was made elsewhere.
    if (&plannedWith != &edits_ && !SameShows(plannedWith, edits_))
        Plan();
}

std::string LibraryGrid::MoviePath(RowId row) const
{
    return StripTrailingSeparator(folder_) + kSeparator + entries_[row];
}

std::string LibraryGrid::OwnFilePath(RowId row) const
{
    return rows_[row].ownInMeta ? MetaFolderPathOf(MoviePath(row)) : MetadataPathOf(MoviePath(row));
}

const GridValues& LibraryGrid::ValuesOf(RowId row) const
{
    const Row& at = rows_[row];
    return at.hasOwn && at.own && at.own->read.exists ? at.own->values : at.plan;
}

const SharedValues& LibraryGrid::SharedOf(RowId row) const
{
    const Row& at = rows_[row];
    return at.hasOwn && at.own && at.own->read.exists ? at.own->shared : templateShared_;
}

bool LibraryGrid::IsEpisode(RowId row) const
{
    const std::string* kind = edits_.Find(entries_[row], EditField::Kind);
    return kind ? *kind == "episode" : ValuesOf(row).episode;
}

std::optional<EditField> LibraryGrid::FieldOf(RowId row, GridColumn column) const
{
    return FieldOfColumn(column, IsEpisode(row));
}

std::string LibraryGrid::CellText(RowId row, GridColumn column) const
{
    const std::string& entry = entries_[row];
    switch (column) {
        case GridColumn::State:
            return StateText(rows_[row].state);
        case GridColumn::Name:
            return FileNameOf(entry, true);
        case GridColumn::Folder:
            return RelativeFolderOf(entry);
        case GridColumn::Sources:
        case GridColumn::Generate:
            return std::string();
        default:
            break;
    }
    const std::optional<EditField> field = FieldOf(row, column);
    if (const std::string* edited = field ? edits_.Find(entry, *field) : nullptr)
        return FieldValueText(*field, *edited);
    const Row& at = rows_[row];
    if (!planned_ && !(at.hasOwn && at.own && at.own->read.exists))
        return std::string();  // the plan is still being made
    return ValueText(column, ValuesOf(row), SharedOf(row));
}

bool LibraryGrid::IsEdited(RowId row, GridColumn column) const
{
    const std::optional<EditField> field = FieldOf(row, column);
    return field && edits_.Find(entries_[row], *field);
}

std::string LibraryGrid::EditText(RowId row, EditField field) const
{
    if (const std::string* edited = edits_.Find(entries_[row], field))
        return field == EditField::Description ? *edited : FieldValueText(field, *edited);
    const GridValues& values = ValuesOf(row);
    const SharedValues& shared = SharedOf(row);
    switch (field) {
        case EditField::Description:
            return shared.description;
        case EditField::StarRating:
            return FieldValueText(field, shared.starRating);
        case EditField::MpaaRating:
            return FieldValueText(field, shared.mpaaRating);
        case EditField::TvRating:
            return FieldValueText(field, shared.tvRating);
        case EditField::Season:
            return ValueText(GridColumn::Season, values, shared);
        case EditField::Episode:
            return values.number == kNoNumber ? std::string() : std::to_string(values.number);
        default:
            break;
    }
    static const GridColumn kColumnOf[kEditFieldCount] = {
        GridColumn::Kind, GridColumn::Show,   GridColumn::Season,  GridColumn::Episode,
        GridColumn::EpisodeTitle, GridColumn::Date, GridColumn::Description, GridColumn::Stars,
        GridColumn::Rating, GridColumn::Rating, GridColumn::Genres, GridColumn::Actors,
    };
    return ValueText(kColumnOf[static_cast<int>(field)], values, shared);
}

PlannedMovie LibraryGrid::PlannedMovieOf(RowId row) const
{
    const GridValues& values = rows_[row].plan;
    PlannedMovie movie;
    movie.entry = entries_[row];
    movie.moviePath = MoviePath(row);
    movie.kindFrom = rows_[row].kindFrom;
    movie.season = values.season;
    movie.episode = values.number;
    movie.lastEpisode = values.lastNumber;
    MovieLines& lines = movie.lines;
    lines.movieLayout = !values.episode;
    lines.isEpisode = values.episode ? "true" : "false";
    lines.title = lines.seriesTitle = values.show;
    lines.episodeTitle = values.episodeTitle;
    lines.seriesId = values.seriesId;
    lines.year = values.date.substr(0, 4);
    if (values.episode && values.date.size() > 4)
        lines.originalAirDate = values.date;
    if (values.episode && values.number != kNoNumber)
        lines.episodeNumber = EpisodeNumberText(values.season == kNoNumber ? 0 : values.season, values.number);
    const MovieEdits* edits = edits_.Of(entries_[row]);
    if (edits)
        ApplyEditsTo(movie, *edits);
    movie.composed = ComposeMetadataLines(template_, lines);
    if (edits)
        movie.layers.push_back(EditLayer(ComposeMetadataLines(EditedTemplate(template_, *edits), lines), *edits));
    return movie;
}

std::string LibraryGrid::SortKey(RowId row, GridColumn column) const
{
    return LowerText(CellText(row, column));
}

void LibraryGrid::Sort(GridColumn column, bool ascending)
{
    ReadAllOwnFiles();
    sortColumn_ = column;
    ascending_ = ascending;
    for (size_t i = 0; i < order_.size(); ++i)
        order_[i] = static_cast<RowId>(i);
    const auto place = [&](auto& keys) {
        std::stable_sort(order_.begin(), order_.end(), [&](RowId a, RowId b) {
            return ascending ? keys[a] < keys[b] : keys[b] < keys[a];
        });
    };
    if (column == GridColumn::State) {
        std::vector<int> keys(rows_.size());
        for (size_t i = 0; i < rows_.size(); ++i)
            keys[i] = static_cast<int>(rows_[i].state);
        place(keys);
    } else if (ColumnInfo(column).numeric) {
        std::vector<long long> keys(rows_.size());
        for (size_t i = 0; i < rows_.size(); ++i)
            keys[i] = NumberKey(CellText(static_cast<RowId>(i), column));
        place(keys);
    } else {
        std::vector<std::string> keys(rows_.size());
        for (size_t i = 0; i < rows_.size(); ++i)
            keys[i] = SortKey(static_cast<RowId>(i), column);
        place(keys);
    }
    Refilter();
}

void LibraryGrid::Filter(const std::string& text)
{
    filter_ = LowerText(TrimmedOf(text));
    if (!filter_.empty())
        ReadAllOwnFiles();
    Refilter();
}

void LibraryGrid::Refilter()
{
    if (filter_.empty()) {
        shown_ = order_;
        return;
    }
    shown_.clear();
    for (RowId row : order_) {
        const std::string& entry = entries_[row];
        const std::string* show = edits_.Find(entry, EditField::Show);
        // The entry holds the folder and the name.
        if (HoldsIgnoringCase(entry, filter_) || HoldsIgnoringCase(show ? *show : ValuesOf(row).show, filter_))
            shown_.push_back(row);
    }
}

void LibraryGrid::ReadOwnFile(RowId row)
{
    Row& at = rows_[row];
    if (at.hasOwn && !at.own)
        at.own = std::make_unique<OwnValues>(ReadOwnValues(OwnFilePath(row)));
}

void LibraryGrid::ReadOwnFiles(const std::vector<RowId>& rows)
{
    for (RowId row : rows)
        ReadOwnFile(row);
}

bool LibraryGrid::ReadMoreOwnFiles(size_t count)
{
    for (; ownReadFrom_ < rows_.size() && count > 0; ++ownReadFrom_) {
        if (rows_[ownReadFrom_].hasOwn && !rows_[ownReadFrom_].own) {
            ReadOwnFile(static_cast<RowId>(ownReadFrom_));
            --count;
        }
    }
    return ownReadFrom_ < rows_.size();
}

void LibraryGrid::ReadAllOwnFiles()
{
    ReadMoreOwnFiles(rows_.size());
}

void LibraryGrid::RereadOwnFile(RowId row)
{
    rows_[row].own.reset();
    ReadOwnFile(row);
}
