// pyTivo's metadata text files: which lines it takes and how, how the
// files add up, and how their ratings become the TiVo's numbers.
#include <gtest/gtest.h>

#include "core/pytivo/PyTivoRatings.h"
#include "core/pytivo/PyTivoTextFile.h"

namespace {

// The lines taken, as "key=value|".
std::string Taken(const std::string& bytes, char separator = ':')
{
    std::vector<PyTivoTextLine> lines;
    std::string refusal;
    EXPECT_TRUE(ReadPyTivoTextLines(bytes, separator, lines, refusal)) << refusal;
    std::string taken;
    for (const PyTivoTextLine& line : lines)
        taken += line.key + "=" + line.value + "|";
    return taken;
}

}  // namespace

TEST(PyTivoTextFile, TheLinesPyTivoTakes)
{
    const struct {
        const char* bytes;
        char separator;
        const char* taken;
    } cases[] = {
        {"title : A\r\nseriesTitle:B\rdescription :  C \n", ':', "title=A|seriesTitle=B|description=C|"},
        {"title : A\r\r\n\nx : y", ':', "title=A|x=y|"},
        // A byte-order mark is dropped where it starts a line, any line.
        {"\xEF\xBB\xBFtitle : A\n\xEF\xBB\xBFx : y\n \xEF\xBB\xBFz : w", ':', "title=A|x=y|\xEF\xBB\xBFz=w|"},
        {"  # title : X\n#x:y\ntitle # : X", ':', "title #=X|"},
        {"no separator\n: value\nkey :\nkey : a : b", ':', "key=a : b|"},
        {"\v\ftitle\t:\tX\f\n", ':', "title=X|"},
        {"title : \xC2\xA0X", ':', "title=\xC2\xA0X|"},  // a no-break space is no white space to pyTivo
        {"title=A\na:b\nurl = http://x?a=b", '=', "title=A|url=http://x?a=b|"},
        {"", ':', ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.taken, Taken(c.bytes, c.separator)) << c.bytes;
}

TEST(PyTivoTextFile, Utf16AndNulBytesAreRefused)
{
    const std::string files[] = {
        std::string("\xFF\xFEt\0i\0t\0l\0e\0 \0:\0 \0X\0", 20),
        std::string("\xFE\xFF\0t\0i\0t\0l\0e\0 \0:\0 \0X", 20),
        std::string("title : A\nx\0y : z\n", 18),
    };
    for (const std::string& bytes : files) {
        std::vector<PyTivoTextLine> lines;
        std::string refusal;
        EXPECT_FALSE(ReadPyTivoTextLines(bytes, ':', lines, refusal));
        EXPECT_FALSE(refusal.empty());
        EXPECT_TRUE(lines.empty());
    }
}

TEST(PyTivoTextFile, ListKeysGrowAcrossFilesOtherKeysTakeTheLastValue)
{
    PyTivoValues values;
    MergePyTivoTextLines({{"vActor", "Ann"}, {"title", "One"}, {"vActor", "Bob"}}, "a.txt", values);
    MergePyTivoTextLines({{"title", "Caf\xE9"}, {"vActor", "Cy \xE2\x82\xAC"}, {"Value", "V"}}, "b.txt", values);

    ASSERT_EQ(PyTivoValue::Kind::List, values["vActor"].kind);
    const std::vector<std::pair<std::string, std::string>> actors = {
        {"Ann", "a.txt"}, {"Bob", "a.txt"}, {"Cy \xE2\x82\xAC", "b.txt"}};
    ASSERT_EQ(actors.size(), values["vActor"].items.size());
    for (size_t i = 0; i < actors.size(); ++i) {
        EXPECT_EQ(actors[i].first, values["vActor"].items[i].text);
        EXPECT_EQ(actors[i].second, values["vActor"].items[i].source);
    }
    EXPECT_EQ("Caf\xC3\xA9", values["title"].text) << "not UTF-8: read as Windows-1252";
    EXPECT_EQ("b.txt", values["title"].source);
    EXPECT_EQ(PyTivoValue::Kind::Text, values["Value"].kind) << "only a lower-case v makes a list";
}

TEST(PyTivoTextFile, RatingsBecomeTheTablesNumbersElseWholeNumbersElseStayText)
{
    const struct {
        const char* key;
        const char* written;
        const char* kept;  // the text kept, or the number as printed
        bool number;
    } cases[] = {
        {"tvRating", "tv-14", "5", true},       {"tvRating", "TV-Y7", "1", true},
        {"tvRating", "unrated", "7", true},     {"tvRating", "x3", "3", true},
        {"tvRating", "12", "12", true},         {"tvRating", "- 5", "-5", true},
        {"mpaaRating", "pg-13", "3", true},     {"mpaaRating", "Nc17", "6", true},
        {"mpaaRating", "NR", "8", true},        {"mpaaRating", "Rated R", "Rated R", false},
        {"starRating", "***", "5", true},       {"starRating", "2.5", "4", true},
        {"starRating", "2.0", "2.0", false},    {"starRating", "007", "7", true},
        {"starRating", "99999999999999999999", "99999999999999999999", false},
    };
    for (const auto& c : cases) {
        PyTivoValues values;
        MergePyTivoTextLines({{c.key, c.written}, {"title", "PG"}}, "m.txt", values);
        MapTextRatings(values);
        const PyTivoValue& value = values[c.key];
        EXPECT_EQ(c.number, value.kind == PyTivoValue::Kind::Number) << c.key << " " << c.written;
        EXPECT_EQ(c.kept, value.text) << c.key << " " << c.written;
        EXPECT_EQ("m.txt", value.source);
        EXPECT_EQ("PG", values["title"].text) << "other keys are no ratings";
    }
}

TEST(PyTivoRatings, TheWordsSentWithANumber)
{
    EXPECT_EQ("14", RatingName(PyTivoRating::Tv, 5));
    EXPECT_EQ("3.5", RatingName(PyTivoRating::Star, 6));
    EXPECT_EQ("NR", RatingName(PyTivoRating::Mpaa, 7)) << "MPAA has no 7";
    EXPECT_EQ("NR", RatingName(PyTivoRating::Tv, 0));
    EXPECT_EQ("", RatingName(PyTivoRating::Star, 13));
    EXPECT_EQ("", RatingName(PyTivoRating::Star, -1));
}
