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

GridValues PlannedValues(const PlannedMovie& movie)
{
    const MovieLines& lines = movie.lines;
    GridValues values;
    values.episode = !lines.movieLayout;
    values.season = movie.season;
    values.number = movie.episode;
    values.lastNumber = movie.lastEpisode;
    values.show = lines.seriesTitle;
    values.episodeTitle = lines.episodeTitle;
    values.date = values.episode && IsAirDate(lines.originalAirDate) ? AirDateOf(lines.originalAirDate) : lines.year;
    values.seriesId = lines.seriesId;
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

void LibraryGrid::Load(const std::string& folder, const std::vector<MovieListing>& movies,
                       const MetadataTemplate& metadata, bool metaFolder)
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
        const MovieListing& movie = movies[i];
        entries_.push_back(movie.name);
        Row& row = rows_[i];
        row.state = movie.hasMetadata ? RowState::Own : movie.otherSources ? RowState::Other : RowState::None;
        // The file the editor edits: the one in ".meta" where there is one
        // or Generate writes there, else the one beside the movie.
        row.ownInMeta = movie.ownInMeta || metaFolder;
        row.hasOwn = row.ownInMeta ? movie.ownInMeta : movie.hasMetadata;
    }
    ownReadFrom_ = 0;
    Plan();
    order_.resize(rows_.size());
    for (size_t i = 0; i < order_.size(); ++i)
        order_[i] = static_cast<RowId>(i);
    if (sortColumn_)
        Sort(*sortColumn_, ascending_);
    else
        Refilter();
}

void LibraryGrid::Plan()
{
    LibraryPlan plan = PlanLibrary(folder_, entries_, template_, &edits_, false);
    for (size_t i = 0; i < rows_.size(); ++i) {
        rows_[i].plan = PlannedValues(plan.movies[i]);
        rows_[i].kindFrom = plan.movies[i].kindFrom;
        plan.movies[i] = PlannedMovie();  // the plan goes as the rows take it
    }
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
