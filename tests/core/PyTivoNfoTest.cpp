// Kodi .nfo files as pyTivo reads them: a movie's, an episode's over its
// show's, the XML pyTivo gets from the lines, and what it makes of
// ratings, years and episode numbers.
#include <gtest/gtest.h>

#include "core/pytivo/PyTivoNfo.h"
#include "platform/Text.h"

namespace {

PyTivoValues MovieValues(const std::string& bytes, std::vector<PyTivoProblem>* problems = nullptr,
                         const PyTivoValues& show = PyTivoValues())
{
    std::vector<PyTivoProblem> found;
    const NfoDocument document(bytes);
    EXPECT_TRUE(document.IsXml()) << document.Fault().text << " on line " << document.Fault().line;
    PyTivoValues values = MovieNfoValues(document, "M.nfo", show, found);
    if (problems) {
        *problems = found;
    } else {
        EXPECT_TRUE(found.empty()) << found.front().why;
    }
    return values;
}

std::string Items(const PyTivoValues& values, const std::string& key)
{
    const auto found = values.find(key);
    if (found == values.end())
        return "(none)";
    std::string items;
    for (const PyTivoItem& item : found->second.items)
        items += item.text + "@" + item.source + "|";
    return items;
}

std::string Text(const PyTivoValues& values, const std::string& key)
{
    const auto found = values.find(key);
    return found == values.end() ? "(none)" : found->second.text;
}

// UTF-16 (little-endian, with its byte-order mark) as a file holds it.
std::string Utf16File(const std::string& text)
{
    std::string bytes = "\xFF\xFE";
    for (char16_t unit : ToUtf16(text)) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

std::string Movie(const std::string& inside)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\" ?>\n<movie>\n" + inside + "\n</movie>\n";
}

}  // namespace

TEST(PyTivoNfo, AMoviesValues)
{
    const PyTivoValues values = MovieValues(Movie("  <title>Heat</title>\n"
                                                  "  <plot>Cops &amp; robbers.</plot>\n"
                                                  "  <year>1995</year>\n"
                                                  "  <rating>8.2</rating>\n"
                                                  "  <mpaa>R</mpaa>\n"
                                                  "  <genre>Crime</genre>\n"
                                                  "  <genre>Drama</genre>\n"
                                                  "  <genre>Crime</genre>\n"
                                                  "  <credits>Michael Mann</credits>\n"
                                                  "  <director>Michael Mann</director>\n"
                                                  "  <actor><name>Al Pacino</name><role>Vincent</role></actor>\n"
                                                  "  <actor>\n    <name>Robert De Niro</name>\n  </actor>\n"
                                                  "  <set><name>Not an actor</name></set>\n"
                                                  "  <fileinfo><streamdetails><video><codec>h264</codec>"
                                                  "</video></streamdetails></fileinfo>"));
    EXPECT_EQ("Heat", Text(values, "title"));
    EXPECT_EQ("Cops & robbers.", Text(values, "description"));
    EXPECT_EQ("1995", Text(values, "movieYear"));
    EXPECT_EQ("false", Text(values, "isEpisode"));
    EXPECT_EQ("6", Text(values, "starRating"));  // 8.2 * 6 / 10 + 1.5, cut to a whole number
    EXPECT_EQ(PyTivoValue::Kind::Number, values.at("starRating").kind);
    EXPECT_EQ(4, values.at("mpaaRating").number);
    EXPECT_EQ("Crime@M.nfo|Drama@M.nfo|", Items(values, "vProgramGenre"));
    EXPECT_EQ(Items(values, "vProgramGenre"), Items(values, "vSeriesGenre"));
    EXPECT_EQ(Items(values, "vProgramGenre"), Items(values, "vGenre"));
    EXPECT_EQ("Michael Mann@M.nfo|", Items(values, "vWriter"));
    EXPECT_EQ("Michael Mann@M.nfo|", Items(values, "vDirector"));
    EXPECT_EQ("Al Pacino@M.nfo|Robert De Niro@M.nfo|", Items(values, "vActor"));
    EXPECT_EQ("(none)", Text(values, "episodeTitle"));
    for (const auto& value : values)
        EXPECT_EQ(value.second.kind == PyTivoValue::Kind::List ? "" : "M.nfo", value.second.source) << value.first;
}

TEST(PyTivoNfo, StarsYearsAndRatingsAsPyTivoMakesThem)
{
    const struct {
        const char* inside;
        const char* key;
        const char* value;  // "(none)": dropped
        bool problem;       // pyTivo itself would stop on it
    } cases[] = {
        {"<rating>0</rating>", "starRating", "1", false},
        {"<rating>10</rating>", "starRating", "7", false},
        {"<rating>5</rating>", "starRating", "4", false},
        {"<rating>7.5</rating>", "starRating", "6", false},
        {"<rating> 7.5 </rating>", "starRating", "6", false},
        {"<rating>-5</rating>", "starRating", "-1", false},  // cut towards zero, not clamped
        {"<rating>20</rating>", "starRating", "13", false},
        {"<rating>8,5</rating>", "starRating", "(none)", true},
        {"<rating>nan</rating>", "starRating", "(none)", true},
        {"<rating>1e400</rating>", "starRating", "(none)", true},
        {"<mpaa>PG-13</mpaa>", "mpaaRating", "3", false},
        {"<mpaa>Rated PG-13</mpaa>", "mpaaRating", "(none)", false},
        {"<mpaa>pg-13</mpaa>", "mpaaRating", "(none)", false},
        {"<mpaa>TV-14</mpaa>", "mpaaRating", "(none)", false},
        {"<year/>", "movieYear", "0000", false},
        {"<year>-5</year>", "movieYear", "-005", false},
        {"<year> 12345 </year>", "movieYear", "12345", false},
        {"<year>1999-05-01</year>", "movieYear", "(none)", true},
    };
    for (const auto& c : cases) {
        std::vector<PyTivoProblem> problems;
        const PyTivoValues values = MovieValues(Movie(c.inside), &problems);
        EXPECT_EQ(c.value, Text(values, c.key)) << c.inside;
        EXPECT_EQ(c.problem, !problems.empty()) << c.inside;
        if (!problems.empty()) {
            EXPECT_EQ("M.nfo", problems.front().path);
        }
    }
}

TEST(PyTivoNfo, ASingleValueComesFromADirectChildAListFromAnyDepth)
{
    // pyTivo looks for a single value among the root's children alone,
    // and for list items anywhere below it.
    const struct {
        const char* inside;
        const char* key;
        const char* value;
    } cases[] = {
        // Kodi's newer ratings block holds a <rating> of its own: no star rating.
        {"<ratings><rating name=\"imdb\" max=\"10\"><value>8.0</value></rating></ratings>", "starRating",
         "(none)"},
        {"<ratings><rating name=\"imdb\"><value>2.0</value></rating></ratings><rating>8</rating>", "starRating",
         "6"},
        {"<set><title>The Collection</title><overview>The set's plot</overview></set>", "title", "(none)"},
        {"<set><title>The Collection</title></set><title>Heat</title>", "title", "Heat"},
        // A movie's year is always sent, 0000 where the root has none.
        {"<fileinfo><streamdetails><video><year>2020</year></video></streamdetails></fileinfo>", "movieYear",
         "0000"},
        {"<set><plot>The set's</plot></set><plot>The film's</plot>", "description", "The film's"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.value, Text(MovieValues(Movie(c.inside)), c.key)) << c.inside;
    const PyTivoValues nested = MovieValues(Movie("<tags><genre>Heist</genre></tags><genre>Crime</genre>"));
    EXPECT_EQ("Heist@M.nfo|Crime@M.nfo|", Items(nested, "vGenre"));
}

TEST(PyTivoNfo, AnEpisodeOverItsShow)
{
    const std::string showNfo = "<tvshow><title>Dr Who</title><showtitle>Doctor Who</showtitle>"
                                "<plot>A time traveller.</plot><mpaa>TV-PG</mpaa><rating>9</rating>"
                                "<genre>Sci-Fi</genre><actor><name>Matt Smith</name></actor>"
                                "<actor><name>Karen Gillan</name></actor></tvshow>";
    std::vector<PyTivoProblem> problems;
    const NfoDocument showDocument(showNfo);
    const PyTivoValues show = ShowNfoValues(showDocument, "tvshow.nfo", problems);
    EXPECT_EQ("9", Text(show, "starRating")) << "the show's values are cleaned up with the episode's";

    const PyTivoValues values = MovieValues("<episodedetails><title>The Eleventh Hour</title>"
                                            "<plot>A new Doctor.</plot><season>5</season><episode>1</episode>"
                                            "<aired>2010-04-03</aired><genre>Drama</genre>"
                                            "<actor><name>Karen Gillan</name></actor>"
                                            "<actor><name>Arthur Darvill</name></actor></episodedetails>",
                                            nullptr, show);
    EXPECT_EQ("Dr Who", Text(values, "title")) << "a tvshow.nfo's title is the title";
    EXPECT_EQ("Doctor Who", Text(values, "seriesTitle"));
    EXPECT_EQ("The Eleventh Hour", Text(values, "episodeTitle"));
    EXPECT_EQ("A new Doctor.", Text(values, "description"));
    EXPECT_EQ("M.nfo", values.at("description").source);
    EXPECT_EQ("tvshow.nfo", values.at("seriesTitle").source);
    EXPECT_EQ("true", Text(values, "isEpisode"));
    EXPECT_EQ("501", Text(values, "episodeNumber"));
    EXPECT_EQ("2010-04-03T00:00:00Z", Text(values, "originalAirDate"));
    EXPECT_EQ(4, values.at("tvRating").number);
    EXPECT_EQ(6, values.at("starRating").number);  // 9 * 6 / 10 + 1.5 = 6.9
    EXPECT_EQ("Matt Smith@tvshow.nfo|Karen Gillan@tvshow.nfo|Arthur Darvill@M.nfo|", Items(values, "vActor"));
    EXPECT_EQ("Sci-Fi@tvshow.nfo|Drama@M.nfo|", Items(values, "vSeriesGenre"));
    EXPECT_EQ("Matt Smith@tvshow.nfo|Karen Gillan@tvshow.nfo|", Items(show, "vActor"))
        << "the show's values stay the show's for the next episode";
}

TEST(PyTivoNfo, EpisodeNumbers)
{
    const struct {
        const char* inside;
        const char* number;
        bool problem;
    } cases[] = {
        {"<season>2</season><episode>3</episode>", "203", false},
        {"<displayseason>-1</displayseason><season>2</season><displayepisode>-1</displayepisode>"
         "<episode>3</episode>",
         "203", false},
        {"<displayseason>4</displayseason><season>2</season><displayepisode>7</displayepisode>"
         "<episode>3</episode>",
         "407", false},
        {"<episode>5</episode>", "105", false},
        {"<season>10</season><episode>123</episode>", "10123", false},
        {"<season>0</season><episode>3</episode>", "003", false},
        {"<season>2</season>", "(none)", false},
        {"<season>2</season><episode>-1</episode>", "(none)", false},
        {"<season>x</season><episode>1</episode>", "(none)", true},
    };
    for (const auto& c : cases) {
        std::vector<PyTivoProblem> problems;
        const PyTivoValues values =
            MovieValues(std::string("<episodedetails>") + c.inside + "</episodedetails>", &problems);
        EXPECT_EQ(c.number, Text(values, "episodeNumber")) << c.inside;
        EXPECT_EQ(c.problem, !problems.empty()) << c.inside;
    }
}

TEST(PyTivoNfo, TheXmlPyTivoGetsFromTheLines)
{
    // Lines are stripped before the XML is read.
    EXPECT_EQ("\nIndented\ntwice  ", Text(MovieValues(Movie("<title>\n    Indented\n\t  twice  </title>")), "title"));
    // A scraper's URL after the XML is dropped, blank lines after it too.
    EXPECT_EQ("Heat", Text(MovieValues("<movie><title>Heat</title></movie>\r\n"
                                       "http://www.imdb.com/title/tt0113277/\n\n\n"),
                           "title"));
    // A UTF-16 file's lines keep their white space: the bytes between are NUL.
    const PyTivoValues utf16 = MovieValues(Utf16File("<?xml version=\"1.0\" encoding=\"UTF-16\"?>\r\n<movie>\r\n"
                                                     "  <title>Caf\xC3\xA9</title>\r\n"
                                                     "  <plot> two\r\n   lines </plot>\r\n</movie>\r\n"));
    EXPECT_EQ("Caf\xC3\xA9", Text(utf16, "title"));
    EXPECT_EQ(" two\n   lines ", Text(utf16, "description"));
    // ... but a character whose second byte is a line feed splits a line.
    EXPECT_FALSE(NfoDocument(Utf16File("<movie>\r\n  <title>\xE0\xA8\xA0</title>\r\n</movie>\r\n")).IsXml());

    const struct {
        const char* bytes;
        unsigned long line;
    } notXml[] = {
        {"<movie><title>Heat</title></movie>\nhttp://a.b/c\nhttp://a.b/d", 2},  // only the last line goes
#ifndef _WIN32
        {"<movie><title>Heat</title></movie>\ntt0113277", 2},  // a word is no URL (XmlLite cannot tell)
#endif
        {"http://www.imdb.com/title/tt0113277/", 1},
        {"", 1},
    };
    for (const auto& c : notXml) {
        const NfoDocument document(c.bytes);
        EXPECT_FALSE(document.IsXml()) << c.bytes;
        EXPECT_EQ(c.line, document.Fault().line) << c.bytes;
    }
}

TEST(PyTivoNfo, TheTextPyTivoTakesIsTheFirstNodesWhateverItIs)
{
    std::vector<PyTivoProblem> problems;
    const PyTivoValues values = MovieValues(Movie("<title><!--note-->Heat</title>"
                                                  "<plot><![CDATA[<b>Bold</b>]]> move</plot>"
                                                  "<genre><?sort first?>Crime</genre>"
                                                  "<director><name>Michael Mann</name></director>"
                                                  "<director>Mann</director>"
                                                  "<actor><name></name></actor>"
                                                  "<actor><actor><name>Al</name></actor></actor>"),
                                            &problems);
    EXPECT_EQ("note", Text(values, "title"));
    EXPECT_EQ("<b>Bold</b>", Text(values, "description"));
    EXPECT_EQ("first@M.nfo|", Items(values, "vGenre"));
    EXPECT_EQ("Mann@M.nfo|", Items(values, "vDirector")) << "an element where text should be is left out";
    EXPECT_EQ("Al@M.nfo|", Items(values, "vActor")) << "an empty name is none; one inside two actors counts once";
    ASSERT_EQ(1u, problems.size());
    EXPECT_NE(std::string::npos, problems[0].why.find("<director>"));
}

TEST(PyTivoNfo, WhatTheNfoDescribes)
{
    const struct {
        const char* bytes;
        NfoKind kind;
    } cases[] = {
        {"<movie><title>A</title></movie>", NfoKind::Movie},
        {"<root><movie/><x><episodedetails/></x></root>", NfoKind::Episode},
        {"<tvshow><title>A</title></tvshow>", NfoKind::Other},
    };
    for (const auto& c : cases) {
        const NfoDocument document(c.bytes);
        EXPECT_EQ(c.kind, KindOfNfo(document)) << c.bytes;
    }
    EXPECT_TRUE(MovieValues("<tvshow><title>A</title></tvshow>").empty());
}
