// Matching a library's name to TMDB's candidates, never by a guess: the
// normalized name (table), the year when known, exactly one such
// candidate; otherwise the reason.
#include <gtest/gtest.h>

#include "core/lookup/TmdbMatch.h"
#include "core/lookup/TmdbSetup.h"

namespace {

TmdbCandidate Candidate(long long id, const char* name, int year, const char* original = "")
{
    TmdbCandidate candidate;
    candidate.id = id;
    candidate.name = name;
    candidate.originalName = original;
    candidate.year = year;
    return candidate;
}

}  // namespace

TEST(TmdbMatch, NamesAreComparedWithoutCasePunctuationSpacesAndAccents)
{
    const struct {
        const char* a;
        const char* b;
        bool same;
    } cases[] = {
        {"Marvel's Agents of S.H.I.E.L.D.", "Marvels Agents of S H I E L D", true},
        {"Grey’s Anatomy", "Greys Anatomy", true},
        {"Law & Order", "Law and Order", true},
        {"Amélie", "Amelie", true},
        {"Straße", "Strasse", true},
        {"Łódź", "Lodz", true},
        {"Œdipe", "Oedipe", true},
        {"Doctor Who", "DOCTOR-WHO", true},
        {"攻殻機動隊", "攻殻機動隊", true},
        {"Сериал", "Сериал", true},
        {"The Office", "Office", false},  // no article dropped: that would be a guess
        {"Heat", "Heat 2", false},
        {"", "", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.same, NormalizedTitle(c.a) == NormalizedTitle(c.b)) << c.a << " / " << c.b;
    EXPECT_EQ("marvelsagentsofshield", NormalizedTitle("Marvel's Agents of S.H.I.E.L.D."));
}

TEST(TmdbMatch, TakesOnlyTheOneCandidateOfThatNameAndYear)
{
    const std::vector<TmdbCandidate> found = {Candidate(57243, "Doctor Who", 2005),
                                              Candidate(121, "Doctor Who", 1963),
                                              Candidate(9, "Doctor Who Confidential", 2005)};
    const struct {
        const char* what;
        const char* name;
        int year;
        long long id;  // 0: none taken
        const char* reason;
    } cases[] = {
        {"the year tells two namesakes apart", "Doctor Who", 2005, 57243, ""},
        {"the other year the other one", "Doctor.Who", 1963, 121, ""},
        {"without a year two namesakes are no match", "Doctor Who", 0, 0,
         "2 shows on TMDB are named \"Doctor Who\""},
        {"a year no namesake has", "Doctor Who", 1999, 0, "no show named \"Doctor Who\" on TMDB is of 1999"},
        {"a longer name is another show", "Doctor", 0, 0, "no show on TMDB is named exactly \"Doctor\""},
    };
    for (const auto& c : cases) {
        const TmdbChoice choice = ChooseCandidate(c.name, c.year, TmdbKind::Show, found);
        EXPECT_EQ(c.id != 0, choice.matched) << c.what;
        EXPECT_EQ(c.id, choice.matched ? choice.candidate.id : 0) << c.what;
        EXPECT_EQ(c.reason, choice.reason) << c.what;
    }
    EXPECT_EQ("TMDB knows no movie named \"Heat\"", ChooseCandidate("Heat", 0, TmdbKind::Movie, {}).reason);
}

TEST(TmdbMatch, TheOriginalNameCountsAsMuchAsTheTranslatedOne)
{
    const std::vector<TmdbCandidate> found = {Candidate(194, "Amélie", 2001, "Le Fabuleux Destin d'Amélie Poulain")};
    EXPECT_TRUE(ChooseCandidate("Le Fabuleux Destin d Amelie Poulain", 2001, TmdbKind::Movie, found).matched);
    EXPECT_TRUE(ChooseCandidate("Amelie", 0, TmdbKind::Movie, found).matched);
}

TEST(TmdbMatch, AnOverviewIsCutAfterItsFirstWords)
{
    EXPECT_EQ("one two three...", OverviewStart("one two  three\nfour", 3));
    EXPECT_EQ("one two three", OverviewStart(" one two three ", 3));
    EXPECT_EQ("", OverviewStart("", 3));
}

TEST(TmdbMatch, AChoiceKeptInTheSettingsReplacesAnEarlierOneOfTheSameNameAndYearOnly)
{
    Settings settings;
    settings.Matches = {{"the office", "tv/1"}, {"Doctor Who (2005)", "57243"}};
    RememberMatch(settings, TmdbKind::Show, "The Office", 0, 2996);
    RememberMatch(settings, TmdbKind::Show, "Doctor Who", 1963, 121);
    RememberMatch(settings, TmdbKind::Movie, "Heat", 1995, 949);
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"The Office", "tv/2996"}, {"Doctor Who (2005)", "57243"}, {"Doctor Who (1963)", "tv/121"},
        {"Heat (1995)", "movie/949"}};
    EXPECT_EQ(expected, settings.Matches);
    std::vector<std::string> leftOut;
    const TmdbMatches matches = TmdbMatchesOf(settings, leftOut);
    EXPECT_TRUE(leftOut.empty());
    EXPECT_EQ(2996, matches.Find(TmdbKind::Show, "The Office", 0));
    EXPECT_EQ(121, matches.Find(TmdbKind::Show, "Doctor Who", 1963));
    EXPECT_EQ(0, matches.Find(TmdbKind::Show, "Heat", 1995));  // chosen as a movie only
}
