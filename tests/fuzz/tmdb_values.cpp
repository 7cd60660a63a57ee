// A TMDB answer, whatever bytes it holds: reading it as a search, a show,
// a season or a movie never fails, and what a file would get of it keeps
// to pyTivo's shapes: every text one line of UTF-8, at most 10 names a
// list, names as "Last|First", ratings the codes pyTivo's tables know,
// air dates as YYYY-MM-DDT00:00:00Z, "TMDB" as every value's source.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/lookup/TmdbAnswers.h"
#include "core/lookup/TmdbValues.h"
#include "core/pytivo/PyTivoRatings.h"
#include "platform/Text.h"
#include "FuzzPieces.h"

namespace {

void Check(bool holds)
{
    if (!holds)
        std::abort();
}

bool OneLine(const std::string& text)
{
    for (const char c : text) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            return false;
    }
    return IsUtf8(text) && (text.empty() || (text.front() != ' ' && text.back() != ' '));
}

void CheckValues(const PyTivoValues& values)
{
    for (const auto& [key, value] : values) {
        Check(value.source == kTmdbSource);
        if (key[0] == 'v') {
            Check(value.kind == PyTivoValue::Kind::List);
            Check(!value.items.empty() && value.items.size() <= kMostNames);
            const bool people = key != "vProgramGenre" && key != "vSeriesGenre";
            for (const PyTivoItem& item : value.items) {
                Check(OneLine(item.text) && !item.text.empty() && item.source == kTmdbSource);
                if (people) {
                    const size_t bar = item.text.find('|');
                    Check(bar != std::string::npos && bar > 0 && item.text.find('|', bar + 1) == std::string::npos);
                }
            }
            continue;
        }
        Check(value.kind == PyTivoValue::Kind::Text && OneLine(value.text) && !value.text.empty());
        if (key == "originalAirDate")
            Check(value.text.size() == 20 && value.text.compare(10, 10, "T00:00:00Z") == 0);
        if (key == "movieYear")
            Check(value.text.size() == 4 && IsAllDigits(value.text));
        for (const PyTivoRating rating : {PyTivoRating::Tv, PyTivoRating::Mpaa, PyTivoRating::Star}) {
            if (key == RatingKey(rating)) {
                std::string upper = value.text;
                for (char& c : upper)
                    c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
                Check(RatingTableNumber(rating, upper).has_value());
            }
        }
    }
}

// The pieces of TMDB's answers.
const char* const kPieces[] = {
    "{", "}", "[", "]", ",", ":", "\"", "null", "true", "0", "-1", "7.5", "1e309", "99999999999999999999",
    "\"id\":", "\"name\":", "\"title\":", "\"original_name\":", "\"overview\":", "\"first_air_date\":",
    "\"release_date\":", "\"air_date\":", "\"results\":", "\"episodes\":", "\"seasons\":", "\"genres\":",
    "\"credits\":", "\"cast\":", "\"crew\":", "\"guest_stars\":", "\"order\":", "\"job\":", "\"Director\"",
    "\"department\":", "\"Writing\"", "\"content_ratings\":", "\"release_dates\":", "\"iso_3166_1\":",
    "\"US\"", "\"rating\":", "\"certification\":", "\"type\":", "3", "\"TV-14\"", "\"PG-13\"",
    "\"season_number\":", "\"episode_number\":", "\"vote_average\":", "\"vote_count\":", "\"2011-04-17\"",
    "\"A B\"", "\"a\\nb\"", "\"x|y\"", "\"\\u0000\"", "\"Robert Downey Jr.\"", " ", "\n",
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    const std::string answer = BytesOrPieces(data, kPieces);
    std::string why;
    std::vector<TmdbCandidate> found;
    for (const TmdbKind kind : {TmdbKind::Show, TmdbKind::Movie}) {
        if (ReadTmdbSearch(answer, kind, found, why)) {
            for (const TmdbCandidate& candidate : found)
                Check(candidate.id > 0 && !candidate.name.empty());
        } else {
            Check(!why.empty());
        }
    }
    TmdbShow show;
    const bool isShow = ReadTmdbShow(answer, show, why);
    TmdbSeason season;
    if (ReadTmdbSeason(answer, season, why)) {
        std::vector<const TmdbEpisode*> episodes;
        for (const TmdbEpisode& episode : season.episodes)
            episodes.push_back(&episode);
        CheckValues(EpisodeValues(show, episodes));
    }
    if (isShow)
        CheckValues(EpisodeValues(show, {}));
    TmdbMovie movie;
    if (ReadTmdbMovie(answer, movie, why))
        CheckValues(MovieValues(movie));
    return 0;
}
