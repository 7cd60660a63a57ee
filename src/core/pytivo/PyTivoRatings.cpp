#include "core/pytivo/PyTivoRatings.h"

#include <vector>

namespace {

struct Entry {
    const char* text;
    int number;
};

const std::vector<Entry>& TableOf(PyTivoRating rating)
{
    static const std::vector<Entry> tv = {
        {"TV-Y7", 1}, {"TV-Y", 2}, {"TV-G", 3},    {"TV-PG", 4}, {"TV-14", 5}, {"TV-MA", 6}, {"TV-NR", 7},
        {"TVY7", 1},  {"TVY", 2},  {"TVG", 3},     {"TVPG", 4},  {"TV14", 5},  {"TVMA", 6},  {"TVNR", 7},
        {"Y7", 1},    {"Y", 2},    {"G", 3},       {"PG", 4},    {"14", 5},    {"MA", 6},    {"NR", 7},
        {"UNRATED", 7}, {"X1", 1}, {"X2", 2},      {"X3", 3},    {"X4", 4},    {"X5", 5},    {"X6", 6},
        {"X7", 7}};
    static const std::vector<Entry> mpaa = {
        {"G", 1},  {"PG", 2}, {"PG-13", 3}, {"PG13", 3}, {"R", 4},  {"X", 5},  {"NC-17", 6}, {"NC17", 6}, {"NR", 8},
        {"UNRATED", 8}, {"G1", 1}, {"P2", 2}, {"P3", 3}, {"R4", 4}, {"X5", 5}, {"N6", 6},    {"N8", 8}};
    static const std::vector<Entry> star = {
        {"1", 1},  {"1.5", 2}, {"2", 3},  {"2.5", 4}, {"3", 5},  {"3.5", 6}, {"4", 7},  {"*", 1},  {"**", 3},
        {"***", 5}, {"****", 7}, {"X1", 1}, {"X2", 2}, {"X3", 3}, {"X4", 4}, {"X5", 5}, {"X6", 6}, {"X7", 7}};
    return rating == PyTivoRating::Tv ? tv : rating == PyTivoRating::Mpaa ? mpaa : star;
}

// The words of each number, from 1 on; empty where a number has none.
const std::vector<const char*>& NamesOf(PyTivoRating rating)
{
    static const std::vector<const char*> tv = {"Y7", "Y", "G", "PG", "14", "MA", "NR"};
    static const std::vector<const char*> mpaa = {"G", "PG", "PG-13", "R", "X", "NC-17", "", "NR"};
    static const std::vector<const char*> star = {"1", "1.5", "2", "2.5", "3", "3.5", "4"};
    return rating == PyTivoRating::Tv ? tv : rating == PyTivoRating::Mpaa ? mpaa : star;
}

}  // namespace

const char* RatingKey(PyTivoRating rating)
{
    return rating == PyTivoRating::Tv ? "tvRating" : rating == PyTivoRating::Mpaa ? "mpaaRating" : "starRating";
}

std::optional<int> RatingTableNumber(PyTivoRating rating, const std::string& text)
{
    for (const Entry& entry : TableOf(rating)) {
        if (text == entry.text)
            return entry.number;
    }
    return std::nullopt;
}

std::string RatingName(PyTivoRating rating, long long number)
{
    const std::vector<const char*>& names = NamesOf(rating);
    const std::string none = rating == PyTivoRating::Star ? "" : "NR";
    if (number < 1 || number > static_cast<long long>(names.size()) || !*names[number - 1])
        return none;
    return names[number - 1];
}
