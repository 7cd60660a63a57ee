#pragma once
// pyTivo's three rating tables, which turn the texts of its sources into
// the numbers the TiVo takes, and the words it sends with each number.
#include <optional>
#include <string>

enum class PyTivoRating { Tv, Mpaa, Star };

// The key pyTivo keeps the rating under: "tvRating", "mpaaRating" or "starRating".
const char* RatingKey(PyTivoRating rating);

// The number the table gives the text, matched exactly (letter case
// counts: the callers that ignore it upper-case first); nothing when the
// table has no such entry. TV: "TV-14", "TV14", "14", "X5" are 5; MPAA:
// "PG-13", "PG13", "P3" are 3; stars: "3", "***", "X5" are 5.
std::optional<int> RatingTableNumber(PyTivoRating rating, const std::string& text);

// The words sent with a rating number ("PG-13" for MPAA 3, "14" for TV 5,
// "3.5" for 6 stars); for a number outside the table "NR" (TV, MPAA) or
// nothing (stars).
std::string RatingName(PyTivoRating rating, long long number);
