#include "core/metadata/MetadataDocument.h"

#include "platform/Text.h"

namespace {

const char* const kKeys[kMetadataFieldCount] = {
    "title",      "seriesTitle", "episodeTitle",  "episodeNumber", "originalAirDate",
    "movieYear",  "description", "isEpisode",     "seriesId",      "tvRating",
    "mpaaRating", "starRating",  "vProgramGenre", "vActor",        "vDirector",
};

// pyTivo drops the white space around keys and values.
std::string Trim(const std::string& text)
{
    return TrimmedOf(text, " \t\r\n\f\v");
}

// The values of a multi-value field's text: one a line, blank lines left out.
std::vector<std::string> SplitValues(const std::string& text)
{
    std::vector<std::string> values;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t end = text.find_first_of("\r\n", start);
        const std::string value = Trim(text.substr(start, end - start));
        if (!value.empty())
            values.push_back(value);
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return values;
}

bool AllDigits(const std::string& text, size_t from, size_t count)
{
    return from + count <= text.size() && IsAllDigits(text.substr(from, count));
}

int Number(const std::string& text, size_t from, size_t count)
{
    return std::stoi(text.substr(from, count));
}

// "YYYY-MM-DDThh:mm:ssZ", the form pyTivo reads.
bool IsAirTime(const std::string& text)
{
    return text.size() == 20 && IsAirDate(text.substr(0, 10)) && text[10] == 'T' && AllDigits(text, 11, 2) &&
           text[13] == ':' && AllDigits(text, 14, 2) && text[16] == ':' && AllDigits(text, 17, 2) &&
           text[19] == 'Z' && Number(text, 11, 2) < 24 && Number(text, 14, 2) < 60 &&
           Number(text, 17, 2) < 60;
}

const char kMidnight[] = "T00:00:00Z";

// The air date as written: a typed day becomes that day at midnight UTC; a
// full time stays as typed. Empty when the text is neither.
std::string WrittenAirDate(const std::string& text)
{
    if (IsAirDate(text))
        return AirDateOf(text) + kMidnight;
    return IsAirTime(text) ? text : std::string();
}

// Keys pyTivo reads as lists: one line per value.
bool IsMultiValue(MetadataField field)
{
    return field == MetadataField::ProgramGenre || field == MetadataField::Actor ||
           field == MetadataField::Director;
}

}  // namespace

int RatingPosition(const RatingTable& table, const std::string& code)
{
    for (size_t i = 0; i < table.codes.size(); ++i) {
        if (table.codes[i] == code)
            return static_cast<int>(i);
    }
    return -1;
}

MetadataDocument::MetadataDocument(std::vector<std::string> lines) : lines_(std::move(lines))
{
    for (const std::string& line : lines_) {
        int owner = -1;
        const size_t colon = line.find(':');
        const std::string key = colon == std::string::npos ? std::string() : Trim(line.substr(0, colon));
        for (int field = 0; field < kMetadataFieldCount && owner < 0; ++field)
            owner = key == kKeys[field] ? field : -1;
        owner_.push_back(owner);
        if (owner < 0)
            continue;
        const std::string value = Trim(line.substr(colon + 1));
        std::string& shown = shown_[owner];
        if (IsMultiValue(static_cast<MetadataField>(owner))) {
            if (!value.empty())
                shown += (shown.empty() ? "" : "\n") + value;
        } else if (owner == Index(MetadataField::OriginalAirDate) && IsAirTime(value) &&
                   value.compare(10, std::string::npos, kMidnight) == 0) {
            shown = value.substr(0, 10);
        } else {
            shown = value;  // the last line of a key is the one pyTivo keeps
        }
    }
    edited_ = shown_;
}

MetadataDocument MetadataDocument::FromText(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return MetadataDocument(std::move(lines));
}

std::string MetadataDocument::OtherLines() const
{
    std::string text;
    for (size_t i = 0; i < lines_.size(); ++i) {
        if (owner_[i] < 0)
            text += lines_[i] + "\n";
    }
    return text;
}

bool MetadataDocument::Changed(int field) const
{
    if (IsMultiValue(static_cast<MetadataField>(field)))
        return SplitValues(edited_[field]) != SplitValues(shown_[field]);
    return Trim(edited_[field]) != shown_[field];
}

std::string MetadataDocument::Check(MetadataField* field) const
{
    const std::string number = Trim(edited_[Index(MetadataField::EpisodeNumber)]);
    if (Changed(Index(MetadataField::EpisodeNumber)) && !number.empty() && !IsAllDigits(number)) {
        *field = MetadataField::EpisodeNumber;
        return "The episode number takes digits only, such as 7 or 104.";
    }
    const std::string airDate = Trim(edited_[Index(MetadataField::OriginalAirDate)]);
    if (Changed(Index(MetadataField::OriginalAirDate)) && !airDate.empty() &&
        WrittenAirDate(airDate).empty()) {
        *field = MetadataField::OriginalAirDate;
        return "The original air date is a day written YYYY-MM-DD, such as 2012-05-04.";
    }
    return std::string();
}

std::string MetadataDocument::FieldLines(int field) const
{
    const char* key = kKeys[field];
    std::string lines;
    if (IsMultiValue(static_cast<MetadataField>(field))) {
        for (const std::string& value : SplitValues(edited_[field]))
            lines += MetadataLine(key, value);
        return lines;
    }
    std::string value = Trim(edited_[field]);
    if (field == Index(MetadataField::OriginalAirDate) && !WrittenAirDate(value).empty())
        value = WrittenAirDate(value);
    return value.empty() ? std::string() : MetadataLine(key, value);
}

std::string MetadataDocument::Compose() const
{
    std::array<bool, kMetadataFieldCount> written = {};
    std::string text;
    for (size_t i = 0; i < lines_.size(); ++i) {
        const int field = owner_[i];
        if (field < 0 || !Changed(field)) {
            text += lines_[i] + "\n";
        } else if (!written[field]) {
            // A changed field takes the place of its first line; its other
            // lines go.
            text += FieldLines(field);
            written[field] = true;
        }
    }
    for (int field = 0; field < kMetadataFieldCount; ++field) {
        if (!written[field] && Changed(field))
            text += FieldLines(field);
    }
    return text;
}
