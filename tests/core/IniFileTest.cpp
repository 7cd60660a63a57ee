#ifdef _WIN32
#include <windows.h>
#endif

#include <gtest/gtest.h>

#include "core/settings/IniFile.h"
#include "platform/Text.h"
#include "support/TempFolder.h"

namespace {

// One line per entry: comments|marker|section|key|value, control bytes shown.
std::string Describe(const std::vector<IniRecord>& records)
{
    std::string text;
    for (const IniRecord& r : records) {
        std::string line = r.comments + "|" + std::string(1, r.marker ? r.marker : '0') + "|" + r.section +
                           "|" + r.key + "|" + r.value;
        for (char c : line)
            text += c == '\n' ? std::string("\\n") : c == '\r' ? std::string("\\r") : std::string(1, c);
        text += "\n";
    }
    return text;
}

class IniFileTest : public ::testing::Test {
protected:
    std::string Ini() const { return folder_ / "reelmark.ini"; }
    void Given(const std::string& bytes) const { folder_.WriteFile("reelmark.ini", bytes); }
    std::string Bytes() const { return ReadFileBytes(Ini()); }

    TempFolder folder_;
    CIniFile ini_;
};

}  // namespace

TEST(IniTrimChars, TrimsTheChosenSides)
{
    EXPECT_EQ("a b", CIniFile::TrimChars(" \t a b\r\n", " \t\r\n"));
    EXPECT_EQ("a b\r\n", CIniFile::TrimChars(" \t a b\r\n", " \t\r\n", CIniFile::kTrimStart));
    EXPECT_EQ(" \t a b", CIniFile::TrimChars(" \t a b\r\n", " \t\r\n", CIniFile::kTrimEnd));
    for (CIniFile::TrimSide side : {CIniFile::kTrimBoth, CIniFile::kTrimStart, CIniFile::kTrimEnd})
        EXPECT_EQ("", CIniFile::TrimChars(" \t\r ", " \t\r\n", side));
}

TEST(IniParse, ReadsSectionsKeysCommentsAndCommentedOutEntries)
{
    EXPECT_EQ(
        "| |Config||\n"
        "; about\\n| |Config|PythonLoc|C:\\a=b\n"
        "|#|Config|Old|1\n"
        "# x\\n|;|Gone||\n"
        "| |Gone|Key |  spaced\n",
        Describe(ParseIniLines({"[Config]", "; about", "PythonLoc=C:\\a=b", "#Old=1", "", "# x", ";  [Gone]",
                                "Key =  spaced "})));
    // Leading blanks, tabs and stray carriage returns change nothing.
    EXPECT_EQ(Describe(ParseIniLines({"[Config]", "# c", "A=1"})),
              Describe(ParseIniLines({"  \t[Config]\r", "\t # c \t", " A=1\r\r", "   "})));
}

TEST_F(IniFileTest, WriteValueIntoAnEmptyFileGivesExactlyTwoLines)
{
    ASSERT_TRUE(ini_.CreateEmpty(Ini()));
    EXPECT_EQ("", Bytes());
    ASSERT_TRUE(ini_.WriteValue("PythonLoc", "C:\\pyTivo\\pyTivo.py", "Config", Ini()));
    EXPECT_EQ(" [Config]\r\n PythonLoc=C:\\pyTivo\\pyTivo.py\r\n", Bytes());
}

TEST_F(IniFileTest, NewKeyGoesRightAfterTheHeaderAndExistingKeysChangeInPlace)
{
    Given(" [Config]\r\n A=1\r\n [Settings]\r\n C=3\r\n");
    ASSERT_TRUE(ini_.WriteValue("B", "2", "Config", Ini()));
    ASSERT_TRUE(ini_.WriteValue("C", "three", "Settings", Ini()));
    ASSERT_TRUE(ini_.WriteValue("D", "4", "New", Ini()));
    EXPECT_EQ(" [Config]\r\n B=2\r\n A=1\r\n [Settings]\r\n C=three\r\n [New]\r\n D=4\r\n", Bytes());
}

TEST_F(IniFileTest, CommentsAndCommentedOutEntriesAreWrittenBackWhereTheyStood)
{
    Given("; top comment\r\n[Config]\r\n# about A\r\nA=1\r\n#B=old\r\n;[Retired]\r\n;C=x\r\n");
    EXPECT_EQ("old", ini_.ReadValue("B", "Config", Ini()));
    EXPECT_EQ("x", ini_.ReadValue("C", "Retired", Ini()));
    ASSERT_TRUE(ini_.WriteValue("A", "2", "Config", Ini()));
    ASSERT_TRUE(ini_.WriteValue("B", "new", "Config", Ini()));
    EXPECT_EQ("; top comment\r\n [Config]\r\n# about A\r\n A=2\r\n#B=new\r\n;[Retired]\r\n;C=x\r\n", Bytes());
}

TEST_F(IniFileTest, SpacesAroundTheEqualsSignBelongToKeyAndValue)
{
    Given("[Config]\r\nPythonLoc = C:\\x\r\n");
    EXPECT_FALSE(ini_.HasKey("PythonLoc", "Config", Ini()));
    EXPECT_EQ("", ini_.ReadValue("PythonLoc", "Config", Ini()));
    EXPECT_EQ(" C:\\x", ini_.ReadValue("PythonLoc ", "Config", Ini()));
}

TEST_F(IniFileTest, SectionsAndKeysKeepTheirLetterCase)
{
    Given(" [config]\r\n pythonloc=a\r\n");
    EXPECT_FALSE(ini_.HasSection("Config", Ini()));
    EXPECT_FALSE(ini_.HasKey("PythonLoc", "config", Ini()));
    ASSERT_TRUE(ini_.WriteValue("PythonLoc", "b", "Config", Ini()));
    EXPECT_EQ(" [config]\r\n pythonloc=a\r\n [Config]\r\n PythonLoc=b\r\n", Bytes());
}

TEST_F(IniFileTest, AppendSectionAddsAHeaderEvenWhenTheSectionExists)
{
    Given(" [Config]\r\n");
    ASSERT_TRUE(ini_.AppendSection("Config", Ini()));
    EXPECT_EQ(" [Config]\r\n [Config]\r\n", Bytes());
}

TEST_F(IniFileTest, AMissingFileGivesTheFailureAnswersAndIsNotCreated)
{
    std::vector<IniRecord> records(1);
    records[0].key = "untouched";
    EXPECT_FALSE(ini_.ReadRecords(Ini(), records));
    EXPECT_EQ("untouched", records[0].key);
    EXPECT_TRUE(ini_.HasSection("Config", Ini()));
    EXPECT_TRUE(ini_.HasKey("PythonLoc", "Config", Ini()));
    EXPECT_EQ("", ini_.ReadValue("PythonLoc", "Config", Ini()));
    EXPECT_TRUE(ini_.FindRecords("PythonLoc", "Config", Ini()).empty());
    EXPECT_FALSE(ini_.WriteValue("PythonLoc", "x", "Config", Ini()));
    EXPECT_FALSE(ini_.AppendSection("Config", Ini()));
    EXPECT_FALSE(PathExists(Ini()));
}

TEST_F(IniFileTest, AMultiLineValueSurvivesRepeatedRewrites)
{
    const std::string description =
        "(2012) First line \r\n\tindented=with [brackets]\r\n\r\n# not a comment\r\nlast ";
    Given(" [Settings]\r\n");
    ASSERT_TRUE(ini_.WriteValue("SeriesDesc", description, "Settings", Ini()));
    EXPECT_EQ(
        " [Settings]\r\n SeriesDesc=(2012) First line \r\r\n\t|\tindented=with [brackets]\r\r\n\t|\r\r\n"
        "\t|# not a comment\r\r\n\t|last \r\n",
        Bytes());
    for (int round = 0; round < 5; ++round) {
        ASSERT_TRUE(ini_.WriteValue("SeriesID", "MV" + std::to_string(round), "Settings", Ini()));
        ASSERT_TRUE(ini_.WriteValue("SeriesDesc", ini_.ReadValue("SeriesDesc", "Settings", Ini()), "Settings",
                                    Ini()));
    }
    EXPECT_EQ(description, ini_.ReadValue("SeriesDesc", "Settings", Ini()));
    EXPECT_EQ("MV4", ini_.ReadValue("SeriesID", "Settings", Ini()));
    EXPECT_EQ(" [Settings]\r\n SeriesID=MV4\r\n", Bytes().substr(0, 28));
}

TEST(IniParse, LineFeedValuesRoundTripThroughTheText)
{
    IniRecord header;
    header.section = "S";
    IniRecord record = header;
    record.key = "K";
    for (const char* value : {"\n", "a\n", "\nb", "a\n\n b \n", "a\r\n\r\n"}) {
        record.value = value;
        std::vector<IniRecord> records = {header, record};
        for (int round = 0; round < 5; ++round) {
            std::string text = FormatIniRecords(records);
            std::vector<std::string> lines;
            for (size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
                lines.push_back(text.substr(start, end - start));
            records = ParseIniLines(lines);
        }
        EXPECT_EQ(Describe({header, record}), Describe(records));
    }
}

TEST_F(IniFileTest, AFileWithRawContinuationLinesReadsAsBefore)
{
    // Written before continuation lines were marked: the description's
    // further lines stand on their own.
    Given(" [Settings]\r\n SeriesDesc=line one\r\r\nline two\r\r\nRated: PG=yes\r\r\n SeriesID=MV1\r\n");
    EXPECT_EQ("line one", ini_.ReadValue("SeriesDesc", "Settings", Ini()));
    EXPECT_EQ("yes", ini_.ReadValue("Rated: PG", "Settings", Ini()));
    EXPECT_EQ("MV1", ini_.ReadValue("SeriesID", "Settings", Ini()));
    ASSERT_TRUE(ini_.WriteValue("SeriesID", "MV2", "Settings", Ini()));
    EXPECT_EQ(" [Settings]\r\n SeriesDesc=line one\r\nline two\r\n Rated: PG=yes\r\n SeriesID=MV2\r\n",
              Bytes());
}

TEST_F(IniFileTest, StrayLinesTrailingCommentsAndALastLineWithoutLineEndSurvive)
{
    Given(
        "[Config]\r\nA=1\r\nDir=C:\\[HD]\r\n[Broken\r\njust text\r\n=no key\r\n#[half\r\nB=2\r\n# "
        "trailing\r\n; last");
    ASSERT_TRUE(ini_.WriteValue("A", "one", "Config", Ini()));
    const std::string kept =
        " [Config]\r\n A=one\r\n Dir=C:\\[HD]\r\n[Broken\r\njust text\r\n=no key\r\n#[half\r\n B=2\r\n# "
        "trailing\r\n; "
        "last\r\n";
    EXPECT_EQ(kept, Bytes());
    EXPECT_EQ("2", ini_.ReadValue("B", "Config", Ini()));
    EXPECT_EQ("C:\\[HD]", ini_.ReadValue("Dir", "Config", Ini()));
    EXPECT_FALSE(ini_.HasSection("", Ini()));

    // New entries go after the trailing lines, which are not lost either.
    ASSERT_TRUE(ini_.WriteValue("C", "3", "Settings", Ini()));
    ASSERT_TRUE(ini_.AppendSection("Extra", Ini()));
    EXPECT_EQ(kept + " [Settings]\r\n C=3\r\n [Extra]\r\n", Bytes());
}

// Windows only: there a file another program holds open cannot be replaced.
#ifdef _WIN32
TEST_F(IniFileTest, AFileThatCannotBeReplacedStaysAsItWas)
{
    const std::string before = " [Config]\r\n A=1\r\n";
    Given(before);
    // Another program holds the file open for reading only.
    HANDLE held = CreateFileW(FilePath(Ini()).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    EXPECT_EQ("1", ini_.ReadValue("A", "Config", Ini()));
    EXPECT_FALSE(ini_.WriteValue("A", "2", "Config", Ini()));
    EXPECT_FALSE(ini_.CreateEmpty(Ini()));
    CloseHandle(held);
    EXPECT_EQ(before, Bytes());
    EXPECT_FALSE(PathExists(Ini() + ".reelmark-new"));
}
#endif
