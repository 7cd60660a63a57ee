// The tags inside movies as pyTivo reads them (metadata.py's from_moov and
// from_mscore through its mutagen): movies tagged by AtomicParsley and
// mutagen, and each of pyTivo's rules on tags made up here.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/pytivo/PyTivoTags.h"
#include "core/pytivo/PythonDict.h"
#include "support/TempFolder.h"
#include "support/TestFiles.h"

namespace {

// The values as "key=text" lines ("key=[a|b]" for a list), in key order.
std::string Shown(const PyTivoTagReading& reading)
{
    std::string shown;
    for (const auto& [key, value] : reading.values) {
        shown += key + "=";
        if (value.kind == PyTivoValue::Kind::List) {
            shown += "[";
            for (size_t i = 0; i < value.items.size(); ++i)
                shown += (i ? "|" : "") + value.items[i].text;
            shown += "]";
        } else {
            shown += value.text;
        }
        shown += "\n";
    }
    for (const PyTivoProblem& problem : reading.problems)
        shown += "problem: " + problem.why + "\n";
    return shown;
}

PyTivoTagReading ReadFixture(const std::string& name)
{
    TempFolder folder;
    folder.WriteFile(name, TestFileBytes(name));
    const MovieContainer container = *TagContainerOf(name);
    return PyTivoTagValues(ReadMovieTags(folder / name, container), container, folder / name);
}

Mp4TagItem Item(const std::string& name, std::vector<Mp4TagValue> values)
{
    return {name, "", "", std::move(values)};
}
Mp4TagItem Text(const std::string& name, const std::string& text)
{
    return Item(name, {{1, text}});
}
Mp4TagItem FreeForm(const std::string& field, const std::string& bytes, const std::string& mean = "com.apple.iTunes")
{
    return {"----", mean, field, {{1, bytes}}};
}
const std::string kEpisodeKind = std::string(1, '\x0A');
const std::string kMovieKind = std::string(1, '\x09');

// Tags of an MP4 file with sound that holds these items.
std::string FromItems(std::vector<Mp4TagItem> items)
{
    MovieTags tags;
    tags.outcome = MovieTags::Outcome::Read;
    tags.head = std::string("\0\0\0\x20" "ftypM4V ", 12);
    tags.hasItemList = tags.hasSoundTrack = true;
    tags.items = std::move(items);
    return Shown(PyTivoTagValues(tags, MovieContainer::Mp4, "/m/Movie.m4v"));
}

std::string FromAttributes(std::vector<AsfAttribute> attributes, const std::string& title = "")
{
    MovieTags tags;
    tags.outcome = MovieTags::Outcome::Read;
    tags.asfTitle = title;
    tags.attributes = std::move(attributes);
    return Shown(PyTivoTagValues(tags, MovieContainer::Asf, "/m/Show.wmv"));
}

AsfAttribute Attribute(const std::string& name, const std::string& text)
{
    AsfAttribute attribute;
    attribute.name = name;
    attribute.text = text;
    return attribute;
}

}  // namespace

TEST(PyTivoTags, OnlyTheExtensionsPyTivoReadsTagsFromInAnyLetterCase)
{
    const struct {
        const char* name;
        bool mp4, asf;
    } cases[] = {
        {"Movie.mp4", true, false},  {"Movie.M4V", true, false},    {"Movie.mov", true, false},
        {"Show.dvr-ms", false, true}, {"Show.WMV", false, true},     {"Show.asf", false, true},
        {"Movie.mkv", false, false}, {"Movie.mp4.txt", false, false}, {".mp4", false, false},
    };
    for (const auto& c : cases) {
        const std::optional<MovieContainer> container = TagContainerOf(c.name);
        EXPECT_EQ(c.mp4, container == MovieContainer::Mp4) << c.name;
        EXPECT_EQ(c.asf, container == MovieContainer::Asf) << c.name;
    }
    EXPECT_TRUE(IsTagSource(TagSourceOf("/m/Movie.m4v")));
    EXPECT_FALSE(IsTagSource("/m/Movie.m4v"));
}

TEST(PyTivoTags, PythonWalksADictionaryInItsOwnOrder)
{
    EXPECT_EQ(12416037344ull, PythonStringHash("a"));
    EXPECT_EQ((std::vector<std::string>{"a", "c", "b", "d"}), PythonDictOrder({"a", "b", "c", "d", "b"}));
    // Past two thirds of eight slots the table grows to 32 and is walked anew.
    EXPECT_EQ((std::vector<std::string>{"stik", "tves", "\xA9" "day", "tvsh", "\xA9" "cmt", "tvsn", "\xA9nam",
                                        "----:com.apple.iTunes:iTunEXTC", "ldes", "\xA9gen", "tvnn", "tven", "desc"}),
              PythonDictOrder({"stik", "tvsh", "\xA9nam", "tvnn", "tvsn", "tves", "tven", "\xA9" "day", "\xA9gen",
                               "desc", "ldes", "\xA9" "cmt", "----:com.apple.iTunes:iTunEXTC"}));
}

TEST(PyTivoTags, AnEpisodeTaggedByAtomicParsley)
{
    EXPECT_EQ("callsign=HBO\n"
              "description=A longer description of the pilot.\n"
              "episodeNumber=205\n"
              "episodeTitle=The Pilot\n"
              "originalAirDate=2009-09-15T00:00:00Z\n"
              "seriesTitle=Tagged Show\n"
              "tvRating=5\n"
              "vProgramGenre=[Drama]\n"
              "vSeriesGenre=[Drama]\n",
              Shown(ReadFixture("Episode.m4v")));
}

TEST(PyTivoTags, AMovieWithAGenreCodeARatingAndItsCastInAPropertyList)
{
    EXPECT_EQ("description=A tagged movie.\n"
              "movieYear=1999\n"
              "mpaaRating=3\n"
              "title=Tagged Movie\n"
              "vActor=[Ann Actor|Bob Actor]\n"
              "vDirector=[Dee Director]\n"
              "vProducer=[Pat Producer]\n"
              "vProgramGenre=[Comedy]\n"
              "vSeriesGenre=[Comedy]\n"
              "vWriter=[Wes Writer]\n",
              Shown(ReadFixture("Movie.mp4")));
}

TEST(PyTivoTags, PyTivosOwnItemGivesAnyKeyAndLosesToATitleItemPythonWalksLater)
{
    // The file holds the title item first; Python walks tiVoINFO first, so
    // the title item's episodeTitle is the one kept.
    EXPECT_EQ("episodeTitle=Title From Its Item\n"
              "isEpisode=true\n"
              "seriesId=SH0123456\n"
              "seriesTitle=Info Show\n"
              "vActor=[First|Second]\n",
              Shown(ReadFixture("Info.m4v")));
}

TEST(PyTivoTags, AMovieWithoutSoundGivesNoTags)
{
    EXPECT_EQ("problem: pyTivo reads no tags from an MP4 file without a sound track\n",
              Shown(ReadFixture("Silent.mp4")));
}

TEST(PyTivoTags, ARecordedShowInWindowsMedia)
{
    EXPECT_EQ("callsign=WXYZ\n"
              "description=What happens in the episode.\n"
              "displayMajorNumber=7\n"
              "episodeTitle=The Episode\n"
              "originalAirDate=2008-03-04T00:00:00Z\n"
              "seriesTitle=Recorded Show\n"
              "title=Recorded Show\n"
              "tvRating=4\n"
              "vActor=[Ann Lead|Bob Lead|Guest Star]\n"
              "vDirector=[Dee Director]\n"
              "vProgramGenre=[Comedy| Drama]\n"
              "vSeriesGenre=[Comedy| Drama]\n",
              Shown(ReadFixture("Recorded.wmv")));
}

TEST(PyTivoTags, EpisodeOrMovieAndTheDate)
{
    const struct {
        std::vector<Mp4TagItem> items;
        const char* shown;
    } cases[] = {
        // Without stik, tvsh makes an episode; a year alone becomes a date.
        {{Text("tvsh", "S"), Text("\xA9nam", "N"), Text("\xA9" "day", "2009")},
         "episodeTitle=N\noriginalAirDate=2009-01-01T16:00:00Z\nseriesTitle=S\n"},
        // stik 9 makes a movie even beside tvsh; its year is the date's first four characters.
        {{Item("stik", {{21, kMovieKind}}), Text("tvsh", "S"), Text("\xA9nam", "N"), Text("\xA9" "day", "2001-05-06")},
         "movieYear=2001\nseriesTitle=S\ntitle=N\n"},
        {{Text("\xA9nam", "N"), Text("\xA9" "day", "199")}, "title=N\n"},
        // Only UTF-8 texts count.
        {{Item("\xA9nam", {{2, std::string("\0N", 2)}})}, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.shown, FromItems(c.items));
}

TEST(PyTivoTags, EpisodeNumbersAndTvenAsPyTivoTreatsThem)
{
    const auto season = [](int number) { return Item("tvsn", {{21, std::string("\0\0\0", 3) + char(number)}}); };
    const auto episode = [](int number) { return Item("tves", {{21, std::string("\0\0\0", 3) + char(number)}}); };
    const struct {
        std::vector<Mp4TagItem> items;
        const char* shown;
    } cases[] = {
        {{season(3)}, "episodeNumber=300\n"},
        {{season(3), episode(12)}, "episodeNumber=312\n"},
        {{episode(4)}, ""},
        {{Text("tven", "SH0123")}, "isEpisode=false\n"},
        {{Text("tven", "EP0123")}, "isEpisode=true\nprogramId=EP0123\n"},
        {{Text("tven", "MV0123")}, "isEpisode=true\nprogramId=MV0123\n"},
        {{Text("tven", "S02E05")}, ""},  // the S..E.. branch looks at the name "tven", never at the value
        {{Item("tvsn", {{21, std::string("\0\x03", 2)}}), Text("\xA9nam", "N")},
         "problem: pyTivo's mutagen cannot read the \"tvsn\" tag (a value of 2 bytes), so pyTivo reads none of its "
         "tags\n"},
        {{Item("stik", {})}, "problem: pyTivo stops on the \"stik\" tag, which holds no value\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.shown, FromItems(c.items));
}

TEST(PyTivoTags, GenresDescriptionsAndRatings)
{
    const auto genre = [](int code) { return Item("gnre", {{0, std::string(1, char(code >> 8)) + char(code)}}); };
    const struct {
        std::vector<Mp4TagItem> items;
        const char* shown;
    } cases[] = {
        {{genre(0)}, "vProgramGenre=[Synthpop]\nvSeriesGenre=[Synthpop]\n"},  // Python's index -1
        {{genre(148)}, "vProgramGenre=[Synthpop]\nvSeriesGenre=[Synthpop]\n"},
        {{genre(149)}, ""},
        {{Text("\xA9gen", "Own"), genre(1)}, "vProgramGenre=[Own]\nvSeriesGenre=[Own]\n"},
        {{genre(1), Text("\xA9gen", "Own")}, "vProgramGenre=[Own]\nvSeriesGenre=[Own]\n"},
        // The longest description wins; of two as long, the one Python walks first.
        {{Text("desc", "abc"), Text("\xA9" "cmt", "xyz"), Text("ldes", "123")}, "description=123\n"},
        {{Text("desc", "abcd"), Text("ldes", "123")}, "description=abcd\n"},
        {{FreeForm("iTunEXTC", "mpaa|pg-13|300|")}, "mpaaRating=3\n"},
        {{FreeForm("iTunEXTC", "us-tv|TV-MA|600|")}, "tvRating=6\n"},
        {{FreeForm("iTunEXTC", "us-tv|R|400|")}, ""},
        {{FreeForm("iTunEXTC", "uk-movie|15|")}, ""},
        {{FreeForm("iTunEXTC", "mpaa")}, "problem: pyTivo stops on the iTunEXTC tag \"mpaa\", which has no \"|\"\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.shown, FromItems(c.items));
}

TEST(PyTivoTags, PropertyListsAsPythonReadsThem)
{
    const std::string plist = "<plist><dict><key>cast</key><array>";
    const struct {
        std::vector<Mp4TagItem> items;
        const char* shown;
    } cases[] = {
        {{FreeForm("iTunMOVI", plist + "<dict><key>name</key><string>A &amp; B</string></dict></array></dict></plist>")},
         "vActor=[A & B]\n"},
        {{FreeForm("iTunMOVI", plist + "<dict><key>role</key><string>A</string></dict></array></dict></plist>")},
         "problem: pyTivo stops on the iTunMOVI tag: an entry of \"cast\" without a name\n"},
        {{FreeForm("iTunMOVI", "<plist>")}, ""},  // not XML: plistlib raises and pyTivo passes over it
        {{FreeForm("iTunMOVI", "<plist/>")}, "problem: pyTivo stops on the iTunMOVI tag, a property list without a value\n"},
        {{FreeForm("tiVoINFO",
                   "<plist><dict><key>episodeNumber</key><integer> 0105 </integer><key>isEpisode</key><false/>"
                   "<key>vGuestStar</key><array><string>G</string></array></dict></plist>",
                   "com.pyTivo.pyTivo")},
         "episodeNumber=105\nisEpisode=False\nvGuestStar=[G]\n"},
        {{FreeForm("tiVoINFO", "<plist><array><string>x</string></array></plist>", "com.pyTivo.pyTivo")},
         "problem: pyTivo stops on the tiVoINFO tag, whose property list is no dictionary\n"},
        {{FreeForm("tiVoINFO", "<plist><dict><string>x</string></dict></plist>", "com.pyTivo.pyTivo")}, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.shown, FromItems(c.items));
}

TEST(PyTivoTags, WhatPyTivosMutagenDoesNotTakeForAnMp4File)
{
    MovieTags tags;
    tags.outcome = MovieTags::Outcome::Read;
    tags.hasSoundTrack = true;
    tags.items = {Text("\xA9nam", "N")};
    tags.head = std::string("\0\0\0\x08wide\0\0\0\x10mdat", 16);  // an old QuickTime movie
    EXPECT_EQ("problem: pyTivo reads no tags from it: its mutagen does not take it for an MP4 file\n",
              Shown(PyTivoTagValues(tags, MovieContainer::Mp4, "/m/Old.mov")));
    tags.head = std::string("\0\0\0\x08wide\0\0\0\x10mp4a", 16);
    EXPECT_EQ("title=N\n", Shown(PyTivoTagValues(tags, MovieContainer::Mp4, "/m/Old.mov")));
}

TEST(PyTivoTags, WindowsMediaAttributesAsPythonPrintsThem)
{
    AsfAttribute channel = Attribute("WM/MediaOriginalChannel", "");
    channel.kind = AsfAttribute::Kind::DWord;
    channel.number = 12;
    EXPECT_EQ("displayMajorNumber=12\nepisodeTitle=Plain\n",
              FromAttributes({channel, Attribute("WM/SubTitle", "Plain"), Attribute("WM/SubTitle", "Second")}));
    // str() of a text that is not ASCII fails in pyTivo, which drops it; the
    // content description's title is no attribute and stays.
    EXPECT_EQ("title=Caf\xC3\xA9\n", FromAttributes({Attribute("WM/SubTitle", "Caf\xC3\xA9")}, "Caf\xC3\xA9"));
    // The rating table is matched as written; credits need four parts.
    EXPECT_EQ("", FromAttributes({Attribute("WM/ParentalRating", "tv-pg"), Attribute("WM/MediaCredits", "A;B;C")}));
    EXPECT_EQ("title=T\n", FromAttributes({Attribute("Title", "T"), Attribute("WM/Genre", "")}));
}

TEST(PyTivoTags, FilesThatCannotBeReadAreNamedWithWhy)
{
    MovieTags tags;
    tags.outcome = MovieTags::Outcome::Damaged;
    const PyTivoTagReading reading = PyTivoTagValues(tags, MovieContainer::Mp4, "/m/Copying.m4v");
    ASSERT_EQ(1u, reading.problems.size());
    EXPECT_EQ(TagSourceOf("/m/Copying.m4v"), reading.problems[0].path);
    EXPECT_NE(std::string::npos, reading.problems[0].why.find("still being copied"));
    tags.outcome = MovieTags::Outcome::OtherFormat;
    EXPECT_NE(std::string::npos,
              PyTivoTagValues(tags, MovieContainer::Asf, "/m/Show.wmv").problems.at(0).why.find("not a Windows Media"));
    EXPECT_TRUE(PyTivoTagValues(tags, MovieContainer::Asf, "/m/Show.wmv").values.empty());
}
