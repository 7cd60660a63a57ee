#include <algorithm>
#include <map>

#include "core/pytivo/PyTivoRatings.h"
#include "core/pytivo/PyTivoTagValues.h"

// pyTivo's from_mscore, over the attributes of an ASF header as its
// mutagen 1.20 reads them.
namespace {

// str() of an attribute as pyTivo's from_mscore makes it; nothing when
// Python cannot (a text that is not ASCII) or it is empty.
std::optional<std::string> AttributeText(const AsfAttribute& attribute)
{
    std::string text;
    switch (attribute.kind) {
    case AsfAttribute::Kind::Text:
        text = attribute.text;
        while (!text.empty() && text.back() == '\0')
            text.pop_back();
        text.erase(0, text.find_first_not_of('\0') == std::string::npos ? text.size() : text.find_first_not_of('\0'));
        if (std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; }))
            return std::nullopt;
        break;
    case AsfAttribute::Kind::Bytes:
        text = "[binary data (" + std::to_string(attribute.text.size()) + " bytes)]";
        break;
    case AsfAttribute::Kind::Guid:
        text = DecodedUtf8(attribute.text);
        break;
    case AsfAttribute::Kind::Bool:
        text = attribute.number ? "True" : "False";
        break;
    default:
        text = std::to_string(attribute.number);
        break;
    }
    if (text.empty())
        return std::nullopt;
    return text;
}

std::vector<std::string> Split(const std::string& text, char separator)
{
    std::vector<std::string> parts(1);
    for (const char c : text) {
        if (c == separator)
            parts.emplace_back();
        else
            parts.back() += c;
    }
    return parts;
}

void AppendNonEmpty(std::vector<std::string>& to, const std::vector<std::string>& from)
{
    for (const std::string& part : from)
        if (!part.empty())
            to.push_back(part);
}

// from_mscore: each key from the first value of its attributes, a later
// attribute in its list winning.
}  // namespace

void ReadMscoreTags(const MovieTags& tags, TagValues& values)
{
    const auto firstValue = [&](const std::string& name) -> std::optional<std::string> {
        // The content description's title and description come as they are.
        if (name == "Title" && !tags.asfTitle.empty())
            return tags.asfTitle;
        if (name == "Description" && !tags.asfDescription.empty())
            return tags.asfDescription;
        for (const AsfAttribute& attribute : tags.attributes)
            if (attribute.name == name)
                return AttributeText(attribute);
        return std::nullopt;
    };
    std::map<std::string, std::string> found;
    const std::pair<const char*, std::vector<const char*>> keys[] = {
        {"title", {"Title"}},
        {"description", {"Description", "WM/SubTitleDescription"}},
        {"episodeTitle", {"WM/SubTitle"}},
        {"callsign", {"WM/MediaStationCallSign"}},
        {"displayMajorNumber", {"WM/MediaOriginalChannel"}},
        {"originalAirDate", {"WM/MediaOriginalBroadcastDateTime"}},
        {"rating", {"WM/ParentalRating"}},
        {"credits", {"WM/MediaCredits"}},
        {"genre", {"WM/Genre"}},
    };
    for (const auto& [key, names] : keys)
        for (const char* name : names)
            if (std::optional<std::string> text = firstValue(name))
                found[key] = *text;
    for (const char* key : {"title", "description", "episodeTitle", "callsign", "displayMajorNumber",
                            "originalAirDate"})
        if (found.count(key))
            values.Text(key, found[key]);
    if (found.count("episodeTitle") && found.count("title"))
        values.Text("seriesTitle", found["title"]);
    if (found.count("genre")) {
        values.List("vProgramGenre", Split(found["genre"], ','));
        values.List("vSeriesGenre", Split(found["genre"], ','));
    }
    if (found.count("credits")) {
        std::vector<std::vector<std::string>> parts;
        for (const std::string& part : Split(found["credits"], ';'))
            parts.push_back(Split(part, '/'));
        if (parts.size() > 3) {
            std::vector<std::string> actors, directors;
            AppendNonEmpty(actors, parts[0]);
            AppendNonEmpty(actors, parts[3]);
            AppendNonEmpty(directors, parts[1]);
            values.List("vActor", actors);
            values.List("vDirector", directors);
        }
    }
    if (found.count("rating")) {
        if (std::optional<int> number = RatingTableNumber(PyTivoRating::Tv, found["rating"]))
            values.Number("tvRating", *number);
    }
}

