#include "core/pytivo/PyTivoTags.h"

#include <cctype>

#include "core/pytivo/PyTivoTagValues.h"
#include "core/pytivo/PythonRules.h"
#include "platform/SystemError.h"
#include "platform/Text.h"

namespace {

const char kTagSourcePrefix[] = "tags in ";

std::string Lowered(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace

bool StartsWith(const std::string& text, const char* start)
{
    return text.compare(0, std::char_traits<char>::length(start), start) == 0;
}

// bytes.decode("utf-8", "replace").
std::string DecodedUtf8(const std::string& bytes)
{
    return IsUtf8(bytes) ? bytes : FromUtf16(ToUtf16(bytes));
}

namespace {

std::string OutcomeText(const MovieTags& tags, MovieContainer container)
{
    const char* kind = container == MovieContainer::Mp4 ? "an MP4 file" : "a Windows Media (ASF) file";
    switch (tags.outcome) {
    case MovieTags::Outcome::OtherFormat:
        return std::string("it is not ") + kind + " as its name says, so pyTivo reads no tags from it";
    case MovieTags::Outcome::Damaged:
        return "its tags cannot be read: the file is cut short or damaged (is it still being copied?)";
    case MovieTags::Outcome::TooLarge:
        return "a tag in it claims more than 64 MiB; its tags were not read";
    case MovieTags::Outcome::NotAFile:
        return "it is not a file";
    default:
        return "its tags cannot be read: " + SystemErrorLine(tags.error);
    }
}

}  // namespace

std::optional<MovieContainer> TagContainerOf(const std::string& movieName)
{
    const std::string extension = Lowered(movieName.substr(PythonStem(movieName).size()));
    if (extension == ".mp4" || extension == ".m4v" || extension == ".mov")
        return MovieContainer::Mp4;
    if (extension == ".dvr-ms" || extension == ".asf" || extension == ".wmv")
        return MovieContainer::Asf;
    return std::nullopt;
}

std::string TagSourceOf(const std::string& moviePath)
{
    return kTagSourcePrefix + moviePath;
}

bool IsTagSource(const std::string& source)
{
    return StartsWith(source, kTagSourcePrefix);
}

PyTivoTagReading PyTivoTagValues(const MovieTags& tags, MovieContainer container, const std::string& moviePath)
{
    PyTivoTagReading reading;
    const std::string source = TagSourceOf(moviePath);
    if (tags.outcome != MovieTags::Outcome::Read) {
        reading.problems.push_back({source, OutcomeText(tags, container)});
        return reading;
    }
    TagValues values(source);
    if (container == MovieContainer::Asf) {
        ReadMscoreTags(tags, values);
    } else if (std::optional<std::string> why = ReadMoovTags(tags, values)) {
        reading.problems.push_back({source, *why});
        return reading;
    }
    reading.values = values.Take();
    return reading;
}
