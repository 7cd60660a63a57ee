#include <gtest/gtest.h>

#include "core/files/TextFile.h"
#include "core/metadata/MetadataDocument.h"
#include "core/metadata/MetadataWriter.h"
#include "support/TempFolder.h"

namespace {

using F = MetadataField;

// A file as a pyTivo user keeps it: a comment, keys with odd spacing, a
// key twice, a line left over from a description on two lines, a blank
// line, keys the editor does not know, a value pyTivo would not take.
const char kHandMadeFile[] =
    "# written by hand\n"
    "title:Holiday\n"
    "description : Day one\n"
    "and day two\n"
    "\n"
    "vActor : Ann\n"
    "callsign : KQED\n"
    "vActor :  Bob \n"
    "title : Holiday 2012\n"
    "originalAirDate : 2012-05-04T00:00:00Z\n"
    "episodeNumber : 1x04\n";

const char kSmallFile[] =
    "title : A\n"
    "x-note\n"
    "vActor : Ann\n"
    "callsign : K\n"
    "vActor : Bob\n"
    "title : B\n";

}  // namespace

TEST(MetadataDocument, ShowsWhatPyTivoReadsAndKeepsEveryLineWhenNothingChanges)
{
    MetadataDocument document = MetadataDocument::FromText(kHandMadeFile);
    EXPECT_EQ("Holiday 2012", document.Shown(F::Title)) << "the last line of a key is the one pyTivo keeps";
    EXPECT_EQ("Ann\nBob", document.Shown(F::Actor));
    EXPECT_EQ("2012-05-04", document.Shown(F::OriginalAirDate));
    EXPECT_EQ("Day one", document.Shown(F::Description));
    EXPECT_EQ("", document.Shown(F::Director));
    EXPECT_EQ("# written by hand\nand day two\n\ncallsign : KQED\n", document.OtherLines());
    MetadataField where;
    EXPECT_EQ("", document.Check(&where)) << "a value from the file is taken as it is";
    EXPECT_EQ(kHandMadeFile, document.Compose());

    // Texts that differ in white space only change nothing.
    document.Edit(F::Actor, "Ann\r\n\r\n  Bob\r\n");
    document.Edit(F::Title, " Holiday 2012 ");
    document.Edit(F::OriginalAirDate, "2012-05-04");
    EXPECT_EQ(kHandMadeFile, document.Compose());
}

TEST(MetadataDocument, AChangedFieldTakesItsFirstLineANewOneGoesAtTheEndAndBadInputIsRefused)
{
    const std::string small = kSmallFile;
    const struct {
        MetadataField field;
        const char* text;
        std::string composed;  // empty: refused
    } cases[] = {
        {F::Title, "C", "title : C\nx-note\nvActor : Ann\ncallsign : K\nvActor : Bob\n"},
        {F::Title, "", "x-note\nvActor : Ann\ncallsign : K\nvActor : Bob\n"},
        {F::Actor, "Bob\nCy\r\n\r\n Dee ",
         "title : A\nx-note\nvActor : Bob\nvActor : Cy\nvActor : Dee\ncallsign : K\ntitle : B\n"},
        {F::Actor, "\r\n", "title : A\nx-note\ncallsign : K\ntitle : B\n"},
        {F::Director, "  ", small},
        {F::ProgramGenre, "Drama\nComedy", small + "vProgramGenre : Drama\nvProgramGenre : Comedy\n"},
        // A line break typed by the user would start a line pyTivo reads as
        // a key of its own.
        {F::Description, "two\r\nlines: here\rand\nthere",
         small + "description : two lines: here and there\n"},
        {F::EpisodeNumber, " 104 ", small + "episodeNumber : 104\n"},
        {F::EpisodeNumber, "1x04", ""},
        {F::EpisodeNumber, "-3", ""},
        {F::OriginalAirDate, "2012-02-29", small + "originalAirDate : 2012-02-29T00:00:00Z\n"},
        {F::OriginalAirDate, "2012-02-29T20:30:00Z", small + "originalAirDate : 2012-02-29T20:30:00Z\n"},
        {F::OriginalAirDate, "2013-02-29", ""},
        {F::OriginalAirDate, "2012-5-4", small + "originalAirDate : 2012-05-04T00:00:00Z\n"},
        {F::OriginalAirDate, "2012-13-01", ""},
        {F::OriginalAirDate, "04/05/2012", ""},
        {F::OriginalAirDate, "2012-05-04T24:00:00Z", ""},
    };
    for (const auto& c : cases) {
        MetadataDocument document = MetadataDocument::FromText(kSmallFile);
        document.Edit(c.field, c.text);
        MetadataField where = F::Title;
        const std::string problem = document.Check(&where);
        EXPECT_EQ(c.composed.empty(), !problem.empty()) << c.text;
        if (c.composed.empty()) {
            EXPECT_EQ(c.field, where) << c.text;
        } else {
            EXPECT_EQ(c.composed, document.Compose()) << c.text;
        }
    }
}

TEST(MetadataDocument, RoundTripKeepsTheEncodingRulesOfEveryWrite)
{
    TempFolder dir;
    const std::string movie = dir / "Caf\xc3\xa9.mpg";
    const struct {
        const char* bytes;     // the file as found
        const char* actor;     // typed by the user
        const char* expected;  // the file as saved
    } cases[] = {
        // A character beyond the code page makes the whole file UTF-8.
        {"title : Caf\xe9\r\nnote : \xe9t\xe9\r\n", "\xe6\x9d\x8e",
         "title : Caf\xc3\xa9\r\nnote : \xc3\xa9t\xc3\xa9\r\nvActor : \xe6\x9d\x8e\r\n"},
        // Lines of both kinds read right one by one; a byte-order mark and
        // bare line feeds go.
        {"\xef\xbb\xbftitle : \xe6\x9d\x8e\nnote : \xe9t\xe9", "Ann",
         "title : \xe6\x9d\x8e\r\nnote : \xc3\xa9t\xc3\xa9\r\nvActor : Ann\r\n"},
    };
    for (const auto& c : cases) {
        dir.WriteFile("Caf\xc3\xa9.mpg.txt", c.bytes);
        std::vector<std::string> lines;
        ASSERT_TRUE(ReadTextLines(MetadataPathOf(movie), lines));
        MetadataDocument document(lines);
        document.Edit(F::Actor, c.actor);
        ASSERT_TRUE(WriteMetadataFile(movie, document.Compose()));
        EXPECT_EQ(c.expected, ReadFileBytes(MetadataPathOf(movie))) << c.bytes;
    }
}
