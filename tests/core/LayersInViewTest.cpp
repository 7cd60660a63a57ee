// What TMDB's values stand for in What the TiVo Shows: what the next
// Generate adds from them, and which values of a movie's own file are
// theirs; the rows of what the TiVo shows keep their values.
#include <gtest/gtest.h>

#include "core/library/LayersInView.h"
#include "core/library/LibraryPlan.h"
#include "support/TempFolder.h"

namespace {

PlannedKey Key(const char* key, const char* value, PlannedKey::Other other, const char* origin)
{
    PlannedKey planned;
    planned.key = key;
    planned.values = {value};
    planned.other = other;
    planned.origin = origin;
    return planned;
}

TiVoRow Row(const char* field, const char* shown, const std::string& source)
{
    return {field, shown, source, std::string()};
}

PlannedMovie LookedUp()
{
    PlannedMovie movie;
    movie.layers.push_back(
        {"TMDB", {{"description", "Heist."}, {"vActor", "Pacino|Al"}, {"mpaaRating", "R4"}}, false});
    using Other = PlannedKey::Other;
    movie.keys = {Key("title", "Heat", Other::None, ""), Key("description", "Heist.", Other::None, "TMDB"),
                  Key("vActor", "Pacino|Al", Other::After, "TMDB"), Key("mpaaRating", "R4", Other::None, "TMDB")};
    return movie;
}

}  // namespace

TEST(LayersInView, AddsWhatTheTiVoWillShowOfTheLayerAndKnowsAllItsValues)
{
    const std::vector<LayerInView> layers = LayersInView(LookedUp());
    ASSERT_EQ(1u, layers.size());
    EXPECT_EQ("TMDB", layers[0].origin);
    // Not the template's title, not the actor a file read later sets; the
    // rating in the TiVo's words.
    ASSERT_EQ(2u, layers[0].adds.size());
    EXPECT_EQ("Description", layers[0].adds[0].field);
    EXPECT_EQ("Heist.", layers[0].adds[0].shown);
    EXPECT_EQ("TMDB", layers[0].adds[0].source);
    EXPECT_EQ("MPAA rating", layers[0].adds[1].field);
    EXPECT_EQ("R", layers[0].adds[1].shown);
    EXPECT_EQ(3u, layers[0].values.size());

    PlannedMovie none = LookedUp();
    none.layers[0].lines.clear();
    EXPECT_TRUE(LayersInView(none).empty());
}

TEST(LayersInView, NamesTheOriginOfTheOwnFilesValuesEqualToTheLayersOnly)
{
    const std::string own = NativePath("D:\\Films\\Heat.mkv.txt");
    const std::string inMeta = NativePath("D:\\Films\\.meta\\Heat.mkv.txt");
    const std::string nfo = NativePath("D:\\Films\\Heat.nfo");
    std::vector<TiVoRow> rows = {Row("Title", "Heat", own),          Row("Description", "Heist.", inMeta),
                                 Row("MPAA rating", "R", own),        Row("Actor", "Pacino|Al", nfo),
                                 Row("Actor", "Kilmer|Val", own),     Row("Description", "Heist.", nfo)};
    NameOrigins(rows, {own, inMeta}, LayersInView(LookedUp()));
    const char* const origins[] = {"", "TMDB", "TMDB", "", "", ""};
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(origins[i], rows[i].origin) << rows[i].field << " " << rows[i].shown;
        EXPECT_FALSE(rows[i].shown.empty());
    }
}
