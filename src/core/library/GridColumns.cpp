#include "core/library/GridColumns.h"

#include "core/metadata/MetadataDocument.h"
#include "core/metadata/MetadataFormat.h"

namespace {

const GridColumnInfo kColumns[kGridColumnCount] = {
    {"State", 64, true, false},       {"Name", 220, true, false},        {"Folder", 150, true, false},
    {"Kind", 60, true, false},        {"Show", 150, true, false},        {"Season", 52, true, true},
    {"Episode", 56, true, true},      {"Episode Title", 160, true, false}, {"Year / Date", 80, true, false},
    {"Description", 180, true, false}, {"Series ID", 76, true, false},   {"Rating", 56, true, false},
    {"Stars", 44, false, false},      {"Genres", 120, true, false},      {"Actors", 120, false, false},
    {"Values From", 170, true, false}, {"Generate Will", 150, true, false},
};

// A rating's short name: "PG-13" of "PG-13 - Parents Strongly Cautioned",
// "***" of three stars; an unknown code as it is.
std::string RatingText(const RatingTable& table, const std::string& code, bool stars)
{
    const int position = RatingPosition(table, code);
    if (position < 0)
        return code;
    if (stars)
        return std::string(static_cast<size_t>(position) + 1, '*');
    const std::string& item = table.items[static_cast<size_t>(position)];
    return item.substr(0, item.find(" - "));
}

// The start of a text, cut between characters.
std::string StartOf(const std::string& text)
{
    if (text.size() <= kDescriptionStart)
        return text;
    size_t end = kDescriptionStart;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        --end;
    return text.substr(0, end) + "...";
}

std::string NumberText(int number)
{
    return number == kNoNumber ? std::string() : std::to_string(number);
}

}  // namespace

const GridColumnInfo& ColumnInfo(GridColumn column)
{
    return kColumns[static_cast<int>(column)];
}

const char* StateText(RowState state)
{
    return state == RowState::Own ? "own file" : state == RowState::Other ? "other files" : "none";
}

std::optional<EditField> FieldOfColumn(GridColumn column, bool episode)
{
    switch (column) {
        case GridColumn::Kind:
            return EditField::Kind;
        case GridColumn::Show:
            return EditField::Show;
        case GridColumn::Season:
            return EditField::Season;
        case GridColumn::Episode:
            return EditField::Episode;
        case GridColumn::EpisodeTitle:
            return EditField::EpisodeTitle;
        case GridColumn::Date:
            return EditField::Date;
        case GridColumn::Description:
            return EditField::Description;
        case GridColumn::Rating:
            return episode ? EditField::TvRating : EditField::MpaaRating;
        case GridColumn::Stars:
            return EditField::StarRating;
        case GridColumn::Genres:
            return EditField::Genres;
        case GridColumn::Actors:
            return EditField::Actors;
        default:
            return std::nullopt;
    }
}

std::string FieldValueText(EditField field, const std::string& value)
{
    switch (field) {
        case EditField::StarRating:
            return RatingText(StarRatings(), value, true);
        case EditField::MpaaRating:
            return RatingText(MpaaRatings(), value, false);
        case EditField::TvRating:
            return RatingText(TvRatings(), value, false);
        case EditField::Description:
            return StartOf(value);
        default:
            return value;
    }
}

std::vector<std::string> FieldChoices(EditField field)
{
    if (field == EditField::Kind)
        return {"movie", "episode"};
    if (field != EditField::StarRating && field != EditField::MpaaRating && field != EditField::TvRating)
        return {};
    std::vector<std::string> choices = {""};
    const RatingTable& table =
        field == EditField::StarRating ? StarRatings() : field == EditField::MpaaRating ? MpaaRatings() : TvRatings();
    for (const std::string& code : table.codes)
        choices.push_back(FieldValueText(field, code));
    return choices;
}

std::string ValueText(GridColumn column, const GridValues& values, const SharedValues& shared)
{
    switch (column) {
        case GridColumn::Kind:
            return values.episode ? "episode" : "movie";
        case GridColumn::Show:
            return values.show;
        case GridColumn::Season:
            return NumberText(values.season);
        case GridColumn::Episode:
            return values.lastNumber != kNoNumber && values.lastNumber != values.number
                       ? NumberText(values.number) + "-" + NumberText(values.lastNumber)
                       : NumberText(values.number);
        case GridColumn::EpisodeTitle:
            return values.episodeTitle;
        case GridColumn::Date:
            return values.date;
        case GridColumn::Description:
            return StartOf(shared.description);
        case GridColumn::SeriesId:
            return values.seriesId;
        case GridColumn::Rating:
            return values.episode ? FieldValueText(EditField::TvRating, shared.tvRating)
                                  : FieldValueText(EditField::MpaaRating, shared.mpaaRating);
        case GridColumn::Stars:
            return FieldValueText(EditField::StarRating, shared.starRating);
        case GridColumn::Genres:
            return shared.genres;
        case GridColumn::Actors:
            return shared.actors;
        default:
            return std::string();
    }
}
