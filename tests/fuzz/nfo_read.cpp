// A .nfo file, whatever bytes it holds: reading it as pyTivo does never
// fails; what comes of it is UTF-8 text from that file, ratings pyTivo's
// numbers and the years and episode numbers in pyTivo's shapes, and bytes
// that give no XML say where the parser stopped.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/pytivo/PyTivoNfo.h"
#include "core/pytivo/PythonRules.h"
#include "platform/Text.h"
#include "FuzzPieces.h"

namespace {

void Check(bool holds)
{
    if (!holds)
        std::abort();
}

void CheckValues(const PyTivoValues& values, const std::string& path)
{
    for (const auto& value : values) {
        Check(IsUtf8(value.first) && IsUtf8(value.second.text));
        const bool list = value.first[0] == 'v';
        Check(list == (value.second.kind == PyTivoValue::Kind::List));
        for (const PyTivoItem& item : value.second.items)
            Check(IsUtf8(item.text) && item.source == path);
        if (value.second.kind == PyTivoValue::Kind::Number)
            Check(value.second.text == std::to_string(value.second.number));
        else if (!list)
            Check(value.second.source == path && !value.second.text.empty());
    }
}

// The pieces of Kodi's files.
const char* const kPieces[] = {
    "<movie>", "</movie>", "<episodedetails>", "</episodedetails>", "<tvshow>", "</tvshow>",
    "<title>", "</title>", "<showtitle>", "</showtitle>", "<plot>", "</plot>", "<year>", "</year>",
    "<rating>", "</rating>", "<mpaa>", "</mpaa>", "<aired>", "</aired>", "<season>", "</season>",
    "<episode>", "</episode>", "<displayseason>", "</displayseason>", "<displayepisode>",
    "</displayepisode>", "<genre>", "</genre>", "<credits>", "</credits>", "<director>", "</director>",
    "<actor>", "</actor>", "<name>", "</name>", "<![CDATA[", "]]>", "<!--", "-->", "<?p ", "?>",
    "\n", "  ", "-1", "7.5", "PG-13", "TV-14", "2010-05-04", "&amp;", "http://x.y/z", "\n\n",
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    const std::string path = "M.nfo";
    FuzzedDataProvider data(bytes, size);
    const NfoDocument document(BytesOrPieces(data, kPieces));
    if (!document.IsXml()) {
        Check(document.Fault().line >= 1 && !document.Fault().text.empty());
        Check(document.Elements().empty());
        return 0;
    }
    std::vector<PyTivoProblem> problems;
    const PyTivoValues show = ShowNfoValues(document, path, problems);
    CheckValues(show, path);
    const PyTivoValues values = MovieNfoValues(document, path, show, problems);
    CheckValues(values, path);
    for (const PyTivoProblem& problem : problems)
        Check(problem.path == path && !problem.why.empty());

    const NfoKind kind = KindOfNfo(document);
    Check((kind == NfoKind::Other) == values.empty());
    if (kind != NfoKind::Other)
        Check(values.at("isEpisode").text == (kind == NfoKind::Episode ? "true" : "false"));
    for (const char* rating : {"tvRating", "mpaaRating"}) {
        const auto found = values.find(rating);
        Check(found == values.end() ||
              (found->second.kind == PyTivoValue::Kind::Number && found->second.number >= 1 &&
               found->second.number <= 8));
    }
    const auto number = values.find("episodeNumber");
    Check(number == values.end() || PythonIntText(number->second.text).has_value());
    const auto year = values.find("movieYear");
    Check(year == values.end() || (year->second.text.size() >= 4 && PythonIntText(year->second.text)));
    return 0;
}
