// reelmark-cli show over a library of movies tagged by AtomicParsley and
// mutagen mixed with the other sources: the JSON is what pyTivo builds,
// the tags after pyTivo's own values and before the .nfo and text files.
#include "cli/CliFixture.h"
#include "cli/JsonText.h"
#include "support/TestFiles.h"

TEST_F(CliFixture, ShowGivesWhatPyTivoBuildsFromTagsAndTheOtherSources)
{
    for (const char* movie : {"Episode.m4v", "Movie.mp4", "Recorded.wmv"})
        dir.WriteFile(std::string("Lib\\") + movie, TestFileBytes(movie));
    dir.WriteFile("Lib\\default.txt", "callsign : KDEF\r\n");
    dir.WriteFile("Lib\\Episode.m4v.txt", "episodeTitle : From the text\r\n");
    dir.WriteFile("Lib\\Movie.nfo", "<movie><title>From the nfo</title><year>2000</year></movie>");
    SetLastWrite(dir / "Lib\\Movie.mp4", 1300000000, 0);
    const auto path = [&](const char* name) { return JsonString(dir / (std::string("Lib\\") + name)); };
    const auto tags = [&](const char* name) { return JsonString("tags in " + (dir / (std::string("Lib\\") + name))); };

    EXPECT_EQ(0, Run({"show", "--json", dir / "Lib"}));
    EXPECT_EQ("[\n {\"movie\": " + path("Episode.m4v") +
                  ", \"metadata\": {\"callsign\": \"KDEF\", \"description\": \"A longer description of the pilot.\", "
                  "\"episodeNumber\": \"205\", \"episodeTitle\": \"From the text\", \"originalAirDate\": "
                  "\"2009-09-15T00:00:00Z\", \"seriesTitle\": \"Tagged Show\", \"title\": \"Episode\", \"tvRating\": 5, "
                  "\"vProgramGenre\": [\"Drama\"], \"vSeriesGenre\": [\"Drama\"]}, \"sources\": [" +
                  tags("Episode.m4v") + ", " + path("default.txt") + ", " + path("Episode.m4v.txt") +
                  "]},\n {\"movie\": " + path("Movie.mp4") +
                  ", \"metadata\": {\"callsign\": \"KDEF\", \"description\": \"A tagged movie.\", \"isEpisode\": "
                  "\"false\", \"movieYear\": \"2000\", \"mpaaRating\": 3, \"originalAirDate\": \"2011-03-13T07:06:40\", "
                  "\"title\": \"From the nfo\", \"vActor\": [\"Ann Actor\", \"Bob Actor\"], \"vDirector\": [\"Dee "
                  "Director\"], \"vProducer\": [\"Pat Producer\"], \"vProgramGenre\": [\"Comedy\"], \"vSeriesGenre\": "
                  "[\"Comedy\"], \"vWriter\": [\"Wes Writer\"]}, \"sources\": [" +
                  tags("Movie.mp4") + ", " + path("Movie.nfo") + ", " + path("default.txt") + "]},\n {\"movie\": " +
                  path("Recorded.wmv") +
                  ", \"metadata\": {\"callsign\": \"KDEF\", \"description\": \"What happens in the episode.\", "
                  "\"displayMajorNumber\": \"7\", \"episodeTitle\": \"The Episode\", \"originalAirDate\": "
                  "\"2008-03-04T00:00:00Z\", \"seriesTitle\": \"Recorded Show\", \"title\": \"Recorded Show\", "
                  "\"tvRating\": 4, \"vActor\": [\"Ann Lead\", \"Bob Lead\", \"Guest Star\"], \"vDirector\": [\"Dee "
                  "Director\"], \"vProgramGenre\": [\"Comedy\", \" Drama\"], \"vSeriesGenre\": [\"Comedy\", \" "
                  "Drama\"]}, \"sources\": [" +
                  tags("Recorded.wmv") + ", " + path("default.txt") + "]}\n]\n",
              out.str());

    EXPECT_EQ(0, Run({"list", dir / "Lib"}));
    EXPECT_EQ("[meta] Episode.m4v\n[other] Movie.mp4\n[other] Recorded.wmv\n"
              "3 movie files, 1 with metadata, 2 with metadata only in other files\n",
              out.str());
}
