#include "core/metadata/MetadataDocument.h"

#include <algorithm>

#include "core/files/TextFile.h"
#include "platform/Text.h"

namespace {

const char kUtf8Mark[] = "\xEF\xBB\xBF";
// Whether the bytes hold a character beyond ASCII.
bool HasHighBytes(const std::string& bytes)
{
    return std::any_of(bytes.begin(), bytes.end(), [](char c) { return (static_cast<unsigned char>(c) & 0x80) != 0; });
}

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

MetadataDocument::MetadataDocument(const std::string& bytes)
{
    size_t start = bytes.compare(0, 3, kUtf8Mark) == 0 ? 3 : 0;
    mark_ = bytes.substr(0, start);
    // A file that is UTF-8 as a whole (plain ASCII above all) needs no
    // decoding line by line.
    const bool utf8 = IsUtf8(bytes);
    encoding_ = !utf8                                       ? Encoding::Windows1252
                : !mark_.empty() || HasHighBytes(bytes) ? Encoding::Utf8
                                                        : Encoding::Ascii;
    while (start < bytes.size()) {
        const size_t feed = bytes.find('\n', start);
        const size_t next = feed == std::string::npos ? bytes.size() : feed + 1;
        size_t stop = feed == std::string::npos ? bytes.size() : feed;
        if (feed != std::string::npos && stop > start && bytes[stop - 1] == '\r')
            --stop;
        Line line{bytes.substr(start, stop - start), bytes.substr(stop, next - stop), std::string(), -1};
        line.text = utf8 ? line.bytes : DecodeLine(line.bytes);
        if (end_.empty())
            end_ = line.end;
        lines_.push_back(std::move(line));
        start = next;
    }
    if (end_.empty())
        end_ = "\r\n";
    for (Line& line : lines_) {
        const size_t colon = line.text.find(':');
        const std::string key = colon == std::string::npos ? std::string() : Trim(line.text.substr(0, colon));
        for (int field = 0; field < kMetadataFieldCount && line.owner < 0; ++field)
            line.owner = key == kKeys[field] ? field : -1;
        if (line.owner < 0)
            continue;
        const std::string value = Trim(line.text.substr(colon + 1));
        std::string& shown = shown_[line.owner];
        if (IsMultiValue(static_cast<MetadataField>(line.owner))) {
            if (!value.empty())
                shown += (shown.empty() ? "" : "\n") + value;
        } else if (line.owner == Index(MetadataField::OriginalAirDate) && IsAirTime(value) &&
                   value.compare(10, std::string::npos, kMidnight) == 0) {
            shown = value.substr(0, 10);
        } else {
            shown = value;  // the last line of a key is the one pyTivo keeps
        }
    }
    edited_ = shown_;
}

std::string MetadataDocument::OtherLines() const
{
    std::string text;
    for (const Line& line : lines_) {
        if (line.owner < 0)
            text += line.text + "\n";
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

std::string MetadataDocument::ComposeIn(bool utf8, bool& fits) const
{
    const bool recode = utf8 && encoding_ == Encoding::Windows1252;
    // Lines written anew: in the file's code page, with its line end.
    const auto fresh = [&](const std::string& text) {
        std::string bytes;
        if (recode || encoding_ == Encoding::Utf8)
            bytes = text;
        else if (encoding_ == Encoding::Ascii)
            bytes = EncodeText(text);
        else if (!ToWindows1252(text, bytes))
            fits = false;
        std::string ended;
        for (char c : bytes)
            ended += c == '\n' ? end_ : std::string(1, c);
        return ended;
    };
    std::string out = mark_;
    bool open = false;  // the last line so far has no line end
    const auto add = [&](const std::string& bytes) {
        if (bytes.empty())
            return;
        out += (open ? end_ : "") + bytes;
        open = bytes.back() != '\n';
    };
    std::array<bool, kMetadataFieldCount> written = {};
    for (const Line& line : lines_) {
        if (line.owner < 0 || !Changed(line.owner)) {
            add((recode ? line.text : line.bytes) + line.end);
        } else if (!written[line.owner]) {
            // A changed field takes the place of its first line; its other
            // lines go.
            add(fresh(FieldLines(line.owner)));
            written[line.owner] = true;
        }
    }
    for (int field = 0; field < kMetadataFieldCount; ++field) {
        if (!written[field] && Changed(field))
            add(fresh(FieldLines(field)));
    }
    return out;
}

std::string MetadataDocument::Compose() const
{
    // A new character that the file's code page has no place for turns the
    // whole file UTF-8: one file, one code page.
    bool fits = true;
    const std::string bytes = ComposeIn(false, fits);
    return fits ? bytes : ComposeIn(true, fits);
}
