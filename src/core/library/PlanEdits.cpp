#include "core/library/PlanEdits.h"

#include <algorithm>

#include "core/library/NameParser.h"
#include "platform/Text.h"

namespace {

const char* const kFieldNames[kEditFieldCount] = {
    "kind",   "show",        "season",      "episode",     "episode title", "date",
    "description", "star rating", "MPAA rating", "TV rating", "genres",        "actors",
};

// A value keeps to its line of the file: each line break is a space.
std::string OneLine(const std::string& typed)
{
    std::string line;
    for (size_t i = 0; i < typed.size(); ++i) {
        if (typed[i] == '\r' && i + 1 < typed.size() && typed[i + 1] == '\n')
            continue;
        line += typed[i] == '\r' || typed[i] == '\n' ? ' ' : typed[i];
    }
    return TrimmedOf(line);
}

// A whole number from 0 to most written in digits; empty text is no number.
bool ReadCount(const std::string& text, int most, int& number)
{
    if (text.empty() || text.size() > 5 || !IsAllDigits(text))
        return false;
    number = std::stoi(text);
    return number <= most;
}

const RatingTable& TableOf(EditField field)
{
    return field == EditField::StarRating ? StarRatings() : field == EditField::MpaaRating ? MpaaRatings() : TvRatings();
}

// A rating as its code: the code itself, the start of an item's text
// ("PG-13", "tv-pg"), or for stars as many "*" as the rating has.
bool RatingCodeOf(EditField field, const std::string& typed, std::string& code)
{
    const RatingTable& table = TableOf(field);
    for (const std::string& known : table.codes) {
        if (known.size() == typed.size() && StartsWithIgnoringAsciiCase(known, typed)) {
            code = known;
            return true;
        }
    }
    // A short name whole first: "TV-Y" is not the start of "TV-Y7".
    int position = -1;
    for (size_t i = 0; i < table.items.size() && position < 0; ++i) {
        const std::string shortName = table.items[i].substr(0, table.items[i].find(" - "));
        if (shortName.size() == typed.size() && StartsWithIgnoringAsciiCase(shortName, typed))
            position = static_cast<int>(i);
    }
    if (position < 0)
        position = FindComboItem(table.items, typed);
    if (field == EditField::StarRating && position < 0 && typed.find_first_not_of('*') == std::string::npos)
        position = static_cast<int>(typed.size()) - 1;
    code = RatingCode(table, position);
    return !code.empty();
}

// The items of a typed list, as the grid shows them.
std::string ListText(const std::string& typed)
{
    std::string text;
    for (const std::string& item : GenreList(OneLine(typed)))
        text += (text.empty() ? "" : ", ") + item;
    return text;
}

std::string LinesOfList(const std::string& text)
{
    std::string lines;
    for (const std::string& item : GenreList(text))
        lines += (lines.empty() ? "" : "\n") + item;
    return lines;
}

bool IsYearText(const std::string& text)
{
    return text.size() == 4 && IsAllDigits(text) && text[0] != '0';
}

// The keys of the file an edit of each field sets.
const std::vector<std::vector<const char*>>& KeysOfFields()
{
    static const std::vector<std::vector<const char*>> keys = {
        {"isEpisode"},       {"title", "seriesTitle"},  {"episodeNumber"},  {"episodeNumber"},
        {"episodeTitle"},    {"originalAirDate", "movieYear"}, {"description"}, {"starRating"},
        {"mpaaRating"},      {"tvRating"},              {"vProgramGenre"},  {"vActor"},
    };
    return keys;
}

}  // namespace

const char kEditOrigin[] = "your edits";

PlanValueLayer EditLayer(const std::vector<MetadataKeyLine>& composed, const MovieEdits& edits)
{
    PlanValueLayer layer;
    layer.origin = kEditOrigin;
    layer.overOtherFiles = true;
    std::vector<std::string> keys;
    for (const auto& [field, value] : edits.Values()) {
        for (const char* key : KeysOfFields()[static_cast<size_t>(field)]) {
            if (std::find(keys.begin(), keys.end(), key) == keys.end())
                keys.push_back(key);
        }
    }
    for (const std::string& key : keys) {
        const size_t before = layer.lines.size();
        for (const MetadataKeyLine& line : composed) {
            if (line.key == key)
                layer.lines.push_back(line);
        }
        if (layer.lines.size() == before)
            layer.lines.push_back({key, std::string()});
    }
    return layer;
}

const char* EditFieldName(EditField field)
{
    return kFieldNames[static_cast<int>(field)];
}

bool NormalizeEdit(EditField field, const std::string& typed, std::string& value, std::string& problem)
{
    const std::string text = OneLine(typed);
    int number = 0;
    problem.clear();
    value = text;
    switch (field) {
        case EditField::Kind:
            if (!text.empty() && StartsWithIgnoringAsciiCase("movie", text))
                value = "movie";
            else if (!text.empty() && StartsWithIgnoringAsciiCase("episode", text))
                value = "episode";
            else
                problem = "The kind is movie or episode.";
            break;
        case EditField::Show:
            if (text.empty())
                problem = "A show or movie needs a name.";
            break;
        case EditField::Season:
            if (!text.empty() && !ReadCount(text, kMaxEditSeason, number))
                problem = FormatText("The season is a number from 0 to %d, or nothing.", kMaxEditSeason);
            else if (!text.empty())
                value = std::to_string(number);
            break;
        case EditField::Episode:
            if (!text.empty() && !ReadCount(text, kMaxEditEpisode, number))
                problem = FormatText("The episode is a number from 0 to %d, or nothing.", kMaxEditEpisode);
            else if (!text.empty())
                value = std::to_string(number);
            break;
        case EditField::Date:
            if (!text.empty() && !IsYearText(text) && (value = AirDateOf(text)).empty())
                problem = "The date is a year (2012) or a day written YYYY-MM-DD (2012-05-04).";
            break;
        case EditField::StarRating:
        case EditField::MpaaRating:
        case EditField::TvRating:
            if (!text.empty() && !RatingCodeOf(field, text, value))
                problem = FormatText("\"%s\" is no %s. Choose one of the list, or nothing for none.", text.c_str(),
                                     EditFieldName(field));
            break;
        case EditField::Genres:
        case EditField::Actors:
            value = ListText(text);
            break;
        case EditField::EpisodeTitle:
        case EditField::Description:
            break;
    }
    return problem.empty();
}

const std::string* MovieEdits::Find(EditField field) const
{
    for (const auto& [at, value] : values_) {
        if (at == field)
            return &value;
    }
    return nullptr;
}

void MovieEdits::Set(EditField field, std::optional<std::string> value)
{
    auto at = std::lower_bound(values_.begin(), values_.end(), field,
                               [](const std::pair<EditField, std::string>& item, EditField f) { return item.first < f; });
    const bool found = at != values_.end() && at->first == field;
    if (!value) {
        if (found)
            values_.erase(at);
    } else if (found) {
        at->second = std::move(*value);
    } else {
        values_.insert(at, {field, std::move(*value)});
    }
}

void PlanEdits::Set(const std::string& entry, EditField field, std::optional<std::string> value)
{
    if (!value) {
        auto at = edits_.find(entry);
        if (at == edits_.end())
            return;
        at->second.Set(field, std::nullopt);
        if (at->second.Empty())
            edits_.erase(at);
        return;
    }
    edits_[entry].Set(field, std::move(value));
}

const std::string* PlanEdits::Find(const std::string& entry, EditField field) const
{
    const MovieEdits* edits = Of(entry);
    return edits ? edits->Find(field) : nullptr;
}

const MovieEdits* PlanEdits::Of(const std::string& entry) const
{
    auto at = edits_.find(entry);
    return at == edits_.end() ? nullptr : &at->second;
}

std::vector<std::string> PlanEdits::Entries() const
{
    std::vector<std::string> entries;
    entries.reserve(edits_.size());
    for (const auto& [entry, edits] : edits_)
        entries.push_back(entry);
    return entries;
}

void SplitEpisodeNumber(const std::string& number, int& season, int& episode)
{
    season = episode = kNoNumber;
    int value = 0;
    if (!ReadCount(number, 999999, value))
        return;
    episode = value < 100 ? value : value % 100;
    season = value < 100 ? kNoNumber : value / 100;
}

MetadataTemplate EditedTemplate(const MetadataTemplate& metadata, const MovieEdits& edits)
{
    MetadataTemplate edited = metadata;
    if (const std::string* description = edits.Find(EditField::Description))
        edited.description = *description;
    if (const std::string* code = edits.Find(EditField::StarRating))
        edited.starRating = RatingPosition(StarRatings(), *code);
    if (const std::string* code = edits.Find(EditField::MpaaRating))
        edited.mpaaRating = RatingPosition(MpaaRatings(), *code);
    if (const std::string* code = edits.Find(EditField::TvRating))
        edited.tvRating = RatingPosition(TvRatings(), *code);
    if (const std::string* genres = edits.Find(EditField::Genres))
        edited.genres = *genres;
    if (const std::string* actors = edits.Find(EditField::Actors))
        edited.actors = *actors;
    return edited;
}

void ApplyEditsTo(MetadataDocument& document, const MovieEdits& edits)
{
    using F = MetadataField;
    const std::string* kind = edits.Find(EditField::Kind);
    if (kind)
        document.Edit(F::IsEpisode, *kind == "episode" ? "true" : "false");
    const bool episode = kind ? *kind == "episode" : document.Shown(F::IsEpisode) != "false";
    if (const std::string* show = edits.Find(EditField::Show)) {
        document.Edit(F::Title, *show);
        document.Edit(F::SeriesTitle, *show);
    }
    const std::string* seasonEdit = edits.Find(EditField::Season);
    const std::string* episodeEdit = edits.Find(EditField::Episode);
    if (seasonEdit || episodeEdit) {
        int season = kNoNumber;
        int number = kNoNumber;
        SplitEpisodeNumber(document.Shown(F::EpisodeNumber), season, number);
        if (seasonEdit)
            season = seasonEdit->empty() ? kNoNumber : std::stoi(*seasonEdit);
        if (episodeEdit)
            number = episodeEdit->empty() ? kNoNumber : std::stoi(*episodeEdit);
        if (number != kNoNumber || episodeEdit)
            document.Edit(F::EpisodeNumber, number == kNoNumber
                                                ? std::string()
                                                : EpisodeNumberText(season == kNoNumber ? 0 : season, number));
    }
    if (const std::string* title = edits.Find(EditField::EpisodeTitle))
        document.Edit(F::EpisodeTitle, *title);
    if (const std::string* date = edits.Find(EditField::Date)) {
        const bool day = date->size() > 4;
        document.Edit(F::OriginalAirDate, day ? *date : std::string());
        // pyTivo sends movieYear instead of an episode's air date.
        document.Edit(F::MovieYear, day && episode ? std::string() : date->substr(0, 4));
    }
    if (const std::string* description = edits.Find(EditField::Description))
        document.Edit(F::Description, *description);
    const std::pair<EditField, F> ratings[] = {{EditField::StarRating, F::StarRating},
                                               {EditField::MpaaRating, F::MpaaRating},
                                               {EditField::TvRating, F::TvRating}};
    for (const auto& [field, key] : ratings) {
        if (const std::string* code = edits.Find(field))
            document.Edit(key, *code);
    }
    if (const std::string* genres = edits.Find(EditField::Genres))
        document.Edit(F::ProgramGenre, LinesOfList(*genres));
    if (const std::string* actors = edits.Find(EditField::Actors))
        document.Edit(F::Actor, LinesOfList(*actors));
}
