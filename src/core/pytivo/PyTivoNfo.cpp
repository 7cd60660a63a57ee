#include "core/pytivo/PyTivoNfo.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "core/pytivo/PyTivoRatings.h"
#include "core/pytivo/PythonRules.h"

namespace {

const size_t kNone = static_cast<size_t>(-1);

// The file's lines as Python gives them (ended by line feeds only), each
// stripped.
std::vector<std::string> StrippedLines(const std::string& bytes)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        const size_t end = std::min(bytes.find('\n', start), bytes.size());
        lines.push_back(PythonStripped(bytes.substr(start, end - start)));
        start = end + 1;
    }
    return lines;
}

std::string Joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (size_t i = 0; i < lines.size(); ++i)
        text += (i ? "\n" : "") + lines[i];
    return text;
}

size_t FindFirst(const std::vector<NfoElement>& elements, const std::string& name)
{
    for (size_t i = 0; i < elements.size(); ++i) {
        if (elements[i].name == name)
            return i;
    }
    return kNone;
}

// One .nfo file's reading: its elements, its path, and where what pyTivo
// would stop on goes.
class Reading {
public:
    Reading(const NfoDocument& document, const std::string& path, std::vector<PyTivoProblem>& problems)
        : elements_(document.Elements()), path_(path), problems_(problems)
    {
    }

    // Takes each item's text from the element's first child element of the
    // item's name when there is text: {key, element name}.
    void Take(size_t element, const std::vector<std::pair<const char*, const char*>>& items, PyTivoValues& values)
    {
        for (const auto& item : items) {
            const std::string data = ChildData(element, item.second);
            if (!data.empty())
                values[item.first] = TextValue(data, path_);
        }
    }

    // The text of the element's first child element of the name; "" when
    // there is none.
    std::string ChildData(size_t element, const std::string& name)
    {
        for (size_t child = element + 1; child < elements_[element].end; child = elements_[child].end) {
            if (elements_[child].name == name)
                return DataOf(child);
        }
        return std::string();
    }

    // Adds the lists: each text once, after those the show gave.
    void TakeLists(size_t element, PyTivoValues& values)
    {
        static const std::pair<const char*, const char*> lists[] = {
            {"vGenre", "genre"}, {"vWriter", "credits"}, {"vDirector", "director"}, {"vActor", "actor/name"}};
        for (const auto& list : lists) {
            const std::vector<std::string> texts = Texts(element, list.second);
            if (texts.empty())
                continue;
            PyTivoValue& value = values[list.first];
            value.kind = PyTivoValue::Kind::List;
            std::set<std::string> seen;
            for (const PyTivoItem& item : value.items)
                seen.insert(item.text);
            for (const std::string& text : texts) {
                if (seen.insert(text).second)
                    value.items.push_back({text, path_});
            }
        }
        const auto genres = values.find("vGenre");
        if (genres != values.end())
            values["vSeriesGenre"] = values["vProgramGenre"] = genres->second;
    }

    // Records what pyTivo stops on, once.
    void Stop(const std::string& why)
    {
        const PyTivoProblem problem{path_, "pyTivo stops on this file: " + why};
        const auto same = [&](const PyTivoProblem& p) { return p.path == problem.path && p.why == problem.why; };
        if (std::none_of(problems_.begin(), problems_.end(), same))
            problems_.push_back(problem);
    }

private:
    std::string DataOf(size_t element)
    {
        if (elements_[element].first == NfoElement::First::Element)
            Stop("<" + elements_[element].name + "> holds an element where pyTivo reads text");
        return elements_[element].data;
    }

    // The texts of the elements at the path ("actor/name") below the
    // element, each step any depth down, in document order. Only the
    // outermost element of each step is followed: one inside another gives
    // texts that the outer one gave already.
    std::vector<std::string> Texts(size_t element, const std::string& path)
    {
        std::vector<size_t> found{element};
        size_t start = 0;
        while (start <= path.size()) {
            const size_t slash = std::min(path.find('/', start), path.size());
            const std::string name = path.substr(start, slash - start);
            const bool last = slash == path.size();
            std::vector<size_t> below;
            for (size_t above : found) {
                for (size_t i = above + 1; i < elements_[above].end;) {
                    const bool match = elements_[i].name == name;
                    if (match)
                        below.push_back(i);
                    i = match && !last ? elements_[i].end : i + 1;
                }
            }
            found = below;
            start = slash + 1;
        }
        std::vector<std::string> texts;
        for (size_t at : found) {
            const std::string data = DataOf(at);
            if (elements_[at].first == NfoElement::First::Data)
                texts.push_back(data);
        }
        return texts;
    }

    const std::vector<NfoElement>& elements_;
    const std::string& path_;
    std::vector<PyTivoProblem>& problems_;
};

// "%d%02d" of the season and the episode, as pyTivo numbers an episode.
void TakeEpisodeNumber(Reading& reading, size_t episode, PyTivoValues& values, const std::string& path)
{
    std::string season = reading.ChildData(episode, "displayseason");
    if (season.empty() || season == "-1")
        season = reading.ChildData(episode, "season");
    if (season.empty())
        season = "1";
    std::string number = reading.ChildData(episode, "displayepisode");
    if (number.empty() || number == "-1")
        number = reading.ChildData(episode, "episode");
    if (number.empty() || number == "-1")
        return;
    const std::optional<std::string> seasonNumber = PythonIntText(season);
    const std::optional<std::string> episodeNumber = PythonIntText(number);
    if (!seasonNumber || !episodeNumber) {
        reading.Stop("season \"" + season + "\" or episode \"" + number + "\" is not a whole number");
        return;
    }
    values["episodeNumber"] = TextValue(*seasonNumber + ZeroPadded(*episodeNumber, 2), path);
}

void TakeMovieYear(Reading& reading, PyTivoValues& values, const std::string& path)
{
    const auto year = values.find("movieYear");
    const std::string written = year == values.end() ? "0" : year->second.text;
    const std::optional<std::string> number = PythonIntText(written);
    if (number)
        values["movieYear"] = TextValue(ZeroPadded(*number, 4), path);
    else {
        reading.Stop("the year \"" + written + "\" is not a whole number");
        values.erase("movieYear");
    }
}

// The ratings made TiVo numbers; what no number comes of is dropped.
void CleanRatings(Reading& reading, PyTivoValues& values)
{
    const auto stars = values.find("starRating");
    if (stars != values.end()) {
        const std::optional<double> rating = PythonFloat(stars->second.text);
        const double tivo = rating ? std::trunc(*rating * 6 / 10 + 1.5) : 0.0;
        if (rating && tivo >= -9223372036854775808.0 && tivo < 9223372036854775808.0) {
            stars->second = NumberValue(static_cast<long long>(tivo), stars->second.source);
        } else {
            reading.Stop("the rating \"" + stars->second.text + "\" is no number of stars");
            values.erase(stars);
        }
    }
    for (PyTivoRating kind : {PyTivoRating::Mpaa, PyTivoRating::Tv}) {
        const auto rating = values.find(RatingKey(kind));
        if (rating == values.end())
            continue;
        const std::optional<int> number = RatingTableNumber(kind, rating->second.text);
        if (number)
            rating->second = NumberValue(*number, rating->second.source);
        else
            values.erase(rating);
    }
}

}  // namespace

NfoDocument::NfoDocument(const std::string& bytes)
{
    std::vector<std::string> lines = StrippedLines(bytes);
    for (;;) {
        XmlReader reader(Joined(lines));
        fault_ = reader.Error();
        if (IsXml()) {
            Build(reader);
            return;
        }
        if (fault_.kind != XmlFault::Kind::InvalidToken)
            return;
        while (lines.size() > fault_.line && lines.back().empty())
            lines.pop_back();
        if (lines.size() != fault_.line)
            return;
        lines.pop_back();
    }
}

void NfoDocument::Build(XmlReader& reader)
{
    std::vector<size_t> open;
    const auto first = [&](NfoElement::First kind, const std::string& data) {
        if (!open.empty() && elements_[open.back()].first == NfoElement::First::Nothing) {
            elements_[open.back()].first = kind;
            elements_[open.back()].data = data;
        }
    };
    while (reader.Next()) {
        switch (reader.Node()) {
        case XmlNode::Element:
            first(NfoElement::First::Element, std::string());
            elements_.emplace_back();
            elements_.back().name = reader.Name();
            open.push_back(elements_.size() - 1);
            break;
        case XmlNode::EndElement:
            if (!open.empty()) {
                elements_[open.back()].end = elements_.size();
                open.pop_back();
            }
            break;
        default:
            first(NfoElement::First::Data, reader.Value());
            break;
        }
    }
}

NfoKind KindOfNfo(const NfoDocument& document)
{
    if (FindFirst(document.Elements(), "episodedetails") != kNone)
        return NfoKind::Episode;
    return FindFirst(document.Elements(), "movie") != kNone ? NfoKind::Movie : NfoKind::Other;
}

PyTivoValues ShowNfoValues(const NfoDocument& document, const std::string& path,
                           std::vector<PyTivoProblem>& problems)
{
    PyTivoValues values;
    const size_t show = FindFirst(document.Elements(), "tvshow");
    if (show == kNone)
        return values;
    Reading reading(document, path, problems);
    reading.Take(show,
                 {{"description", "plot"},
                  {"title", "title"},
                  {"seriesTitle", "showtitle"},
                  {"starRating", "rating"},
                  {"tvRating", "mpaa"}},
                 values);
    reading.TakeLists(show, values);
    return values;
}

PyTivoValues MovieNfoValues(const NfoDocument& document, const std::string& path, const PyTivoValues& show,
                            std::vector<PyTivoProblem>& problems)
{
    PyTivoValues values;
    Reading reading(document, path, problems);
    const size_t episode = FindFirst(document.Elements(), "episodedetails");
    const size_t movie = FindFirst(document.Elements(), "movie");
    if (episode != kNone) {
        values = show;
        values["isEpisode"] = TextValue("true", path);
        reading.Take(episode,
                     {{"description", "plot"},
                      {"episodeTitle", "title"},
                      {"seriesTitle", "showtitle"},
                      {"originalAirDate", "aired"},
                      {"starRating", "rating"},
                      {"tvRating", "mpaa"}},
                     values);
        TakeEpisodeNumber(reading, episode, values, path);
        const auto aired = values.find("originalAirDate");
        if (aired != values.end())
            aired->second.text += "T00:00:00Z";
        reading.TakeLists(episode, values);
    } else if (movie != kNone) {
        values["isEpisode"] = TextValue("false", path);
        reading.Take(movie,
                     {{"description", "plot"},
                      {"title", "title"},
                      {"movieYear", "year"},
                      {"starRating", "rating"},
                      {"mpaaRating", "mpaa"}},
                     values);
        TakeMovieYear(reading, values, path);
        reading.TakeLists(movie, values);
    } else {
        return values;
    }
    CleanRatings(reading, values);
    return values;
}
