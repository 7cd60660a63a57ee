// A movie's file decided key by key against what the other files pyTivo
// reads give the movie: each rule with the two sources that compete.
#include <gtest/gtest.h>

#include "core/library/LibraryPlan.h"
#include "core/library/PlannedKeys.h"
#include "core/pytivo/PyTivoView.h"
#include "support/TempFolder.h"

namespace {

const std::string kMovie = NativePath("D:\\Films\\Heat.mkv");
const std::string kNfo = NativePath("D:\\Films\\Heat.nfo");
const std::string kDefault = NativePath("D:\\Films\\default.txt");
const std::string kMetaDefault = NativePath("D:\\Films\\.meta\\default.txt");

// The view of the movie without Reelmark's own file, Heat.mkv.txt: pyTivo's
// own title and date, then the .nfo, then default.txt, then (after the file
// Generate writes) .meta/default.txt.
PyTivoView Others(std::initializer_list<std::pair<const char*, PyTivoValue>> values)
{
    PyTivoView view;
    view.values["title"] = TextValue("Heat", kMovie);
    view.values["originalAirDate"] = TextValue("2011-05-06T07:08:09", kMovie);
    for (const auto& [key, value] : values)
        view.values[key] = value;
    view.filesRead = {kNfo, kDefault, kMetaDefault};
    view.textsFrom = 1;
    view.ownAt = 2;
    return view;
}

PyTivoValue List(std::initializer_list<std::pair<const char*, std::string>> items)
{
    PyTivoValue value;
    value.kind = PyTivoValue::Kind::List;
    for (const auto& [text, source] : items)
        value.items.push_back({text, source});
    return value;
}

// The composed movie file: what Generate always wrote.
std::vector<MetadataKeyLine> MovieFile()
{
    return {{"title", "Heat"},         {"seriesTitle", "Heat"},      {"episodeTitle", ""},
            {"seriesId", "MV123456"},  {"movieYear", "2012"},        {"description", "Home movies"},
            {"isEpisode", "false"},    {"mpaaRating", "R4"},         {"starRating", ""},
            {"vProgramGenre", "Family"}};
}

std::vector<MetadataKeyLine> EpisodeFile(const char* airDate)
{
    std::vector<MetadataKeyLine> lines = {{"title", "Show"},        {"seriesTitle", "Show"},
                                          {"episodeTitle", "Pilot"}, {"seriesId", "SH123456"},
                                          {"movieYear", "2012"},     {"description", "Home movies"},
                                          {"isEpisode", "true"},     {"tvRating", "x3"},
                                          {"starRating", "x5"},      {"episodeNumber", "101"}};
    if (*airDate)
        lines.push_back({"originalAirDate", airDate});
    return lines;
}

const PlannedKey& Key(const std::vector<PlannedKey>& keys, const std::string& key)
{
    for (const PlannedKey& planned : keys) {
        if (planned.key == key)
            return planned;
    }
    throw std::runtime_error("no key " + key);
}

bool Has(const std::vector<PlannedKey>& keys, const std::string& key)
{
    for (const PlannedKey& planned : keys) {
        if (planned.key == key)
            return true;
    }
    return false;
}

using Other = PlannedKey::Other;

}  // namespace

TEST(PlanKeys, WithoutOtherFilesEveryKeyIsWrittenAsComposed)
{
    for (OtherFiles mode : {OtherFiles::AddWhatTheyLack, OtherFiles::WholeTemplate}) {
        const std::vector<PlannedKey> keys = PlanKeys(MovieFile(), {}, true, nullptr, kMovie, mode);
        EXPECT_EQ(MetadataText(MovieFile()), WrittenText(keys));
        EXPECT_EQ("adds 8 values", KeysLine(keys, kMovie)) << "empty lines count for nothing";
    }
}

TEST(PlanKeys, AKeyAnotherFileGivesIsLeftToItOrHiddenByTheWholeTemplate)
{
    const struct {
        const char* key;
        PyTivoValue other;
        Other fill;           // what the key is beside the other file, adding only what it lacks
        bool writtenWhole;    // written with the whole template
        Other whole;          // and what it is then
        const char* file;     // the other file named
    } cases[] = {
        // The .nfo's value is read before the file: the file would hide it.
        {"description", TextValue("A heist", kNfo), Other::Before, true, Other::Before, "Heat.nfo"},
        {"mpaaRating", NumberValue(2, kNfo), Other::Before, true, Other::Before, "Heat.nfo"},
        {"seriesId", TextValue("MV000001", kDefault), Other::Before, true, Other::Before, "default.txt"},
        // A .meta file is read after it: its value shows whatever is written.
        {"description", TextValue("Sonarr's", kMetaDefault), Other::After, true, Other::After,
         ".meta\\default.txt"},
        // A value that gives pyTivo nothing is no value.
        {"description", TextValue("", kNfo), Other::None, true, Other::None, ""},
        {"mpaaRating", NumberValue(0, kNfo), Other::None, true, Other::None, ""},
        // The text files' genres take the file's lines among them; a .nfo's
        // are replaced by them.
        {"vProgramGenre", List({{"Drama", kDefault}}), Other::Before, true, Other::None, "default.txt"},
        {"vProgramGenre", List({{"Drama", kNfo}}), Other::Before, true, Other::Before, "Heat.nfo"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.key) + " from " + c.file);
        const PyTivoView others = Others({{c.key, c.other}});
        const PlannedKey fill = Key(PlanKeys(MovieFile(), {}, true, &others, kMovie, OtherFiles::AddWhatTheyLack), c.key);
        EXPECT_EQ(c.fill, fill.other);
        EXPECT_EQ(c.fill == Other::None, fill.written);
        EXPECT_EQ(*c.file ? NativePath(std::string("D:\\Films\\") + c.file) : std::string(), fill.file);
        const PlannedKey whole = Key(PlanKeys(MovieFile(), {}, true, &others, kMovie, OtherFiles::WholeTemplate), c.key);
        EXPECT_EQ(c.whole, whole.other);
        EXPECT_EQ(c.writtenWhole, whole.written);
    }
}

TEST(PlanKeys, PyTivosOwnTitleAndDateAreWhatTheFileIsFor)
{
    const PyTivoView others = Others({{"description", TextValue("A heist", kNfo)}});
    const std::vector<PlannedKey> keys = PlanKeys(MovieFile(), {}, true, &others, kMovie, OtherFiles::AddWhatTheyLack);
    EXPECT_TRUE(Key(keys, "title").written);
    EXPECT_EQ(Other::None, Key(keys, "title").other);
    EXPECT_TRUE(Key(keys, "movieYear").written);
    // Beside other files an empty line adds nothing and is left out.
    EXPECT_FALSE(Key(keys, "episodeTitle").written);
    EXPECT_FALSE(Key(keys, "starRating").written);
    EXPECT_EQ("title : Heat\nseriesTitle : Heat\nseriesId : MV123456\nmovieYear : 2012\nisEpisode : false\n"
              "mpaaRating : R4\nvProgramGenre : Family\n",
              WrittenText(keys));
    EXPECT_EQ("adds 7 values", KeysLine(keys, kMovie));
}

TEST(PlanKeys, ASeriesTitleCoversATitleAnotherFileGives)
{
    // The TiVo lists the seriesTitle before the title: the file's would
    // stand in front of the .nfo's title (and of a .meta file's).
    for (const std::string& source : {kNfo, kMetaDefault}) {
        const PyTivoView others = Others({{"title", TextValue("Heat (1995)", source)}});
        std::vector<PlannedKey> keys = PlanKeys(MovieFile(), {}, true, &others, kMovie, OtherFiles::AddWhatTheyLack);
        EXPECT_FALSE(Key(keys, "seriesTitle").written) << source;
        EXPECT_EQ(source, Key(keys, "seriesTitle").file);
        keys = PlanKeys(MovieFile(), {}, true, &others, kMovie, OtherFiles::WholeTemplate);
        EXPECT_TRUE(Key(keys, "seriesTitle").written);
        EXPECT_EQ(Other::Before, Key(keys, "seriesTitle").other) << "it hides that title";
    }
}

TEST(PlanKeys, AnEpisodeWithAnAirDateFromAnyFileHasNoMovieYear)
{
    // Its own date: never a movieYear, which pyTivo would send instead.
    std::vector<PlannedKey> keys =
        PlanKeys(EpisodeFile("2012-03-04T00:00:00Z"), {}, false, nullptr, kMovie, OtherFiles::WholeTemplate);
    EXPECT_FALSE(Has(keys, "movieYear"));
    // A date of another file, before or after the file: the same, in both
    // modes; pyTivo's own date from the file's time is no air date.
    for (const std::string& source : {kNfo, kMetaDefault}) {
        const PyTivoView others = Others({{"originalAirDate", TextValue("2012-03-04T00:00:00Z", source)}});
        for (OtherFiles mode : {OtherFiles::AddWhatTheyLack, OtherFiles::WholeTemplate}) {
            keys = PlanKeys(EpisodeFile(""), {}, false, &others, kMovie, mode);
            EXPECT_FALSE(Key(keys, "movieYear").written) << source;
            EXPECT_EQ(source, Key(keys, "movieYear").file);
        }
    }
    const PyTivoView undated = Others({{"description", TextValue("x", kNfo)}});
    EXPECT_TRUE(Key(PlanKeys(EpisodeFile(""), {}, false, &undated, kMovie, OtherFiles::AddWhatTheyLack), "movieYear")
                    .written);
    // A movie keeps its year; one that another file calls an episode does not.
    const PyTivoView dated = Others({{"originalAirDate", TextValue("2012-03-04T00:00:00Z", kDefault)}});
    EXPECT_TRUE(Key(PlanKeys(MovieFile(), {}, true, &dated, kMovie, OtherFiles::WholeTemplate), "movieYear").written);
    PyTivoView episode = dated;
    episode.values["isEpisode"] = TextValue("true", kNfo);
    EXPECT_FALSE(
        Key(PlanKeys(MovieFile(), {}, true, &episode, kMovie, OtherFiles::AddWhatTheyLack), "movieYear").written);
}

TEST(PlanKeys, TheLineSaysWhatTheFileAddsHidesAndLeavesToALaterFile)
{
    const PyTivoView others = Others({{"description", TextValue("A heist", kNfo)},
                                      {"seriesId", TextValue("MV000001", kDefault)},
                                      {"mpaaRating", NumberValue(4, kMetaDefault)}});
    std::vector<PlannedKey> keys = PlanKeys(MovieFile(), {}, true, &others, kMovie, OtherFiles::AddWhatTheyLack);
    EXPECT_EQ("adds 5 values, 1 value shown from " + NativePath(".meta\\default.txt"), KeysLine(keys, kMovie));
    keys = PlanKeys(MovieFile(), {}, true, &others, kMovie, OtherFiles::WholeTemplate);
    EXPECT_EQ("adds 5 values, hides 2 values from default.txt, Heat.nfo, 1 value shown from " +
                  NativePath(".meta\\default.txt"),
              KeysLine(keys, kMovie));
    const KeyCounts counts = CountKeys(keys);
    EXPECT_EQ(2, counts.hides);
    EXPECT_EQ((std::vector<std::string>{kDefault, kNfo}), counts.hiddenFiles);

    // Other files that give every value leave nothing to add: no file.
    const PyTivoView all = Others({{"title", TextValue("Heat", kNfo)},
                                   {"seriesId", TextValue("MV000001", kDefault)},
                                   {"movieYear", TextValue("1995", kNfo)},
                                   {"description", TextValue("A heist", kNfo)},
                                   {"isEpisode", TextValue("false", kNfo)},
                                   {"mpaaRating", NumberValue(4, kNfo)},
                                   {"vProgramGenre", List({{"Crime", kNfo}})}});
    keys = PlanKeys(MovieFile(), {}, true, &all, kMovie, OtherFiles::AddWhatTheyLack);
    EXPECT_TRUE(AddsNothing(keys));
    EXPECT_EQ("", WrittenText(keys));
    EXPECT_EQ("nothing to add", KeysLine(keys, kMovie));
    EXPECT_FALSE(AddsNothing(PlanKeys(MovieFile(), {}, true, &all, kMovie, OtherFiles::WholeTemplate)));
}

TEST(PlanKeys, ALookupFillsWhatTheTemplateWouldAndAnEditIsWrittenOverOtherFiles)
{
    const PyTivoView others = Others({{"description", TextValue("A heist", kNfo)},
                                      {"starRating", NumberValue(3, kNfo)},
                                      {"mpaaRating", NumberValue(4, kMetaDefault)}});
    const PlanValueLayer lookup{"TMDB",
                                {{"description", "From TMDB"}, {"movieYear", "1995"}, {"vActor", "Al Pacino"},
                                 {"vActor", "Robert De Niro"}},
                                false};
    const PlanValueLayer edit{"your edit", {{"starRating", "x7"}, {"mpaaRating", "R4"}}, true};
    std::vector<PlannedKey> keys =
        PlanKeys(MovieFile(), {lookup, edit}, true, &others, kMovie, OtherFiles::AddWhatTheyLack);
    EXPECT_FALSE(Key(keys, "description").written) << "the library's own file wins over a lookup";
    EXPECT_EQ("TMDB", Key(keys, "description").origin);
    EXPECT_TRUE(Key(keys, "movieYear").written);
    EXPECT_EQ((std::vector<std::string>{"1995"}), Key(keys, "movieYear").values);
    EXPECT_EQ((std::vector<std::string>{"Al Pacino", "Robert De Niro"}), Key(keys, "vActor").values);
    // The user's edit hides the .nfo's stars; a .meta file still wins on the TiVo.
    EXPECT_TRUE(Key(keys, "starRating").written);
    EXPECT_EQ(Other::Before, Key(keys, "starRating").other);
    EXPECT_TRUE(Key(keys, "mpaaRating").written);
    EXPECT_EQ(Other::After, Key(keys, "mpaaRating").other);
    EXPECT_EQ(std::string::npos, WrittenText(keys).find("description"));
    EXPECT_NE(std::string::npos, WrittenText(keys).find("vProgramGenre : Family\nvActor : Al Pacino\n"));
}

TEST(PlanKeys, TheListsSummaryLeavesOutWhatAnotherFileGivesInstead)
{
    MetadataTemplate metadata;
    metadata.parseNames = true;
    LibraryPlan plan = PlanLibrary(NativePath("D:\\Films"), {"Heat (1995).mkv"}, metadata);
    PlannedMovie& heat = plan.movies.front();
    EXPECT_EQ("movie | Heat | 1995", PlanSummary(heat));
    const PyTivoView others = Others({{"title", TextValue("Heat", kNfo)}, {"movieYear", TextValue("1995", kNfo)}});
    PlanAgainst(heat, &others, OtherFiles::AddWhatTheyLack);
    EXPECT_EQ("movie", PlanSummary(heat));
    PlanAgainst(heat, &others, OtherFiles::WholeTemplate);
    EXPECT_EQ("movie | Heat | 1995", PlanSummary(heat));
}
